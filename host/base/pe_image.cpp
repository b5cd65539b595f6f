#include "host/base/pe_image.h"

#include <algorithm>

std::uint32_t PeImage::word(std::size_t at, int size) const
{
    if (!has(at, static_cast<std::size_t>(size)))
        return 0;
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes_[at + static_cast<std::size_t>(i)];
    return value;
}

std::span<const std::uint8_t> PeImage::bytes_at(std::uint32_t rva) const
{
    // Where the headers are mapped, the file's offsets are the addresses.
    std::uint64_t offset = rva, end = header_size_;
    if (rva >= header_size_) {
        const auto holder = std::find_if(sections_.begin(), sections_.end(), [&](const PeSection& section) {
            return rva >= section.virtual_address && rva - section.virtual_address < section.raw_size;
        });
        if (holder == sections_.end())
            return {};
        offset = std::uint64_t{holder->raw_offset} + (rva - holder->virtual_address);
        end = std::uint64_t{holder->raw_offset} + holder->raw_size;
    }
    end = std::min<std::uint64_t>(end, bytes_.size());
    if (offset >= end)
        return {};
    return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(end - offset));
}

std::optional<std::size_t> PeImage::offset_of(std::uint32_t rva, std::size_t size) const
{
    const auto there = bytes_at(rva);
    if (there.empty() || there.size() < size)
        return std::nullopt;
    return static_cast<std::size_t>(there.data() - bytes_.data());
}

std::optional<std::string> PeImage::name_at(std::uint32_t rva, std::size_t longest) const
{
    const auto room = bytes_at(rva);
    const auto looked = room.first(std::min(room.size(), longest + 1));
    const auto end = std::find(looked.begin(), looked.end(), 0);
    if (end == looked.end())
        return std::nullopt;
    return std::string(looked.begin(), end);
}
