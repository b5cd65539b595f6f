// The run told as lines of text, as a console shows it: the figures and
// the files written on `out`, what went wrong (failed expectations with
// their line, refused and stopped lines, the crash) and notes on `errors`.
#pragma once

#include <ostream>

#include "host/scenario/reporter.h"

class TextReporter : public Reporter {
public:
    // `verbose` adds what only a gauge maker asks for: details, and each
    // expectation that held.
    TextReporter(std::ostream& out, std::ostream& errors, bool verbose = false)
        : out_(&out), errors_(&errors), verbose_(verbose)
    {
    }
    // The lines go elsewhere from now on: the bench's report while it runs.
    void send_to(std::ostream& out, std::ostream& errors)
    {
        out_ = &out;
        errors_ = &errors;
    }
    void run_started(const std::string&) override {}
    void problem(const RunProblem& problem) override;
    void expectation(const ExpectationOutcome& outcome) override;
    void file_written(const std::string& path) override;
    void note(const std::string& text, NoteLevel level) override;
    void crashed(const std::string& fault) override;
    void run_ended(const RunSummary& summary) override;

private:
    std::ostream* out_;
    std::ostream* errors_;
    bool verbose_;
};
