// ZOR_1's reading of the host: the tick, the bus, the barometric altitude,
// the unit system and the simulator's own pressure setting.
#pragma once

// Bus voltage above which the altimeters have power.
inline constexpr double bus_powered_above_volts = 20.0;

// Looks the host variables up, in the order the host expects them, into the
// shared snapshot, and decides whether the bus is powered.
void refresh_host_snapshot();
