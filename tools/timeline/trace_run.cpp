#include "tools/timeline/trace_run.h"

#include <cstdio>
#include <map>

#include "host/panel/frame_trace_format.h"
#include "tools/timeline/json_value.h"
#include "tools/timeline/trace_line_rules.h"

namespace {

using Kind = JsonValue::Kind;

std::optional<double> number_or_none(const JsonValue& value)
{
    if (value.is(Kind::number))
        return value.number;
    return std::nullopt;
}

std::vector<std::optional<double>> numbers(const JsonValue* list)
{
    std::vector<std::optional<double>> out;
    if (list != nullptr)
        for (const JsonValue& item : list->items)
            out.push_back(number_or_none(item));
    return out;
}

std::string text_of(double number)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", number);
    return text;
}

// An event as short text for a mark: its words and numbers joined by blanks.
std::string event_text(const JsonValue& event)
{
    if (event.is(Kind::string))
        return event.text;
    if (event.is(Kind::number))
        return text_of(event.number);
    std::string out;
    for (const JsonValue& item : event.items) {
        if (!out.empty())
            out.push_back(' ');
        out.append(event_text(item));
    }
    return out;
}

std::vector<std::string> events(const JsonValue& line, const char* field)
{
    std::vector<std::string> out;
    if (const JsonValue* list = line.member(field))
        for (const JsonValue& item : list->items)
            out.push_back(event_text(item));
    return out;
}

class Reader {
public:
    explicit Reader(const std::string& name) : name_(name) {}

    void line(const std::string& text, int number, bool ended)
    {
        std::string error;
        const std::optional<JsonValue> value = parse_json(text, error);
        if (!value)
            return bad(number, ended ? "not JSON: " + error : "cut short: " + error);
        if (const std::string problem = trace_line_problem(*value); !problem.empty())
            return bad(number, problem);
        TraceFrame out;
        out.line = number;
        out.frame = value->member(trace_field::frame)->number;
        if (const JsonValue* seconds = value->member(trace_field::seconds); seconds && seconds->is(Kind::number))
            out.seconds = seconds->number;
        if (const std::string problem = out_of_order(out); !problem.empty())
            return bad(number, problem);
        if (const JsonValue* vars = value->member(trace_field::vars))
            for (const JsonValue& v : vars->members)
                out.vars.emplace_back(v.name, number_or_none(v).value_or(NAN));
        if (const JsonValue* gauges = value->member(trace_field::gauges))
            for (const JsonValue& g : gauges->members)
                out.gauges.push_back(gauge(g.name, g, number));
        out.clicks = events(*value, trace_field::clicks);
        out.keys = events(*value, trace_field::keys);
        out.sound = events(*value, trace_field::sound);
        run_.frames.push_back(std::move(out));
    }

    TraceRun take() { return std::move(run_); }

private:
    // Frames run forward and so does their time: a line that goes back is
    // from another run, or edited.
    std::string out_of_order(const TraceFrame& frame) const
    {
        if (run_.frames.empty())
            return "";
        const TraceFrame& last = run_.frames.back();
        if (frame.frame <= last.frame)
            return "frame " + text_of(frame.frame) + " after frame " + text_of(last.frame) + " (line " +
                std::to_string(last.line) + "): frames must increase";
        if (frame.seconds < last.seconds)
            return "its time " + text_of(frame.seconds) + " s goes back from " + text_of(last.seconds) + " s";
        return "";
    }

    TraceGauge gauge(const std::string& label, const JsonValue& record, int number)
    {
        TraceGauge out;
        out.label = label;
        out.elements = numbers(record.member(trace_field::elements));
        out.bitmaps = numbers(record.member(trace_field::bitmaps));
        // A gauge whose element count changes has elements only some
        // frames have: their lanes stay blank where a frame lacks them.
        const auto [seen, first] = element_counts_.try_emplace(label, out.elements.size());
        if (!first && seen->second != out.elements.size())
            bad(number,
                "gauge " + label + " has " + std::to_string(out.elements.size()) + " elements, earlier frames " +
                    std::to_string(seen->second));
        return out;
    }

    void bad(int number, const std::string& what)
    {
        ++run_.bad_lines;
        if (run_.first_problem.empty())
            run_.first_problem = name_ + ":" + std::to_string(number) + ": " + what;
    }

    std::string name_;
    TraceRun run_;
    std::map<std::string, std::size_t> element_counts_;
};

} // namespace

TraceRun read_trace(std::istream& in, const std::string& name)
{
    Reader reader(name);
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        reader.line(text, number, !in.eof());
    }
    return reader.take();
}
