#include "host/win32/module_file_check.h"

#include <windows.h>

#include <cstring>
#include <iterator>

#include "host/base/input_file.h"

namespace {

// A module no bigger than this is read whole for its checks.
constexpr std::size_t library_name_max = 260;

template <typename Record>
const Record* record_at(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return at <= bytes.size() && bytes.size() - at >= sizeof(Record) ? reinterpret_cast<const Record*>(&bytes[at])
                                                                     : nullptr;
}

// The file's headers when they are those of a 32-bit image; null otherwise.
const IMAGE_NT_HEADERS32* image_headers(const std::vector<std::uint8_t>& bytes)
{
    const auto* dos = record_at<IMAGE_DOS_HEADER>(bytes, 0);
    if (dos == nullptr || dos->e_magic != IMAGE_DOS_SIGNATURE)
        return nullptr;
    const auto* nt = record_at<IMAGE_NT_HEADERS32>(bytes, static_cast<std::size_t>(dos->e_lfanew));
    return nt != nullptr && nt->Signature == IMAGE_NT_SIGNATURE ? nt : nullptr;
}

std::optional<std::size_t> file_offset(const std::vector<std::uint8_t>& bytes, const IMAGE_NT_HEADERS32& nt, DWORD rva)
{
    const std::size_t table = reinterpret_cast<const std::uint8_t*>(&nt) - bytes.data() +
        offsetof(IMAGE_NT_HEADERS32, OptionalHeader) + nt.FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
        const auto* section = record_at<IMAGE_SECTION_HEADER>(bytes, table + i * sizeof(IMAGE_SECTION_HEADER));
        if (section == nullptr)
            return std::nullopt;
        if (rva >= section->VirtualAddress && rva - section->VirtualAddress < section->SizeOfRawData)
            return section->PointerToRawData + (rva - section->VirtualAddress);
    }
    return std::nullopt;
}

std::string folder_of_file(const std::string& path)
{
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

} // namespace

std::optional<std::string> module_file_fault(const std::string& path)
{
    std::string error;
    const auto read = read_input_file(path, module_file_max_bytes, error);
    if (!read)
        return error;
    const std::vector<std::uint8_t>& bytes = *read;
    const auto* dos = record_at<IMAGE_DOS_HEADER>(bytes, 0);
    if (dos == nullptr || dos->e_magic != IMAGE_DOS_SIGNATURE)
        return "is not a Windows DLL at all (it does not start as one; a text file or a download cut short?)";
    const auto* nt = record_at<IMAGE_NT_HEADERS32>(bytes, static_cast<std::size_t>(dos->e_lfanew));
    if (nt == nullptr || nt->Signature != IMAGE_NT_SIGNATURE)
        return "is not a Windows DLL (it has no PE header; an old DOS program or a file cut short?)";
    if (nt->FileHeader.Machine == IMAGE_FILE_MACHINE_AMD64 || nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC)
        return "is not a 32-bit DLL: it is built for 64-bit Windows, and the simulator loads only 32-bit gauge modules";
    if (nt->FileHeader.Machine != IMAGE_FILE_MACHINE_I386)
        return "is not a 32-bit x86 DLL (it is built for machine type " + std::to_string(nt->FileHeader.Machine) + ")";
    if ((nt->FileHeader.Characteristics & IMAGE_FILE_DLL) == 0)
        return "is a program, not a DLL";
    const std::size_t table = static_cast<std::size_t>(dos->e_lfanew) + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
        nt->FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
        const auto* section = record_at<IMAGE_SECTION_HEADER>(bytes, table + i * sizeof(IMAGE_SECTION_HEADER));
        const std::size_t end =
            section == nullptr ? bytes.size() + 1 : std::size_t{section->PointerToRawData} + section->SizeOfRawData;
        if (end > bytes.size())
            return "is cut short: its parts reach byte " + std::to_string(end) + ", but the file has " +
                std::to_string(bytes.size()) + " bytes (copy it again)";
    }
    return std::nullopt;
}

std::vector<std::string> imported_libraries(const std::string& path)
{
    std::string error;
    const std::vector<std::uint8_t> bytes =
        read_input_file(path, module_file_max_bytes, error).value_or(std::vector<std::uint8_t>{});
    const IMAGE_NT_HEADERS32* nt = image_headers(bytes);
    std::vector<std::string> names;
    if (nt == nullptr || nt->OptionalHeader.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_IMPORT)
        return names;
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    const auto at = file_offset(bytes, *nt, imports);
    for (std::size_t entry = at.value_or(bytes.size()); imports != 0; entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto* library = record_at<IMAGE_IMPORT_DESCRIPTOR>(bytes, entry);
        if (library == nullptr || library->Name == 0)
            break;
        const auto name_at = file_offset(bytes, *nt, library->Name);
        if (!name_at || *name_at >= bytes.size())
            break;
        const char* name = reinterpret_cast<const char*>(&bytes[*name_at]);
        names.emplace_back(name, strnlen(name, std::min(library_name_max, bytes.size() - *name_at)));
    }
    return names;
}

std::vector<std::string> missing_libraries(const std::string& path)
{
    std::vector<std::string> missing;
    for (const std::string& name : imported_libraries(path)) {
        if (GetFileAttributesA((folder_of_file(path) + name).c_str()) != INVALID_FILE_ATTRIBUTES)
            continue;
        HMODULE found = LoadLibraryExA(name.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
        if (found == nullptr)
            missing.push_back(name);
        else
            FreeLibrary(found);
    }
    return missing;
}
