// One run of the host: its command line, and the scenario it flies with a
// module and a platform that the program's own main has set up.
#pragma once

#include <fstream>
#include <memory>
#include <functional>
#include <optional>
#include <string>

#include "host/panel/gauge_panel.h"
#include "host/scenario/panel_opening.h"
#include "host/scenario/runner.h"

struct HostCommandLine {
    // clang-format off
    std::string scenario;        // the scenario file; the bench may go without
    bool        window = false;  // the live bench window (Windows program)
    bool        xray = false;    // the bench starts with its X-ray view on
    std::string report_path{};   // the bench's report lines; standard output when empty
    double      seconds = 0.0;   // the bench closes itself after this long; 0 never
    std::string module_path;     // the module to load (Windows program)
    std::string bitmap_folder;   // <id>.bmp files (native program)
    std::string panel_path{};    // a simulator's panel file to open instead of placing gauges
    std::string section{};       // its window; the first when empty
    std::string simulator_folder{}; // three levels above the panel's folder when empty
    std::string check_path{};    // a panel file to check, line by line (Windows program)
    std::string trace_path;      // JSON lines, none when empty
    std::string film_path{};     // an MP4 film of the run, none when empty
    std::string output_folder = ".";
    std::string host_folder;     // the program's own, ending in a separator; set by its main
    std::string record_path{};   // the bench session written as a scenario, none when empty
    bool        watch = false;   // the bench follows the module file and reloads it when rebuilt
    std::string flights_path{};  // a list of flights, "SCENARIO TRACE" a line, each on the module loaded afresh
    // clang-format on
};

inline constexpr const char* host_usage =
    "usage: zor_host [--module FILE.gau] [--bitmaps FOLDER] [--trace FILE.jsonl] [--film FILE.mp4]\n"
    "                [--out FOLDER] [--panel PANEL.CFG [--section WINDOW] [--sim-folder FOLDER]] SCENARIO\n"
    "       zor_host [--module FILE.gau] [--bitmaps FOLDER] [--out FOLDER] --flights LIST.txt\n"
    "       zor_panel_host --window [--xray] [--report FILE] [--seconds N] [--module FILE.gau] [--trace FILE.jsonl]\n"
    "                      [--film FILE.mp4] [--record SESSION.txt] [--watch] [--out FOLDER]\n"
    "                      [--panel PANEL.CFG [--section WINDOW] [--sim-folder FOLDER]] [SCENARIO]\n"
    "       zor_panel_host --check PANEL.CFG [--sim-folder FOLDER]";

// nullopt, with the reason in `error`, for a command line it cannot use.
std::optional<HostCommandLine> parse_host_command_line(int argc, char** argv, std::string& error);

// Opens the file an option names for writing, unless the option was not
// given; false, said on standard error, when it cannot be written.
bool open_option_file(const std::string& path, std::ofstream& file);

// Whether the film an option names can be written, asked before the first
// frame; true when no film was asked for, false, said on standard error,
// when it cannot be written.
bool film_option_usable(const std::string& path);

// The scenario run's options, from the command line and the library its
// `panel` lines load their modules through.
ScenarioOptions scenario_options(const HostCommandLine& command_line, ModuleLibrary* library);

// The panel the command line asks for: the panel file's window, its
// modules loaded through `library`, or else the one module given. Null,
// said on standard error, when it cannot be made.
std::unique_ptr<GaugePanel> make_host_panel(const HostCommandLine& command_line, LoadedModule module,
                                            HostPlatform& platform, ModuleLibrary* library);

// Exit status: 0 all expectations held, 1 one failed, 2 the scenario or the
// module could not be used, 5 the module crashed (where, in words, on
// standard error).
int run_host_session(const HostCommandLine& command_line, LoadedModule module, HostPlatform& platform,
                     ModuleLibrary* library = nullptr);

inline constexpr int exit_expectation_failed = 1;
inline constexpr int exit_unusable = 2;
// 3 is the module calling a panel service this host does not offer.
inline constexpr int exit_host_failed = 4;

// Flies every flight of the --flights list in this one run: the list is
// read whole first (a bad line is said as `file:line: ...` and nothing
// flies), then each line's scenario, writing its trace, through `fly`,
// which flies one command line on the module loaded afresh. Says how many
// flew and how many ended other than 0; the exit status is the highest of
// theirs.
int run_host_flights(const HostCommandLine& command_line, const std::function<int(const HostCommandLine&)>& fly);

// The program's own main, run so that no exception leaves it: one that
// gets this far is said on standard error and ends the program with
// exit_host_failed.
int run_host_program(const std::function<int()>& program);
inline constexpr int exit_module_crashed = 5;

// How a crash of the module is told, at start-up, in a run or after a reload.
std::string module_crash_message(const std::string& fault);
