// The sound platform bound to the real Windows, C runtime, multimedia-file
// and DirectSound calls.
#include "sound/sound_platform.h"

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <cstdlib>

namespace {

static_assert(max_path_bytes == MAX_PATH);
static_assert(sizeof(PathParts::drive) == _MAX_DRIVE && sizeof(PathParts::directory) == _MAX_DIR &&
              sizeof(PathParts::file_name) == _MAX_FNAME && sizeof(PathParts::extension) == _MAX_EXT);
static_assert(cooperative_level_normal == DSSCL_NORMAL);
static_assert(buffer_control_frequency == DSBCAPS_CTRLFREQUENCY && buffer_control_pan == DSBCAPS_CTRLPAN &&
              buffer_control_volume == DSBCAPS_CTRLVOLUME && buffer_global_focus == DSBCAPS_GLOBALFOCUS);
static_assert(play_looping == DSBPLAY_LOOPING && buffer_status_playing == DSBSTATUS_PLAYING);
static_assert(buffer_frequency_min == DSBFREQUENCY_MIN && buffer_frequency_max == DSBFREQUENCY_MAX &&
              buffer_bytes_max == DSBSIZE_MAX);
// The description DirectSound 7 and later read, with its 3D algorithm field.
static_assert(sizeof(DSBUFFERDESC) == 36);

IDirectSound* as_device(SoundDevice device)
{
    return static_cast<IDirectSound*>(device);
}
IDirectSoundBuffer* as_buffer(SoundBuffer buffer)
{
    return static_cast<IDirectSoundBuffer*>(buffer);
}
HMMIO as_file(MmioFile file)
{
    return static_cast<HMMIO>(file);
}

MMCKINFO to_chunk_info(const RiffChunk& chunk)
{
    return {.ckid = chunk.id,
            .cksize = chunk.size,
            .fccType = chunk.form_type,
            .dwDataOffset = chunk.data_offset,
            .dwFlags = chunk.flags};
}

RiffChunk to_riff_chunk(const MMCKINFO& info)
{
    return {.id = info.ckid,
            .size = info.cksize,
            .form_type = info.fccType,
            .data_offset = info.dwDataOffset,
            .flags = info.dwFlags};
}

std::uint32_t executable_path(char* path, std::uint32_t capacity)
{
    return GetModuleFileNameA(nullptr, path, capacity);
}

void split_path(const char* path, PathParts& parts)
{
    _splitpath(path, parts.drive, parts.directory, parts.file_name, parts.extension);
}

char* allocate_text(std::size_t bytes)
{
    return static_cast<char*>(std::malloc(bytes));
}
void free_text(char* text)
{
    std::free(text);
}

HostWindow find_window(const char* class_name)
{
    return FindWindowA(class_name, nullptr);
}

MmioFile mmio_open_for_reading(const char* path)
{
    // mmioOpenA takes a writable name, but only writes to it when asked to
    // parse it, which reading does not.
    return mmioOpenA(const_cast<char*>(path), nullptr, MMIO_READ | MMIO_ALLOCBUF);
}

MmioResult mmio_descend(MmioFile file, RiffChunk& chunk, const RiffChunk* parent, ChunkSearch search)
{
    MMCKINFO info = to_chunk_info(chunk);
    MMCKINFO parent_info{};
    if (parent != nullptr)
        parent_info = to_chunk_info(*parent);
    const UINT flags = search == ChunkSearch::riff_form ? MMIO_FINDRIFF : MMIO_FINDCHUNK;
    const MMRESULT result = mmioDescend(as_file(file), &info, parent != nullptr ? &parent_info : nullptr, flags);
    chunk = to_riff_chunk(info);
    return result;
}

std::int32_t mmio_read(MmioFile file, void* destination, std::int32_t bytes)
{
    return mmioRead(as_file(file), static_cast<HPSTR>(destination), bytes);
}

MmioResult mmio_ascend(MmioFile file, RiffChunk& chunk)
{
    MMCKINFO info = to_chunk_info(chunk);
    const MMRESULT result = mmioAscend(as_file(file), &info, 0);
    chunk = to_riff_chunk(info);
    return result;
}

MmioResult mmio_close(MmioFile file)
{
    return mmioClose(as_file(file), 0);
}

GlobalBlock global_alloc_movable(std::uint32_t bytes)
{
    return GlobalAlloc(GMEM_MOVEABLE, bytes);
}
void* global_lock(GlobalBlock block)
{
    return GlobalLock(static_cast<HGLOBAL>(block));
}
void global_unlock(GlobalBlock block)
{
    GlobalUnlock(static_cast<HGLOBAL>(block));
}
void global_free(GlobalBlock block)
{
    GlobalFree(static_cast<HGLOBAL>(block));
}

SoundResult create_device(SoundDevice* device)
{
    IDirectSound* created = nullptr;
    const HRESULT result = DirectSoundCreate(nullptr, &created, nullptr);
    *device = result == DS_OK ? created : nullptr;
    // Only DS_OK counts as success; a device made with a warning goes back.
    if (result != DS_OK && created != nullptr)
        created->Release();
    return result;
}

SoundResult set_cooperative_level(SoundDevice device, HostWindow window, std::uint32_t level)
{
    return as_device(device)->SetCooperativeLevel(static_cast<HWND>(window), level);
}

SoundResult create_buffer(SoundDevice device, const ToneBufferDescription& description, SoundBuffer* buffer)
{
    DSBUFFERDESC buffer_description{};
    buffer_description.dwSize = sizeof buffer_description;
    buffer_description.dwFlags = description.flags;
    buffer_description.dwBufferBytes = description.buffer_bytes;
    buffer_description.lpwfxFormat = static_cast<WAVEFORMATEX*>(const_cast<void*>(description.format));
    IDirectSoundBuffer* created = nullptr;
    const HRESULT result = as_device(device)->CreateSoundBuffer(&buffer_description, &created, nullptr);
    *buffer = result == DS_OK ? created : nullptr;
    // Only DS_OK counts as success; a buffer made with a warning goes back.
    if (result != DS_OK && created != nullptr)
        created->Release();
    return result;
}

void release_device(SoundDevice device)
{
    as_device(device)->Release();
}
void release_buffer(SoundBuffer buffer)
{
    as_buffer(buffer)->Release();
}

SoundResult get_status(SoundBuffer buffer, std::uint32_t* status)
{
    DWORD value = 0;
    const HRESULT result = as_buffer(buffer)->GetStatus(&value);
    *status = value;
    return result;
}

SoundResult lock(SoundBuffer buffer, std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions)
{
    void* first = nullptr;
    void* second = nullptr;
    DWORD first_bytes = 0;
    DWORD second_bytes = 0;
    const HRESULT result = as_buffer(buffer)->Lock(offset, bytes, &first, &first_bytes, &second, &second_bytes, 0);
    regions = {.first = first, .first_bytes = first_bytes, .second = second, .second_bytes = second_bytes};
    return result;
}

SoundResult play(SoundBuffer buffer, std::uint32_t priority, std::uint32_t flags)
{
    return as_buffer(buffer)->Play(0, priority, flags);
}

SoundResult set_current_position(SoundBuffer buffer, std::uint32_t position)
{
    return as_buffer(buffer)->SetCurrentPosition(position);
}

SoundResult set_volume(SoundBuffer buffer, std::int32_t hundredths_db)
{
    return as_buffer(buffer)->SetVolume(hundredths_db);
}
SoundResult stop(SoundBuffer buffer)
{
    return as_buffer(buffer)->Stop();
}

SoundResult unlock(SoundBuffer buffer, const LockedRegions& regions)
{
    return as_buffer(buffer)->Unlock(regions.first, regions.first_bytes, regions.second, regions.second_bytes);
}

constexpr SoundPlatform windows_sound_platform{
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

const SoundPlatform& sound_platform()
{
    return windows_sound_platform;
}
