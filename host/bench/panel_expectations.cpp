#include "host/bench/panel_expectations.h"

#include <algorithm>
#include <cstdio>

#include "host/panel/element_chain.h"

namespace {

// The scenario checks an angle to a hundredth of a degree.
constexpr int angle_decimals = 4;

std::string fixed(double value, int decimals)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

std::string panel_expectations(GaugePanel& panel, const std::vector<std::string>& last_frame_sounds)
{
    std::string lines;
    for (const PlacedGauge& gauge : panel.gauges()) {
        const std::vector<ElementHeader*> chain = element_chain(*gauge.header);
        for (std::size_t i = 0; i < chain.size(); ++i) {
            const auto frame = icon_frame(*chain[i]);
            lines += "expect frame " + gauge.label + " " + std::to_string(i + 1) + " " +
                (frame ? std::to_string(*frame) : "none") + "\n";
        }
        if (ElementHeader* needle = first_needle(*gauge.header)) {
            if (const auto angle = element_value(*needle))
                lines += "expect angle " + gauge.label + " " + fixed(*angle, angle_decimals) + "\n";
            lines += "expect hidden " + gauge.label + (element_hidden(*needle) ? " yes\n" : " no\n");
        }
    }
    const auto& keys = panel.services.key_events;
    lines += keys.empty()
        ? std::string("expect key none\n")
        : "expect key " + std::to_string(keys.back().event) + " " + std::to_string(keys.back().argument) + "\n";
    lines += "expect key_count " + std::to_string(keys.size()) + "\n";
    auto asked = [&](const char* request) {
        return std::find(last_frame_sounds.begin(), last_frame_sounds.end(), request) != last_frame_sounds.end();
    };
    lines += std::string("expect sound ") + (asked("play") ? "playing" : asked("stop") ? "quiet" : "none") + "\n";
    return lines;
}
