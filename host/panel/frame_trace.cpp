#include "host/panel/frame_trace.h"

#include <cmath>
#include <cstdio>

#include "host/panel/element_chain.h"

namespace {

std::string number(double value)
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

void write_gauge(std::ostream& out, const PlacedGauge& gauge)
{
    out << quoted(gauge.label) << ":{\"elements\":[";
    const char* separator = "";
    for (ElementHeader* element : element_chain(*gauge.header)) {
        const std::optional<double> value = element_value(*element);
        out << separator << (value ? number(*value) : "null");
        separator = ",";
    }
    out << "]";
    if (const ElementHeader* needle = first_needle(*gauge.header))
        out << ",\"needle_hidden\":" << (element_hidden(*needle) ? "true" : "false");
    out << "}";
}

} // namespace

void write_frame_trace(std::ostream& out, GaugePanel& panel, const FrameResult& frame)
{
    out << "{\"frame\":" << frame.frame << ",\"vars\":{";
    const char* separator = "";
    for (const auto& [token, value] : panel.variables.all()) {
        const std::string name = host_token_name(token);
        out << separator << quoted(name.empty() ? std::to_string(token) : name) << ":" << number(value);
        separator = ",";
    }
    out << "},\"gauges\":{";
    separator = "";
    for (const PlacedGauge& gauge : panel.gauges()) {
        out << separator;
        write_gauge(out, gauge);
        separator = ",";
    }
    out << "},\"keys\":[";
    separator = "";
    for (const SentKeyEvent& key : frame.key_events) {
        out << separator << "[" << key.event << "," << key.argument << "]";
        separator = ",";
    }
    out << "],\"sound\":[";
    separator = "";
    for (const std::string& request : frame.sound_requests) {
        out << separator << quoted(request);
        separator = ",";
    }
    out << "]}\n";
}
