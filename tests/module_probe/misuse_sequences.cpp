// The misuse sequences: what a careless host does to the module, step by
// step, and what the module must still do meanwhile.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cmath>
#include <limits>

#include "host/panel/element_chain.h"
#include "host/win32/directsound_watch.h"
#include "misuse_run.h"
#include "module_calls.h"
#include "probe_flight.h"

namespace {

constexpr int install_and_release_rounds = 200;
constexpr PixelPoint some_point = {1, 1};

void expect_no_sound_calls(Misuse& m, const char* when)
{
    const std::vector<std::string> calls = take_watched_sound_calls();
    m.expect(calls.empty(), std::string("sound calls ") + when + ", first " + (calls.empty() ? "" : calls.front()));
}

// The tone set up (one device and its buffer), or nothing held at all.
void expect_tone_set_up(Misuse& m, bool set_up, const std::string& when)
{
    const WatchedSoundObjects alive = watched_sound_objects();
    const bool held_as_expected = set_up ? alive.devices_alive == 1 && tone_loaded() : sound_objects_held().empty();
    m.expect(held_as_expected,
             std::to_string(alive.devices_alive) + " devices and " + std::to_string(alive.buffers_alive) +
                 " buffers held " + when);
}

void run_frames(Misuse& m, int frames)
{
    for (int frame = 0; frame < frames; ++frame)
        m.module.panel().life.run_frame();
}

void set_every_host_value(Misuse& m, double value)
{
    for (const HostVariableName& variable : host_variable_names)
        m.module.panel().variables.set(variable.token, value);
}

// Service codes and their order.

void codes_out_of_order(Misuse& m)
{
    call_every_gauge(m.module, {12, 6, 4, 14, 13, 11, 9, 7, 5, 3, 1, 2, 12, 4, 6, 2, 6, 14});
    expect_tone_set_up(m, true, "after a second install");
}

void kill_before_install(Misuse& m)
{
    call_every_gauge(m.module, {12, 13, 12, 13});
    expect_no_sound_calls(m, "at code 12 with nothing set up");
}

void volume_and_updates_before_install(Misuse& m)
{
    call_every_gauge(m.module, {4, 5, 6, 7, 8, 9, 10, 11, 6, 6});
    expect_no_sound_calls(m, "before code 2");
}

void install_twice(Misuse& m)
{
    call_every_gauge(m.module, {0, 1, 2, 3, 2, 3, 4, 5});
    expect_tone_set_up(m, true, "after code 2 twice");
}

void kill_twice(Misuse& m)
{
    m.module.panel().life.open();
    sound_the_alert(m.module, 2);
    call_every_gauge(m.module, {12, 13, 12, 13});
    expect_tone_set_up(m, false, "after code 12 twice");
}

void kill_while_playing(Misuse& m)
{
    m.module.panel().life.open();
    sound_the_alert(m.module, 3);
    const std::vector<std::string> calls = take_watched_sound_calls();
    m.expect(std::find(calls.begin(), calls.end(), "play") != calls.end(), "the tone never played");
    call_every_gauge(m.module, {12});
    expect_tone_set_up(m, false, "after code 12 while the tone played");
}

void install_again_after_kill(Misuse& m)
{
    m.module.panel().life.open();
    m.module.panel().life.close();
    call_every_gauge(m.module, {2, 4});
    m.expect(tone_loaded(), "no tone after code 2 came again");
}

void updates_after_kill(Misuse& m)
{
    m.module.panel().life.open();
    sound_the_alert(m.module, 2);
    call_every_gauge(m.module, {12});
    take_watched_sound_calls();
    for (int frame = 0; frame < 5; ++frame)
        call_every_gauge(m.module, {6, 8, 10});
    expect_no_sound_calls(m, "after code 12");
}

void install_and_release_200_times(Misuse& m)
{
    for (int round = 0; round < install_and_release_rounds && m.problems.empty(); ++round) {
        const std::string when = "in round " + std::to_string(round + 1);
        call_every_gauge(m.module, {2, 3, 4, 5, 6});
        expect_tone_set_up(m, true, "after set-up " + when);
        call_every_gauge(m.module, {12, 13});
        expect_tone_set_up(m, false, "after release " + when);
    }
}

void unknown_service_codes(Misuse& m)
{
    call_every_gauge(m.module, {-1, 15, 16, 255, 0x10000, INT_MAX, INT_MIN}, 0xFFFFFFFF);
    expect_no_sound_calls(m, "at codes that mean nothing");
}

// Callbacks whenever the host likes.

void callbacks_before_install(Misuse& m)
{
    ask_every_value(m.module);
    click_every_area(m.module, &some_point, mouse_left_single);
    click_every_area(m.module, &some_point, mouse_right_single);
    ask_every_value(m.module);
}

void callbacks_before_any_update(Misuse& m)
{
    call_every_gauge(m.module, {0, 1, 2, 3, 4, 5});
    ask_every_value(m.module);
    click_every_area(m.module, &some_point, mouse_left_single | mouse_repeat);
    ask_every_value(m.module);
}

void clicks_with_no_point_and_every_flag(Misuse& m)
{
    m.module.panel().life.open();
    run_frames(m, 1);
    click_every_area(m.module, nullptr, 0xFFFFFFFF);
    click_every_area(m.module, nullptr, 0);
    run_frames(m, 1);
}

void header_routines_in_any_order(Misuse& m)
{
    for (int round = 0; round < 3; ++round)
        call_every_header_routine(m.module);
}

void update_without_gauge_header(Misuse& m)
{
    m.module.panel().life.open();
    for (std::size_t altimeter : {probe_gauge::zor_1, probe_gauge::zor_2})
        m.module.gauge(altimeter).gauge_callback(nullptr, 6, 0);
}

// The panel services.

void no_panel_services_written(Misuse& m)
{
    call_every_header_routine(m.module);
    call_every_gauge(m.module, {0, 1, 2, 3, 4, 5, 14, 6, 7, 8, 9, 10, 11, 6, 6});
    ask_every_value(m.module);
    click_every_area(m.module, &some_point, mouse_left_single);
    call_every_gauge(m.module, {12, 13});
}

void panel_services_withdrawn(Misuse& m)
{
    m.module.panel().life.open();
    run_frames(m, 2);
    auto* import_table = reinterpret_cast<ImportTableRecord*>(GetProcAddress(m.module.handle(), "ImportTable"));
    import_table->panels.table = nullptr;
    call_every_gauge(m.module, {6, 8, 10, 14, 6});
    call_every_header_routine(m.module);
    click_every_area(m.module, &some_point, mouse_left_single);
}

// Host values no simulator should send.

void nan_host_values(Misuse& m)
{
    m.module.panel().life.open();
    set_every_host_value(m, std::numeric_limits<double>::quiet_NaN());
    call_every_gauge(m.module, {6, 6, 6});
    ask_every_value(m.module);
}

void infinite_host_values(Misuse& m)
{
    m.module.panel().life.open();
    for (double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        set_every_host_value(m, value);
        call_every_gauge(m.module, {6, 6, 6});
        ask_every_value(m.module);
    }
}

void altitude_beyond_32_bits(Misuse& m)
{
    check_gauges_work(m.module);
    for (double altitude : {2147483647.9, 3e9, -3e9, 1e300}) {
        m.module.panel().variables.set(token_altitude, altitude);
        run_frames(m, 1);
        const double angle = element_value(*first_needle(m.module.gauge(probe_gauge::zor_1))).value_or(NAN);
        char seen[96];
        std::snprintf(seen, sizeof seen, "needle angle %g at %g m", angle, altitude);
        m.expect(angle >= 0.0, seen);
    }
}

} // namespace

