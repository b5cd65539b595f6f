// A Windows module file (a DLL, a .gau, a program) read from its bytes
// into what the host asks of it: the machine it is built for, whether it is
// a DLL, its sections, the DLLs and functions it imports, the names it
// exports and its version resource, and whether the file is whole. Every
// offset and size the file states is checked against the file's length
// before it is followed, so no file, however broken, makes the reader look
// past its end; a table that points outside the file is noted, not read.
// The reader judges nothing: module_file.h phrases what the facts mean for
// a gauge module.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

enum class PeMachine { i386, amd64, other };

struct PeSection {
    std::string name; // up to 8 bytes, as the section table holds it
    std::uint32_t virtual_address = 0;
    std::uint32_t virtual_size = 0;
    std::uint32_t raw_offset = 0; // where its bytes are in the file
    std::uint32_t raw_size = 0;
};

struct PeImport {
    std::string library;                // as the import table names it
    std::vector<std::string> functions; // by name; "#N" for one imported by ordinal N
};

// The version resource: its four fixed numbers and its texts (FileVersion,
// ProductName, ...), in the order the first string table holds them.
struct PeVersion {
    std::optional<std::array<std::uint16_t, 4>> file_version;
    std::vector<std::pair<std::string, std::string>> texts;

    // The text under `key`; empty when there is none.
    std::string text(const std::string& key) const;
};

struct PeFile {
    std::size_t file_size = 0;
    // Bytes the file must have for every header and section it states: more
    // than file_size when it is cut short.
    std::uint64_t size_needed = 0;
    bool starts_as_executable = false; // "MZ"
    bool has_pe_header = false;        // "PE\0\0" where the DOS header points
    std::uint16_t machine_code = 0;
    PeMachine machine = PeMachine::other;
    std::uint16_t optional_magic = 0; // 0x10b for 32 bits, 0x20b for 64
    bool dll = false;
    std::vector<PeSection> sections;
    std::vector<PeImport> imports;
    std::vector<std::string> exports;
    PeVersion version;
    // A table the headers state that lies (partly) outside the file.
    bool imports_outside = false;
    bool exports_outside = false;

    bool cut_short() const { return size_needed > file_size; }
    bool sixty_four_bit() const { return machine == PeMachine::amd64 || optional_magic == pe32_plus_magic; }

    // The most names (imported functions and exports) the reader keeps of a
    // file, however its tables point into each other.
    static constexpr std::size_t names_most = 16384;
    static constexpr std::uint16_t pe32_magic = 0x10b;
    static constexpr std::uint16_t pe32_plus_magic = 0x20b;
};

PeFile read_pe_file(std::span<const std::uint8_t> bytes);
