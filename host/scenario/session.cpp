#include "host/scenario/session.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <vector>

#include "host/base/utf8_path.h"
#include "host/panel/frame_trace.h"
#include "host/panel/gauge_panel.h"
#include "host/scenario/film_file.h"
#include "host/scenario/runner.h"
#include "host/script/parse.h"

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

} // namespace

std::string module_crash_message(const std::string& fault)
{
    return "the module crashed in its gauge callbacks: " + fault;
}

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

bool open_option_file(OutputFile& file)
{
    if (file.path().empty() || file.open())
        return true;
    std::cerr << file.error() << "\n";
    return false;
}

bool commit_option_file(OutputFile& file)
{
    if (!file.is_open() || file.commit())
        return true;
    std::cerr << file.error() << "\n";
    return false;
}

bool film_option_usable(const std::string& path)
{
    const auto refused = path.empty() ? std::nullopt : film_file_refusal(path);
    if (refused)
        std::cerr << *refused << "\n";
    return !refused;
}

ScenarioOptions scenario_options(const HostCommandLine& command_line, ModuleLibrary* library)
{
    return {.output_folder = command_line.output_folder,
            .modules = library,
            .simulator_folder = command_line.simulator_folder,
            .watch = {},
            .restoring = false,
            .report_held = command_line.window};
}

std::unique_ptr<GaugePanel> make_host_panel(const HostCommandLine& command_line, LoadedModule module,
                                            HostPlatform& platform, ModuleLibrary* library)
{
    if (command_line.panel_path.empty()) {
        auto panel = std::make_unique<GaugePanel>(module, platform);
        if (const auto refused = panel->connect()) {
            std::cerr << "the module cannot be driven: " << *refused << "\n";
            return nullptr;
        }
        return panel;
    }
    if (library == nullptr) {
        std::cerr << "this program opens no panel files\n";
        return nullptr;
    }
    auto panel = std::make_unique<GaugePanel>(platform);
    const PanelRequest request{.path = command_line.panel_path,
                               .section = command_line.section,
                               .simulator_folder = command_line.simulator_folder};
    if (!open_panel_window(request, *panel, *library, std::cerr))
        return nullptr;
    return panel;
}

int run_host_session(const HostCommandLine& command_line, LoadedModule module, HostPlatform& platform,
                     ModuleLibrary* library)
{
    ParseResult script;
    if (!command_line.scenario.empty() && !(script = parse_file(command_line.scenario)).ok()) {
        std::cerr << script.report();
        return exit_unusable;
    }
    for (const std::string& note : script.notes)
        std::cerr << note << "\n";

    const std::unique_ptr<GaugePanel> made = make_host_panel(command_line, module, platform, library);
    if (!made)
        return exit_unusable;
    GaugePanel& panel = *made;

    OutputFile trace(command_line.trace_path);
    if (!open_option_file(trace) || !film_option_usable(command_line.film_path))
        return exit_output_failed;
    FrameLoop loop(panel, platform);
    FrameTraceWriter trace_writer(trace.stream());
    if (trace.is_open())
        loop.add_observer(trace_writer);
    FilmWriter film(command_line.film_path, std::cerr);
    if (!command_line.film_path.empty())
        loop.add_observer(film);
    ScenarioRunner runner(loop, scenario_options(command_line, library), std::cerr);
    ScenarioResult result;
    const auto fault = platform.guarded([&] {
        result = runner.run(script.program);
        panel.close();
    });
    // The film and the trace end with the run, a crashed one too: what they
    // hold is kept.
    loop.remove_observer(film);
    const bool film_written = command_line.film_path.empty() || film.finish();
    loop.remove_observer(trace_writer);
    const bool outputs_written = commit_option_file(trace) && film_written && !result.output_failed;
    if (fault) {
        std::cerr << module_crash_message(*fault) << "\n";
        return exit_module_crashed;
    }
    std::cout << "frames: " << result.frames << ", gauges: " << panel.gauges().size()
              << ", median frame cost: " << median_text(result.frame_costs_us.median()) << " us"
              << ", failed expectations: " << result.failures << "\n";
    if (!panel.services.unknown_tokens.empty())
        std::cout << "variables looked up that this host does not keep: " << panel.services.unknown_tokens.size()
                  << "\n";
    if (result.script_error)
        return exit_unusable;
    if (!outputs_written)
        return exit_output_failed;
    return result.failures > 0 ? exit_expectation_failed : 0;
}
