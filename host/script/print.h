// The one writer of the scenario language: a command as the line `parse`
// reads back as the same command. Numbers in the shortest form that reads
// back as the same value; words quoted when they hold a blank or would
// start a comment.
#pragma once

#include <string>

#include "host/script/command.h"

std::string print(const Command& command); // without the line's end
std::string print(const Program& program); // a line each
// A line that says something to the reader and nothing to the host.
std::string print_comment(const std::string& text);

std::string print_number(double value);
std::string print_value(const Value& value);
