// The aircraft the bench flies by hand: a vertical speed the user picks
// moves the altitude each frame; the bus, the simulator's own pressure
// setting and its unit system are switched and stepped. It reads the host
// variables the module reads, so a scenario's flight carries on where it
// left them, and says each change as the commands (`set`, a `ramp` of one
// frame) that the executor applies and the recording keeps.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "host/panel/variables.h"
#include "host/script/command.h"

// Climb and descent rates the user steps through, slowest first.
inline constexpr double bench_climb_rates_m_per_s[] = {1.0, 2.0, 5.0, 10.0, 20.0, 50.0};
inline constexpr std::size_t bench_default_rate = 2; // 5 m/s
inline constexpr double bench_bus_volts = 27.0;
inline constexpr double metres_per_foot = 0.3048;

class BenchFlight {
public:
    explicit BenchFlight(const HostVariables& variables) : variables_(variables) {}

    void climb() { direction_ = 1; }
    void descend() { direction_ = -1; }
    void level_off() { direction_ = 0; }
    void faster();
    void slower();
    std::vector<Command> toggle_bus() const;
    std::vector<Command> step_sim_pressure(double step_mb) const;
    // Between the simulator's metric system (altitude in metres) and its
    // English one (feet); the aircraft stays at the same height.
    std::vector<Command> toggle_units() const;
    // Back on the ground, level, bus on, standard pressure, metric.
    std::vector<Command> reset();

    // The altitude moved on by one frame of `seconds`, as a ramp of that
    // frame; nothing while level.
    std::optional<Command> advance(double seconds) const;

    double vertical_speed_m_per_s() const { return direction_ * rate_m_per_s(); }
    double rate_m_per_s() const { return bench_climb_rates_m_per_s[rate_]; }
    bool metric() const;
    double altitude_m() const;

private:
    const HostVariables& variables_;
    int direction_ = 0;
    std::size_t rate_ = bench_default_rate;
};
