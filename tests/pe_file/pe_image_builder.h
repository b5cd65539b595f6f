// Small module files built byte by byte, as a linker lays them out: the
// headers, a code section, a section holding the import table (KERNEL32.dll:
// Sleep and ordinal 5) and the export table (ImportTable, Linkage), and a
// resource section with a version resource (1.2.3.4; FileVersion "1.2.3",
// ProductName "ZOR Höhenmesser"). Offsets are named so that a test can
// break one part of the file at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct PeImageShape {
    bool sixty_four_bit = false;
    bool dll = true;
};

namespace pe_layout {
constexpr std::size_t pe_at = 0x40;
constexpr std::size_t machine_at = pe_at + 4;
constexpr std::size_t characteristics_at = pe_at + 22;
constexpr std::size_t optional_at = pe_at + 24;
constexpr std::size_t section_table_at_32 = optional_at + 224;
constexpr std::size_t section_row_size = 40;
constexpr std::size_t file_size = 0x800;
// Addresses in the image and where they are in the file.
constexpr std::uint32_t imports_rva = 0x2000;
constexpr std::uint32_t exports_rva = 0x2100;
constexpr std::uint32_t resources_rva = 0x3000;
constexpr std::size_t rdata_at = 0x400;
constexpr std::size_t import_library_name_at = rdata_at + 12; // the first descriptor's word
constexpr std::size_t export_names_at = rdata_at + 0x100 + 32;
constexpr std::size_t export_name_count_at = rdata_at + 0x100 + 24;
} // namespace pe_layout

std::vector<std::uint8_t> build_pe_image(PeImageShape shape = {});

// Writes `value` little-endian into `size` bytes at `at`.
void put_word(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value, int size);
// The optional header's directory `which` (0 exports, 1 imports, 2 resources).
std::size_t pe_directory_at(PeImageShape shape, int which);
