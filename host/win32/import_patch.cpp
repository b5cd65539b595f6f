#include "host/win32/import_patch.h"

void write_protected_word(void** where, void* value)
{
    DWORD old_protection = 0;
    if (!VirtualProtect(where, sizeof *where, PAGE_READWRITE, &old_protection))
        return;
    *where = value;
    VirtualProtect(where, sizeof *where, old_protection, &old_protection);
}

int redirect_import(HMODULE module, void* original, void* replacement)
{
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return 0;
    int changed = 0;
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); library->Name != 0;
         ++library) {
        // The bound slots hold the resolved addresses; compare those, which
        // also catches imports by ordinal.
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk); slot->u1.Function != 0;
             ++slot)
            if (reinterpret_cast<void*>(slot->u1.Function) == original) {
                write_protected_word(reinterpret_cast<void**>(&slot->u1.Function), replacement);
                ++changed;
            }
    }
    return changed;
}
