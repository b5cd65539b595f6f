// Numbers the host and the module agree on: gauge-callback service codes,
// panel-service entry numbers, the key event and the host variable tokens.
// The module and the panel host both read them from here.
#pragma once

#include <cstdint>

enum ServiceCode : std::int32_t {
    // clang-format off
    service_query_1       = 0,
    service_query_2       = 1,
    service_install       = 2,
    service_install_2     = 3,
    service_initialize    = 4,
    service_initialize_2  = 5,
    service_update        = 6,
    service_update_2      = 7,
    service_generate      = 8,
    service_generate_2    = 9,
    service_draw          = 10,
    service_draw_2        = 11,
    service_kill          = 12,
    service_kill_2        = 13,
    service_panel_open    = 14,
    // clang-format on
};

// The panel-service entries the module calls, by their word in the table;
// abi/host_format_checks.cpp holds each to its place in PanelServices.
enum PanelEntry : int {
    // clang-format off
    entry_query_elements      = 24,
    entry_install_elements    = 25,
    entry_initialize_elements = 26,
    entry_update_elements     = 27,
    entry_generate_elements   = 28,
    entry_draw_elements       = 29,
    entry_kill_elements       = 31,
    entry_send_key_event      = 36,
    entry_lookup_variable     = 40,
    // clang-format on
};

// The simulator's own altimeter setting, in sixteenths of a millibar.
inline constexpr std::uint32_t key_event_kohlsman_set = 0x101F8;
inline constexpr std::uint32_t kohlsman_units_per_mb = 16;

// Host variables the altimeters read.
enum HostToken : std::uint32_t {
    // clang-format off
    token_tick             = 1,
    token_altitude         = 74,
    token_kohlsman_mb      = 75,
    token_units_of_measure = 335,
    token_bus_volts        = 753,
    // clang-format on
};

// The value of token_units_of_measure for which the host's altitude comes in
// metres; every other value means feet.
inline constexpr std::int32_t host_units_metric = 2;
