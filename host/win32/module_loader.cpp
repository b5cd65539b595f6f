#include "host/win32/module_loader.h"

std::optional<LoadedLibrary> load_gauge_module(const std::string& path, std::string& error)
{
    LoadedLibrary library;
    library.handle = LoadLibraryA(path.c_str());
    if (library.handle == nullptr) {
        error = path + ": module file does not load (Windows error " + std::to_string(GetLastError()) + ")";
        return std::nullopt;
    }
    library.records.linkage = reinterpret_cast<LinkageRecord*>(GetProcAddress(library.handle, "Linkage"));
    library.records.import_table = reinterpret_cast<ImportTableRecord*>(GetProcAddress(library.handle, "ImportTable"));
    if (library.records.linkage == nullptr || library.records.import_table == nullptr) {
        error = path + (library.records.linkage == nullptr ? ": no Linkage export" : ": no ImportTable export");
        FreeLibrary(library.handle);
        return std::nullopt;
    }
    return library;
}
