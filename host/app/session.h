// One run of the host: its command line, and the scenario it flies with a
// module and a platform that the program's own main has set up.
#pragma once

#include <memory>
#include <functional>
#include <optional>
#include <string>

#include "host/base/output_file.h"
#include "host/panel/gauge_panel.h"
#include "host/app/command_line.h"
#include "host/app/exit_status.h"
#include "host/panelfile/panel_opening.h"
#include "host/app/run_report.h"
#include "host/scenario/runner.h"

// Whether the film an option names can be written, asked before the first
// frame; true when no film was asked for, false, told, when it cannot be
// written.
bool film_option_usable(const std::string& path, Reporter& reporter);

// The scenario run's options, from the command line and the library its
// `panel` lines load their modules through.
ScenarioOptions scenario_options(const HostCommandLine& command_line, ModuleLibrary* library);

// The panel the command line asks for: the panel file's window, its
// modules loaded through `library`, or else the one module given. Null,
// told as a refusal, when it cannot be made.
std::unique_ptr<GaugePanel> make_host_panel(const HostCommandLine& command_line, LoadedModule module,
                                            HostPlatform& platform, ModuleLibrary* library, Reporter& reporter);

// The scenario the command line names, read whole; nullopt, every bad line
// told as a refusal, when it cannot be flown.
std::optional<Program> read_scenario(const std::string& path, Reporter& reporter);

// Exit status: 0 all expectations held, 1 one failed, 2 the scenario or the
// module could not be used, 5 the module crashed (where, in words), 6 an
// output file could not be written (which, and why), whatever the
// expectations did. Told on standard output and error, and in the JUnit
// file the command line names.
int run_host_session(const HostCommandLine& command_line, LoadedModule module, HostPlatform& platform,
                     ModuleLibrary* library = nullptr);

// A run that cannot start (its module does not load), told as every run
// is, in the JUnit file too; exit_unusable, or exit_output_failed when
// that file cannot be written.
int refuse_run(const HostCommandLine& command_line, const std::string& why);

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
