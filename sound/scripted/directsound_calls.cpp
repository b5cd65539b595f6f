// The scripted platform's DirectSound calls.
#include "sound/scripted/platform_detail.h"

namespace scripted_detail {
namespace {

constexpr SoundResult ds_no_driver = static_cast<SoundResult>(0x88780078);     // DSERR_NODRIVER
constexpr SoundResult ds_invalid_param = static_cast<SoundResult>(0x80070057); // DSERR_INVALIDPARAM
// What a new buffer holds before it is written.
constexpr std::uint8_t fresh_buffer_value = 0xEE;

struct ScriptedLock {
    ScriptedBuffer* buffer = nullptr;
    GuardedMemory first{0};
    GuardedMemory second{0};
    LockedRegions regions{};
};

std::deque<ScriptedLock> locks;

// The object a call names among `objects`; null, and a fault, when it is
// none of them or has been released.
template <typename Object>
Object* live_object(std::deque<Object>& objects, void* handle, SoundCall call, const char* kind)
{
    Object* object = find_object(objects, handle);
    if (object == nullptr || object->released) {
        fault(std::string(sound_call_name(call)) + " on a " + kind + " that is not alive");
        return nullptr;
    }
    return object;
}

ScriptedBuffer* live_buffer(SoundBuffer handle, SoundCall call)
{
    return live_object(scripted_sound_platform().buffers, handle, call, "buffer");
}

ScriptedDevice* live_device(SoundDevice handle, SoundCall call)
{
    return live_object(scripted_sound_platform().devices, handle, call, "device");
}

// The live buffer or device a call names, the call counted; null when the
// call is scripted to fail or names nothing alive.
ScriptedBuffer* called_buffer(SoundBuffer handle, SoundCall call)
{
    ScriptedBuffer* buffer = live_buffer(handle, call);
    return begin(call) ? nullptr : buffer;
}

ScriptedDevice* called_device(SoundDevice handle, SoundCall call)
{
    ScriptedDevice* device = live_device(handle, call);
    return begin(call) ? nullptr : device;
}

// Reads the format as DirectSound does: the head, then as many extra bytes as
// the head announces.
std::vector<std::uint8_t> read_format(const void* format)
{
    const auto* bytes = static_cast<const std::uint8_t*>(format);
    const std::size_t extra = bytes[16] | bytes[17] << 8;
    return {bytes, bytes + 18 + extra};
}

} // namespace

SoundResult create_device(SoundDevice* device)
{
    if (begin(SoundCall::create_device))
        return ds_no_driver;
    scripted_sound_platform().devices.emplace_back();
    ++scripted_sound_platform().live_devices;
    *device = &scripted_sound_platform().devices.back();
    return 0;
}

SoundResult set_cooperative_level(SoundDevice handle, HostWindow window, std::uint32_t level)
{
    ScriptedDevice* device = called_device(handle, SoundCall::set_cooperative_level);
    if (device == nullptr)
        return ds_invalid_param;
    device->window = window;
    device->cooperative_level = level;
    return 0;
}

SoundResult create_buffer(SoundDevice handle, const ToneBufferDescription& description, SoundBuffer* buffer)
{
    ScriptedDevice* device = called_device(handle, SoundCall::create_buffer);
    if (device == nullptr)
        return ds_invalid_param;
    scripted_sound_platform().buffers.push_back(
        {.device = device,
         .flags = description.flags,
         .format = read_format(description.format),
         .samples = std::vector<std::uint8_t>(description.buffer_bytes, fresh_buffer_value)});
    ++device->live_buffers;
    ++scripted_sound_platform().live_buffers;
    *buffer = &scripted_sound_platform().buffers.back();
    return 0;
}

void release_device(SoundDevice handle)
{
    begin(SoundCall::release_device);
    ScriptedDevice* device = live_device(handle, SoundCall::release_device);
    if (device == nullptr)
        return;
    if (device->live_buffers != 0)
        fault("release_device while one of its buffers is alive");
    device->released = true;
    --scripted_sound_platform().live_devices;
}

void release_buffer(SoundBuffer handle)
{
    begin(SoundCall::release_buffer);
    ScriptedBuffer* buffer = live_buffer(handle, SoundCall::release_buffer);
    if (buffer == nullptr)
        return;
    buffer->released = true;
    --buffer->device->live_buffers;
    --scripted_sound_platform().live_buffers;
}

SoundResult get_status(SoundBuffer handle, std::uint32_t* status)
{
    ScriptedBuffer* buffer = called_buffer(handle, SoundCall::get_status);
    if (buffer == nullptr)
        return ds_invalid_param;
    *status = buffer->playing ? buffer_status_playing : 0;
    return 0;
}

SoundResult lock(SoundBuffer handle, std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions)
{
    ScriptedBuffer* buffer = called_buffer(handle, SoundCall::lock);
    if (buffer == nullptr)
        return ds_invalid_param;
    if (offset != 0 || bytes > buffer->samples.size())
        return ds_invalid_param;
    const std::uint32_t first = std::min(bytes, scripted_sound_platform().first_lock_region_limit);
    const std::uint32_t second = std::min(bytes - first, scripted_sound_platform().second_lock_region_limit);
    locks.push_back({.buffer = buffer, .first = GuardedMemory(first), .second = GuardedMemory(second)});
    ScriptedLock& held = locks.back();
    held.regions = {.first = held.first.bytes.data(),
                    .first_bytes = first,
                    .second = second != 0 ? held.second.bytes.data() : nullptr,
                    .second_bytes = second};
    regions = held.regions;
    return 0;
}

SoundResult unlock(SoundBuffer handle, const LockedRegions& regions)
{
    ScriptedBuffer* buffer = called_buffer(handle, SoundCall::unlock);
    if (buffer == nullptr)
        return ds_invalid_param;
    const auto held = std::find_if(locks.begin(), locks.end(), [&](const ScriptedLock& lock) {
        return lock.buffer == buffer && lock.regions.first == regions.first &&
            lock.regions.first_bytes == regions.first_bytes && lock.regions.second == regions.second &&
            lock.regions.second_bytes == regions.second_bytes;
    });
    if (held == locks.end()) {
        fault("unlock with regions that the lock did not hand out");
        return ds_invalid_param;
    }
    if (!held->first.guard_intact() || !held->second.guard_intact())
        fault("a write past the end of a locked region");
    // The regions cover the buffer one after the other.
    std::copy_n(held->first.bytes.begin(), held->first.usable, buffer->samples.begin());
    std::copy_n(held->second.bytes.begin(), held->second.usable, buffer->samples.begin() + held->first.usable);
    locks.erase(held);
    return 0;
}

SoundResult play(SoundBuffer handle, std::uint32_t, std::uint32_t flags)
{
    ScriptedBuffer* buffer = called_buffer(handle, SoundCall::play);
    if (buffer == nullptr)
        return ds_invalid_param;
    buffer->playing = true;
    buffer->play_flags = flags;
    return 0;
}

SoundResult set_current_position(SoundBuffer handle, std::uint32_t position)
{
    ScriptedBuffer* buffer = called_buffer(handle, SoundCall::set_current_position);
    if (buffer == nullptr)
        return ds_invalid_param;
    buffer->position = position;
    return 0;
}

SoundResult set_volume(SoundBuffer handle, std::int32_t hundredths_db)
{
    ScriptedBuffer* buffer = called_buffer(handle, SoundCall::set_volume);
    if (buffer == nullptr)
        return ds_invalid_param;
    buffer->volume = hundredths_db;
    return 0;
}

SoundResult stop(SoundBuffer handle)
{
    ScriptedBuffer* buffer = called_buffer(handle, SoundCall::stop);
    if (buffer == nullptr)
        return ds_invalid_param;
    buffer->playing = false;
    return 0;
}

void reset_locks()
{
    locks.clear();
}

} // namespace scripted_detail
