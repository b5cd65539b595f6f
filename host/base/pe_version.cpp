// The version resource: found through the resource directory (type 16, its
// first name, its first language), then read as the tree of blocks it is,
// each block its length, its value's length, its type, a UTF-16 key and
// its value, children after it, every part on a 4-byte boundary from the
// resource's start.
#include <algorithm>
#include <functional>
#include <span>
#include <string>
#include <utility>

#include "host/base/pe_image.h"
#include "host/base/utf8_encoding.h"

namespace {

constexpr std::uint32_t resource_type_version = 16;
constexpr std::size_t directory_header_size = 16;
constexpr std::size_t directory_entry_size = 8;
constexpr std::uint32_t entry_is_directory = 0x80000000u;
constexpr std::uint32_t entry_is_named = 0x80000000u;
constexpr std::size_t data_entry_size = 16;
constexpr std::size_t block_header_size = 6;
constexpr std::uint32_t fixed_info_signature = 0xfeef04bd;
constexpr std::size_t fixed_info_version_at = 8;
constexpr std::uint32_t block_holds_text = 1;

// The entry of a resource directory at `offset` from the resources' start
// with `id` (any entry for nullopt): its word of where it leads.
std::optional<std::uint32_t> directory_entry(const PeImage& image, std::uint32_t base, std::uint32_t offset,
                                             std::optional<std::uint32_t> id)
{
    const auto at = image.offset_of(base + offset, directory_header_size);
    if (!at)
        return std::nullopt;
    const std::size_t count = image.u16(*at + 12) + std::size_t{image.u16(*at + 14)};
    const auto entries = image.offset_of(base + offset + directory_header_size, count * directory_entry_size);
    if (!entries)
        return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = *entries + i * directory_entry_size;
        const std::uint32_t name = image.u32(entry);
        if (!id || ((name & entry_is_named) == 0 && name == *id))
            return image.u32(entry + 4);
    }
    return std::nullopt;
}

std::size_t aligned(std::size_t at)
{
    return (at + 3) & ~std::size_t{3};
}

struct Block {
    std::size_t start = 0, end = 0; // within the resource
    std::u16string key;
    std::size_t value = 0, value_length = 0; // length in bytes
    bool text = false;
};

// The block at `at`, when it lies whole before `limit`.
std::optional<Block> block_at(std::span<const std::uint8_t> data, std::size_t at, std::size_t limit)
{
    const auto word = [&](std::size_t i) { return static_cast<char16_t>(data[i] | data[i + 1] << 8); };
    if (at >= limit || limit - at < block_header_size)
        return std::nullopt;
    Block block;
    block.start = at;
    block.end = at + word(at);
    block.text = word(at + 4) == block_holds_text;
    if (block.end > limit || block.end - at < block_header_size)
        return std::nullopt;
    std::size_t i = at + block_header_size;
    for (; i + 1 < block.end && word(i) != 0; i += 2)
        block.key.push_back(word(i));
    block.value = std::min(aligned(i + 2), block.end);
    block.value_length = std::min<std::size_t>(word(at + 2) * (block.text ? 2u : 1u), block.end - block.value);
    return block;
}

void for_each_child(std::span<const std::uint8_t> data, const Block& parent,
                    const std::function<void(const Block&)>& visit)
{
    std::size_t at = aligned(parent.value + parent.value_length);
    while (const auto child = block_at(data, at, parent.end)) {
        visit(*child);
        at = aligned(child->end);
    }
}

// UTF-16 as UTF-8, up to the first zero; a lone surrogate becomes U+FFFD.
std::string utf8_of(std::span<const std::uint8_t> data, std::size_t at, std::size_t end)
{
    std::string text;
    const auto put = [&](char32_t c) { append_utf8(text, c); };
    const auto word = [&](std::size_t i) -> char32_t { return data[i] | data[i + 1] << 8; };
    for (std::size_t i = at; i + 1 < end && word(i) != 0; i += 2) {
        const char32_t c = word(i);
        if (c >= 0xd800 && c < 0xdc00 && i + 3 < end && word(i + 2) >= 0xdc00 && word(i + 2) < 0xe000) {
            put(0x10000 + ((c - 0xd800) << 10) + (word(i + 2) - 0xdc00));
            i += 2;
        } else {
            put(c >= 0xd800 && c < 0xe000 ? 0xfffd : c);
        }
    }
    return text;
}

PeVersion version_of(std::span<const std::uint8_t> data)
{
    PeVersion version;
    const auto root = block_at(data, 0, data.size());
    if (!root)
        return version;
    if (root->value_length >= fixed_info_version_at + 8) {
        const auto u32 = [&](std::size_t i) {
            return std::uint32_t{data[i]} | data[i + 1] << 8 | data[i + 2] << 16 | std::uint32_t{data[i + 3]} << 24;
        };
        const std::size_t fixed = root->value;
        const std::uint32_t high = u32(fixed + fixed_info_version_at), low = u32(fixed + fixed_info_version_at + 4);
        if (u32(fixed) == fixed_info_signature)
            version.file_version = {{static_cast<std::uint16_t>(high >> 16), static_cast<std::uint16_t>(high),
                                     static_cast<std::uint16_t>(low >> 16), static_cast<std::uint16_t>(low)}};
    }
    bool table_read = false;
    for_each_child(data, *root, [&](const Block& info) {
        if (info.key != u"StringFileInfo")
            return;
        for_each_child(data, info, [&](const Block& table) {
            if (std::exchange(table_read, true))
                return;
            for_each_child(data, table, [&](const Block& text) {
                std::string key = utf8_of(data, text.start + block_header_size, text.value);
                version.texts.emplace_back(std::move(key), utf8_of(data, text.value, text.end));
            });
        });
    });
    return version;
}

} // namespace

PeVersion read_pe_version(const PeImage& image, std::uint32_t rva)
{
    const auto type = directory_entry(image, rva, 0, resource_type_version);
    if (!type || (*type & entry_is_directory) == 0)
        return {};
    const auto name = directory_entry(image, rva, *type & ~entry_is_directory, std::nullopt);
    if (!name || (*name & entry_is_directory) == 0)
        return {};
    const auto language = directory_entry(image, rva, *name & ~entry_is_directory, std::nullopt);
    if (!language || (*language & entry_is_directory) != 0)
        return {};
    const auto entry = image.offset_of(rva + *language, data_entry_size);
    if (!entry)
        return {};
    const std::uint32_t size = image.u32(*entry + 4);
    const auto data = image.offset_of(image.u32(*entry), size);
    if (!data)
        return {};
    return version_of(image.bytes().subspan(*data, size));
}
