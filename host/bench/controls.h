// The bench's keyboard: one row per key, naming the action it starts and
// the words the help line shows for it. The window reports keys by these
// names, so the table is the one place that binds a key to what it does.
#pragma once

#include <optional>
#include <string>

enum class BenchAction {
    climb,
    descend,
    level_off,
    rate_up,
    rate_down,
    bus_toggle,
    sim_pressure_up,
    sim_pressure_down,
    host_units_toggle,
    pause_toggle,
    step_frame,
    reset_flight,
    xray_toggle,
    mark,
    quit,
};

struct BenchKey {
    const char* key; // as the window names it: "Up", "PgUp", "B", "+", "Esc"
    BenchAction action;
    const char* help; // a word or two for the help line
};

inline constexpr BenchKey bench_keys[] = {
    // clang-format off
    {.key = "Up",   .action = BenchAction::climb,             .help = "climb"},
    {.key = "Down", .action = BenchAction::descend,           .help = "descend"},
    {.key = "L",    .action = BenchAction::level_off,         .help = "level"},
    {.key = "+",    .action = BenchAction::rate_up,           .help = "faster"},
    {.key = "-",    .action = BenchAction::rate_down,         .help = "slower"},
    {.key = "B",    .action = BenchAction::bus_toggle,        .help = "bus on/off"},
    {.key = "PgUp", .action = BenchAction::sim_pressure_up,   .help = "sim QNH +1"},
    {.key = "PgDn", .action = BenchAction::sim_pressure_down, .help = "sim QNH -1"},
    {.key = "U",    .action = BenchAction::host_units_toggle, .help = "sim units"},
    {.key = "P",    .action = BenchAction::pause_toggle,      .help = "pause"},
    {.key = "N",    .action = BenchAction::step_frame,        .help = "one frame"},
    {.key = "R",    .action = BenchAction::reset_flight,      .help = "reset"},
    {.key = "X",    .action = BenchAction::xray_toggle,       .help = "x-ray"},
    {.key = "K",    .action = BenchAction::mark,              .help = "keep what shows"},
    {.key = "Esc",  .action = BenchAction::quit,              .help = "quit"},
    // clang-format on
};

std::optional<BenchAction> bench_action_for(const std::string& key);

// "Up climb   Down descend   ...", in the table's order.
std::string bench_help_line();
