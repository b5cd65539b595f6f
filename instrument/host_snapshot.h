// ZOR_1's reading of the host: the tick, the bus, the barometric altitude,
// the unit system and the simulator's own pressure setting.
#pragma once

// Bus voltage above which the altimeters have power.
inline constexpr double bus_powered_above_volts = 20.0;

// Looks the host variables up, in the order the host expects them, into the
// shared snapshot, and decides whether the bus is powered.
void refresh_host_snapshot();

// Empties the host-variable records of whatever the host wrote into them,
// keeping their tokens. For tests only, through reset_instruments_for_tests.
void reset_host_variable_records_for_tests();
