// The PE reader on module files built byte by byte: what it reads from a
// whole file, and what the host says of a file broken in each way it
// knows; a file cut at every length is cut short by exactly that much.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/base/module_file.h"
#include "tests/pe_file/pe_image_builder.h"

namespace {

using namespace pe_layout;

std::string problem_of(const std::vector<std::uint8_t>& bytes)
{
    return module_file_problem(read_pe_file(bytes)).value_or("none");
}

TEST(PeFile, ReadsAWhole32BitDll)
{
    const PeFile file = read_pe_file(build_pe_image());
    EXPECT_EQ(file.machine, PeMachine::i386);
    EXPECT_TRUE(file.dll);
    EXPECT_EQ(file.size_needed, file_size);
    ASSERT_EQ(file.sections.size(), 3u);
    EXPECT_EQ(file.sections[2].name, ".rsrc");
    EXPECT_EQ(file.sections[2].virtual_address, resources_rva);
    EXPECT_EQ(file.sections[2].raw_offset, 0x600u);
    EXPECT_EQ(file.sections[2].raw_size, 0x200u);
    ASSERT_EQ(file.imports.size(), 1u);
    EXPECT_EQ(file.imports[0].library, "KERNEL32.dll");
    EXPECT_EQ(file.imports[0].functions, (std::vector<std::string>{"Sleep", "#5"}));
    EXPECT_EQ(file.exports, (std::vector<std::string>{"ImportTable", "Linkage"}));
    EXPECT_EQ(module_file_version(file), "1.2.3.4");
    EXPECT_EQ(file.version.text("FileVersion"), "1.2.3");
    EXPECT_EQ(file.version.text("ProductName"), "ZOR H\xc3\xb6henmesser");
    EXPECT_EQ(module_file_problem(file), std::nullopt);
}

TEST(PeFile, Reads64BitDllsAndProgramsAndSaysWhyNeitherLoads)
{
    const PeFile wide = read_pe_file(build_pe_image({.sixty_four_bit = true}));
    EXPECT_EQ(wide.machine, PeMachine::amd64);
    ASSERT_EQ(wide.imports.size(), 1u);
    EXPECT_EQ(wide.imports[0].functions, (std::vector<std::string>{"Sleep", "#5"}));
    EXPECT_EQ(wide.exports.size(), 2u);
    EXPECT_EQ(module_file_version(wide), "1.2.3.4");
    EXPECT_EQ(module_file_problem(wide),
              "is not a 32-bit DLL: it is built for 64-bit Windows, and the simulator "
              "loads only 32-bit gauge modules");

    const PeFile program = read_pe_file(build_pe_image({.dll = false}));
    EXPECT_FALSE(program.dll);
    EXPECT_EQ(program.exports.size(), 2u);
    EXPECT_EQ(module_file_problem(program), "is a program, not a DLL");
}

TEST(PeFile, SaysWhatIsWrongWithABrokenFile)
{
    const std::vector<std::uint8_t> dll = build_pe_image();
    const auto changed = [&](std::size_t at, std::uint64_t value, int size) {
        auto copy = dll;
        put_word(copy, at, value, size);
        return copy;
    };
    const auto cut = [&](std::size_t size) { return std::vector<std::uint8_t>(dll.begin(), dll.begin() + size); };
    const std::size_t rsrc_row = section_table_at_32 + 2 * section_row_size;
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::string problem;
    };
    const Case cases[] = {
        // clang-format off
        {"empty",                 {},                                          "is empty"},
        {"text",                  {'h', 'e', 'l', 'l', 'o'},                   "is not a Windows DLL at all (it does not start as one; a text file or a download cut short?)"},
        {"cut in the DOS header", cut(12),                                     "is cut short: 12 of 64 bytes"},
        {"cut in the PE header",  cut(80),                                     "is cut short: 80 of 90 bytes"},
        {"cut in its sections",   cut(0x100),                                  "is cut short: 256 of 432 bytes"},
        {"cut in the resources",  cut(0x700),                                  "is cut short: 1792 of 2048 bytes"},
        {"PE header far away",    changed(0x3c, 0x7ffffff0, 4),                "is cut short: 2048 of 2147483658 bytes"},
        {"no PE signature",       changed(pe_at, 'N' | 'E' << 8, 4),           "is not a Windows DLL (it has no PE header; an old DOS program or a file cut short?)"},
        {"ARM",                   changed(machine_at, 0x1c4, 2),               "is not a 32-bit x86 DLL (it is built for machine type 0x01C4)"},
        {"PE32+ header on i386",  changed(optional_at, 0x20b, 2),              "is not a 32-bit DLL: it is built for 64-bit Windows, and the simulator loads only 32-bit gauge modules"},
        {"unknown header kind",   changed(optional_at, 0x107, 2),              "is not a Windows DLL (its PE header is of no kind Windows loads)"},
        {"a section past the end", changed(rsrc_row + 20, 0x10000, 4),         "is cut short: 2048 of 66048 bytes"},
        {"a section of 4 GB",     changed(rsrc_row + 16, 0xffffffff, 4),       "is cut short: 2048 of 4294968831 bytes"},
        {"imports elsewhere",     changed(pe_directory_at({}, 1), 0x9000, 4),  "is damaged: its import table points outside the file"},
        {"a library name elsewhere", changed(import_library_name_at, 0x2ff0, 4), "is damaged: its import table points outside the file"},
        {"exports elsewhere",     changed(pe_directory_at({}, 0), 0xfffffff0, 4), "is damaged: its export table points outside the file"},
        {"export names elsewhere", changed(export_names_at, 0x9000, 4),        "is damaged: its export table points outside the file"},
        {"a billion exports",     changed(export_name_count_at, 0x40000000, 4), "is damaged: its export table points outside the file"},
        {"resources elsewhere",   changed(pe_directory_at({}, 2), 0x9000, 4),  "none"},
        // clang-format on
    };
    for (const Case& c : cases)
        EXPECT_EQ(problem_of(c.bytes), c.problem) << c.what;
}

