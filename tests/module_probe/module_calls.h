// Calls into the module the way a host could make them in any order: every
// service code, header routine, value, tooltip and mouse callback, reached
// through the module's own records.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "probe_module.h"

// Each of the four gauges' callbacks with each code, in the order given.
void call_every_gauge(ProbeModule& module, std::initializer_list<std::int32_t> codes, HostWord extra = 0);

// The seven header routines, through every gauge's header.
void call_every_header_routine(ProbeModule& module);

// Every element's value callback and every tooltip argument's callback.
void ask_every_value(ProbeModule& module);

// Every click area's callback with the point and event flags given.
void click_every_area(ProbeModule& module, const PixelPoint* point, std::uint32_t event_flags);
