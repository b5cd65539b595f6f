// Loads the built module the way the simulator does and reads back what it
// carries: its two exported records, every bitmap, the wave resource and the
// version texts; and what the host's PE reader reads from the same file.
#include "abi/host_formats.h"
#include "host/base/module_file.h"
#include "layout/bitmap_ids.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

const char* module_path()
{
    const char* path = std::getenv("ZOR_MODULE_PATH");
    return path != nullptr ? path : "KRV_ZOR_V1_02.gau";
}

class ModuleFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { module = LoadLibraryA(module_path()); }
    static void TearDownTestSuite()
    {
        if (module != nullptr)
            FreeLibrary(module);
    }
    void SetUp() override { ASSERT_NE(module, nullptr) << "cannot load " << module_path(); }
    static HMODULE module;
};
HMODULE ModuleFile::module = nullptr;

const IMAGE_NT_HEADERS* nt_headers(HMODULE module)
{
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    return reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
}

TEST_F(ModuleFile, ExportsExactlyLinkageAndImportTable)
{
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const IMAGE_DATA_DIRECTORY& dir = nt_headers(module)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ASSERT_NE(dir.VirtualAddress, 0u);
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    EXPECT_STREQ(reinterpret_cast<const char*>(base + exports->Name), "KRV_ZOR_V1_02.gau");
    std::set<std::string> names;
    const auto* name_rvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.insert(reinterpret_cast<const char*>(base + name_rvas[i]));
    EXPECT_EQ(names, (std::set<std::string>{"ImportTable", "Linkage"}));
    EXPECT_EQ(exports->NumberOfFunctions, 2u);

    const auto* linkage = reinterpret_cast<const LinkageRecord*>(GetProcAddress(module, "Linkage"));
    const auto* imports = reinterpret_cast<const ImportTableRecord*>(GetProcAddress(module, "ImportTable"));
    ASSERT_NE(linkage, nullptr);
    ASSERT_NE(imports, nullptr);
    EXPECT_EQ(linkage->module_id, 0x13u);
    EXPECT_EQ(linkage->module_version, 0x800u);
    EXPECT_STREQ(linkage->gauge_table[0]->name, "ZOR_1");
    EXPECT_STREQ(linkage->gauge_table[3]->name, "AZS_ZOR_2");
    EXPECT_EQ(linkage->gauge_table[4], nullptr);
    EXPECT_EQ(imports->panels.id, 0x0Fu);
    EXPECT_EQ(imports->panels.table, nullptr);
}

TEST_F(ModuleFile, ImportsOnlySystemDlls)
{
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const IMAGE_DATA_DIRECTORY& dir = nt_headers(module)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const std::set<std::string> allowed = {"kernel32.dll", "user32.dll", "winmm.dll", "dsound.dll", "msvcrt.dll"};
    int count = 0;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name != 0; ++d) {
        std::string name = reinterpret_cast<const char*>(base + d->Name);
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(allowed.count(name)) << name;
        ++count;
    }
    EXPECT_GT(count, 0);
}

struct BitmapRun {
    std::uint32_t first, frames, width, height, height_from_frame_12;
    bool lcd;
};

// Every image, with the size of its frames; the digit strips' feet and dim
// banks are taller than the metres bright bank.
const BitmapRun bitmap_runs[] = {
    // clang-format off
    {bitmap_unlit_face,       1,  361, 358, 358, false},
    {bitmap_lit_dial,         4,  361, 358, 358, true},
    {bitmap_deviation_border, 4,  142, 47,  47,  true},
    {bitmap_medium_digits,    48, 24,  30,  32,  true},
    {bitmap_small_digits,     48, 19,  24,  25,  true},
    {bitmap_large_digits,     48, 30,  40,  40,  true},
    {bitmap_needle,           1,  128, 6,   6,   false},
    {bitmap_breaker_disc,     1,  30,  65,  65,  false},
    {bitmap_breaker_switch,   3,  30,  65,  65,  false},
    // clang-format on
};

