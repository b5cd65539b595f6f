#include "host/bench/module_bytes_check.h"

#include <algorithm>

namespace {

// The executable format's headers, as far as they tell the kind and the
// length of the file.
constexpr std::size_t new_header_offset_at = 0x3c;
constexpr std::size_t machine_at = 4; // from the signature
constexpr std::size_t section_count_at = 6;
constexpr std::size_t optional_size_at = 20;
constexpr std::size_t characteristics_at = 22;
constexpr std::size_t optional_header_at = 24;
constexpr std::size_t section_row_size = 40;
constexpr std::size_t raw_size_at = 16; // in a section row
constexpr std::size_t raw_offset_at = 20;
constexpr std::uint16_t machine_i386 = 0x14c;
constexpr std::uint16_t characteristic_dll = 0x2000;
constexpr std::uint16_t optional_magic_pe32 = 0x10b;

constexpr const char* not_a_dll = "module file is not a 32-bit DLL";

std::uint32_t word_at(std::span<const std::uint8_t> bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

std::string cut_short(std::size_t have, std::size_t need)
{
    return "module file is cut short: " + std::to_string(have) + " of " + std::to_string(need) + " bytes";
}

} // namespace

std::optional<std::string> module_file_problem(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return "module file is empty";
    if (bytes.size() < new_header_offset_at + 4 || bytes[0] != 'M' || bytes[1] != 'Z')
        return not_a_dll;
    const std::size_t pe = word_at(bytes, new_header_offset_at, 4);
    if (pe > bytes.size() || bytes.size() - pe < optional_header_at + 2)
        return cut_short(bytes.size(), pe + optional_header_at + 2);
    if (word_at(bytes, pe, 4) != 0x00004550 /* "PE\0\0" */ || word_at(bytes, pe + machine_at, 2) != machine_i386 ||
        (word_at(bytes, pe + characteristics_at, 2) & characteristic_dll) == 0 ||
        word_at(bytes, pe + optional_header_at, 2) != optional_magic_pe32)
        return not_a_dll;
    const std::size_t sections = word_at(bytes, pe + section_count_at, 2);
    const std::size_t table = pe + optional_header_at + word_at(bytes, pe + optional_size_at, 2);
    const std::size_t table_end = table + sections * section_row_size;
    if (table_end > bytes.size())
        return cut_short(bytes.size(), table_end);
    std::size_t need = table_end;
    for (std::size_t row = table; row < table_end; row += section_row_size)
        need = std::max<std::size_t>(
            need, std::size_t{word_at(bytes, row + raw_offset_at, 4)} + word_at(bytes, row + raw_size_at, 4));
    if (need > bytes.size())
        return cut_short(bytes.size(), need);
    return std::nullopt;
}
