// A scenario: the lines of a small text file, each a command word and its
// arguments. Words are separated by blanks; a double-quoted word may hold
// blanks; # starts a comment.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

struct ScenarioLine {
    int number = 0;                 // counted from 1 in the file
    std::vector<std::string> words; // the command word first
};

struct ScenarioScript {
    std::string name;                // the file, for messages
    std::vector<ScenarioLine> lines; // blank and comment lines left out
};

// nullopt and the reason when a quote is left open or the stream cannot be
// read to its end.
std::optional<ScenarioScript> read_scenario(std::istream& in, const std::string& name, std::string& error);
// The same from a file; the reason names the file when it cannot be read.
std::optional<ScenarioScript> read_scenario_file(const std::string& path, std::string& error);