const std::vector<MisuseSequence> misuse_sequences = {
    // clang-format off
    {.name = "codes_out_of_order",                      .services_written = true,  .run = codes_out_of_order},
    {.name = "kill_before_install",                     .services_written = true,  .run = kill_before_install},
    {.name = "volume_and_updates_before_install",       .services_written = true,  .run = volume_and_updates_before_install},
    {.name = "install_twice",                           .services_written = true,  .run = install_twice},
    {.name = "kill_twice",                              .services_written = true,  .run = kill_twice},
    {.name = "kill_while_playing",                      .services_written = true,  .run = kill_while_playing},
    {.name = "install_again_after_kill",                .services_written = true,  .run = install_again_after_kill},
    {.name = "updates_after_kill",                      .services_written = true,  .run = updates_after_kill},
    {.name = "install_and_release_200_times",           .services_written = true,  .run = install_and_release_200_times},
    {.name = "unknown_service_codes",                   .services_written = true,  .run = unknown_service_codes},
    {.name = "callbacks_before_install",                .services_written = true,  .run = callbacks_before_install},
    {.name = "callbacks_before_any_update",             .services_written = true,  .run = callbacks_before_any_update},
    {.name = "clicks_with_no_point_and_every_flag",     .services_written = true,  .run = clicks_with_no_point_and_every_flag},
    {.name = "header_routines_in_any_order",            .services_written = true,  .run = header_routines_in_any_order},
    {.name = "update_without_gauge_header",             .services_written = true,  .run = update_without_gauge_header},
    {.name = "no_panel_services_written",               .services_written = false, .run = no_panel_services_written},
    {.name = "panel_services_withdrawn",                .services_written = true,  .run = panel_services_withdrawn},
    {.name = "nan_host_values",                         .services_written = true,  .run = nan_host_values},
    {.name = "infinite_host_values",                    .services_written = true,  .run = infinite_host_values},
    {.name = "altitude_beyond_32_bits",                 .services_written = true,  .run = altitude_beyond_32_bits},
    // clang-format on
};
