#include "corpus_run.h"

#include <algorithm>
#include <cstdio>

#include "expected_tone.h"
#include "host/win32/directsound_watch.h"
#include "probe_flight.h"
#include "wave_corpus.h"
#include "watchdog.h"

namespace {

constexpr double seconds_per_file = 30.0;
constexpr int alert_frames = 3;
constexpr DWORD mixing_time_ms = 20;
// Frequency, pan and volume control, heard whichever window has the focus.
constexpr DWORD tone_buffer_flags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME | DSBCAPS_GLOBALFOCUS;

enum class FileOutcome { loaded, refused_by_reader, refused_by_directsound };

struct FileRun {
    // clang-format off
    FileOutcome              outcome = FileOutcome::refused_by_reader;
    std::string              detail;
    std::vector<std::string> problems;
    // clang-format on
};

bool contains(const std::vector<std::string>& calls, const std::string& call)
{
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

std::string hex(const Bytes& bytes)
{
    std::string text;
    char pair[4];
    for (std::uint8_t byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        text += pair;
    }
    return text;
}

// The buffer's bytes as DirectSound holds them, read after the module's
// own lock and unlock.
std::optional<Bytes> buffer_bytes(IDirectSoundBuffer* buffer, DWORD size)
{
    void* first = nullptr;
    void* second = nullptr;
    DWORD first_bytes = 0, second_bytes = 0;
    if (buffer->Lock(0, size, &first, &first_bytes, &second, &second_bytes, 0) != DS_OK)
        return std::nullopt;
    Bytes bytes(static_cast<std::uint8_t*>(first), static_cast<std::uint8_t*>(first) + first_bytes);
    if (second != nullptr)
        bytes.insert(bytes.end(), static_cast<std::uint8_t*>(second),
                     static_cast<std::uint8_t*>(second) + second_bytes);
    buffer->Unlock(first, first_bytes, second, second_bytes);
    return bytes;
}

std::string first_difference(const Bytes& seen, const Bytes& expected)
{
    if (seen.size() != expected.size())
        return std::to_string(seen.size()) + " bytes, expected " + std::to_string(expected.size());
    std::size_t at = 0;
    while (at < seen.size() && seen[at] == expected[at])
        ++at;
    return "byte " + std::to_string(at) + " differs";
}

// What the module made of the file at code 2, against what it must make.
void judge_set_up(const ExpectedTone& expected, const std::vector<std::string>& calls, FileRun& run)
{
    const WatchedToneBuffer& made = watched_tone_buffer();
    const bool asked = contains(calls, "create_buffer") || contains(calls, "create_buffer failed");
    if (expected.reading != ToneReading::loads) {
        run.detail = reading_name(expected.reading);
        if (asked)
            run.problems.push_back("DirectSound was asked for a buffer");
        return;
    }
    if (!asked) {
        run.problems.push_back("refused before DirectSound saw it");
        return;
    }
    if (made.format != expected.format)
        run.problems.push_back("format " + hex(made.format) + " handed over, expected " + hex(expected.format));
    if (made.bytes != expected.samples.size() || made.flags != tone_buffer_flags)
        run.problems.push_back("buffer of " + std::to_string(made.bytes) + " bytes with flags " +
                               std::to_string(made.flags) + ", expected " + std::to_string(expected.samples.size()));
    if (made.buffer == nullptr) {
        run.outcome = FileOutcome::refused_by_directsound;
        run.detail = "DirectSound refused the buffer";
        return;
    }
    run.outcome = FileOutcome::loaded;
    run.detail = std::to_string(made.bytes) + " bytes";
    const std::optional<Bytes> held = buffer_bytes(made.buffer, made.bytes);
    if (!held || *held != expected.samples)
        run.problems.push_back("the buffer does not hold the data chunk: " +
                               (held ? first_difference(*held, expected.samples) : std::string("cannot lock it")));
}

// A loaded tone plays while the alert asks and stops when it is quiet; a
// tone that is off makes no buffer call at all.
void judge_alert(ProbeModule& module, FileRun& run)
{
    take_watched_sound_calls();
    sound_the_alert(module, alert_frames);
    // Long enough for DirectSound's mixer to take a loaded tone up.
    if (run.outcome == FileOutcome::loaded)
        Sleep(mixing_time_ms);
    const std::vector<std::string> playing = take_watched_sound_calls();
    quiet_the_alert(module);
    const std::vector<std::string> quiet = take_watched_sound_calls();
    if (run.outcome != FileOutcome::loaded) {
        if (!playing.empty() || !quiet.empty())
            run.problems.push_back("sound calls made with the tone off");
        return;
    }
    if (contains(playing, "play failed")) {
        run.outcome = FileOutcome::refused_by_directsound;
        run.detail = "DirectSound would not play it";
        return;
    }
    if (!contains(playing, "play") || !contains(quiet, "stop") || !contains(quiet, "set_current_position"))
        run.problems.push_back("the alert did not play and stop the tone");
}

FileRun run_file(const ProbeSetup& setup, const CorpusFile& file, const std::string& corpus_folder)
{
    FileRun run;
    const std::string path = tone_path(setup);
    if (!write_file(corpus_folder + "\\" + file.name + ".wav", file.bytes) || !write_file(path, file.bytes)) {
        run.problems.push_back("cannot write the file");
        return run;
    }
    const ExpectedTone expected = expected_tone(path, file.bytes);
    std::string error;
    const std::unique_ptr<ProbeModule> module = ProbeModule::load(setup.module_path, setup.host_window, error);
    if (module == nullptr || module->panel().modules.connect()) {
        run.problems.push_back(module == nullptr ? error : "the module refuses this host");
        return run;
    }
    take_watched_sound_calls();
    module->panel().life.open();
    judge_set_up(expected, take_watched_sound_calls(), run);
    judge_alert(*module, run);
    if (const std::string readout = check_gauges_work(*module); !readout.empty())
        run.problems.push_back(readout);
    module->panel().life.close();
    if (const std::string held = sound_objects_held(); !held.empty())
        run.problems.push_back(held + " after code 12");
    if (!module->unload())
        run.problems.push_back("the module stays in memory after it is freed");
    if (file.stated && (*file.stated == ToneOutcome::loaded) != (run.outcome == FileOutcome::loaded))
        run.problems.push_back(*file.stated == ToneOutcome::loaded ? "must load" : "must turn the sound off");
    return run;
}

} // namespace

bool run_wave_corpus(const ProbeSetup& setup, const std::string& corpus_folder)
{
    CreateDirectoryA(corpus_folder.c_str(), nullptr);
    CreateDirectoryA((setup.folder + "\\gauges").c_str(), nullptr);
    int counts[3] = {};
    int failed = 0;
    const std::vector<CorpusFile> corpus = make_wave_corpus();
    for (const CorpusFile& file : corpus) {
        watch_case("corpus file " + file.name, seconds_per_file);
        const FileRun run = run_file(setup, file, corpus_folder);
        ++counts[static_cast<int>(run.outcome)];
        const char* outcome = run.outcome == FileOutcome::loaded ? "loaded" : "off";
        std::printf("[corpus] %-28s %-6s %s\n", file.name.c_str(), outcome, run.detail.c_str());
        for (const std::string& problem : run.problems)
            std::printf("FAILED: corpus file %s: %s\n", file.name.c_str(), problem.c_str());
        failed += run.problems.empty() ? 0 : 1;
    }
    const int off = counts[1] + counts[2];
    std::printf("corpus: %zu files; loaded %d, off %d (refused by the module's reading %d, by DirectSound %d); "
                "%d failed\n",
                corpus.size(), counts[0], off, counts[1], counts[2], failed);
    std::fflush(stdout);
    return failed == 0;
}
