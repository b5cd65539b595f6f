#include "sound/scripted/platform.h"

#include <algorithm>

#include "sound/scripted/platform_detail.h"

namespace {

ScriptedSoundPlatform world;

using namespace scripted_detail;

constexpr SoundPlatform scripted_platform{
    // clang-format off
    .executable_path       = executable_path,
    .split_path            = split_path,
    .allocate_text         = allocate_text,
    .free_text             = free_text,
    .find_window           = find_window,
    .mmio_open_for_reading = mmio_open_for_reading,
    .mmio_descend          = mmio_descend,
    .mmio_read             = mmio_read,
    .mmio_ascend           = mmio_ascend,
    .mmio_close            = mmio_close,
    .global_alloc_movable  = global_alloc_movable,
    .global_lock           = global_lock,
    .global_unlock         = global_unlock,
    .global_free           = global_free,
    .create_device         = create_device,
    .set_cooperative_level = set_cooperative_level,
    .create_buffer         = create_buffer,
    .release_device        = release_device,
    .release_buffer        = release_buffer,
    .get_status            = get_status,
    .lock                  = lock,
    .play                  = play,
    .set_current_position  = set_current_position,
    .set_volume            = set_volume,
    .stop                  = stop,
    .unlock                = unlock,
    // clang-format on
};

} // namespace

void scripted_detail::fault(const std::string& what)
{
    world.faults.push_back(what);
}

bool scripted_detail::begin(SoundCall call)
{
    world.calls.push_back(call);
    return world.next_fails(call);
}

const SoundPlatform& sound_platform()
{
    return scripted_platform;
}

ScriptedSoundPlatform& scripted_sound_platform()
{
    return world;
}

void reset_scripted_sound_platform()
{
    reset_locks();
    reset_files();
    reset_host_objects();
    world = ScriptedSoundPlatform{};
}

void ScriptedSoundPlatform::fail(SoundCall call, int occurrence)
{
    failing_occurrence[call] = occurrence;
}

void ScriptedSoundPlatform::fail_next(SoundCall call)
{
    fail(call, seen[call] + 1);
}

bool ScriptedSoundPlatform::next_fails(SoundCall call)
{
    const int occurrence = ++seen[call];
    const auto failing = failing_occurrence.find(call);
    return can_fail(call) && failing != failing_occurrence.end() && failing->second == occurrence;
}

int ScriptedSoundPlatform::count(SoundCall call) const
{
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

bool ScriptedSoundPlatform::holds_nothing() const
{
    return live_texts == 0 && live_blocks == 0 && locked_blocks == 0 && open_files == 0 && live_devices == 0 &&
        live_buffers == 0;
}

ScriptedBuffer* ScriptedSoundPlatform::last_buffer()
{
    return buffers.empty() ? nullptr : &buffers.back();
}

bool can_fail(SoundCall call)
{
    switch (call) {
    case SoundCall::split_path:
    case SoundCall::free_text:
    case SoundCall::global_unlock:
    case SoundCall::global_free:
    case SoundCall::release_device:
    case SoundCall::release_buffer: return false;
    default: return true;
    }
}

const char* sound_call_name(SoundCall call)
{
    static const char* const names[] = {
        "executable_path",
        "split_path",
        "allocate_text",
        "free_text",
        "find_window",
        "mmio_open",
        "mmio_descend",
        "mmio_read",
        "mmio_ascend",
        "mmio_close",
        "global_alloc",
        "global_lock",
        "global_unlock",
        "global_free",
        "create_device",
        "set_cooperative_level",
        "create_buffer",
        "release_device",
        "release_buffer",
        "get_status",
        "lock",
        "play",
        "set_current_position",
        "set_volume",
        "stop",
        "unlock",
    };
    return names[static_cast<int>(call)];
}
