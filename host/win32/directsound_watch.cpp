#include "host/win32/directsound_watch.h"

#include <dsound.h>

#include <algorithm>
#include <initializer_list>

#include "host/win32/import_patch.h"

namespace {

// Slots of the interfaces' method tables, in their published order.
namespace sound_device_slot {
constexpr int release = 2;
constexpr int create_sound_buffer = 3;
constexpr int set_cooperative_level = 6;
}
namespace sound_buffer_slot {
constexpr int release = 2;
constexpr int get_status = 9;
constexpr int play = 12;
constexpr int set_current_position = 13;
constexpr int set_volume = 15;
constexpr int stop = 18;
}

using DirectSoundCreateRoutine = HRESULT(WINAPI*)(LPCGUID, LPDIRECTSOUND*, LPUNKNOWN);
using FindWindowRoutine = HWND(WINAPI*)(LPCSTR, LPCSTR);

struct Watch {
    HWND host_window = nullptr;
    DirectSoundCreateRoutine create_device = nullptr;
    FindWindowRoutine find_window = nullptr;
    WindowLookup lookup;
    std::vector<std::string> calls;
    WatchedSoundObjects objects;
    WatchedToneBuffer tone_buffer;
    // The system's methods, kept when the tables were redirected.
    void* device_methods[16] = {};
    void* buffer_methods[24] = {};
    bool device_table_redirected = false;
    bool buffer_table_redirected = false;
};
Watch watch;

template <typename Routine>
Routine device_method(int slot)
{
    return reinterpret_cast<Routine>(watch.device_methods[slot]);
}
template <typename Routine>
Routine buffer_method(int slot)
{
    return reinterpret_cast<Routine>(watch.buffer_methods[slot]);
}

HRESULT note(const char* call, HRESULT result)
{
    watch.calls.push_back(result == DS_OK ? call : std::string(call) + " failed");
    return result;
}

ULONG STDMETHODCALLTYPE buffer_release(IDirectSoundBuffer* self)
{
    watch.calls.push_back("release_buffer");
    const ULONG left = buffer_method<ULONG(STDMETHODCALLTYPE*)(IDirectSoundBuffer*)>(sound_buffer_slot::release)(self);
    if (left == 0) {
        --watch.objects.buffers_alive;
        if (watch.tone_buffer.buffer == self)
            watch.tone_buffer.buffer = nullptr;
    }
    return left;
}
HRESULT STDMETHODCALLTYPE buffer_get_status(IDirectSoundBuffer* self, DWORD* status)
{
    return note("get_status",
                buffer_method<HRESULT(STDMETHODCALLTYPE*)(IDirectSoundBuffer*, DWORD*)>(sound_buffer_slot::get_status)(
                    self, status));
}
HRESULT STDMETHODCALLTYPE buffer_play(IDirectSoundBuffer* self, DWORD reserved, DWORD priority, DWORD flags)
{
    return note("play",
                buffer_method<HRESULT(STDMETHODCALLTYPE*)(IDirectSoundBuffer*, DWORD, DWORD, DWORD)>(
                    sound_buffer_slot::play)(self, reserved, priority, flags));
}
HRESULT STDMETHODCALLTYPE buffer_set_current_position(IDirectSoundBuffer* self, DWORD position)
{
    return note("set_current_position",
                buffer_method<HRESULT(STDMETHODCALLTYPE*)(IDirectSoundBuffer*, DWORD)>(
                    sound_buffer_slot::set_current_position)(self, position));
}
HRESULT STDMETHODCALLTYPE buffer_set_volume(IDirectSoundBuffer* self, LONG volume)
{
    return note("set_volume",
                buffer_method<HRESULT(STDMETHODCALLTYPE*)(IDirectSoundBuffer*, LONG)>(sound_buffer_slot::set_volume)(
                    self, volume));
}
HRESULT STDMETHODCALLTYPE buffer_stop(IDirectSoundBuffer* self)
{
    return note("stop", buffer_method<HRESULT(STDMETHODCALLTYPE*)(IDirectSoundBuffer*)>(sound_buffer_slot::stop)(self));
}

struct Redirection {
    int slot;
    void* routine;
};

// Points the slots of an object's method table at the watch's routines,
// keeping the system's in `kept`.
void redirect_methods(void* object, void** kept, std::initializer_list<Redirection> redirections)
{
    void** table = *static_cast<void***>(object);
    for (const Redirection& redirection : redirections) {
        kept[redirection.slot] = table[redirection.slot];
        write_protected_word(&table[redirection.slot], redirection.routine);
    }
}

// The method table is shared by every buffer of its kind: redirect it once.
void watch_buffer(IDirectSoundBuffer* buffer)
{
    if (buffer == nullptr || watch.buffer_table_redirected)
        return;
    redirect_methods(
        buffer, watch.buffer_methods,
        {
            {sound_buffer_slot::release, reinterpret_cast<void*>(buffer_release)},
            {sound_buffer_slot::get_status, reinterpret_cast<void*>(buffer_get_status)},
            {sound_buffer_slot::play, reinterpret_cast<void*>(buffer_play)},
            {sound_buffer_slot::set_current_position, reinterpret_cast<void*>(buffer_set_current_position)},
            {sound_buffer_slot::set_volume, reinterpret_cast<void*>(buffer_set_volume)},
            {sound_buffer_slot::stop, reinterpret_cast<void*>(buffer_stop)},
        });
    watch.buffer_table_redirected = true;
}

// The format as DirectSound reads it: the 18-byte head, then as many extra
// bytes as the head announces, except for PCM, which has none.
std::vector<std::uint8_t> described_format(const WAVEFORMATEX* format)
{
    if (format == nullptr)
        return {};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(format);
    const std::size_t extra = format->wFormatTag == WAVE_FORMAT_PCM ? 0 : format->cbSize;
    return {bytes, bytes + sizeof(WAVEFORMATEX) + extra};
}

HRESULT STDMETHODCALLTYPE device_create_sound_buffer(IDirectSound* self, LPCDSBUFFERDESC description,
                                                     LPDIRECTSOUNDBUFFER* buffer, LPUNKNOWN outer)
{
    if (description != nullptr)
        watch.tone_buffer = {.buffer = nullptr,
                             .flags = description->dwFlags,
                             .bytes = description->dwBufferBytes,
                             .format = described_format(description->lpwfxFormat)};
    const HRESULT result = note(
        "create_buffer",
        device_method<HRESULT(STDMETHODCALLTYPE*)(IDirectSound*, LPCDSBUFFERDESC, LPDIRECTSOUNDBUFFER*, LPUNKNOWN)>(
            sound_device_slot::create_sound_buffer)(self, description, buffer, outer));
    if (buffer != nullptr && *buffer != nullptr) {
        ++watch.objects.buffers_alive;
        watch.tone_buffer.buffer = *buffer;
        watch_buffer(*buffer);
    }
    return result;
}
ULONG STDMETHODCALLTYPE device_release(IDirectSound* self)
{
    const ULONG left = device_method<ULONG(STDMETHODCALLTYPE*)(IDirectSound*)>(sound_device_slot::release)(self);
    if (left == 0)
        --watch.objects.devices_alive;
    return left;
}
HRESULT STDMETHODCALLTYPE device_set_cooperative_level(IDirectSound* self, HWND window, DWORD level)
{
    return note("set_cooperative_level",
                device_method<HRESULT(STDMETHODCALLTYPE*)(IDirectSound*, HWND, DWORD)>(
                    sound_device_slot::set_cooperative_level)(self, window, level));
}

HRESULT WINAPI watched_direct_sound_create(LPCGUID device_id, LPDIRECTSOUND* device, LPUNKNOWN outer)
{
    const HRESULT result = note("create_device", watch.create_device(device_id, device, outer));
    if (device == nullptr || *device == nullptr)
        return result;
    ++watch.objects.devices_alive;
    watch.objects.most_devices_alive = std::max(watch.objects.most_devices_alive, watch.objects.devices_alive);
    // The method table is shared by every device: redirect it once.
    if (!watch.device_table_redirected) {
        redirect_methods(
            *device, watch.device_methods,
            {
                {sound_device_slot::release, reinterpret_cast<void*>(device_release)},
                {sound_device_slot::create_sound_buffer, reinterpret_cast<void*>(device_create_sound_buffer)},
                {sound_device_slot::set_cooperative_level, reinterpret_cast<void*>(device_set_cooperative_level)},
            });
        watch.device_table_redirected = true;
    }
    return result;
}

HWND WINAPI watched_find_window(LPCSTR class_name, LPCSTR title)
{
    const HWND found = watch.find_window(class_name, title);
    watch.lookup.seen = true;
    watch.lookup.window_class = class_name != nullptr ? class_name : "";
    watch.lookup.found_host_window = found != nullptr && found == watch.host_window;
    return found;
}

} // namespace

