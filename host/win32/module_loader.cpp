#include "host/win32/module_loader.h"

#include <span>

#include "host/base/module_file.h"
#include "host/raster/dib_decoder.h"
#include "host/win32/wide_text.h"

namespace {

std::string folder_of_file(const std::string& path)
{
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

// The DLLs the module imports that are neither beside it nor loadable from
// the system's folders.
std::string missing_libraries(const std::string& path, const PeFile& file)
{
    std::string missing;
    for (const PeImport& import : file.imports) {
        if (GetFileAttributesW(wide_text(folder_of_file(path) + import.library).c_str()) != INVALID_FILE_ATTRIBUTES)
            continue;
        HMODULE found = LoadLibraryExA(import.library.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
        if (found != nullptr)
            FreeLibrary(found);
        else
            missing += (missing.empty() ? "" : ", ") + import.library;
    }
    return missing;
}

} // namespace

std::optional<LoadedLibrary> load_gauge_module(const std::string& path, std::string& error)
{
    const ModuleFile file = read_module_file(path);
    if (file.problem) {
        error = path + " " + *file.problem;
        return std::nullopt;
    }
    auto library = load_checked_module(path, file.pe, error);
    if (!library)
        error = path + " " + error;
    return library;
}

std::optional<LoadedLibrary> load_checked_module(const std::string& path, const PeFile& file, std::string& error)
{
    LoadedLibrary library;
    // The module's own folder is searched first for the DLLs it imports.
    library.handle = LoadLibraryExW(wide_text(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (library.handle == nullptr) {
        const DWORD code = GetLastError();
        error = "cannot be loaded (error " + std::to_string(code) + ")";
        if (const std::string missing = missing_libraries(path, file); !missing.empty())
            error += ": it needs " + missing + ", which is not on this machine";
        return std::nullopt;
    }
    library.records.linkage = reinterpret_cast<LinkageRecord*>(GetProcAddress(library.handle, "Linkage"));
    library.records.import_table = reinterpret_cast<ImportTableRecord*>(GetProcAddress(library.handle, "ImportTable"));
    if (library.records.linkage == nullptr || library.records.import_table == nullptr) {
        error = "is a DLL but no gauge module: it exports no Linkage or no ImportTable";
        FreeLibrary(library.handle);
        return std::nullopt;
    }
    return library;
}

std::optional<Image> module_bitmap(HMODULE module, std::uint32_t resource_id)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resource_id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (found == nullptr)
        return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
    if (bytes == nullptr)
        return std::nullopt;
    return decode_dib(std::span(bytes, SizeofResource(module, found)));
}
