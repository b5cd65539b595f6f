// The PE reader's view of a file's bytes (pe_file.cpp, pe_version.cpp):
// little-endian words at file offsets and at the image addresses (RVAs) the
// tables use, each read only when it lies wholly inside the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/base/pe_file.h"

class PeImage {
public:
    PeImage(std::span<const std::uint8_t> bytes, const std::vector<PeSection>& sections, std::size_t header_size)
        : bytes_(bytes), sections_(sections), header_size_(header_size)
    {
    }

    bool has(std::size_t at, std::size_t size) const { return at <= bytes_.size() && bytes_.size() - at >= size; }
    // 0 where the word is not wholly in the file.
    std::uint32_t u16(std::size_t at) const { return word(at, 2); }
    std::uint32_t u32(std::size_t at) const { return word(at, 4); }
    std::uint64_t u64(std::size_t at) const
    {
        return has(at, 8) ? word(at, 4) | std::uint64_t{word(at + 4, 4)} << 32 : 0;
    }

    // The file offset of `size` bytes at `rva`, when they lie in the file
    // bytes of one section (or of the headers).
    std::optional<std::size_t> offset_of(std::uint32_t rva, std::size_t size) const;
    // A zero-terminated name at `rva` of at most `longest` bytes; nullopt
    // when it runs outside its section's bytes or is longer.
    std::optional<std::string> name_at(std::uint32_t rva, std::size_t longest) const;

    std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    std::uint32_t word(std::size_t at, int size) const;
    // The file's bytes from `rva` to the end of the section holding it.
    std::span<const std::uint8_t> bytes_at(std::uint32_t rva) const;

    std::span<const std::uint8_t> bytes_;
    const std::vector<PeSection>& sections_;
    std::size_t header_size_;
};

// The version resource found through the resource directory at `rva`.
PeVersion read_pe_version(const PeImage& image, std::uint32_t rva);
