// Host misuse run through the real module: named sequences of calls that a
// careless host makes, each on a fresh load of the module. After each one
// nothing has crashed, code 12 leaves no sound object behind, no two sound
// devices were ever alive at once, and the gauges still show a known
// altitude.
#pragma once

#include <string>
#include <vector>

#include "probe_module.h"
#include "probe_setup.h"

// One sequence's run: the module as loaded for it and what went wrong.
struct Misuse {
    // clang-format off
    ProbeModule&             module;
    const ProbeSetup&        setup;
    std::vector<std::string> problems;
    // clang-format on

    void expect(bool held, const std::string& what)
    {
        if (!held)
            problems.push_back(what);
    }
};

struct MisuseSequence {
    const char* name;
    bool services_written; // the host writes ImportTable before the sequence starts
    void (*run)(Misuse& misuse);
};

// Calls out of order or out of place, host values no simulator sends; and
// the host executable's path as GetModuleFileNameA may give it.
extern const std::vector<MisuseSequence> misuse_sequences;
extern const std::vector<MisuseSequence> executable_path_sequences;

// Whether the module holds a tone buffer now.
bool tone_loaded();

// Prints each sequence's result and every failure; true when none failed.
bool run_misuse_sequences(const ProbeSetup& setup);
