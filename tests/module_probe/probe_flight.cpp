#include "probe_flight.h"

#include <cmath>

#include "host/panel/element_chain.h"

namespace {

// Positions in an altimeter's element chain, counted from 1, leftmost
// window digit first.
constexpr int lit_dial = 2;
constexpr int altitude_window[] = {13, 12, 11, 10, 9};
constexpr int pressure_window[] = {17, 16, 15, 14};
constexpr int needle = 18;
// Controls, in face pixels: the breaker lever, and the right half of the
// selected-altitude knob, one click 100 m up.
constexpr PixelPoint breaker_lever = {15, 32};
constexpr PixelPoint selected_altitude_up = {45, 315};
constexpr int clicks_to_1000_m = 10;
// 140 m below 1000 m, inside the 150 m capture band.
constexpr double capture_altitude_m = 860.0;

// 1235 m flown at the standard setting: metres, bright, the ten-thousands
// blank; one turn of the needle per 1000 m, 0 at the top.
constexpr double known_altitude_m = 1235.0;
constexpr double standard_setting_mb = 1013.0;
constexpr const char* known_altitude_window = "-1235";
constexpr const char* known_pressure_window = "1013";
constexpr double known_needle_deg = 1235 * 0.36 - 90;
constexpr double powered_bus_volts = 27.0;
constexpr double host_units_metric = 2;

std::size_t breaker_of(std::size_t altimeter)
{
    return altimeter == probe_gauge::zor_1 ? probe_gauge::azs_zor_1 : probe_gauge::azs_zor_2;
}

// A window as text: the digit each element draws, '-' for none.
template <std::size_t N>
std::string window_text(const std::vector<ElementHeader*>& chain, const int (&positions)[N])
{
    std::string text;
    for (int position : positions) {
        const auto frame = icon_frame(*chain.at(position - 1));
        text += !frame ? '-' : *frame <= 9 ? static_cast<char>('0' + *frame) : '?';
    }
    return text;
}

bool powered(const GaugeHeader& altimeter)
{
    return icon_frame(*element_chain(altimeter).at(lit_dial - 1)).has_value();
}

// Host values of a level aircraft at `altitude_m` metres, the bus at `bus_volts`.
void fly_at(GaugePanel& panel, double altitude_m, double bus_volts)
{
    panel.variables.set(token_altitude, altitude_m);
    panel.variables.set(token_kohlsman_mb, standard_setting_mb);
    panel.variables.set(token_units_of_measure, host_units_metric);
    panel.variables.set(token_bus_volts, bus_volts);
}

// Closes the breakers of the altimeters that have no power with the bus up.
void power_up(ProbeModule& module, std::initializer_list<std::size_t> altimeters)
{
    GaugePanel& panel = module.panel();
    panel.variables.set(token_bus_volts, powered_bus_volts);
    panel.life.run_frame();
    for (std::size_t altimeter : altimeters)
        if (!powered(module.gauge(altimeter)))
            panel.input.click(breaker_of(altimeter), breaker_lever, MouseButton::left);
    panel.life.run_frame();
}

std::string readout_problem(const char* name, const GaugeHeader& altimeter)
{
    const std::vector<ElementHeader*> chain = element_chain(altimeter);
    if (chain.size() < needle)
        return std::string(name) + ": the element chain is cut short";
    const std::string altitude = window_text(chain, altitude_window);
    const std::string pressure = window_text(chain, pressure_window);
    const double angle = element_value(*chain[needle - 1]).value_or(NAN);
    if (altitude == known_altitude_window && pressure == known_pressure_window && !element_hidden(*chain[needle - 1]) &&
        std::fabs(angle - known_needle_deg) < 1e-6)
        return {};
    return std::string(name) + " shows altitude " + altitude + ", pressure " + pressure + ", needle " +
        (element_hidden(*chain[needle - 1]) ? "hidden" : std::to_string(angle)) + "; expected " +
        known_altitude_window + ", " + known_pressure_window + ", " + std::to_string(known_needle_deg);
}

} // namespace

void sound_the_alert(ProbeModule& module, int frames)
{
    GaugePanel& panel = module.panel();
    // From the ground, with whatever was selected before forgotten.
    fly_at(panel, 0.0, 0.0);
    panel.life.run_frame();
    power_up(module, {probe_gauge::zor_1});
    for (int click = 0; click < clicks_to_1000_m; ++click)
        panel.input.click(probe_gauge::zor_1, selected_altitude_up, MouseButton::left);
    panel.life.run_frame();
    panel.variables.set(token_altitude, capture_altitude_m);
    for (int frame = 0; frame < frames; ++frame)
        panel.life.run_frame();
}

void quiet_the_alert(ProbeModule& module)
{
    module.panel().variables.set(token_bus_volts, 0.0);
    module.panel().life.run_frame();
}

std::string check_gauges_work(ProbeModule& module)
{
    GaugePanel& panel = module.panel();
    // A frame without power puts the crew's settings back to their defaults.
    fly_at(panel, known_altitude_m, 0.0);
    panel.life.run_frame();
    power_up(module, {probe_gauge::zor_1, probe_gauge::zor_2});

    std::string problems = readout_problem("ZOR_1", module.gauge(probe_gauge::zor_1));
    const std::string zor_2 = readout_problem("ZOR_2", module.gauge(probe_gauge::zor_2));
    if (!problems.empty() && !zor_2.empty())
        problems += "; ";
    return problems + zor_2;
}