void watch_module_system_calls(HMODULE module, HWND host_window)
{
    watch.host_window = host_window;
    HMODULE sound_library = LoadLibraryA("dsound.dll");
    HMODULE user_library = GetModuleHandleA("user32.dll");
    watch.create_device = reinterpret_cast<DirectSoundCreateRoutine>(
        reinterpret_cast<void*>(GetProcAddress(sound_library, "DirectSoundCreate")));
    watch.find_window =
        reinterpret_cast<FindWindowRoutine>(reinterpret_cast<void*>(GetProcAddress(user_library, "FindWindowA")));
    if (watch.create_device != nullptr)
        redirect_import(module, reinterpret_cast<void*>(watch.create_device),
                        reinterpret_cast<void*>(watched_direct_sound_create));
    if (watch.find_window != nullptr)
        redirect_import(module, reinterpret_cast<void*>(watch.find_window),
                        reinterpret_cast<void*>(watched_find_window));
}

std::vector<std::string> take_watched_sound_calls()
{
    std::vector<std::string> calls;
    calls.swap(watch.calls);
    return calls;
}

WindowLookup watched_window_lookup()
{
    return watch.lookup;
}

WatchedSoundObjects watched_sound_objects()
{
    return watch.objects;
}

const WatchedToneBuffer& watched_tone_buffer()
{
    return watch.tone_buffer;
}
