#include "host/scenario/junit_reporter.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* problem_type(ProblemKind kind)
{
    switch (kind) {
    case ProblemKind::refused: return "refused";
    case ProblemKind::stopped: return "stopped";
    case ProblemKind::output: return "output";
    }
    return "problem";
}

// The length of the UTF-8 sequence at `at`, or 0 when it is not one XML
// may hold (overlong forms, surrogates and beyond U+10FFFF are not).
std::size_t utf8_length(const std::string& text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (lead > 0xF4 || length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = at + 1; i < at + length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    const unsigned char second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

std::string byte_escape(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

} // namespace

std::string xml_escaped(const std::string& text, bool attribute)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8_length(text, i);
            out += length == 0 ? byte_escape(c) : text.substr(i, length);
            i += std::max<std::size_t>(length, 1);
            continue;
        }
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        case '\t': out += attribute ? "&#9;" : "\t"; break;
        case '\n': out += attribute ? "&#10;" : "\n"; break;
        case '\r': out += "&#13;"; break;
        default: out += c < 0x20 || c == 0x7F ? byte_escape(c) : std::string(1, static_cast<char>(c));
        }
        ++i;
    }
    return out;
}

void JUnitReporter::run_started(const std::string& scenario)
{
    if (!scenario.empty())
        suite_ = scenario;
}

void JUnitReporter::problem(const RunProblem& problem)
{
    cases_.push_back({.name = problem.where.empty() ? suite_ : problem.where,
                      .failure = problem.message,
                      .type = problem_type(problem.kind),
                      .output = {},
                      .error = problem.kind == ProblemKind::output});
}

void JUnitReporter::expectation(const ExpectationOutcome& outcome)
{
    cases_.push_back({.name = outcome.where(),
                      .failure = outcome.held ? "" : "expected " + outcome.expected + ", saw " + outcome.seen,
                      .type = "expectation",
                      .output = outcome.held ? "expected " + outcome.expected + ", saw " + outcome.seen : "",
                      .error = false});
}

void JUnitReporter::file_written(const std::string& path)
{
    output_ += "wrote " + path + "\n";
}

void JUnitReporter::note(const std::string& text, NoteLevel)
{
    output_ += text + "\n";
}

void JUnitReporter::crashed(const std::string& fault)
{
    cases_.push_back({.name = suite_, .failure = fault, .type = "crash", .output = {}, .error = true});
}

void JUnitReporter::run_ended(const RunSummary& summary)
{
    output_ += "frames: " + std::to_string(summary.frames) +
        ", failed expectations: " + std::to_string(summary.failures) + "\n";
}

void JUnitReporter::write(std::ostream& out) const
{
    const auto errors = std::count_if(cases_.begin(), cases_.end(), [](const Case& c) { return c.error; });
    const auto failures =
        std::count_if(cases_.begin(), cases_.end(), [](const Case& c) { return !c.error && !c.failure.empty(); });
    const std::string counts = " tests=\"" + std::to_string(cases_.size()) + "\" failures=\"" +
        std::to_string(failures) + "\" errors=\"" + std::to_string(errors) + "\"";
    const std::string suite = xml_escaped(suite_, true);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<testsuites" << counts << ">\n"
        << "  <testsuite name=\"" << suite << "\"" << counts << ">\n";
    for (const Case& c : cases_) {
        out << "    <testcase classname=\"" << suite << "\" name=\"" << xml_escaped(c.name, true) << "\">\n";
        if (!c.failure.empty())
            out << "      <" << (c.error ? "error" : "failure") << " type=\"" << c.type << "\" message=\""
                << xml_escaped(c.failure, true) << "\">" << xml_escaped(c.failure, false) << "</"
                << (c.error ? "error" : "failure") << ">\n";
        if (!c.output.empty())
            out << "      <system-out>" << xml_escaped(c.output, false) << "</system-out>\n";
        out << "    </testcase>\n";
    }
    if (!output_.empty())
        out << "    <system-out>" << xml_escaped(output_, false) << "</system-out>\n";
    out << "  </testsuite>\n</testsuites>\n";
}
