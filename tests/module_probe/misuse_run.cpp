#include "misuse_run.h"

#include <cstdio>

#include "host/win32/directsound_watch.h"
#include "probe_flight.h"
#include "wave_corpus.h"
#include "watchdog.h"

namespace {

// The longest sequence sets the module up and releases it 200 times.
constexpr double seconds_per_sequence = 120.0;

std::vector<std::string> run_sequence(const ProbeSetup& setup, const MisuseSequence& sequence)
{
    std::string error;
    const std::unique_ptr<ProbeModule> module = ProbeModule::load(setup.module_path, setup.host_window, error);
    if (module == nullptr)
        return {error};
    if (sequence.services_written)
        module->panel().modules.connect();
    take_watched_sound_calls();
    const int most_devices_before = watched_sound_objects().most_devices_alive;
    Misuse misuse{.module = *module, .setup = setup, .problems = {}};
    sequence.run(misuse);

    // Then a host that behaves: its services written, the panel flown.
    module->panel().modules.connect();
    const std::string readout = check_gauges_work(*module);
    misuse.expect(readout.empty(), "afterwards " + readout);
    module->panel().life.close();
    const std::string held = sound_objects_held();
    misuse.expect(held.empty(), held + " after code 12");
    // A peak left by an earlier sequence is that sequence's failure.
    const int most_devices = watched_sound_objects().most_devices_alive;
    misuse.expect(most_devices <= 1 || most_devices == most_devices_before,
                  std::to_string(most_devices) + " sound devices alive at once");
    misuse.expect(module->unload(), "the module stays in memory after it is freed");
    return misuse.problems;
}

} // namespace

bool tone_loaded()
{
    return watched_tone_buffer().buffer != nullptr && watched_sound_objects().buffers_alive == 1;
}

bool run_misuse_sequences(const ProbeSetup& setup)
{
    CreateDirectoryA((setup.folder + "\\gauges").c_str(), nullptr);
    if (!write_file(tone_path(setup), small_valid_tone())) {
        std::printf("FAILED: cannot write the tone file\n");
        return false;
    }
    std::vector<MisuseSequence> sequences = misuse_sequences;
    sequences.insert(sequences.end(), executable_path_sequences.begin(), executable_path_sequences.end());
    int failed = 0;
    for (const MisuseSequence& sequence : sequences) {
        watch_case(std::string("misuse sequence ") + sequence.name, seconds_per_sequence);
        const std::vector<std::string> problems = run_sequence(setup, sequence);
        std::printf("[misuse] %-44s %s\n", sequence.name, problems.empty() ? "ok" : "FAILED");
        for (const std::string& problem : problems)
            std::printf("FAILED: misuse sequence %s: %s\n", sequence.name, problem.c_str());
        failed += problems.empty() ? 0 : 1;
    }
    std::printf("misuse: %zu sequences, %d failed\n", sequences.size(), failed);
    std::fflush(stdout);
    return failed == 0;
}
