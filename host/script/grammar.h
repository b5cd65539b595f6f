// The scenario language's verbs: how each is written, what it takes, and
// how it is told to a line that gets it wrong.
#pragma once

#include <span>

#include "host/script/argument_reader.h"
#include "host/script/command.h"

struct GrammarRow {
    Verb verb;
    const char* words; // the verb as written: "frames", "expect angle"
    void (*read)(ArgumentReader&);
    const char* usage;
};

std::span<const GrammarRow> grammar();
const GrammarRow& grammar_row(Verb verb);

// What a scenario may ask of the host, in one command.
inline constexpr double most_frames = 1000000; // some 15 hours at 18 frames a second
inline constexpr double lowest_frame_rate = 1.0;
inline constexpr double highest_frame_rate = 1000.0;
inline constexpr double highest_tick_rate = 100000.0;
inline constexpr double colour_level_limit = 255;

// How near a value must come for its expectation to hold.
inline constexpr double angle_tolerance_degrees = 0.01;
inline constexpr double variable_tolerance = 1e-6;
