// Numbers the host and the module agree on: gauge-callback service codes,
// the import-table entry, the key event and the host variable tokens.
#pragma once

#include <cstdint>

enum ServiceCode : std::int32_t {
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
};

inline constexpr std::uint32_t import_panels_id = 0x0000000F;

// The simulator's own altimeter setting, in sixteenths of a millibar.
inline constexpr std::uint32_t key_event_kohlsman_set = 0x101F8;
inline constexpr std::uint32_t kohlsman_units_per_mb  = 16;

// Host variables the altimeters read.
enum HostToken : std::uint32_t {
    token_tick             = 1,
    token_altitude         = 74,
    token_kohlsman_mb      = 75,
    token_units_of_measure = 335,
    token_bus_volts        = 753,
};
