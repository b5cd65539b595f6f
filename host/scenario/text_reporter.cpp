#include "host/scenario/text_reporter.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "host/panel/platform.h"

namespace {

// About three figures, as many as the median's bins hold, and never in
// exponent form: "0.191", "18.5", "16599637".
std::string median_text(double value)
{
    const int decimals = value > 0.0 ? std::clamp(2 - static_cast<int>(std::floor(std::log10(value))), 0, 4) : 0;
    std::ostringstream text;
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

constexpr const char* stopped_words = ", stopped at a line it could not run";

} // namespace

void TextReporter::problem(const RunProblem& problem)
{
    *errors_ << problem.text() << std::endl;
}

void TextReporter::expectation(const ExpectationOutcome& outcome)
{
    if (!outcome.held)
        *errors_ << outcome.where() << ": expected " << outcome.expected << ", saw " << outcome.seen << std::endl;
    else if (verbose_)
        *out_ << outcome.where() << ": held: " << outcome.expected << std::endl;
}

void TextReporter::file_written(const std::string& path)
{
    *out_ << "wrote " << path << std::endl;
}

void TextReporter::note(const std::string& text, NoteLevel level)
{
    if (level == NoteLevel::told)
        *errors_ << text << std::endl;
    else if (verbose_)
        *out_ << text << std::endl;
}

void TextReporter::crashed(const std::string& fault)
{
    *errors_ << module_crash_message(fault) << std::endl;
}

void TextReporter::run_ended(const RunSummary& summary)
{
    if (summary.live) {
        *out_ << "scenario done: " << summary.frames << " frames, failed expectations: " << summary.failures
              << (summary.stopped ? stopped_words : "") << std::endl;
        return;
    }
    *out_ << "frames: " << summary.frames << ", gauges: " << summary.gauges
          << ", median frame cost: " << median_text(summary.median_frame_cost_us) << " us"
          << ", failed expectations: " << summary.failures << (summary.stopped ? stopped_words : "") << std::endl;
    if (summary.unknown_variables > 0)
        *out_ << "variables looked up that this host does not keep: " << summary.unknown_variables << std::endl;
}
