// The scenario language as data: a command is its verb, where it was
// written, and its arguments as values. Everything that tells the panel
// what to do (a scenario file, the bench's recording, a restore) is a
// Program of these, read by `parse` and written by `print`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "host/panel/mouse_areas.h"

// ORDER: the rows of the grammar (grammar.cpp) follow this order.
enum class Verb {
    place,
    panel,
    fps,
    ticks_per_second,
    realtime,
    set,
    ramp,
    frames,
    click,
    press,
    release,
    hold,
    snapshot,
    moment,
    sheet,
    pause,
    film,
    expect_frame,
    expect_angle,
    expect_hidden,
    expect_key,
    expect_key_count,
    expect_tooltip,
    expect_cursor,
    expect_pixel,
    expect_variable,
    expect_window,
    expect_sound,
    recording,
};
inline constexpr std::size_t verb_count = static_cast<std::size_t>(Verb::recording) + 1;

// Whether the verb checks what the panel shows (the `expect` lines).
inline constexpr bool is_expectation(Verb verb)
{
    return verb >= Verb::expect_frame && verb <= Verb::expect_sound;
}

// A host variable, written by its name (or its token when it has none).
struct HostVariable {
    std::uint32_t token = 0;
    bool operator==(const HostVariable&) const = default;
};

// A gauge placed on the panel, by its label (ZOR_1, or ZOR_1#2 for a
// second copy).
struct GaugeName {
    std::string label;
    bool operator==(const GaugeName&) const = default;
};

// A number, a word (file, text, one of a command's fixed words), a host
// variable or a gauge.
using Value = std::variant<double, std::string, HostVariable, GaugeName>;

struct Command {
    Verb verb{};
    std::vector<Value> arguments;
    std::string file; // where it was written, for messages
    int line = 0;     // counted from 1; 0 for a command the host made

    bool has(std::size_t i) const { return i < arguments.size(); }
    double number(std::size_t i) const { return std::get<double>(arguments.at(i)); }
    const std::string& word(std::size_t i) const { return std::get<std::string>(arguments.at(i)); }
    std::uint32_t variable(std::size_t i) const { return std::get<HostVariable>(arguments.at(i)).token; }
    const std::string& gauge(std::size_t i) const { return std::get<GaugeName>(arguments.at(i)).label; }
    // Face pixels from the two numbers at i and i + 1.
    PixelPoint point(std::size_t i) const
    {
        return {static_cast<std::int32_t>(number(i)), static_cast<std::int32_t>(number(i + 1))};
    }
    // The button word at i; the left button when none is written.
    MouseButton button(std::size_t i) const
    {
        return has(i) && word(i) == button_word(MouseButton::right) ? MouseButton::right : MouseButton::left;
    }
    // "file:line", for a message about this command.
    std::string where() const;

    // A command the host made itself, written in no file.
    static Command made(Verb verb, std::vector<Value> arguments)
    {
        return {.verb = verb, .arguments = std::move(arguments), .file = {}, .line = 0};
    }
};

// Two commands are the same when they say the same: where they were
// written is not part of it. A NaN equals a NaN, and 0 is not -0, so that
// a value printed and read back is the same value.
bool operator==(const Command& a, const Command& b);

struct Program {
    std::string file; // the file it was read from; its folder names the files it names
    std::vector<Command> commands;
    bool operator==(const Program& other) const { return commands == other.commands; }
};

// The words a verb is written with ("expect angle").
const char* verb_words(Verb verb);
