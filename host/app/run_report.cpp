#include "host/app/run_report.h"

#include "host/app/exit_status.h"

// A live view of the run (the bench's report, the web page's list of
// expectations) follows every expect line as it is decided, held ones too.
RunReport::RunReport(const HostCommandLine& command_line, std::ostream& out, std::ostream& errors)
    : text_(out, errors, command_line.verbose || command_line.window), junit_file_(command_line.junit_path)
{
    all_.add(text_);
    if (!command_line.junit_path.empty())
        all_.add(junit_.emplace(command_line.scenario.empty() ? "bench" : command_line.scenario));
}

bool RunReport::open()
{
    return open_option_file(junit_file_, text_);
}

int RunReport::finish(int status)
{
    if (!junit_file_.is_open())
        return status;
    junit_->write(junit_file_.stream());
    // The file does not name itself.
    if (commit_option_file(junit_file_, text_))
        return status;
    return status == 0 || status == exit_expectation_failed ? exit_output_failed : status;
}

bool open_option_file(OutputFile& file, Reporter& reporter)
{
    if (file.path().empty() || file.open())
        return true;
    reporter.problem({.kind = ProblemKind::output, .where = {}, .message = file.error()});
    return false;
}

bool commit_option_file(OutputFile& file, Reporter& reporter)
{
    if (!file.is_open())
        return true;
    if (file.commit()) {
        reporter.file_written(file.path());
        return true;
    }
    reporter.problem({.kind = ProblemKind::output, .where = {}, .message = file.error()});
    return false;
}
