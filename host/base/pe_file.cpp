#include "host/base/pe_file.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "host/base/pe_image.h"

namespace {

// The headers, at their offsets: the DOS header's pointer to the PE header,
// then from the PE signature the file header and the optional header.
constexpr std::size_t dos_header_size = 64;
constexpr std::size_t pe_offset_at = 0x3c;
constexpr std::uint32_t pe_signature = 0x00004550; // "PE\0\0"
constexpr std::size_t machine_at = 4;
constexpr std::size_t section_count_at = 6;
constexpr std::size_t optional_size_at = 20;
constexpr std::size_t characteristics_at = 22;
constexpr std::size_t optional_at = 24;
constexpr std::uint16_t characteristic_dll = 0x2000;
constexpr std::uint16_t machine_i386 = 0x14c;
constexpr std::uint16_t machine_amd64 = 0x8664;
// In the optional header; the directories start later in the 64-bit form.
constexpr std::size_t header_size_at = 60;
constexpr std::size_t directory_count_at_32 = 92;
constexpr std::size_t directory_count_at_64 = 108;
constexpr std::size_t directory_size = 8;
constexpr std::uint32_t export_directory = 0;
constexpr std::uint32_t import_directory = 1;
constexpr std::uint32_t resource_directory = 2;
// A section's row.
constexpr std::size_t section_row_size = 40;
constexpr std::size_t section_name_size = 8;
constexpr std::size_t virtual_size_at = 8;
constexpr std::size_t virtual_address_at = 12;
constexpr std::size_t raw_size_at = 16;
constexpr std::size_t raw_offset_at = 20;
// An import descriptor: the names of its functions (or, failing that, its
// address table), its library's name.
constexpr std::size_t import_row_size = 20;
constexpr std::size_t import_names_at = 0;
constexpr std::size_t import_library_at = 12;
constexpr std::size_t import_addresses_at = 16;
// The export directory.
constexpr std::size_t export_header_size = 40;
constexpr std::size_t export_name_count_at = 24;
constexpr std::size_t export_names_at = 32;
// No name the host reads is longer.
constexpr std::size_t name_longest = 1024;

// A table's place; its stated size is not needed: each table ends itself.
struct Directory {
    std::uint32_t rva = 0;
};

Directory directory_at(const PeImage& image, std::size_t optional, bool wide, std::uint32_t which)
{
    const std::size_t count_at = optional + (wide ? directory_count_at_64 : directory_count_at_32);
    if (which >= image.u32(count_at))
        return {};
    const std::size_t at = count_at + 4 + which * directory_size;
    return {image.u32(at)};
}

std::vector<PeSection> read_sections(const PeImage& image, std::size_t table, std::size_t count)
{
    std::vector<PeSection> sections;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t row = table + i * section_row_size;
        const auto name = image.bytes().subspan(row, section_name_size);
        sections.push_back({.name = std::string(name.begin(), std::find(name.begin(), name.end(), 0)),
                            .virtual_address = image.u32(row + virtual_address_at),
                            .virtual_size = image.u32(row + virtual_size_at),
                            .raw_offset = image.u32(row + raw_offset_at),
                            .raw_size = image.u32(row + raw_size_at)});
    }
    return sections;
}

// Walks the import and export tables. However the tables point into each
// other, the walk takes no more steps than the file has words, and keeps
// no more names than PeFile::names_most.
struct TableWalk {
    const PeImage& image;
    std::size_t steps_left;
    std::size_t names_left = PeFile::names_most;

    bool step() { return steps_left > 0 ? (--steps_left, true) : false; }
    // A name at `rva`, kept when there is room; false when it is outside.
    bool keep_name(std::uint32_t rva, std::vector<std::string>& names)
    {
        const auto name = image.name_at(rva, name_longest);
        if (name)
            keep(*name, names);
        return name.has_value();
    }
    void keep(std::string name, std::vector<std::string>& names)
    {
        if (names_left > 0) {
            --names_left;
            names.push_back(std::move(name));
        }
    }
};

// One library's functions, from its name table: false when the table runs
// outside the file.
bool read_import_functions(TableWalk& walk, std::uint32_t table, bool wide, PeImport& library)
{
    const std::size_t entry_size = wide ? 8 : 4;
    const std::uint64_t by_ordinal = wide ? std::uint64_t{1} << 63 : std::uint64_t{1} << 31;
    for (std::uint64_t entry = table; walk.step(); entry += entry_size) {
        const auto at =
            entry <= UINT32_MAX ? walk.image.offset_of(static_cast<std::uint32_t>(entry), entry_size) : std::nullopt;
        if (!at)
            return false;
        const std::uint64_t value = wide ? walk.image.u64(*at) : walk.image.u32(*at);
        if (value == 0)
            return true;
        if ((value & by_ordinal) != 0) {
            walk.keep("#" + std::to_string(value & 0xffff), library.functions);
        } else if (!walk.keep_name(static_cast<std::uint32_t>(value + 2), library.functions)) { // after its hint
            return false;
        }
    }
    return false;
}

