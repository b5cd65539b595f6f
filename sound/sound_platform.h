// The platform under the alert sound: every operating-system, C runtime,
// multimedia-file and DirectSound call that the window lookup, the sound path
// and the tone player make goes through this one table, so that unit tests
// can bind a scripted platform and inject a failure into any single call.
//
// The table is bound at link time: the module links the real Windows calls,
// unit tests link a fake. Each entry mirrors one platform call and keeps its
// result convention (a DirectSound result of 0 is success; an mmio result of 0
// is success; a null handle or address is failure).
#pragma once

#include <cstddef>
#include <cstdint>

// clang-format off
// Opaque platform objects.
using HostWindow  = void*;  // the host's main window
using MmioFile    = void*;  // an open multimedia file
using GlobalBlock = void*;  // a movable global memory block
using SoundDevice = void*;  // a DirectSound device object
using SoundBuffer = void*;  // a DirectSound secondary buffer object
// clang-format on

using SoundResult = std::int32_t; // DirectSound's result; only 0 is success
using MmioResult = std::uint32_t; // an mmio call's result; only 0 is success

// Windows' path limit, terminating zero included.
inline constexpr std::size_t max_path_bytes = 260;

// The parts of a path as the C runtime splits it; each part fits any path of
// fewer than max_path_bytes characters.
struct PathParts {
    char drive[3];       // "D:" or empty
    char directory[256]; // with its trailing separator
    char file_name[256]; // without folder or extension
    char extension[256]; // with its dot
};

// A RIFF chunk as the multimedia file calls describe it.
struct RiffChunk {
    std::uint32_t id;          // four characters, first in the lowest byte
    std::uint32_t size;        // bytes of chunk data
    std::uint32_t form_type;   // RIFF and LIST chunks only
    std::uint32_t data_offset; // file offset of the chunk data
    std::uint32_t flags;
};

constexpr std::uint32_t four_cc(char a, char b, char c, char d)
{
    return static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b) << 8 | static_cast<std::uint8_t>(c) << 16 |
        static_cast<std::uint32_t>(static_cast<std::uint8_t>(d)) << 24;
}

enum class ChunkSearch {
    riff_form, // the next RIFF chunk whose form type is chunk.form_type
    chunk,     // the next chunk whose id is chunk.id, within the parent
};

// What a secondary buffer is made from. The format points at a wave format
// in DirectSound's layout: an 18-byte head whose last field counts the
// extra bytes that follow it in memory.
struct ToneBufferDescription {
    std::uint32_t flags;
    std::uint32_t buffer_bytes;
    const void* format;
};

// The one or two regions that a buffer lock hands out.
struct LockedRegions {
    // clang-format off
    void*         first;
    std::uint32_t first_bytes;
    void*         second;
    std::uint32_t second_bytes;
    // clang-format on
};

// clang-format off
// DirectSound's values for the flags the tone player uses.
inline constexpr std::uint32_t cooperative_level_normal   = 1;      // DSSCL_NORMAL
inline constexpr std::uint32_t buffer_control_frequency   = 0x20;   // DSBCAPS_CTRLFREQUENCY
inline constexpr std::uint32_t buffer_control_pan         = 0x40;   // DSBCAPS_CTRLPAN
inline constexpr std::uint32_t buffer_control_volume      = 0x80;   // DSBCAPS_CTRLVOLUME
inline constexpr std::uint32_t buffer_global_focus        = 0x8000; // DSBCAPS_GLOBALFOCUS
inline constexpr std::uint32_t play_looping               = 1;      // DSBPLAY_LOOPING
inline constexpr std::uint32_t buffer_status_playing      = 1;      // DSBSTATUS_PLAYING
// What DirectSound takes for a buffer's format and size on Windows.
inline constexpr std::uint32_t buffer_frequency_min       = 100;       // DSBFREQUENCY_MIN
inline constexpr std::uint32_t buffer_frequency_max       = 200000;    // DSBFREQUENCY_MAX
inline constexpr std::uint32_t buffer_bytes_max           = 0x0FFFFFFF; // DSBSIZE_MAX
// clang-format on

struct SoundPlatform {
    // clang-format off
    // Process and C runtime.
    std::uint32_t (*executable_path)(char* path, std::uint32_t capacity); // GetModuleFileNameA of the process
    void          (*split_path)(const char* path, PathParts& parts);     // _splitpath
    char*         (*allocate_text)(std::size_t bytes);                   // malloc
    void          (*free_text)(char* text);                              // free
    // clang-format on

    // Windows user interface.
    HostWindow (*find_window)(const char* class_name); // FindWindowA, no title

    // clang-format off
    // Multimedia file I/O.
    MmioFile      (*mmio_open_for_reading)(const char* path);            // mmioOpenA, read, buffered
    MmioResult    (*mmio_descend)(MmioFile file, RiffChunk& chunk, const RiffChunk* parent, ChunkSearch search);
    std::int32_t  (*mmio_read)(MmioFile file, void* destination, std::int32_t bytes); // -1: error
    MmioResult    (*mmio_ascend)(MmioFile file, RiffChunk& chunk);
    MmioResult    (*mmio_close)(MmioFile file);
    // clang-format on

    // clang-format off
    // Global memory.
    GlobalBlock   (*global_alloc_movable)(std::uint32_t bytes);
    void*         (*global_lock)(GlobalBlock block);
    void          (*global_unlock)(GlobalBlock block);
    void          (*global_free)(GlobalBlock block);
    // clang-format on

    // clang-format off
    // DirectSound: the device.
    SoundResult   (*create_device)(SoundDevice* device);                 // DirectSoundCreate, default device
    SoundResult   (*set_cooperative_level)(SoundDevice device, HostWindow window, std::uint32_t level);
    SoundResult   (*create_buffer)(SoundDevice device, const ToneBufferDescription& description, SoundBuffer* buffer);
    void          (*release_device)(SoundDevice device);
    // clang-format on

    // clang-format off
    // DirectSound: the secondary buffer.
    void          (*release_buffer)(SoundBuffer buffer);
    SoundResult   (*get_status)(SoundBuffer buffer, std::uint32_t* status);
    SoundResult   (*lock)(SoundBuffer buffer, std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions);
    SoundResult   (*play)(SoundBuffer buffer, std::uint32_t priority, std::uint32_t flags);
    SoundResult   (*set_current_position)(SoundBuffer buffer, std::uint32_t position);
    SoundResult   (*set_volume)(SoundBuffer buffer, std::int32_t hundredths_db);
    SoundResult   (*stop)(SoundBuffer buffer);
    SoundResult   (*unlock)(SoundBuffer buffer, const LockedRegions& regions);
    // clang-format on
};

// The binding linked into this program.
const SoundPlatform& sound_platform();
