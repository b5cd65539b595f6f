// The scenario's expectations: each compares one thing the host can see of
// the module now with the value its command names.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/panel/element_chain.h"
#include "host/scenario/runner.h"
#include "host/script/grammar.h"
#include "host/script/print.h"

namespace {

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

void ScenarioRunner::expect_frame(const Command& c)
{
    const std::vector<ElementHeader*> chain = element_chain(*panel_.placement.gauges()[gauge_index(c, 0)].header);
    const auto frame = icon_frame(*chain[static_cast<std::size_t>(c.number(1)) - 1]);
    const std::string seen = frame ? std::to_string(*frame) : "none";
    judge(seen == text(c, 2), "frame " + text(c, 2) + " of element " + text(c, 1) + " of " + c.gauge(0), seen);
}

void ScenarioRunner::expect_angle(const Command& c)
{
    ElementHeader* needle = first_needle(*panel_.placement.gauges()[gauge_index(c, 0)].header);
    const std::optional<double> angle = needle ? element_value(*needle) : std::nullopt;
    const bool off = !angle || !(std::fabs(*angle - c.number(1)) <= angle_tolerance_degrees);
    judge(!off, "needle angle " + text(c, 1) + " of " + c.gauge(0), angle ? text_of(*angle) : "no needle");
}

void ScenarioRunner::expect_hidden(const Command& c)
{
    const ElementHeader* needle = first_needle(*panel_.placement.gauges()[gauge_index(c, 0)].header);
    const std::string seen = needle == nullptr ? "no needle" : element_hidden(*needle) ? "yes" : "no";
    judge(seen == c.word(1), "needle of " + c.gauge(0) + " hidden " + c.word(1), seen);
}

void ScenarioRunner::expect_key(const Command& c)
{
    const auto& keys = panel_.services.key_events;
    const std::string seen =
        keys.empty() ? "none" : std::to_string(keys.back().event) + " " + std::to_string(keys.back().argument);
    const std::string expected = c.has(1) ? text(c, 0) + " " + text(c, 1) : "none";
    judge(seen == expected, "last key event " + expected,
          keys.empty() ? seen : seen + " (" + key_event_words(keys.back().event, keys.back().argument) + ")");
}

void ScenarioRunner::expect_key_count(const Command& c)
{
    const auto seen = panel_.services.key_events.size();
    judge(static_cast<double>(seen) == c.number(0), text(c, 0) + " key events sent", std::to_string(seen));
}

void ScenarioRunner::expect_tooltip(const Command& c)
{
    const std::optional<std::string> shown = panel_.input.tooltip_at(gauge_index(c, 0), c.point(1));
    const std::string seen = shown ? quoted(*shown) : "none";
    const std::string expected = c.word(3) == "none" ? "none" : quoted(c.word(3));
    judge(seen == expected, "tooltip " + expected + " at " + text(c, 1) + "," + text(c, 2) + " of " + c.gauge(0), seen);
}

void ScenarioRunner::expect_cursor(const Command& c)
{
    const std::string seen = cursor_name(panel_.input.mouse_at(gauge_index(c, 0), c.point(1)).cursor);
    judge(seen == c.word(3), "cursor " + c.word(3) + " at " + text(c, 1) + "," + text(c, 2) + " of " + c.gauge(0),
          seen);
}

// A pixel of the gauge's face as it would be drawn now, in face pixels.
void ScenarioRunner::expect_pixel(const Command& c)
{
    const PixelPoint at = c.point(1);
    const int r = static_cast<int>(c.number(3)), g = static_cast<int>(c.number(4)), b = static_cast<int>(c.number(5));
    const int tolerance = c.has(6) ? static_cast<int>(c.number(6)) : 0;
    watch();
    const Image& face = loop_.draw_gauge(gauge_index(c, 0));
    if (!face.contains(at.x, at.y))
        return script_error("the point lies outside the face");
    const Rgba p = face.at(at.x, at.y);
    const int off = std::max({std::abs(p.r - r), std::abs(p.g - g), std::abs(p.b - b)});
    judge(off <= tolerance && p.a != 0,
          "colour " + text(c, 3) + " " + text(c, 4) + " " + text(c, 5) + " at " + text(c, 1) + "," + text(c, 2) +
              " of " + c.gauge(0),
          p.a == 0 ? "nothing drawn" : std::to_string(p.r) + " " + std::to_string(p.g) + " " + std::to_string(p.b));
}

void ScenarioRunner::expect_variable(const Command& c)
{
    const double seen = panel_.variables.get(c.variable(0));
    judge(std::fabs(seen - c.number(1)) <= variable_tolerance, text(c, 0) + " " + text(c, 1), text_of(seen));
}

void ScenarioRunner::expect_window(const Command& c)
{
    const WindowLookup lookup = platform_.window_lookup();
    const std::string seen = !lookup.seen ? "none" : lookup.found_host_window ? "found" : "missing";
    judge(seen == c.word(0), "the module's window lookup " + c.word(0),
          seen + (lookup.seen ? " (class " + lookup.window_class + ")" : ""));
}

// playing: the last frame asked the tone to play; quiet: it asked it to
// stop; none: it asked neither; REQUEST COUNT: that many calls of the kind
// in the whole run so far.
void ScenarioRunner::expect_sound(const Command& c)
{
    const auto& frame = last_sound_requests_;
    auto asked = [&](const char* request) { return std::find(frame.begin(), frame.end(), request) != frame.end(); };
    std::string seen = asked("play") ? "playing" : asked("stop") ? "quiet" : "none";
    std::string expected = c.word(0);
    if (c.has(1)) {
        const auto counted = sound_counts_.find(c.word(0));
        seen = std::to_string(counted == sound_counts_.end() ? 0 : counted->second);
        expected = text(c, 1);
    }
    judge(seen == expected, "sound " + c.word(0) + (c.has(1) ? " " + text(c, 1) : ""), seen);
}
