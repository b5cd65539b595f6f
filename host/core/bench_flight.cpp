#include "host/core/bench_flight.h"

#include <iterator>

namespace {

// The simulator's unit-system variable: 2 is metric, anything else English.
constexpr double metric_system = 2.0;
constexpr double english_system = 0.0;
constexpr double standard_pressure_mb = 1013.0;

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
    variables_.set(host_token::bus_volts, variables_.get(host_token::bus_volts) > 0.0 ? 0.0 : bench_bus_volts);
}

void BenchFlight::step_sim_pressure(double step_mb)
{
    variables_.set(host_token::kohlsman_mb, variables_.get(host_token::kohlsman_mb) + step_mb);
}

bool BenchFlight::metric() const
{
    return variables_.get(host_token::units_of_measure) == metric_system;
}

double BenchFlight::altitude_m() const
{
    const double raw = variables_.get(host_token::altitude);
    return metric() ? raw : raw * metres_per_foot;
}

void BenchFlight::set_altitude_m(double metres)
{
    variables_.set(host_token::altitude, metric() ? metres : metres / metres_per_foot);
}

void BenchFlight::toggle_units()
{
    const double metres = altitude_m();
    variables_.set(host_token::units_of_measure, metric() ? english_system : metric_system);
    set_altitude_m(metres);
}

void BenchFlight::reset()
{
    direction_ = 0;
    rate_ = bench_default_rate;
    variables_.set(host_token::units_of_measure, metric_system);
    variables_.set(host_token::altitude, 0.0);
    variables_.set(host_token::bus_volts, bench_bus_volts);
    variables_.set(host_token::kohlsman_mb, standard_pressure_mb);
}

void BenchFlight::advance(double seconds)
{
    if (direction_ != 0)
        set_altitude_m(altitude_m() + vertical_speed_m_per_s() * seconds);
}
