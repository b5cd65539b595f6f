// Fills a message text's numbered inserts the way FormatMessageA does with
// an argument array: %1 to %99, each optionally followed by !printf-format!
// (the default is !s!, which this host has no text arguments for), %% for a
// percent sign. The Windows program uses FormatMessageA itself; this is what
// the native build shows in its place.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

std::string format_message(const char* text, const std::vector<std::int32_t>& arguments);
