// The scripted platform's multimedia file calls, over the scripted files' bytes.
#include <cstring>

#include "sound/scripted/platform_detail.h"

namespace scripted_detail {
namespace {

constexpr MmioResult mmio_chunk_not_found = 265; // MMIOERR_CHUNKNOTFOUND
constexpr MmioResult mmio_cannot_seek = 263;     // MMIOERR_CANNOTSEEK

struct ScriptedFile {
    std::vector<std::uint8_t> bytes;
    std::size_t position = 0;
    bool closed = false;
};

std::deque<ScriptedFile> opened_files;

ScriptedFile* open_file(MmioFile handle, const char* call)
{
    ScriptedFile* file = find_object(opened_files, handle);
    if (file == nullptr || file->closed) {
        fault(std::string(call) + " on a file that is not open");
        return nullptr;
    }
    return file;
}

std::uint32_t read_u32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

} // namespace

MmioFile mmio_open_for_reading(const char* path)
{
    if (begin(SoundCall::mmio_open))
        return nullptr;
    scripted_sound_platform().opened_paths.push_back(path);
    const auto found = scripted_sound_platform().files.find(path);
    if (found == scripted_sound_platform().files.end())
        return nullptr;
    opened_files.push_back({.bytes = found->second});
    ++scripted_sound_platform().open_files;
    return &opened_files.back();
}

// Searches onward from the file position, within the parent when there is
// one, and leaves the position at the start of the chunk's data (after the
// form type of a RIFF chunk).
MmioResult mmio_descend(MmioFile handle, RiffChunk& chunk, const RiffChunk* parent, ChunkSearch search)
{
    ScriptedFile* file = open_file(handle, "mmio_descend");
    if (begin(SoundCall::mmio_descend) || file == nullptr)
        return mmio_chunk_not_found;
    const std::size_t end = parent != nullptr
        ? std::min<std::size_t>(parent->data_offset + parent->size, file->bytes.size())
        : file->bytes.size();
    for (std::size_t at = file->position; at + 8 <= end;) {
        const std::uint32_t id = read_u32(file->bytes, at);
        const std::uint32_t size = read_u32(file->bytes, at + 4);
        const bool riff = id == four_cc('R', 'I', 'F', 'F') && at + 12 <= end;
        const bool found = search == ChunkSearch::riff_form ? riff && read_u32(file->bytes, at + 8) == chunk.form_type
                                                            : id == chunk.id;
        if (found) {
            chunk.id = id;
            chunk.size = size;
            chunk.data_offset = static_cast<std::uint32_t>(at + 8);
            if (riff)
                chunk.form_type = read_u32(file->bytes, at + 8);
            file->position = at + (riff ? 12 : 8);
            return 0;
        }
        at += 8 + static_cast<std::size_t>(size) + (size & 1);
    }
    return mmio_chunk_not_found;
}

std::int32_t mmio_read(MmioFile handle, void* destination, std::int32_t bytes)
{
    ScriptedFile* file = open_file(handle, "mmio_read");
    if (begin(SoundCall::mmio_read) || file == nullptr)
        return -1;
    const std::size_t available = file->bytes.size() - std::min(file->position, file->bytes.size());
    const std::size_t read = std::min<std::size_t>(static_cast<std::size_t>(bytes), available);
    std::memcpy(destination, file->bytes.data() + file->position, read);
    file->position += read;
    return static_cast<std::int32_t>(read);
}

MmioResult mmio_ascend(MmioFile handle, RiffChunk& chunk)
{
    ScriptedFile* file = open_file(handle, "mmio_ascend");
    if (begin(SoundCall::mmio_ascend) || file == nullptr)
        return mmio_cannot_seek;
    file->position = static_cast<std::size_t>(chunk.data_offset) + chunk.size + (chunk.size & 1);
    return 0;
}

MmioResult mmio_close(MmioFile handle)
{
    ScriptedFile* file = open_file(handle, "mmio_close");
    const bool fails = begin(SoundCall::mmio_close);
    if (file != nullptr) {
        file->closed = true;
        --scripted_sound_platform().open_files;
    }
    return fails ? mmio_cannot_seek : 0;
}

void reset_files()
{
    opened_files.clear();
}

} // namespace scripted_detail
