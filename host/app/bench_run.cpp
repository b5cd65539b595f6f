// The bench session as the command line asks for it: the scenario read, the
// panel connected, the report, trace and record files opened.
#include <ctime>
#include <iostream>

#include "host/app/bench_run.h"
#include "host/app/exit_status.h"
#include "host/app/session.h"
#include "host/base/utf8_path.h"
#include "host/script/parse.h"

namespace {

std::string utc_now()
{
    const std::time_t now = std::time(nullptr);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", std::gmtime(&now));
    return text;
}

} // namespace

namespace {

// What the bench flies first: the scenario given, or the demo panel's;
// nullopt, said, when it cannot be read. A panel file's window with no
// scenario starts as the demo does, with the bus on (the demo panel's own
// scenario would place its gauges too).
std::optional<Program> bench_program(const HostCommandLine& command_line, Reporter& reporter)
{
    if (!command_line.panel_path.empty() && command_line.scenario.empty()) {
        Program program;
        program.file = command_line.panel_path;
        program.commands.push_back(CommandExecutor::set(token_bus_volts, bench_bus_volts));
        return program;
    }
    return read_scenario(
        command_line.scenario.empty() ? bench_demo_path(command_line.host_folder) : command_line.scenario, reporter);
}

// The session written down as it flies, its first lines saying when, with
// which module and how to fly it again.
void start_recording(std::optional<SessionRecorder>& recorder, std::ostream* file, BenchScreen& screen,
                     const HostCommandLine& command_line, const BenchModule& module)
{
    const auto start = screen.now();
    recorder.emplace(file, [&screen, start] { return std::chrono::duration<double>(screen.now() - start).count(); });
    recorder->comment("bench session recorded " + utc_now() + " with " + module.description);
    if (!command_line.scenario.empty())
        recorder->comment("after the scenario " + command_line.scenario);
    recorder->comment("fly it again: zor_panel_host.exe SESSION.txt, or live: zor_panel_host.exe --window SESSION.txt");
}

int fly_bench_session(const HostCommandLine& command_line, const BenchModule& module, HostPlatform& platform,
                      BenchScreen& screen, ModuleLibrary* library, RunReport& report)
{
    Reporter& reporter = report.reporter();
    const std::optional<Program> program = bench_program(command_line, reporter);
    if (!program)
        return exit_unusable;
    const std::unique_ptr<GaugePanel> made = make_host_panel(command_line, module.records, platform, library, reporter);
    if (!made)
        return exit_unusable;
    GaugePanel& panel = *made;
    // The recording is made in RECORD.part, complete after every frame, and
    // renamed at the end: a bench that is killed leaves it there.
    OutputFile report_file(command_line.report_path), trace(command_line.trace_path),
        record_file(command_line.record_path);
    if (!open_option_file(report_file, reporter) || !open_option_file(trace, reporter) ||
        !open_option_file(record_file, reporter) || !film_option_usable(command_line.film_path, reporter))
        return exit_output_failed;
    std::ostream& report_lines = report_file.is_open() ? report_file.stream() : std::cout;
    // A followed module is brought back by flying the session again, so
    // the session is kept even when no file asks for it.
    std::optional<SessionRecorder> recorder;
    if (record_file.is_open() || module.follower != nullptr)
        start_recording(recorder, record_file.is_open() ? &record_file.stream() : nullptr, screen, command_line,
                        module);
    // While the bench runs, what the scenario says goes with its report lines.
    report.text().send_to(report_lines, report_lines);
    BenchSession session(panel, platform, screen, report_lines,
                         {.xray = command_line.xray,
                          .seconds = command_line.seconds,
                          .report_every_seconds = 10.0,
                          .film_path = command_line.film_path,
                          .recorder = recorder ? &*recorder : nullptr,
                          .follower = module.follower,
                          .reporter = &reporter});
    const int failures =
        session.run(*program, scenario_options(command_line, library), trace.is_open() ? &trace.stream() : nullptr);
    report.text().send_to(std::cout, std::cerr);
    // Every file is put in place, or said to have failed, whatever the run did.
    const bool recorded = commit_option_file(record_file, reporter);
    const bool traced = commit_option_file(trace, reporter);
    const bool reported = commit_option_file(report_file, reporter);
    if (session.crash())
        return exit_module_crashed;
    if (failures < 0)
        return exit_unusable;
    if (!recorded || !traced || !reported || session.output_failed())
        return exit_output_failed;
    return failures > 0 ? exit_expectation_failed : 0;
}

} // namespace

int run_bench_session(const HostCommandLine& command_line, const BenchModule& module, HostPlatform& platform,
                      BenchScreen& screen, ModuleLibrary* library)
{
    RunReport report(command_line, std::cout, std::cerr);
    if (!report.open())
        return exit_output_failed;
    return report.finish(fly_bench_session(command_line, module, platform, screen, library, report));
}
