// How a program run reports, as its command line asks: lines of text on
// the console (details too with --verbose) and, with --junit FILE, a JUnit
// file written whole at the end, whatever the run did.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "host/base/output_file.h"
#include "host/app/command_line.h"
#include "host/scenario/junit_reporter.h"
#include "host/scenario/text_reporter.h"

class RunReport {
public:
    RunReport(const HostCommandLine& command_line, std::ostream& out, std::ostream& errors);
    // The JUnit file refused or its temporary made before anything flies;
    // false, said, when it cannot be written.
    bool open();
    Reporter& reporter() { return all_; }
    TextReporter& text() { return text_; }
    // Writes the JUnit file and puts it in place; the run's exit status,
    // which becomes exit_output_failed when the file cannot be written and
    // the run had nothing worse to say.
    int finish(int status);

private:
    TextReporter text_;
    std::optional<JUnitReporter> junit_;
    OutputFile junit_file_;
    ReporterFanOut all_;
};

// Opens the output file an option names, unless the option was not given;
// false, told as an output problem, when it cannot be written.
bool open_option_file(OutputFile& file, Reporter& reporter);
// Puts the option's file in place at the end of the run, when it was
// opened, told as written; false, told as an output problem, when it
// cannot be.
bool commit_option_file(OutputFile& file, Reporter& reporter);
