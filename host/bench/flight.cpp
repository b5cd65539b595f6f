#include "host/bench/flight.h"

#include <iterator>

#include "host/script/executor.h"

namespace {

// The simulator's unit-system variable: anything but metric is English.
constexpr double metric_system = host_units_metric;
constexpr double english_system = 0.0;

// The altitude variable for a height, in the unit system given.
double altitude_in(bool metric, double metres)
{
    return metric ? metres : metres / metres_per_foot;
}

} // namespace

void BenchFlight::faster()
{
    if (rate_ + 1 < std::size(bench_climb_rates_m_per_s))
        ++rate_;
}

void BenchFlight::slower()
{
    if (rate_ > 0)
        --rate_;
}

std::vector<Command> BenchFlight::toggle_bus() const
{
    return {CommandExecutor::set(token_bus_volts, variables_.get(token_bus_volts) > 0.0 ? 0.0 : bench_bus_volts)};
}

std::vector<Command> BenchFlight::step_sim_pressure(double step_mb) const
{
    return {CommandExecutor::set(token_kohlsman_mb, variables_.get(token_kohlsman_mb) + step_mb)};
}

bool BenchFlight::metric() const
{
    return variables_.get(token_units_of_measure) == metric_system;
}

double BenchFlight::altitude_m() const
{
    const double raw = variables_.get(token_altitude);
    return metric() ? raw : raw * metres_per_foot;
}

std::vector<Command> BenchFlight::toggle_units() const
{
    const bool to_metric = !metric();
    return {CommandExecutor::set(token_units_of_measure, to_metric ? metric_system : english_system),
            CommandExecutor::set(token_altitude, altitude_in(to_metric, altitude_m()))};
}

std::vector<Command> BenchFlight::reset()
{
    direction_ = 0;
    rate_ = bench_default_rate;
    return {CommandExecutor::set(token_units_of_measure, metric_system), CommandExecutor::set(token_altitude, 0.0),
            CommandExecutor::set(token_bus_volts, bench_bus_volts),
            CommandExecutor::set(token_kohlsman_mb, standard_pressure_mb)};
}

std::optional<Command> BenchFlight::advance(double seconds) const
{
    if (direction_ == 0)
        return std::nullopt;
    const double now = variables_.get(token_altitude);
    return CommandExecutor::ramp(token_altitude, now,
                                 altitude_in(metric(), altitude_m() + vertical_speed_m_per_s() * seconds), 1);
}