// False when a descriptor or a name lies outside the file.
bool read_imports(TableWalk& walk, Directory directory, bool wide, std::vector<PeImport>& imports)
{
    for (std::uint64_t row = directory.rva; walk.step(); row += import_row_size) {
        const auto at =
            row <= UINT32_MAX ? walk.image.offset_of(static_cast<std::uint32_t>(row), import_row_size) : std::nullopt;
        if (!at)
            return false;
        const std::uint32_t library_name = walk.image.u32(*at + import_library_at);
        if (library_name == 0)
            return true;
        const auto name = walk.image.name_at(library_name, name_longest);
        if (!name)
            return false;
        PeImport& library = imports.emplace_back(PeImport{.library = *name, .functions = {}});
        const std::uint32_t names = walk.image.u32(*at + import_names_at);
        if (!read_import_functions(walk, names != 0 ? names : walk.image.u32(*at + import_addresses_at), wide, library))
            return false;
    }
    return false;
}

bool read_exports(TableWalk& walk, Directory directory, std::vector<std::string>& exports)
{
    const auto at = walk.image.offset_of(directory.rva, export_header_size);
    if (!at)
        return false;
    const std::uint32_t count = walk.image.u32(*at + export_name_count_at);
    if (count == 0)
        return true;
    if (count > walk.image.bytes().size() / 4)
        return false;
    const auto table = walk.image.offset_of(walk.image.u32(*at + export_names_at), std::size_t{count} * 4);
    if (!table)
        return false;
    for (std::size_t i = 0; i < count; ++i)
        if (!walk.step() || !walk.keep_name(walk.image.u32(*table + i * 4), exports))
            return false;
    return true;
}

// The headers past the DOS header, once the PE signature is found at `pe`.
void read_pe_headers(std::span<const std::uint8_t> bytes, std::size_t pe, PeFile& file)
{
    const PeImage headers(bytes, file.sections, 0);
    file.machine_code = static_cast<std::uint16_t>(headers.u16(pe + machine_at));
    file.machine = file.machine_code == machine_i386 ? PeMachine::i386
        : file.machine_code == machine_amd64         ? PeMachine::amd64
                                                     : PeMachine::other;
    file.dll = (headers.u16(pe + characteristics_at) & characteristic_dll) != 0;
    const std::size_t optional = pe + optional_at;
    const std::size_t optional_size = headers.u16(pe + optional_size_at);
    const std::size_t section_count = headers.u16(pe + section_count_at);
    const std::size_t table = optional + optional_size;
    file.size_needed = std::max<std::uint64_t>(file.size_needed, table + section_count * section_row_size);
    if (optional_size >= 2)
        file.optional_magic = static_cast<std::uint16_t>(headers.u16(optional));
    if (file.cut_short())
        return;
    file.sections = read_sections(headers, table, section_count);
    for (const PeSection& section : file.sections)
        if (section.raw_size != 0)
            file.size_needed = std::max(file.size_needed, std::uint64_t{section.raw_offset} + section.raw_size);
    // The tables are read only where the optional header holds them whole.
    const bool wide = file.optional_magic == PeFile::pe32_plus_magic;
    const auto directory = [&](std::uint32_t which) {
        const std::size_t end =
            (wide ? directory_count_at_64 : directory_count_at_32) + 4 + (which + 1) * directory_size;
        return optional_size >= end ? directory_at(headers, optional, wide, which) : Directory{};
    };
    const PeImage image(bytes, file.sections, headers.u32(optional + header_size_at));
    TableWalk walk{.image = image, .steps_left = bytes.size() / 4};
    if (const Directory imports = directory(import_directory); imports.rva != 0)
        file.imports_outside = !read_imports(walk, imports, wide, file.imports);
    if (const Directory exports = directory(export_directory); exports.rva != 0)
        file.exports_outside = !read_exports(walk, exports, file.exports);
    if (const Directory resources = directory(resource_directory); resources.rva != 0)
        file.version = read_pe_version(image, resources.rva);
}

} // namespace

std::string PeVersion::text(const std::string& key) const
{
    for (const auto& [name, value] : texts)
        if (name == key)
            return value;
    return {};
}

PeFile read_pe_file(std::span<const std::uint8_t> bytes)
{
    PeFile file;
    file.file_size = bytes.size();
    file.starts_as_executable = bytes.size() >= 2 && bytes[0] == 'M' && bytes[1] == 'Z';
    if (!file.starts_as_executable)
        return file;
    const PeImage dos(bytes, file.sections, 0);
    file.size_needed = dos_header_size;
    if (file.cut_short())
        return file;
    const std::size_t pe = dos.u32(pe_offset_at);
    // The signature and the file header, up to the optional header's kind.
    file.size_needed = std::max<std::uint64_t>(file.size_needed, std::uint64_t{pe} + optional_at + 2);
    if (dos.has(pe, 4) && dos.u32(pe) != pe_signature)
        return file;
    if (file.cut_short())
        return file;
    file.has_pe_header = true;
    read_pe_headers(bytes, pe, file);
    return file;
}