struct Rgb {
    BYTE r, g, b;
};
const Rgb lcd_colours[] = {{29, 163, 29}, {158, 158, 47}, {23, 130, 23}, {130, 130, 34}};

const BITMAPINFOHEADER* bitmap_resource(HMODULE module, std::uint32_t id)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2)); // RT_BITMAP
    if (found == nullptr)
        return nullptr;
    return static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, found)));
}

bool palette_has(const BITMAPINFOHEADER* info, Rgb colour)
{
    const auto* palette = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(info) + info->biSize);
    const DWORD entries = info->biClrUsed != 0 ? info->biClrUsed : 256;
    for (DWORD i = 0; i < entries; ++i)
        if (palette[i].rgbRed == colour.r && palette[i].rgbGreen == colour.g && palette[i].rgbBlue == colour.b)
            return true;
    return false;
}

TEST_F(ModuleFile, EveryBitmapIsAnEightBitImageOfItsSize)
{
    for (const BitmapRun& run : bitmap_runs) {
        for (std::uint32_t frame = 0; frame < run.frames; ++frame) {
            const std::uint32_t id = run.first + frame;
            const BITMAPINFOHEADER* info = bitmap_resource(module, id);
            ASSERT_NE(info, nullptr) << "bitmap " << id;
            EXPECT_EQ(info->biBitCount, 8) << id;
            EXPECT_EQ(info->biCompression, static_cast<DWORD>(BI_RGB)) << id;
            EXPECT_EQ(info->biWidth, static_cast<LONG>(run.width)) << id;
            const std::uint32_t height = frame < 12 ? run.height : run.height_from_frame_12;
            EXPECT_EQ(std::abs(info->biHeight), static_cast<LONG>(height)) << id;
            if (run.lcd) {
                // Frames run in banks: metres bright, feet bright, metres dim, feet dim.
                const std::uint32_t bank = run.frames == 48 ? frame / 12 : frame;
                EXPECT_TRUE(palette_has(info, lcd_colours[bank])) << "LCD colour of bank " << bank << " in " << id;
            }
        }
        EXPECT_EQ(bitmap_resource(module, run.first + run.frames), nullptr)
            << "no frame after the last of " << run.first
            << (run.first + run.frames == bitmap_breaker_switch ? " (the switch follows the disc)" : "");
    }
}

// Walks the loaded module's own element trees: every frame an element can
// ask for is a bitmap the module carries.
TEST_F(ModuleFile, EveryElementsFramesAreBitmapsItCarries)
{
    const auto* linkage = reinterpret_cast<const LinkageRecord*>(GetProcAddress(module, "Linkage"));
    ASSERT_NE(linkage, nullptr);
    int elements = 0;
    for (const GaugeHeader* gauge : linkage->gauge_table) {
        if (gauge == nullptr)
            break;
        for (ElementHeader* e = gauge->element_list[0]; e != nullptr && elements < 256; e = e->next[0]) {
            ++elements;
            const std::uint32_t frames = e->kind == element_icon ? reinterpret_cast<IconElement*>(e)->frame_count : 1;
            for (std::uint32_t frame = 0; frame < frames; ++frame)
                EXPECT_NE(bitmap_resource(module, e->resource_id + frame), nullptr)
                    << gauge->name << " asks for bitmap " << e->resource_id + frame;
        }
    }
    EXPECT_GT(elements, 0);
}

