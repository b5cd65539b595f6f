// A host program's command line, read against the table of options
// (host/app/host_options.h): what was asked for, or why it cannot be
// used, and the usage text the table gives.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "host/app/host_options.h"

struct HostCommandLine {
    // clang-format off
    std::string scenario;        // the scenario file; the bench may go without
    bool        help = false;    // --help, -h or /?: the usage and nothing else
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
    std::string junit_path{};    // the expectations as JUnit XML, none when empty
    bool        verbose = false; // what a gauge maker asks for too
    std::string flights_path{};  // a list of flights, "SCENARIO TRACE" a line, each on the module loaded afresh
    // clang-format on
};

// nullopt, with the reason in `error`, for a command line `program` cannot
// use. A panel file (.cfg) given alone, as dropping it on the program
// gives it, is checked as with --check.
std::optional<HostCommandLine> parse_host_command_line(HostProgram program, int argc, char** argv, std::string& error);

// The usage of `program`, named as it was called (its argv[0]), from the
// table of options.
std::string host_usage(HostProgram program, const std::string& called);

// The program's name as called, without its folder: "zor_panel_host.exe".
std::string called_name(const char* argv0, HostProgram program);

// The command line as the program runs it; nullopt when the program ends at
// once with `status`: 0 after the usage on `out` for --help, exit_unusable
// after the reason on `errors`.
std::optional<HostCommandLine> host_command_line(HostProgram program, int argc, char** argv, std::ostream& out,
                                                 std::ostream& errors, int& status);
