#include "host/app/session.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "host/base/utf8_path.h"
#include "host/panel/frame_trace.h"
#include "host/panel/gauge_panel.h"
#include "host/scenario/film_file.h"
#include "host/scenario/runner.h"
#include "host/script/parse.h"

int run_host_flights(const HostCommandLine& command_line, const std::function<int(const HostCommandLine&)>& fly)
{
    std::ifstream list(utf8_path(command_line.flights_path));
    if (!list) {
        std::cerr << command_line.flights_path << ": cannot be read\n";
        return exit_unusable;
    }
    std::vector<HostCommandLine> flights;
    std::string text;
    for (int number = 1; std::getline(list, text); ++number) {
        std::istringstream words(text);
        HostCommandLine flight = command_line;
        flight.flights_path.clear();
        std::string more;
        if (!(words >> flight.scenario))
            continue;
        if (!(words >> flight.trace_path) || (words >> more)) {
            std::cerr << command_line.flights_path << ":" << number << ": a flight is SCENARIO TRACE\n";
            return exit_unusable;
        }
        flights.push_back(flight);
    }
    int worst = 0, unsuccessful = 0;
    for (const HostCommandLine& flight : flights) {
        const int status = fly(flight);
        worst = std::max(worst, status);
        unsuccessful += status != 0 ? 1 : 0;
    }
    std::cout << "flights: " << flights.size() << " flown, " << unsuccessful << " ended other than 0\n";
    return worst;
}

int run_host_program(const std::function<int()>& program)
{
    try {
        return program();
    } catch (const std::exception& failure) {
        std::cerr << "the host failed: " << failure.what() << "\n";
    } catch (...) {
        std::cerr << "the host failed: an exception of no known kind\n";
    }
    return exit_host_failed;
}

bool film_option_usable(const std::string& path, Reporter& reporter)
{
    const auto refused = path.empty() ? std::nullopt : film_file_refusal(path);
    if (refused)
        reporter.problem({.kind = ProblemKind::output, .where = {}, .message = *refused});
    return !refused;
}

ScenarioOptions scenario_options(const HostCommandLine& command_line, ModuleLibrary* library)
{
    return {.output_folder = command_line.output_folder,
            .modules = library,
            .simulator_folder = command_line.simulator_folder,
            .watch = {},
            .restoring = false};
}

std::unique_ptr<GaugePanel> make_host_panel(const HostCommandLine& command_line, LoadedModule module,
                                            HostPlatform& platform, ModuleLibrary* library, Reporter& reporter)
{
    const auto refuse = [&](const std::string& why) {
        reporter.problem({.kind = ProblemKind::refused, .where = {}, .message = why});
        return nullptr;
    };
    if (command_line.panel_path.empty()) {
        auto panel = std::make_unique<GaugePanel>(module, platform);
        if (const auto refused = panel->modules.connect())
            return refuse("the module cannot be driven: " + *refused);
        return panel;
    }
    if (library == nullptr)
        return refuse("this program opens no panel files");
    auto panel = std::make_unique<GaugePanel>(platform);
    const PanelRequest request{.path = command_line.panel_path,
                               .section = command_line.section,
                               .simulator_folder = command_line.simulator_folder};
    NoteStream notes(reporter);
    if (!open_panel_window(request, *panel, *library, notes))
        return refuse(command_line.panel_path + ": the panel file's window cannot be opened");
    return panel;
}

std::optional<Program> read_scenario(const std::string& path, Reporter& reporter)
{
    ParseResult script = parse_file(path);
    for (const std::string& error : script.errors)
        reporter.problem(problem_from_message(ProblemKind::refused, error));
    if (script.error_count > script.errors.size())
        reporter.problem(
            {.kind = ProblemKind::refused,
             .where = {},
             .message = "... and " + std::to_string(script.error_count - script.errors.size()) + " more bad lines"});
    if (!script.ok())
        return std::nullopt;
    for (const std::string& note : script.notes)
        reporter.note(note);
    return std::move(script.program);
}

namespace {

// The run itself, told through `reporter`; its exit status.
int fly_headless(const HostCommandLine& command_line, LoadedModule module, HostPlatform& platform,
                 ModuleLibrary* library, Reporter& reporter)
{
    Program program;
    if (!command_line.scenario.empty()) {
        auto read = read_scenario(command_line.scenario, reporter);
        if (!read)
            return exit_unusable;
        program = std::move(*read);
    }
    const std::unique_ptr<GaugePanel> made = make_host_panel(command_line, module, platform, library, reporter);
    if (!made)
        return exit_unusable;
    GaugePanel& panel = *made;

    OutputFile trace(command_line.trace_path);
    if (!open_option_file(trace, reporter) || !film_option_usable(command_line.film_path, reporter))
        return exit_output_failed;
    FrameLoop loop(panel, platform);
    FrameTraceWriter trace_writer(trace.stream());
    if (trace.is_open())
        loop.add_observer(trace_writer);
    NoteStream film_notes(reporter);
    FilmWriter film(command_line.film_path, film_notes);
    if (!command_line.film_path.empty())
        loop.add_observer(film);
    ScenarioRunner runner(loop, scenario_options(command_line, library), reporter);
    ScenarioResult result;
    const auto fault = platform.guarded([&] {
        result = runner.run(program);
        panel.life.close();
    });
    // The film and the trace end with the run, a crashed one too: what they
    // hold is kept.
    loop.remove_observer(film);
    const bool film_written = command_line.film_path.empty() || film.finish();
    loop.remove_observer(trace_writer);
    const bool outputs_written = commit_option_file(trace, reporter) && film_written && !result.output_failed;
    if (fault) {
        reporter.crashed(*fault);
        return exit_module_crashed;
    }
    // A run refused before its first frame has no figures to tell.
    if (!result.refused)
        reporter.run_ended({.frames = result.frames,
                            .gauges = panel.placement.gauges().size(),
                            .median_frame_cost_us = result.frame_costs_us.median(),
                            .failures = result.failures,
                            .stopped = result.script_error,
                            .live = false,
                            .unknown_variables = panel.services.unknown_tokens.size()});
    if (result.script_error)
        return exit_unusable;
    if (!outputs_written)
        return exit_output_failed;
    return result.failures > 0 ? exit_expectation_failed : 0;
}

} // namespace

int run_host_session(const HostCommandLine& command_line, LoadedModule module, HostPlatform& platform,
                     ModuleLibrary* library)
{
    RunReport report(command_line, std::cout, std::cerr);
    if (!report.open())
        return exit_output_failed;
    return report.finish(fly_headless(command_line, module, platform, library, report.reporter()));
}

int refuse_run(const HostCommandLine& command_line, const std::string& why)
{
    RunReport report(command_line, std::cout, std::cerr);
    if (!report.open())
        return exit_output_failed;
    report.reporter().problem({.kind = ProblemKind::refused, .where = {}, .message = why});
    return report.finish(exit_unusable);
}
