#include "host/bench/panel_expectations.h"

#include <algorithm>
#include <cmath>

#include "host/panel/element_chain.h"
#include "host/script/grammar.h"
#include "host/script/print.h"

namespace {

// An angle is written to a hundredth of what its expectation allows, so
// that the line reads short and holds for the angle it was written from.
constexpr double angle_steps_per_degree = 100 / angle_tolerance_degrees;

std::string line(Verb verb, std::vector<Value> arguments)
{
    return print(Command::made(verb, std::move(arguments))) + "\n";
}

} // namespace

std::string panel_expectations(GaugePanel& panel, const std::vector<std::string>& last_frame_sounds)
{
    std::string lines;
    for (const PlacedGauge& gauge : panel.placement.gauges()) {
        const GaugeName name{gauge.label};
        const std::vector<ElementHeader*> chain = element_chain(*gauge.header);
        for (std::size_t i = 0; i < chain.size(); ++i) {
            const auto frame = icon_frame(*chain[i]);
            lines += line(Verb::expect_frame,
                          {name, double(i + 1), frame ? Value(double(*frame)) : Value(std::string("none"))});
        }
        if (ElementHeader* needle = first_needle(*gauge.header)) {
            // A needle at no angle the language can say gets no line.
            if (const auto angle = element_value(*needle); angle && std::isfinite(*angle))
                lines += line(Verb::expect_angle,
                              {name, std::round(*angle * angle_steps_per_degree) / angle_steps_per_degree});
            lines += line(Verb::expect_hidden, {name, std::string(element_hidden(*needle) ? "yes" : "no")});
        }
    }
    const auto& keys = panel.services.key_events;
    lines += keys.empty() ? line(Verb::expect_key, {std::string("none")})
                          : line(Verb::expect_key, {double(keys.back().event), double(keys.back().argument)});
    lines += line(Verb::expect_key_count, {double(keys.size())});
    auto asked = [&](const char* request) {
        return std::find(last_frame_sounds.begin(), last_frame_sounds.end(), request) != last_frame_sounds.end();
    };
    lines += line(Verb::expect_sound, {std::string(asked("play") ? "playing" : asked("stop") ? "quiet" : "none")});
    return lines;
}
