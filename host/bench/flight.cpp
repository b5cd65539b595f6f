#include "host/bench/flight.h"

#include <iterator>

namespace {

// The simulator's unit-system variable: anything but metric is English.
constexpr double metric_system = host_units_metric;
constexpr double english_system = 0.0;

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

void BenchFlight::toggle_bus()
{
    variables_.set(token_bus_volts, variables_.get(token_bus_volts) > 0.0 ? 0.0 : bench_bus_volts);
}

void BenchFlight::step_sim_pressure(double step_mb)
{
    variables_.set(token_kohlsman_mb, variables_.get(token_kohlsman_mb) + step_mb);
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

void BenchFlight::set_altitude_m(double metres)
{
    variables_.set(token_altitude, metric() ? metres : metres / metres_per_foot);
}

void BenchFlight::toggle_units()
{
    const double metres = altitude_m();
    variables_.set(token_units_of_measure, metric() ? english_system : metric_system);
    set_altitude_m(metres);
}

void BenchFlight::reset()
{
    direction_ = 0;
    rate_ = bench_default_rate;
    variables_.set(token_units_of_measure, metric_system);
    variables_.set(token_altitude, 0.0);
    variables_.set(token_bus_volts, bench_bus_volts);
    variables_.set(token_kohlsman_mb, standard_pressure_mb);
}

void BenchFlight::advance(double seconds)
{
    if (direction_ != 0)
        set_altitude_m(altitude_m() + vertical_speed_m_per_s() * seconds);
}
