// The run as a JUnit XML file, for a gauge maker's CI: one test case per
// expectation, named FILE:LINE, a failed one with what was seen; a run
// refused or stopped at a line, an output it could not write and a crash
// of the module are failures too, so a run that checked nothing never
// reads as passed. The document is written whole at the end, when the
// counts are known.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/scenario/reporter.h"

class JUnitReporter : public Reporter {
public:
    // `suite` names the run when no scenario is given (the bench alone).
    explicit JUnitReporter(std::string suite) : suite_(std::move(suite)) {}
    void run_started(const std::string& scenario) override;
    void problem(const RunProblem& problem) override;
    void expectation(const ExpectationOutcome& outcome) override;
    void file_written(const std::string& path) override;
    void note(const std::string& text, NoteLevel level) override;
    void crashed(const std::string& fault) override;
    void run_ended(const RunSummary& summary) override;

    void write(std::ostream& out) const;

private:
    struct Case {
        std::string name;    // FILE:LINE
        std::string failure; // empty when it held
        std::string type;    // the failure's kind
        std::string output;  // what was seen
        bool error = false;  // the host could not do its part (a file, the module), rather than a check failing
    };
    std::string suite_;
    std::vector<Case> cases_;
    std::string output_; // notes and the summary, the suite's system-out
};

// Text as XML character data or an attribute's value: markup characters
// as entities (line breaks too in an attribute, where a parser would
// fold them into blanks), and what XML 1.0 cannot hold (control
// characters, bytes that are not UTF-8) as "\xNN", so a module's odd text
// cannot break the document.
std::string xml_escaped(const std::string& text, bool attribute);
