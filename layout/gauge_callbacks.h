// The gauge callbacks the host calls with a service code over each gauge's
// life, and the seven header routines shared by all four gauge headers
// (layout/gauge_headers.cpp names them).
#pragma once

#include "abi/host_formats.h"

void HOSTCALL zor_1_gauge_callback(GaugeHeader* gauge, std::int32_t service_code, HostWord extra);
void HOSTCALL zor_2_gauge_callback(GaugeHeader* gauge, std::int32_t service_code, HostWord extra);
void HOSTCALL breaker_gauge_callback(GaugeHeader* gauge, std::int32_t service_code, HostWord extra);

// Each hands ZOR_1's root element to the matching element-list service,
// whichever gauge's header the host called it through.
void HOSTCALL query_routine();
void HOSTCALL install_routine(HostWord value);
void HOSTCALL initialize_routine();
void HOSTCALL update_routine();
void HOSTCALL generate_routine(HostWord value);
void HOSTCALL draw_routine();
void HOSTCALL kill_routine();
