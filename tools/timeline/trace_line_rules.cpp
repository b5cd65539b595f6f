#include "tools/timeline/trace_line_rules.h"

#include <cmath>
#include <cstdio>
#include <set>

#include "host/panel/frame_trace_format.h"

namespace {

using Kind = JsonValue::Kind;
using Check = std::string (*)(const JsonValue&);

// How a value is quoted in a message: numbers as written, others by kind.
std::string shown(const JsonValue& value)
{
    static constexpr const char* kinds[] = {"null", "a boolean", "a number", "a string", "a list", "an object"};
    if (!value.is(Kind::number))
        return kinds[static_cast<int>(value.kind)];
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value.number);
    return text;
}

bool whole_in(const JsonValue& value, double lowest, double highest)
{
    return value.is(Kind::number) && value.number == std::floor(value.number) && value.number >= lowest &&
        value.number <= highest;
}

std::string number_or_null(const JsonValue& value)
{
    return value.is(Kind::number) || value.is(Kind::null) ? "" : "is " + shown(value) + ", not a number or null";
}

std::string bitmap_id(const JsonValue& value)
{
    return value.is(Kind::null) || whole_in(value, 0, 65535) ? "" : "is " + shown(value) + ", not a bitmap number";
}

std::string a_string(const JsonValue& value)
{
    return value.is(Kind::string) ? "" : "is " + shown(value) + ", not a string";
}

std::string a_boolean(const JsonValue& value)
{
    return value.is(Kind::boolean) ? "" : "is " + shown(value) + ", not true or false";
}

// Every item of a list (or member of an object) passes `each`.
std::string each_of(const JsonValue& value, Kind kind, Check each)
{
    if (!value.is(kind))
        return std::string("is ") + shown(value) + (kind == Kind::array ? ", not a list" : ", not an object");
    const auto& parts = kind == Kind::array ? value.items : value.members;
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (std::string why = each(parts[i]); !why.empty())
            return (kind == Kind::array ? "item " + std::to_string(i + 1) : "'" + parts[i].name + "'") + " " + why;
    return "";
}

// A list of exactly these kinds of value, in this order.
template <std::size_t N>
std::string tuple_of(const JsonValue& value, const Check (&parts)[N], const char* what)
{
    if (!value.is(Kind::array) || value.items.size() != N)
        return "is " + shown(value) + ", not " + what;
    for (std::size_t i = 0; i < N; ++i)
        if (!parts[i](value.items[i]).empty())
            return "is not " + std::string(what);
    return "";
}

std::string a_number(const JsonValue& value)
{
    return value.is(Kind::number) ? "" : "not a number";
}

std::string a_key_number(const JsonValue& value)
{
    return whole_in(value, 0, 4294967295.0) ? "" : "not a 32-bit number";
}

std::string a_click(const JsonValue& value)
{
    static constexpr Check parts[] = {a_string, a_number, a_number, a_string};
    return tuple_of(value, parts, "a click [GAUGE, X, Y, BUTTON]");
}

std::string a_key(const JsonValue& value)
{
    static constexpr Check parts[] = {a_key_number, a_key_number};
    return tuple_of(value, parts, "a key event [EVENT, ARGUMENT]");
}

struct FieldRule {
    const char* name;
    Check check;
};

// Which fields a record has, each by its own rule, none twice.
template <std::size_t N>
std::string fields_by(const JsonValue& record, const FieldRule (&rules)[N], const std::string& where)
{
    std::set<std::string> seen;
    for (const JsonValue& member : record.members) {
        if (!seen.insert(member.name).second)
            return where + "'" + member.name + "' is given twice";
        const FieldRule* rule = nullptr;
        for (const FieldRule& r : rules)
            if (member.name == r.name)
                rule = &r;
        if (rule == nullptr)
            return where + "'" + member.name + "' is no field of a trace";
        if (std::string why = rule->check(member); !why.empty())
            return where + "'" + member.name + "' " + why;
    }
    return "";
}

std::string frame_number(const JsonValue& value)
{
    return whole_in(value, 1, highest_trace_frame) ? "" : "is " + shown(value) + ", not a whole frame number from 1";
}

std::string run_time(const JsonValue& value)
{
    return value.is(Kind::null) || (value.is(Kind::number) && value.number >= 0)
        ? ""
        : "is " + shown(value) + ", not a time";
}

std::string gauge_record(const JsonValue& value)
{
    // clang-format off
    static constexpr FieldRule rules[] = {
        {trace_field::elements,      [](const JsonValue& v) { return each_of(v, Kind::array, number_or_null); }},
        {trace_field::bitmaps,       [](const JsonValue& v) { return each_of(v, Kind::array, bitmap_id); }},
        {trace_field::needle_hidden, a_boolean},
    };
    // clang-format on
    if (!value.is(Kind::object))
        return "is " + shown(value) + ", not a gauge's record";
    return fields_by(value, rules, "has ");
}

} // namespace

std::string trace_line_problem(const JsonValue& line)
{
    // clang-format off
    static constexpr FieldRule rules[] = {
        {trace_field::frame,   frame_number},
        {trace_field::seconds, run_time},
        {trace_field::vars,    [](const JsonValue& v) { return each_of(v, Kind::object, number_or_null); }},
        {trace_field::gauges,  [](const JsonValue& v) { return each_of(v, Kind::object, gauge_record); }},
        {trace_field::clicks,  [](const JsonValue& v) { return each_of(v, Kind::array, a_click); }},
        {trace_field::keys,    [](const JsonValue& v) { return each_of(v, Kind::array, a_key); }},
        {trace_field::sound,   [](const JsonValue& v) { return each_of(v, Kind::array, a_string); }},
    };
    // clang-format on
    if (!line.is(Kind::object) || line.member(trace_field::frame) == nullptr)
        return "no frame number";
    return fields_by(line, rules, "");
}
