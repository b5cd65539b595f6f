#include "instrument/host_snapshot.h"

#include "abi/panel_services.h"
#include "abi/service_numbers.h"
#include "instrument/host_numbers.h"
#include "instrument/instrument_state.h"

namespace {

// clang-format off
// One record per host variable; the host fills in the value on each lookup.
ModuleVar tick_variable             = {.token = token_tick};
ModuleVar bus_volts_variable        = {.token = token_bus_volts};
ModuleVar altitude_variable         = {.token = token_altitude};
ModuleVar units_of_measure_variable = {.token = token_units_of_measure};
ModuleVar kohlsman_variable         = {.token = token_kohlsman_mb};
// clang-format on

ModuleVar* const host_variable_records[] = {
    &tick_variable, &bus_volts_variable, &altitude_variable, &units_of_measure_variable, &kohlsman_variable,
};

double looked_up(ModuleVar& variable)
{
    lookup_variable(variable);
    return variable.value;
}

} // namespace

void refresh_host_snapshot()
{
    // clang-format off
    HostSnapshot& s = host_snapshot;
    s.tick             = truncate_toward_zero(looked_up(tick_variable));
    s.bus_volts        = looked_up(bus_volts_variable);
    s.altitude_raw     = looked_up(altitude_variable);
    s.units_of_measure = static_cast<std::int8_t>(truncate_toward_zero(looked_up(units_of_measure_variable)));
    s.host_baro_mb     = looked_up(kohlsman_variable);
    s.bus_powered      = s.bus_volts > bus_powered_above_volts ? 1 : 0;
    // clang-format on
}

void reset_host_variable_records_for_tests()
{
    for (ModuleVar* record : host_variable_records)
        *record = ModuleVar{.token = record->token};
}
