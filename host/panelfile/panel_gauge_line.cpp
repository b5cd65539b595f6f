// A gaugeNN= line's value read as a simulator reads it: MODULE!GAUGE, its
// place, its size when given, and the rest of the line as its parameter.
#include "host/panelfile/panel_gauge_line.h"

#include "host/panel/gauge_panel.h"
#include "host/panelfile/panel_words.h"

namespace {

// Where a gauge line's fields are: MODULE!GAUGE, X, Y, W, H, PARAMETER.
enum GaugeField { name_field, x_field, y_field, width_field, height_field, parameter_field };

} // namespace

std::string gauge_key(int number)
{
    std::string digits = std::to_string(number);
    return "gauge" + (digits.size() < 2 ? "0" + digits : digits);
}

std::optional<PanelGaugeLine> read_gauge_line(int line, int number, std::string_view value,
                                              std::vector<PanelFileMessage>& messages)
{
    const auto problem = [&](int at, std::string text) { messages.push_back({at, true, std::move(text)}); };
    const auto note = [&](int at, std::string text) { messages.push_back({at, false, std::move(text)}); };
    const std::string key = gauge_key(number);
    const auto parts = fields(value);
    const std::size_t bang = parts[0].find('!');
    if (bang == std::string_view::npos || bang == 0 || bang + 1 == parts[0].size()) {
        problem(line, key + " needs MODULE!GAUGE, X, Y[, W[, H]], not " + excerpt(value));
        return std::nullopt;
    }
    PanelGaugeLine gauge;
    gauge.line = line;
    gauge.number = number;
    gauge.module = std::string(trim(parts[0].substr(0, bang)));
    gauge.gauge = std::string(trim(parts[0].substr(bang + 1)));
    const auto x = parts.size() > x_field ? whole_number(parts[x_field]) : std::nullopt;
    const auto y = parts.size() > y_field ? whole_number(parts[y_field]) : std::nullopt;
    if (!x || !y) {
        problem(line, key + " needs a place X, Y in whole numbers after the gauge, not " + excerpt(value));
        return std::nullopt;
    }
    gauge.x = *x;
    gauge.y = *y;
    const char* const size_names[] = {"width", "height"};
    std::optional<int>* sizes[] = {&gauge.width, &gauge.height};
    for (std::size_t i = 0; i < 2 && parts.size() > width_field + i; ++i) {
        const std::string_view field = parts[width_field + i];
        const auto size = whole_number(field);
        if (field.empty())
            continue; // not given: the gauge's own size or proportions
        if (!size)
            problem(line,
                    key + ": the " + size_names[i] + " " + excerpt(field) +
                        " is not a whole number; the gauge keeps its own size");
        else if (*size <= 0)
            problem(line,
                    key + ": a zero or negative " + size_names[i] + " (" + std::to_string(*size) +
                        "); the gauge keeps its own size");
        else if (*size > panel_side_limit)
            problem(line,
                    key + ": the " + size_names[i] + " " + std::to_string(*size) + " is larger than the " +
                        std::to_string(panel_side_limit) + " a side this host draws; the gauge keeps its own size");
        else
            *sizes[i] = *size;
    }
    if (!gauge.width && gauge.height) {
        note(line, key + ": a height without a width; the gauge keeps its own size");
        gauge.height.reset();
    }
    if (parts.size() > parameter_field) {
        std::size_t at = 0;
        for (int comma = 0; comma < parameter_field; ++comma)
            at = value.find(',', at) + 1;
        gauge.parameter = std::string(trim(value.substr(at)));
    }
    return gauge;
}
