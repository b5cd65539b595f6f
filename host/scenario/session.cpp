#include "host/scenario/session.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "host/panel/frame_trace.h"
#include "host/panel/gauge_panel.h"
#include "host/base/median.h"
#include "host/scenario/film_file.h"
#include "host/scenario/runner.h"

std::optional<HostCommandLine> parse_host_command_line(int argc, char** argv, std::string& error)
{
    HostCommandLine line;
    struct Option {
        const char* name;
        std::string HostCommandLine::*field;
    };
    const Option options[] = {
        {"--module", &HostCommandLine::module_path}, {"--bitmaps", &HostCommandLine::bitmap_folder},
        {"--trace", &HostCommandLine::trace_path},   {"--film", &HostCommandLine::film_path},
        {"--out", &HostCommandLine::output_folder},  {"--report", &HostCommandLine::report_path},
        {"--record", &HostCommandLine::record_path}, {"--panel", &HostCommandLine::panel_path},
        {"--section", &HostCommandLine::section},    {"--sim-folder", &HostCommandLine::simulator_folder},
        {"--check", &HostCommandLine::check_path},   {"--flights", &HostCommandLine::flights_path},
    };
    std::string seconds;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--window" || word == "--xray" || word == "--watch") {
            (word == "--window" ? line.window : word == "--xray" ? line.xray : line.watch) = true;
            continue;
        }
        const auto option =
            std::find_if(std::begin(options), std::end(options), [&](const Option& o) { return word == o.name; });
        if (option != std::end(options) || word == "--seconds") {
            if (i + 1 >= argc) {
                error = word + " needs a value";
                return std::nullopt;
            }
            std::string& value = option != std::end(options) ? line.*(option->field) : seconds;
            value = argv[++i];
        } else if (line.scenario.empty() && !word.starts_with("--")) {
            line.scenario = word;
        } else {
            error = "unexpected '" + word + "'";
            return std::nullopt;
        }
    }
    if (!line.flights_path.empty() && (line.window || !line.scenario.empty() || !line.trace_path.empty() ||
                                       !line.film_path.empty() || !line.panel_path.empty())) {
        error = "--flights names each flight's scenario and trace, and goes without --window, --trace, --film, "
                "--panel and a scenario";
        return std::nullopt;
    }
    if (line.scenario.empty() && !line.window && line.panel_path.empty() && line.check_path.empty() &&
        line.flights_path.empty()) {
        error = "no scenario given";
        return std::nullopt;
    }
    if (line.panel_path.empty() && !line.section.empty()) {
        error = "--section goes with --panel";
        return std::nullopt;
    }
    // A panel file may hold several modules; the bench follows the one
    // module file it was started with.
    if (line.watch && !line.panel_path.empty()) {
        error = "--watch follows one module file (--module) and does not go with --panel";
        return std::nullopt;
    }
    if (!line.window &&
        (line.xray || line.watch || !line.report_path.empty() || !line.record_path.empty() || !seconds.empty())) {
        error = "--xray, --report, --record, --watch and --seconds go with --window";
        return std::nullopt;
    }
    if (!seconds.empty()) {
        char* end = nullptr;
        line.seconds = std::strtod(seconds.c_str(), &end);
        if (*end != '\0' || !(line.seconds > 0.0)) {
            error = "--seconds needs a number of seconds above 0, not '" + seconds + "'";
            return std::nullopt;
        }
    }
    return line;
}

std::string module_crash_message(const std::string& fault)
{
    return "the module crashed in its gauge callbacks: " + fault;
}

int run_host_flights(const HostCommandLine& command_line, const std::function<int(const HostCommandLine&)>& fly)
{
    std::ifstream list(command_line.flights_path);
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

bool open_option_file(const std::string& path, std::ofstream& file)
{
    if (path.empty())
        return true;
    file.open(path);
    if (!file)
        std::cerr << path << ": cannot be written\n";
    return file.is_open();
}

bool film_option_usable(const std::string& path)
{
    if (path.empty() || film_file_writable(path))
        return true;
    std::cerr << path << ": cannot be written\n";
    return false;
}

ScenarioOptions scenario_options(const HostCommandLine& command_line, ModuleLibrary* library)
{
    return {.output_folder = command_line.output_folder,
            .modules = library,
            .simulator_folder = command_line.simulator_folder,
            .watch = {}};
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
    std::string error;
    std::optional<ScenarioScript> script = ScenarioScript{};
    if (!command_line.scenario.empty() && !(script = read_scenario_file(command_line.scenario, error))) {
        std::cerr << error << "\n";
        return exit_unusable;
    }

    const std::unique_ptr<GaugePanel> made = make_host_panel(command_line, module, platform, library);
    if (!made)
        return exit_unusable;
    GaugePanel& panel = *made;

    std::ofstream trace;
    if (!open_option_file(command_line.trace_path, trace) || !film_option_usable(command_line.film_path))
        return exit_unusable;
    FrameLoop loop(panel, platform);
    FrameTraceWriter trace_writer(trace);
    if (trace.is_open())
        loop.add_observer(trace_writer);
    FilmWriter film(command_line.film_path, std::cerr);
    if (!command_line.film_path.empty())
        loop.add_observer(film);
    ScenarioRunner runner(loop, scenario_options(command_line, library), std::cerr);
    ScenarioResult result;
    const auto fault = platform.guarded([&] {
        result = runner.run(*script);
        panel.close();
    });
    // The film ends with the run, a crashed one too: what it holds is kept.
    loop.remove_observer(film);
    film.finish();
    if (fault) {
        std::cerr << module_crash_message(*fault) << "\n";
        return exit_module_crashed;
    }
    std::cout << "frames: " << result.frames << ", gauges: " << panel.gauges().size()
              << ", median frame cost: " << median(result.frame_costs_us) << " us"
              << ", failed expectations: " << result.failures << "\n";
    if (!panel.services.unknown_tokens.empty())
        std::cout << "variables looked up that this host does not keep: " << panel.services.unknown_tokens.size()
                  << "\n";
    if (result.script_error)
        return exit_unusable;
    return result.failures > 0 ? exit_expectation_failed : 0;
}
