// Internals shared by the parts of the scripted sound platform.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "sound/scripted/platform.h"

namespace scripted_detail {

// Bytes past the end of every text and locked region that must stay as
// they are, so a write past the end shows up as a fault.
constexpr std::size_t guard_bytes = 16;
constexpr std::uint8_t guard_value = 0xA5;
// What fresh memory holds before it is written.
constexpr std::uint8_t fresh_memory_value = 0xCD;

struct GuardedMemory {
    std::vector<std::uint8_t> bytes;
    std::size_t usable = 0;

    explicit GuardedMemory(std::size_t size, std::uint8_t fill = fresh_memory_value)
        : bytes(size + guard_bytes, guard_value), usable(size)
    {
        std::fill_n(bytes.begin(), size, fill);
    }
    bool guard_intact() const
    {
        return std::all_of(bytes.begin() + usable, bytes.end(), [](std::uint8_t b) { return b == guard_value; });
    }
};

template <typename Object>
Object* find_object(std::deque<Object>& objects, void* handle)
{
    for (Object& object : objects)
        if (&object == handle)
            return &object;
    return nullptr;
}

void fault(const std::string& what);
// Logs the call; true when this call is the one to fail.
bool begin(SoundCall call);

// Process, C runtime, windows and global memory.
std::uint32_t executable_path(char* path, std::uint32_t capacity);
void split_path(const char* path, PathParts& parts);
char* allocate_text(std::size_t bytes);
void free_text(char* text);
HostWindow find_window(const char* class_name);
GlobalBlock global_alloc_movable(std::uint32_t bytes);
void* global_lock(GlobalBlock handle);
void global_unlock(GlobalBlock handle);
void global_free(GlobalBlock handle);
void reset_host_objects();

// Multimedia files.
MmioFile mmio_open_for_reading(const char* path);
MmioResult mmio_descend(MmioFile handle, RiffChunk& chunk, const RiffChunk* parent, ChunkSearch search);
std::int32_t mmio_read(MmioFile handle, void* destination, std::int32_t bytes);
MmioResult mmio_ascend(MmioFile handle, RiffChunk& chunk);
MmioResult mmio_close(MmioFile handle);
void reset_files();

// DirectSound.
SoundResult create_device(SoundDevice* device);
SoundResult set_cooperative_level(SoundDevice handle, HostWindow window, std::uint32_t level);
SoundResult create_buffer(SoundDevice handle, const ToneBufferDescription& description, SoundBuffer* buffer);
void release_device(SoundDevice handle);
void release_buffer(SoundBuffer handle);
SoundResult get_status(SoundBuffer handle, std::uint32_t* status);
SoundResult lock(SoundBuffer handle, std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions);
SoundResult play(SoundBuffer handle, std::uint32_t priority, std::uint32_t flags);
SoundResult set_current_position(SoundBuffer handle, std::uint32_t position);
SoundResult set_volume(SoundBuffer handle, std::int32_t hundredths_db);
SoundResult stop(SoundBuffer handle);
SoundResult unlock(SoundBuffer handle, const LockedRegions& regions);
void reset_locks();

} // namespace scripted_detail