TEST_F(ModuleFile, CarriesTheWaveResource)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(ZOR_WAVE_RESOURCE_ID), "WAVE");
    ASSERT_NE(found, nullptr);
    const auto* riff = static_cast<const char*>(LockResource(LoadResource(module, found)));
    EXPECT_EQ(std::memcmp(riff, "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(riff + 8, "WAVE", 4), 0);
    EXPECT_EQ(SizeofResource(module, found), 44u + 176400u);
}

std::string version_text(const std::vector<char>& info, const char* name)
{
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return "";
    return value;
}

TEST_F(ModuleFile, VersionResourceInUsEnglish)
{
    char path[MAX_PATH];
    GetModuleFileNameA(module, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(version_text(info, "FileVersion"), "1.0.0");
    EXPECT_EQ(version_text(info, "ProductVersion"), "1.0.0");
    EXPECT_EQ(version_text(info, "FileDescription"), "Flight Simulator 2000 Gauge");
}

} // namespace

namespace {

// The host's PE reader on the module's file against what Windows made of
// the same file: the sections it mapped, the libraries and functions it
// bound, the names GetProcAddress finds, the version texts it answers.
TEST_F(ModuleFile, ThePeReaderReadsWhatWindowsLoaded)
{
    const ::ModuleFile file = read_module_file(module_path());
    ASSERT_EQ(file.problem, std::nullopt);
    EXPECT_EQ(file.pe.machine, PeMachine::i386);
    EXPECT_TRUE(file.pe.dll);
    // The sections end at or before the file's end: the unstripped module's
    // symbols follow them, outside every section.
    EXPECT_LE(file.pe.size_needed, file.bytes.size());

    const auto* base = reinterpret_cast<const BYTE*>(module);
    const IMAGE_NT_HEADERS* nt = nt_headers(module);
    ASSERT_EQ(file.pe.sections.size(), nt->FileHeader.NumberOfSections);
    const IMAGE_SECTION_HEADER* mapped = IMAGE_FIRST_SECTION(nt);
    for (std::size_t i = 0; i < file.pe.sections.size(); ++i) {
        EXPECT_EQ(file.pe.sections[i].name,
                  std::string(reinterpret_cast<const char*>(mapped[i].Name),
                              strnlen(reinterpret_cast<const char*>(mapped[i].Name), 8)));
        EXPECT_EQ(file.pe.sections[i].virtual_address, mapped[i].VirtualAddress);
        EXPECT_EQ(file.pe.sections[i].raw_size, mapped[i].SizeOfRawData);
    }

    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<PeImport> bound;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name != 0; ++d) {
        PeImport& library = bound.emplace_back(PeImport{reinterpret_cast<const char*>(base + d->Name), {}});
        for (auto* t = reinterpret_cast<const IMAGE_THUNK_DATA32*>(base + d->OriginalFirstThunk);
             t->u1.AddressOfData != 0; ++t)
            library.functions.push_back(
                IMAGE_SNAP_BY_ORDINAL32(t->u1.Ordinal)
                    ? "#" + std::to_string(IMAGE_ORDINAL32(t->u1.Ordinal))
                    : reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + t->u1.AddressOfData)->Name);
    }
    ASSERT_EQ(file.pe.imports.size(), bound.size());
    for (std::size_t i = 0; i < bound.size(); ++i) {
        EXPECT_EQ(file.pe.imports[i].library, bound[i].library);
        EXPECT_EQ(file.pe.imports[i].functions, bound[i].functions) << bound[i].library;
    }

    EXPECT_EQ(file.pe.exports, (std::vector<std::string>{"ImportTable", "Linkage"}));
    for (const std::string& name : file.pe.exports)
        EXPECT_NE(GetProcAddress(module, name.c_str()), nullptr) << name;

    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(module_path(), &ignored));
    ASSERT_TRUE(GetFileVersionInfoA(module_path(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    const std::array<std::uint16_t, 4> windows_version = {
        HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
        LOWORD(fixed->dwFileVersionLS)};
    EXPECT_EQ(file.pe.version.file_version, windows_version);
    ASSERT_FALSE(file.pe.version.texts.empty());
    for (const auto& [key, value] : file.pe.version.texts)
        EXPECT_EQ(value, version_text(info, key.c_str())) << key;
    EXPECT_EQ(file.pe.version.text("FileVersion"), "1.0.0");
}

} // namespace
