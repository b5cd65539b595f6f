#include "host/bench/panel_bench.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double feet_per_minute_per_metre_per_second = 60.0 / metres_per_foot;

} // namespace

PanelBench::PanelBench(FrameLoop& loop, CommandExecutor& executor)
    : flight(loop.panel().variables), loop_(loop), executor_(executor), panel_(loop.panel())
{
}

void PanelBench::apply_all(const std::vector<Command>& commands)
{
    for (const Command& command : commands)
        executor_.apply(command);
}

std::optional<BenchAction> PanelBench::press_key(const std::string& key)
{
    const std::optional<BenchAction> action = bench_action_for(key);
    if (action)
        apply(*action);
    return action;
}

void PanelBench::apply(BenchAction action)
{
    switch (action) {
    // clang-format off
    case BenchAction::climb:             flight.climb(); break;
    case BenchAction::descend:           flight.descend(); break;
    case BenchAction::level_off:         flight.level_off(); break;
    case BenchAction::rate_up:           flight.faster(); break;
    case BenchAction::rate_down:         flight.slower(); break;
    case BenchAction::bus_toggle:        apply_all(flight.toggle_bus()); break;
    case BenchAction::sim_pressure_up:   apply_all(flight.step_sim_pressure(1.0)); break;
    case BenchAction::sim_pressure_down: apply_all(flight.step_sim_pressure(-1.0)); break;
    case BenchAction::host_units_toggle: apply_all(flight.toggle_units()); break;
    case BenchAction::pause_toggle:      paused_ = !paused_; break;
    case BenchAction::step_frame:        paused_ = true; step_asked_ = true; break;
    case BenchAction::reset_flight:      apply_all(flight.reset()); executor_.apply(CommandExecutor::release()); break;
    case BenchAction::xray_toggle:       xray_ = !xray_; break;
    case BenchAction::mark:              break;   // the session writes what shows
    case BenchAction::quit:              quit_ = true; break;
        // clang-format on
    }
}

bool PanelBench::run_frame()
{
    if (paused_ && !step_asked_)
        return false;
    step_asked_ = false;
    if (const auto climb = flight.advance(1.0 / loop_.pace().frames_per_second))
        executor_.apply(*climb);
    loop_.run_frame();
    return true;
}

// The strip shows the tone and the last key event; only the tone needs
// what the frame asked for.
void PanelBench::frame_ran(const FrameResult& frame)
{
    last_sound_requests_ = frame.sound_requests;
    const auto& asked = frame.sound_requests;
    tone_playing_ = std::find(asked.begin(), asked.end(), "play") != asked.end();
}

std::string PanelBench::status_line(double shown_fps) const
{
    const bool metric = flight.metric();
    const double altitude = panel_.variables.get(token_altitude);
    const double climb = flight.vertical_speed_m_per_s();
    const double rate = flight.rate_m_per_s();
    char flying[96];
    if (metric)
        std::snprintf(flying, sizeof flying, "ALT %.0f m   VS %+.0f m/s (rate %.0f)", altitude, climb, rate);
    else
        std::snprintf(flying, sizeof flying, "ALT %.0f ft   VS %+.0f ft/min (rate %.0f)", altitude,
                      climb * feet_per_minute_per_metre_per_second, rate * feet_per_minute_per_metre_per_second);
    const auto& keys = panel_.services.key_events;
    const std::string last_key =
        keys.empty() ? "nothing sent" : key_event_words(keys.back().event, keys.back().argument);
    char rest[192];
    std::snprintf(rest, sizeof rest, "   BUS %.1f V   SIM QNH %.1f mb   %s   TONE %s   %.1f fps",
                  panel_.variables.get(token_bus_volts), panel_.variables.get(token_kohlsman_mb), last_key.c_str(),
                  tone_playing_ ? "playing" : "off", shown_fps);
    return std::string(flying) + rest + (paused_ ? "   PAUSED" : "") + (xray_ ? "   X-RAY" : "");
}
