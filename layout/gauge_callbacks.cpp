#include "layout/gauge_callbacks.h"

#include "abi/panel_services.h"
#include "abi/service_numbers.h"
#include "instrument/instrument_update.h"
#include "layout/gauge_headers.h"
#include "layout/linkage.h"
#include "sound/tone_service.h"

void HOSTCALL zor_1_gauge_callback(GaugeHeader* gauge, std::int32_t service_code, HostWord)
{
    switch (service_code) {
    // clang-format off
    case service_install:    tone_service_install(); break;
    case service_initialize: tone_service_initialize(); break;
    case service_update:     update_instrument(InstrumentId::zor_1, gauge); break;
    case service_kill:       tone_service_kill(); break;
    case service_panel_open: send_pressure_setting(instrument_state(InstrumentId::zor_1)); break;
    default: break;
        // clang-format on
    }
}

void HOSTCALL zor_2_gauge_callback(GaugeHeader* gauge, std::int32_t service_code, HostWord)
{
    if (service_code == service_update)
        update_instrument(InstrumentId::zor_2, gauge);
}

void HOSTCALL breaker_gauge_callback(GaugeHeader*, std::int32_t, HostWord) {}

namespace {

// The root element of the gauge named first in Linkage, ZOR_1. Linkage is
// the host's to read and write, so it is read at every call.
ElementHeader* first_gauge_root()
{
    const GaugeHeader* first = Linkage.gauge_table[0];
    if (first == nullptr || first->element_list == nullptr)
        return nullptr;
    return first->element_list[0];
}

} // namespace

// clang-format off
void HOSTCALL query_routine()                { query_elements(first_gauge_root()); }
void HOSTCALL install_routine(HostWord v)    { install_elements(first_gauge_root(), v); }
void HOSTCALL initialize_routine()           { initialize_elements(first_gauge_root()); }
void HOSTCALL update_routine()               { update_elements(first_gauge_root()); }
void HOSTCALL generate_routine(HostWord v)   { generate_elements(first_gauge_root(), v); }
void HOSTCALL draw_routine()                 { draw_elements(first_gauge_root()); }
void HOSTCALL kill_routine()                 { kill_elements(first_gauge_root()); }
// clang-format on
