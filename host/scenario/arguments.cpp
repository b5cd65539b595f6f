// The words of a scenario line read as what its command takes: numbers in
// the range the host can draw and run, host variables, placed gauges,
// points and buttons. A word that is none of these is a script error on
// its line.
#include <cmath>
#include <cstdio>

#include "host/panel/variables.h"
#include "host/scenario/runner.h"

namespace {

// A point lies on the face or off it, but never off the largest panel.
constexpr double point_limit = panel_side_limit;
constexpr double most_frames = 1000000; // in one command: some 15 hours at 18 frames a second

std::string text_of(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

} // namespace

double ScenarioRunner::number(const std::string& word)
{
    try {
        std::size_t used = 0;
        const double value = std::stod(word, &used);
        if (used == word.size())
            return value;
    } catch (const std::exception&) {
    }
    script_error("'" + word + "' is not a number");
    return 0.0;
}

// NaN and the infinities are outside every range.
double ScenarioRunner::number_from(const std::string& word, double lowest, double highest, const std::string& what)
{
    const double value = number(word);
    if (result_.script_error)
        return lowest;
    if (!(value >= lowest && value <= highest)) {
        script_error("'" + word + "' is not " + what + " from " + text_of(lowest) + " to " + text_of(highest));
        return lowest;
    }
    return value;
}

int ScenarioRunner::pixels(const std::string& word, int lowest, int highest, const std::string& what)
{
    return static_cast<int>(number_from(word, lowest, highest, what));
}

long ScenarioRunner::frame_count(const std::string& word)
{
    const double count = number_from(word, 0, most_frames, "a number of frames");
    if (count != std::floor(count)) {
        script_error("'" + word + "' is not a whole number of frames");
        return 0;
    }
    return static_cast<long>(count);
}

std::uint32_t ScenarioRunner::token(const std::string& word)
{
    const auto found = host_token_by_name(word);
    if (!found)
        script_error("'" + word + "' names no host variable");
    return found.value_or(0);
}

std::size_t ScenarioRunner::gauge_index(const std::string& label)
{
    const std::size_t index = panel_.index_of(label);
    if (index >= panel_.gauges().size())
        script_error("no gauge '" + label + "' is placed");
    return index;
}

PixelPoint ScenarioRunner::point(const Words& words, std::size_t at)
{
    const auto coordinate = [&](const std::string& word) {
        return static_cast<std::int32_t>(number_from(word, -point_limit, point_limit, "a face pixel"));
    };
    return {coordinate(words.at(at)), coordinate(words.at(at + 1))};
}

MouseButton ScenarioRunner::button(const Words& words, std::size_t at)
{
    if (at >= words.size() || words[at] == "left")
        return MouseButton::left;
    if (words[at] != "right")
        script_error("'" + words[at] + "' is no mouse button");
    return MouseButton::right;
}
