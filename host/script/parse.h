// Scenario text read into a Program, all of it checked at once: each line
// is a verb and its arguments, words separated by blanks, a double-quoted
// word may hold blanks, and # at the start of a word starts a comment.
// Every bad line is told, `file:line: what is wrong`, not only the first.
#pragma once

#include <cstdint>

#include <string>
#include <string_view>
#include <vector>

#include "host/script/command.h"

// The largest scenario file read: a recording of hours of bench flight is
// a few megabytes.
inline constexpr std::uint64_t scenario_file_max_bytes = std::uint64_t{64} << 20;

// How many bad lines are told one by one; the rest are counted.
inline constexpr std::size_t errors_told = 20;

struct ParseResult {
    Program program;                 // the lines that could be read
    std::vector<std::string> errors; // "file:line: ...", the first errors_told
    std::size_t error_count = 0;     // all of them
    std::vector<std::string> notes;  // "file: ...", what a reader should know of a file that reads

    bool ok() const { return error_count == 0; }
    // The errors, one a line, and how many more there were.
    std::string report() const;
};

ParseResult parse(std::string_view text, const std::string& file);
// The same from a file; one error naming the file when it cannot be read.
ParseResult parse_file(const std::string& path);
