// A JSON value as one trace line holds it: objects keep their members in
// the order written, numbers are doubles. Enough JSON for the host's own
// records, read strictly: a line that is not whole JSON is refused with the
// column where it went wrong.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct JsonValue {
    enum class Kind { null, boolean, number, string, array, object };
    Kind kind = Kind::null;
    bool boolean = false;
    double number = 0.0;
    std::string text;
    std::vector<JsonValue> items;   // an array's
    std::vector<JsonValue> members; // an object's, each with its name
    std::string name;               // a member's name in its object

    // The member of that name, or null when this is no object or has none.
    const JsonValue* member(std::string_view name) const;
    bool is(Kind k) const { return kind == k; }
};

// nullopt, with the reason and its column (counted from 1) in `error`, for
// text that is not exactly one JSON value.
std::optional<JsonValue> parse_json(std::string_view text, std::string& error);
