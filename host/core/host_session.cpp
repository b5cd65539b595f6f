#include "host/core/host_session.h"

#include <algorithm>
#include <fstream>
#include <iostream>

#include "host/core/gauge_panel.h"
#include "host/core/scenario_runner.h"

std::optional<HostCommandLine> parse_host_command_line(int argc, char** argv, std::string& error)
{
    HostCommandLine line;
    struct Option {
        const char* name;
        std::string HostCommandLine::*field;
    };
    const Option options[] = {
        {"--module", &HostCommandLine::module_path},
        {"--bitmaps", &HostCommandLine::bitmap_folder},
        {"--trace", &HostCommandLine::trace_path},
        {"--out", &HostCommandLine::output_folder},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const auto option = std::find_if(std::begin(options), std::end(options),
                                         [&](const Option& o) { return word == o.name; });
        if (option != std::end(options)) {
            if (i + 1 >= argc) {
                error = word + " needs a value";
                return std::nullopt;
            }
            line.*(option->field) = argv[++i];
        } else if (line.scenario.empty() && !word.starts_with("--")) {
            line.scenario = word;
        } else {
            error = "unexpected '" + word + "'";
            return std::nullopt;
        }
    }
    if (line.scenario.empty()) {
        error = "no scenario given";
        return std::nullopt;
    }
    return line;
}

namespace {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int run_host_session(const HostCommandLine& command_line, LoadedModule module, HostPlatform& platform)
{
    std::ifstream file(command_line.scenario);
    if (!file) {
        std::cerr << command_line.scenario << ": cannot be read\n";
        return exit_unusable;
    }
    std::string error;
    const auto script = read_scenario(file, command_line.scenario, error);
    if (!script) {
        std::cerr << error << "\n";
        return exit_unusable;
    }

    GaugePanel panel(module, platform);
    if (const auto refused = panel.connect()) {
        std::cerr << "the module cannot be driven: " << *refused << "\n";
        return exit_unusable;
    }

    std::ofstream trace;
    ScenarioOptions options{.trace = nullptr, .output_folder = command_line.output_folder, .watch = {}};
    if (!command_line.trace_path.empty()) {
        trace.open(command_line.trace_path);
        if (!trace) {
            std::cerr << command_line.trace_path << ": cannot be written\n";
            return exit_unusable;
        }
        options.trace = &trace;
    }

    ScenarioRunner runner(panel, platform, options, std::cerr);
    const ScenarioResult result = runner.run(*script);
    std::cout << "frames: " << result.frames << ", gauges: " << panel.gauges().size()
              << ", median frame cost: " << median(result.frame_costs_us) << " us"
              << ", failed expectations: " << result.failures << "\n";
    if (!panel.services.unknown_tokens.empty())
        std::cout << "variables looked up that this host does not keep: " << panel.services.unknown_tokens.size() << "\n";
    if (result.script_error)
        return exit_unusable;
    return result.failures > 0 ? exit_expectation_failed : 0;
}
