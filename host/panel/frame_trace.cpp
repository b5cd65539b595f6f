#include "host/panel/frame_trace.h"

#include <cmath>
#include <cstdio>

#include "host/panel/element_chain.h"
#include "host/panel/frame_trace_format.h"

namespace {

std::string json_number(double value)
{
    if (!std::isfinite(value))
        return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string field(const char* name)
{
    return quoted(name) + ":";
}

void write_gauge(std::ostream& out, const PlacedGauge& gauge)
{
    const std::vector<ElementHeader*> chain = element_chain(*gauge.header);
    out << quoted(gauge.label) << ":{" << field(trace_field::elements) << "[";
    const char* separator = "";
    for (ElementHeader* element : chain) {
        const std::optional<double> value = element_value(*element);
        out << separator << (value ? json_number(*value) : "null");
        separator = ",";
    }
    out << "]," << field(trace_field::bitmaps) << "[";
    separator = "";
    for (const ElementHeader* element : chain) {
        out << separator << (element->resource_id != 0 ? std::to_string(element->resource_id) : "null");
        separator = ",";
    }
    out << "]";
    if (const ElementHeader* needle = first_needle(*gauge.header))
        out << "," << field(trace_field::needle_hidden) << (element_hidden(*needle) ? "true" : "false");
    out << "}";
}

} // namespace

void write_frame_trace(std::ostream& out, GaugePanel& panel, const FrameResult& frame)
{
    out << "{" << field(trace_field::frame) << frame.frame << "," << field(trace_field::seconds)
        << json_number(frame.seconds) << "," << field(trace_field::vars) << "{";
    const char* separator = "";
    for (const auto& [token, value] : panel.variables.all()) {
        const std::string name = host_token_name(token);
        out << separator << quoted(name.empty() ? std::to_string(token) : name) << ":" << json_number(value);
        separator = ",";
    }
    out << "}," << field(trace_field::gauges) << "{";
    separator = "";
    for (const PlacedGauge& gauge : panel.placement.gauges()) {
        out << separator;
        write_gauge(out, gauge);
        separator = ",";
    }
    out << "}," << field(trace_field::clicks) << "[";
    separator = "";
    for (const SentClick& click : frame.clicks) {
        out << separator << "[" << quoted(click.label) << "," << click.point.x << "," << click.point.y << ","
            << quoted(button_word(click.button)) << "]";
        separator = ",";
    }
    out << "]," << field(trace_field::keys) << "[";
    separator = "";
    for (const SentKeyEvent& key : frame.key_events) {
        out << separator << "[" << key.event << "," << key.argument << "]";
        separator = ",";
    }
    out << "]," << field(trace_field::sound) << "[";
    separator = "";
    for (const std::string& request : frame.sound_requests) {
        out << separator << quoted(request);
        separator = ",";
    }
    out << "]}\n";
}
