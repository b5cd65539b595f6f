#include "host/app/command_line.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>

#include "host/app/exit_status.h"
#include "host/panelfile/panel_words.h"

namespace {

constexpr const char* scenario_row = "SCENARIO";
constexpr const char* help_row = "--help";
constexpr const char* panel_file_extension = ".cfg";

// What the command line gave: each option's value ("" for one without) and
// the scenario under its row's name.
using Given = std::map<std::string, std::string>;

const HostOption* option_named(const std::string& name)
{
    for (const HostOption& option : host_options)
        if (name == option.name)
            return &option;
    return nullptr;
}

std::vector<std::string> names_in(const char* list)
{
    std::istringstream words(list);
    std::vector<std::string> names;
    for (std::string name; words >> name;)
        names.push_back(name);
    return names;
}

std::string either_of(const char* list)
{
    std::string text;
    for (const std::string& name : names_in(list))
        text += (text.empty() ? "" : " or ") + name;
    return text;
}

// How an error names what was given: the scenario by its file.
std::string shown(const std::string& name, const Given& given)
{
    return name == scenario_row ? "the scenario '" + given.at(name) + "'" : name;
}

bool is_help(const std::string& word)
{
    return std::find(std::begin(help_spellings), std::end(help_spellings), word) != std::end(help_spellings);
}

// Dropping a panel file on the program starts it with that file alone.
bool lone_panel_file(int argc, char** argv)
{
    return argc == 2 && lower(argv[1]).ends_with(panel_file_extension);
}

// The next word of the command line as the option's value.
bool take_value(const HostOption& option, int argc, char** argv, int& i, Given& given, std::string& error)
{
    if (option.value == nullptr) {
        given[option.name] = "";
        return true;
    }
    if (i + 1 >= argc) {
        error = std::string(option.name) + " needs a value: " + option.value;
        return false;
    }
    const std::string value = argv[++i];
    if (value.empty()) {
        error = std::string(option.name) + " needs " + option.value + ", not an empty word";
        return false;
    }
    given[option.name] = value;
    return true;
}

bool read_words(HostProgram program, int argc, char** argv, Given& given, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string word = is_help(argv[i]) ? help_row : argv[i];
        const bool named_option = word.size() > 1 && word.starts_with("-");
        const HostOption* option = named_option ? option_named(word) : option_named(scenario_row);
        if (option == nullptr) {
            error = "unknown option '" + word + "'";
            return false;
        }
        if ((option->programs & program) == 0) {
            error = word + " is an option of " +
                program_name(program == native_program ? win32_program : native_program) + ", not of this program";
            return false;
        }
        if (given.contains(option->name)) {
            error = named_option ? word + " is given twice" : "'" + word + "' is a second scenario";
            return false;
        }
        if (!named_option) {
            if (word.empty()) {
                error = "an empty word is no scenario";
                return false;
            }
            given[scenario_row] = word;
        } else if (!take_value(*option, argc, argv, i, given, error)) {
            return false;
        }
    }
    return true;
}

// Each option given has a partner it needs and none it does not go with.
bool partners_agree(const Given& given, std::string& error)
{
    for (const auto& [name, value] : given) {
        const HostOption& option = *option_named(name);
        const auto needs = names_in(option.needs);
        if (!needs.empty() && std::none_of(needs.begin(), needs.end(), [&](auto& n) { return given.contains(n); })) {
            error = shown(name, given) + " goes with " + either_of(option.needs);
            return false;
        }
        for (const std::string& refused : names_in(option.refuses))
            if (given.contains(refused)) {
                error = shown(name, given) + " does not go with " + shown(refused, given);
                return false;
            }
    }
    return true;
}

std::string value_of(const Given& given, const char* name, const std::string& otherwise = "")
{
    const auto found = given.find(name);
    return found == given.end() ? otherwise : found->second;
}

bool fill(const Given& given, HostCommandLine& line, std::string& error)
{
    line.scenario = value_of(given, scenario_row);
    line.window = given.contains("--window");
    line.xray = given.contains("--xray");
    line.watch = given.contains("--watch");
    line.report_path = value_of(given, "--report");
    line.module_path = value_of(given, "--module");
    line.bitmap_folder = value_of(given, "--bitmaps");
    line.panel_path = value_of(given, "--panel");
    line.section = value_of(given, "--section");
    line.simulator_folder = value_of(given, "--sim-folder");
    line.check_path = value_of(given, "--check");
    line.trace_path = value_of(given, "--trace");
    line.film_path = value_of(given, "--film");
    line.output_folder = value_of(given, "--out", line.output_folder);
    line.record_path = value_of(given, "--record");
    line.flights_path = value_of(given, "--flights");
    line.junit_path = value_of(given, "--junit");
    line.verbose = given.contains("--verbose");
    if (const std::string seconds = value_of(given, "--seconds"); !seconds.empty()) {
        char* end = nullptr;
        line.seconds = std::strtod(seconds.c_str(), &end);
        if (*end != '\0' || !(line.seconds > 0.0)) {
            error = "--seconds needs a number of seconds above 0, not '" + seconds + "'";
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<HostCommandLine> parse_host_command_line(HostProgram program, int argc, char** argv, std::string& error)
{
    char check[] = "--check";
    char* dropped[] = {argc > 0 ? argv[0] : nullptr, check, argc > 1 ? argv[1] : nullptr, nullptr};
    if (lone_panel_file(argc, argv)) {
        argc = 3;
        argv = dropped;
    }
    HostCommandLine line;
    Given given;
    if (!read_words(program, argc, argv, given, error))
        return std::nullopt;
    if (given.contains(help_row)) {
        line.help = true;
        return line;
    }
    if (!partners_agree(given, error))
        return std::nullopt;
    if (!given.contains(scenario_row) && !given.contains("--window") && !given.contains("--panel") &&
        !given.contains("--check") && !given.contains("--flights")) {
        error = "no scenario given";
        return std::nullopt;
    }
    if (!fill(given, line, error))
        return std::nullopt;
    return line;
}

std::string called_name(const char* argv0, HostProgram program)
{
    const std::string path = argv0 != nullptr ? argv0 : "";
    const std::string name = path.substr(path.find_last_of("\\/") + 1);
    return name.empty() ? program_name(program) : name;
}

std::string host_usage(HostProgram program, const std::string& called)
{
    constexpr std::size_t form_width = 24;
    std::string text = "usage: " + called + " [OPTIONS] [SCENARIO]\n";
    if (win32_program & program)
        text += "       " + called + " PANEL.CFG   (the doctor, as --check PANEL.CFG)\n";
    for (const HostOption& option : host_options) {
        if ((option.programs & program) == 0)
            continue;
        std::string form = std::string("  ") + option.name + (option.value ? std::string(" ") + option.value : "");
        form.resize(std::max(form.size() + 1, form_width), ' ');
        text += form + option.help;
        if (*option.needs != '\0')
            text += "; with " + either_of(option.needs);
        if (*option.refuses != '\0')
            text += "; not with " + either_of(option.refuses);
        text += "\n";
    }
    return text;
}

std::optional<HostCommandLine> host_command_line(HostProgram program, int argc, char** argv, std::ostream& out,
                                                 std::ostream& errors, int& status)
{
    const std::string called = called_name(argc > 0 ? argv[0] : nullptr, program);
    std::string error;
    auto line = parse_host_command_line(program, argc, argv, error);
    if (!line) {
        errors << error << "\n" << called << " --help lists the options\n";
        status = exit_unusable;
        return std::nullopt;
    }
    if (line->help) {
        out << host_usage(program, called);
        status = 0;
        return std::nullopt;
    }
    return line;
}
