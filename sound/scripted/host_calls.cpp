// The scripted platform's process, C runtime, window and global memory calls.
#include <cstring>
#include <map>

#include "sound/scripted/platform_detail.h"

namespace scripted_detail {
namespace {

struct ScriptedBlock {
    std::vector<std::uint8_t> memory;
    bool locked = false;
    bool freed = false;
};

std::map<char*, GuardedMemory> texts;
std::deque<ScriptedBlock> blocks;

void copy_part(char* to, std::size_t capacity, const std::string& part)
{
    if (part.size() >= capacity)
        fault("a path part does not fit");
    const std::size_t length = std::min(part.size(), capacity - 1);
    std::memcpy(to, part.data(), length);
    to[length] = '\0';
}

} // namespace

std::uint32_t executable_path(char* path, std::uint32_t capacity)
{
    if (begin(SoundCall::executable_path))
        return 0;
    // As Windows does: a path that does not fit is cut off and reported as
    // filling the whole buffer.
    const std::string& full = scripted_sound_platform().executable_path;
    const std::size_t copied = std::min<std::size_t>(full.size(), capacity - 1);
    std::memcpy(path, full.data(), copied);
    path[copied] = '\0';
    return full.size() < capacity ? static_cast<std::uint32_t>(full.size()) : capacity;
}

void split_path(const char* path, PathParts& parts)
{
    begin(SoundCall::split_path);
    std::string rest = path;
    std::string drive;
    if (rest.size() >= 2 && rest[1] == ':') {
        drive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    const std::size_t separator = rest.find_last_of("\\/");
    const std::string directory = separator == std::string::npos ? "" : rest.substr(0, separator + 1);
    const std::string file = separator == std::string::npos ? rest : rest.substr(separator + 1);
    const std::size_t dot = file.find_last_of('.');
    copy_part(parts.drive, sizeof parts.drive, drive);
    copy_part(parts.directory, sizeof parts.directory, directory);
    copy_part(parts.file_name, sizeof parts.file_name, file.substr(0, dot));
    copy_part(parts.extension, sizeof parts.extension, dot == std::string::npos ? "" : file.substr(dot));
}

char* allocate_text(std::size_t bytes)
{
    if (begin(SoundCall::allocate_text))
        return nullptr;
    GuardedMemory memory(bytes);
    char* text = reinterpret_cast<char*>(memory.bytes.data());
    texts.emplace(text, std::move(memory));
    ++scripted_sound_platform().live_texts;
    return text;
}

void free_text(char* text)
{
    begin(SoundCall::free_text);
    const auto found = texts.find(text);
    if (found == texts.end())
        return fault("free_text of a text that is not allocated");
    if (!found->second.guard_intact())
        fault("a write past the end of a text");
    texts.erase(found);
    --scripted_sound_platform().live_texts;
}

HostWindow find_window(const char* class_name)
{
    if (begin(SoundCall::find_window))
        return nullptr;
    const auto found = scripted_sound_platform().windows.find(class_name);
    return found == scripted_sound_platform().windows.end() ? nullptr : found->second;
}

GlobalBlock global_alloc_movable(std::uint32_t bytes)
{
    if (begin(SoundCall::global_alloc) || bytes > scripted_sound_platform().largest_global_block)
        return nullptr;
    blocks.push_back({.memory = std::vector<std::uint8_t>(bytes, fresh_memory_value)});
    ++scripted_sound_platform().live_blocks;
    return &blocks.back();
}

void* global_lock(GlobalBlock handle)
{
    ScriptedBlock* block = find_object(blocks, handle);
    if (begin(SoundCall::global_lock))
        return nullptr;
    if (block == nullptr || block->freed) {
        fault("global_lock of a block that is not allocated");
        return nullptr;
    }
    block->locked = true;
    ++scripted_sound_platform().locked_blocks;
    return block->memory.data();
}

void global_unlock(GlobalBlock handle)
{
    begin(SoundCall::global_unlock);
    ScriptedBlock* block = find_object(blocks, handle);
    if (block == nullptr || !block->locked)
        return fault("global_unlock of a block that is not locked");
    block->locked = false;
    --scripted_sound_platform().locked_blocks;
}

void global_free(GlobalBlock handle)
{
    begin(SoundCall::global_free);
    ScriptedBlock* block = find_object(blocks, handle);
    if (block == nullptr || block->freed)
        return fault("global_free of a block that is not allocated");
    if (block->locked)
        fault("global_free of a locked block");
    block->freed = true;
    --scripted_sound_platform().live_blocks;
}

void reset_host_objects()
{
    texts.clear();
    blocks.clear();
}

} // namespace scripted_detail
