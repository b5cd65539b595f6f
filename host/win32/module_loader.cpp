#include "host/win32/module_loader.h"

#include <span>

#include "host/raster/dib_decoder.h"
#include "host/win32/module_file_check.h"
#include "host/win32/wide_text.h"

std::optional<LoadedLibrary> load_gauge_module(const std::string& path, std::string& error)
{
    if (const auto fault = module_file_fault(path)) {
        error = path + " " + *fault;
        return std::nullopt;
    }
    LoadedLibrary library;
    // The module's own folder is searched first for the DLLs it imports.
    library.handle = LoadLibraryExW(wide_text(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (library.handle == nullptr) {
        const DWORD code = GetLastError();
        error = path + " cannot be loaded (error " + std::to_string(code) + ")";
        std::string missing;
        for (const std::string& name : missing_libraries(path))
            missing += (missing.empty() ? "" : ", ") + name;
        if (!missing.empty())
            error += ": it needs " + missing + ", which is not on this machine";
        return std::nullopt;
    }
    library.records.linkage = reinterpret_cast<LinkageRecord*>(GetProcAddress(library.handle, "Linkage"));
    library.records.import_table = reinterpret_cast<ImportTableRecord*>(GetProcAddress(library.handle, "ImportTable"));
    if (library.records.linkage == nullptr || library.records.import_table == nullptr) {
        error = path + " is a DLL but no gauge module: it exports no Linkage or no ImportTable";
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