TEST(PeFile, AFileCutAnywhereIsCutShortByWhatIsMissing)
{
    const std::vector<std::uint8_t> dll = build_pe_image();
    for (std::size_t size = 2; size < dll.size(); ++size) {
        const PeFile file = read_pe_file(std::span(dll).first(size));
        ASSERT_EQ(module_file_problem(file).value_or("none").rfind("is cut short: " + std::to_string(size) + " of ", 0),
                  0u)
            << "cut at " << size;
    }
}

TEST(PeFile, KeepsNoVersionFromABrokenVersionResource)
{
    const std::vector<std::uint8_t> dll = build_pe_image();
    const std::size_t version_at = 0x600 + 0x60;
    // The root block longer than the resource, and a key that never ends.
    auto longer = dll;
    put_word(longer, version_at, 0xffff, 2);
    EXPECT_FALSE(read_pe_file(longer).version.file_version);
    auto endless = dll;
    for (std::size_t at = version_at + 6; at < file_size; ++at)
        endless[at] = 'x';
    EXPECT_TRUE(read_pe_file(endless).version.texts.empty());
    EXPECT_EQ(module_file_problem(read_pe_file(endless)), std::nullopt);
}

TEST(ModuleFile, ReadsAFileOnceAndRefusesOneTooBigBeforeReadingIt)
{
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "module_file_test";
    std::filesystem::create_directories(folder);
    const std::vector<std::uint8_t> dll = build_pe_image();
    const std::string whole = (folder / "whole.gau").string(), huge = (folder / "huge.gau").string();
    std::ofstream(whole, std::ios::binary).write(reinterpret_cast<const char*>(dll.data()), std::ssize(dll));
    std::ofstream(huge, std::ios::binary).write(reinterpret_cast<const char*>(dll.data()), std::ssize(dll));
    std::filesystem::resize_file(huge, module_file_max_bytes + 1);

    const ModuleFile read = read_module_file(whole);
    EXPECT_EQ(read.bytes, dll);
    EXPECT_EQ(read.problem, std::nullopt);
    EXPECT_EQ(read.pe.exports.size(), 2u);
    const ModuleFile refused = read_module_file(huge);
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_EQ(refused.problem, "is larger than any gauge module (67108865 bytes)");
    EXPECT_EQ(read_module_file((folder / "none.gau").string()).problem, "is not there");
    EXPECT_EQ(read_module_file(folder.string()).problem, "is a folder, not a file");
    std::filesystem::remove_all(folder);
}

} // namespace
