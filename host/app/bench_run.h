// The bench run as a program's command line asks for it: the options read
// into the bench's own, its files opened and put in place, its exit status.
#pragma once

#include <string>

#include "host/app/command_line.h"
#include "host/bench/module_follower.h"
#include "host/bench/session.h"
#include "host/panel/platform.h"
#include "host/panelfile/panel_opening.h"

// The module the bench runs, as the program loaded it.
struct BenchModule {
    // clang-format off
    LoadedModule     records;
    std::string      description;         // its file: name, size, time, version
    ModuleFollower*  follower = nullptr;  // with --watch
    // clang-format on
};

// The bench as the command line asks for it, on a screen the program made.
// Exit status as for a scenario run; the bench itself fails nothing.
int run_bench_session(const HostCommandLine& command_line, const BenchModule& module, HostPlatform& platform,
                      BenchScreen& screen, ModuleLibrary* library = nullptr);
