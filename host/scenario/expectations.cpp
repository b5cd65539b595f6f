// The scenario's expectations: each compares one thing the host can see of
// the module now with the value the line names.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/panel/element_chain.h"
#include "host/scenario/runner.h"

namespace {

constexpr double angle_tolerance_degrees = 0.01;
constexpr double variable_tolerance = 1e-6;
constexpr double colour_level_limit = 255;

std::string text_of(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string quoted(const std::string& text)
{
    return "'" + text + "'";
}

} // namespace

void ScenarioRunner::expect(const Words& w)
{
    struct ExpectRow {
        const char* what;
        std::size_t words; // including "expect" and the kind
        void (ScenarioRunner::*check)(const Words&);
        const char* usage;
    };
    static const ExpectRow kinds[] = {
        // clang-format off
        {"frame",     5, &ScenarioRunner::expect_frame,     "expect frame GAUGE ELEMENT FRAME|none"},
        {"angle",     4, &ScenarioRunner::expect_angle,     "expect angle GAUGE DEGREES"},
        {"hidden",    4, &ScenarioRunner::expect_hidden,    "expect hidden GAUGE yes|no"},
        {"key",       3, &ScenarioRunner::expect_key,       "expect key EVENT ARGUMENT | expect key none"},
        {"key_count", 3, &ScenarioRunner::expect_key_count, "expect key_count COUNT"},
        {"tooltip",   6, &ScenarioRunner::expect_tooltip,   "expect tooltip GAUGE X Y TEXT|none"},
        {"cursor",    6, &ScenarioRunner::expect_cursor,    "expect cursor GAUGE X Y NAME"},
        {"pixel",     8, &ScenarioRunner::expect_pixel,     "expect pixel GAUGE X Y R G B [TOLERANCE]"},
        {"variable",  4, &ScenarioRunner::expect_variable,  "expect variable NAME VALUE"},
        {"window",    3, &ScenarioRunner::expect_window,    "expect window found|missing|none"},
        {"sound",     3, &ScenarioRunner::expect_sound,     "expect sound playing|quiet|none|REQUEST COUNT"},
        // clang-format on
    };
    for (const ExpectRow& kind : kinds)
        if (w[1] == kind.what) {
            if (w.size() < kind.words)
                return script_error(std::string("usage: ") + kind.usage);
            if (!checking_)
                panel_.open();
            return (this->*kind.check)(w);
        }
    script_error("unknown expectation '" + w[1] + "'");
}

// ELEMENT counts the gauge's elements in drawing order from 1.
void ScenarioRunner::expect_frame(const Words& w)
{
    const std::size_t gauge = gauge_index(w[2]);
    if (result_.script_error)
        return;
    const std::vector<ElementHeader*> chain = element_chain(*panel_.gauges()[gauge].header);
    const double element_number = number(w[3]);
    if (!result_.script_error && !(element_number >= 1 && element_number <= double(chain.size())))
        return script_error("the gauge has " + std::to_string(chain.size()) + " elements");
    if (only_checking())
        return;
    const auto frame = icon_frame(*chain[static_cast<std::size_t>(element_number) - 1]);
    const std::string seen = frame ? std::to_string(*frame) : "none";
    if (seen != w[4])
        fail("frame " + w[4] + " of element " + w[3] + " of " + w[2], seen);
}

void ScenarioRunner::expect_angle(const Words& w)
{
    const std::size_t gauge = gauge_index(w[2]);
    const double expected = number(w[3]);
    if (only_checking())
        return;
    ElementHeader* needle = first_needle(*panel_.gauges()[gauge].header);
    const std::optional<double> angle = needle ? element_value(*needle) : std::nullopt;
    if (!angle || std::fabs(*angle - expected) > angle_tolerance_degrees)
        fail("needle angle " + w[3] + " of " + w[2], angle ? text_of(*angle) : "no needle");
}

void ScenarioRunner::expect_hidden(const Words& w)
{
    const std::size_t gauge = gauge_index(w[2]);
    if (only_checking())
        return;
    const ElementHeader* needle = first_needle(*panel_.gauges()[gauge].header);
    const std::string seen = needle == nullptr ? "no needle" : element_hidden(*needle) ? "yes" : "no";
    if (seen != w[3])
        fail("needle of " + w[2] + " hidden " + w[3], seen);
}

void ScenarioRunner::expect_key(const Words& w)
{
    if (only_checking())
        return;
    const auto& keys = panel_.services.key_events;
    const std::string seen =
        keys.empty() ? "none" : std::to_string(keys.back().event) + " " + std::to_string(keys.back().argument);
    const std::string expected = w[2] == "none" ? "none" : w.size() > 3 ? w[2] + " " + w[3] : w[2];
    if (seen != expected)
        fail("last key event " + expected, seen);
}

void ScenarioRunner::expect_key_count(const Words& w)
{
    const double expected = number(w[2]);
    if (only_checking())
        return;
    const auto seen = panel_.services.key_events.size();
    if (static_cast<double>(seen) != expected)
        fail(w[2] + " key events sent", std::to_string(seen));
}

void ScenarioRunner::expect_tooltip(const Words& w)
{
    const std::size_t gauge = gauge_index(w[2]);
    const PixelPoint at = point(w, 3);
    if (only_checking())
        return;
    const std::optional<std::string> text = panel_.tooltip_at(gauge, at);
    const std::string seen = text ? quoted(*text) : "none";
    const std::string expected = w[5] == "none" ? "none" : quoted(w[5]);
    if (seen != expected)
        fail("tooltip " + expected + " at " + w[3] + "," + w[4] + " of " + w[2], seen);
}

void ScenarioRunner::expect_cursor(const Words& w)
{
    const std::size_t gauge = gauge_index(w[2]);
    const PixelPoint at = point(w, 3);
    if (only_checking())
        return;
    const std::string seen = cursor_name(panel_.mouse_at(gauge, at).cursor);
    if (seen != w[5])
        fail("cursor " + w[5] + " at " + w[3] + "," + w[4] + " of " + w[2], seen);
}

// A pixel of the gauge's face as it would be drawn now, in face pixels.
void ScenarioRunner::expect_pixel(const Words& w)
{
    const std::size_t gauge = gauge_index(w[2]);
    const PixelPoint at = point(w, 3);
    const auto level = [&](const std::string& word) {
        return static_cast<int>(number_from(word, 0, colour_level_limit, "a colour level"));
    };
    const int r = level(w[5]), g = level(w[6]), b = level(w[7]);
    const int tolerance = w.size() > 8 ? level(w[8]) : 0;
    if (only_checking())
        return;
    watch();
    const Image& face = panel_.draw_gauge(gauge);
    if (!face.contains(at.x, at.y))
        return script_error("the point lies outside the face");
    const Rgba p = face.at(at.x, at.y);
    const int off = std::max({std::abs(p.r - r), std::abs(p.g - g), std::abs(p.b - b)});
    if (off > tolerance || p.a == 0)
        fail("colour " + w[5] + " " + w[6] + " " + w[7] + " at " + w[3] + "," + w[4] + " of " + w[2],
             p.a == 0 ? "nothing drawn" : std::to_string(p.r) + " " + std::to_string(p.g) + " " + std::to_string(p.b));
}

void ScenarioRunner::expect_variable(const Words& w)
{
    const std::uint32_t variable = token(w[2]);
    const double expected = number(w[3]);
    if (only_checking())
        return;
    const double seen = panel_.variables.get(variable);
    if (std::fabs(seen - expected) > variable_tolerance)
        fail(w[2] + " " + w[3], text_of(seen));
}

void ScenarioRunner::expect_window(const Words& w)
{
    if (only_checking())
        return;
    const WindowLookup lookup = platform_.window_lookup();
    const std::string seen = !lookup.seen ? "none" : lookup.found_host_window ? "found" : "missing";
    if (seen != w[2])
        fail("the module's window lookup " + w[2], seen + (lookup.seen ? " (class " + lookup.window_class + ")" : ""));
}

// playing: the last frame asked the tone to play; quiet: it asked it to
// stop; none: it asked neither; REQUEST COUNT: that many calls of the kind in the whole run so far.
void ScenarioRunner::expect_sound(const Words& w)
{
    if (only_checking())
        return;
    const auto& frame = last_sound_requests_;
    auto asked = [&](const char* request) { return std::find(frame.begin(), frame.end(), request) != frame.end(); };
    std::string seen = asked("play") ? "playing" : asked("stop") ? "quiet" : "none";
    std::string expected = w[2];
    if (w.size() > 3) {
        const auto counted = sound_counts_.find(w[2]);
        seen = std::to_string(counted == sound_counts_.end() ? 0 : counted->second);
        expected = w[3];
    }
    if (seen != expected)
        fail("sound " + w[2] + (w.size() > 3 ? " " + w[3] : ""), seen);
}
