// The scripted sound platform: the native host plays and records its sound on
// it, and the unit tests script it. It keeps a small world (the
// executable's path, windows by class, files in memory, devices, buffers and
// memory blocks), logs every call, can make the n-th call of a kind fail, and
// notes each misuse it sees as a fault (an object used or given back after it
// was released, a device given back before its buffer, a write past a text
// or a locked region, an unlock that does not match its lock).
//
// Untouched, it has no files, so the tone player quietly goes off at its
// first load and plays nothing.
#pragma once

#include <cstdint>
#include <deque>
#include <ostream>
#include <map>
#include <string>
#include <vector>

#include "sound/sound_platform.h"

enum class SoundCall {
    executable_path,
    split_path,
    allocate_text,
    free_text,
    find_window,
    mmio_open,
    mmio_descend,
    mmio_read,
    mmio_ascend,
    mmio_close,
    global_alloc,
    global_lock,
    global_unlock,
    global_free,
    create_device,
    set_cooperative_level,
    create_buffer,
    release_device,
    release_buffer,
    get_status,
    lock,
    play,
    set_current_position,
    set_volume,
    stop,
    unlock,
};

// Whether the platform call has a failure result at all.
bool can_fail(SoundCall call);
const char* sound_call_name(SoundCall call);
inline void PrintTo(SoundCall call, std::ostream* out)
{
    *out << sound_call_name(call);
}

struct ScriptedDevice {
    // clang-format off
    HostWindow   window = nullptr;
    std::uint32_t cooperative_level = 0;
    int          live_buffers = 0;
    bool         released = false;
    // clang-format on
};

struct ScriptedBuffer {
    // clang-format off
    ScriptedDevice*               device = nullptr;
    std::uint32_t             flags = 0;
    std::vector<std::uint8_t> format;  // as DirectSound reads it: head and extra bytes
    std::vector<std::uint8_t> samples;
    bool                      playing = false;
    std::uint32_t             play_flags = 0;
    std::uint32_t             position = 0;
    std::int32_t              volume = 0;
    bool                      released = false;
    // clang-format on
};

struct ScriptedSoundPlatform {
    // The scripted world.
    std::string executable_path = "C:\\Sim\\fs2000.exe";
    std::map<std::string, HostWindow> windows;              // by class name
    std::map<std::string, std::vector<std::uint8_t>> files; // by path as opened
    // How many bytes each lock region holds at most; a lock hands out the
    // first region, then what is left in the second.
    std::uint32_t first_lock_region_limit = UINT32_MAX;
    std::uint32_t second_lock_region_limit = UINT32_MAX;
    // The largest block global_alloc hands out; a larger one fails, as when
    // memory runs out.
    std::uint32_t largest_global_block = UINT32_MAX;

    // Makes the `occurrence`-th call (counted from 1) of `call` fail.
    void fail(SoundCall call, int occurrence = 1);
    // Makes the next call of `call` fail.
    void fail_next(SoundCall call);

    // clang-format off
    // What happened.
    std::vector<SoundCall>   calls;
    std::vector<std::string> faults;
    std::vector<std::string> opened_paths;
    std::deque<ScriptedDevice>   devices;
    std::deque<ScriptedBuffer>   buffers;
    int live_texts = 0;
    int live_blocks = 0;
    int locked_blocks = 0;
    int open_files = 0;
    int live_devices = 0;
    int live_buffers = 0;
    // clang-format on

    int count(SoundCall call) const;
    bool holds_nothing() const;
    ScriptedBuffer* last_buffer();

    // Internal bookkeeping of failures.
    std::map<SoundCall, int> seen;
    std::map<SoundCall, int> failing_occurrence;
    bool next_fails(SoundCall call);
};

ScriptedSoundPlatform& scripted_sound_platform();

// Drops everything the scripted platform holds and restores its defaults.
void reset_scripted_sound_platform();
