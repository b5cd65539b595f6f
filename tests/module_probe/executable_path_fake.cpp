#include "executable_path_fake.h"

#include <cstring>

#include "host/win32/import_patch.h"

namespace {

using GetModuleFileNameRoutine = DWORD(WINAPI*)(HMODULE, LPSTR, DWORD);

GetModuleFileNameRoutine system_routine = nullptr;
std::string faked_path;
PathCut faked_cut = PathCut::terminated;

DWORD WINAPI faked_get_module_file_name(HMODULE module, LPSTR buffer, DWORD size)
{
    // Only the process's own executable is faked.
    if (module != nullptr)
        return system_routine(module, buffer, size);
    if (faked_cut == PathCut::unreadable || size == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    const DWORD length = static_cast<DWORD>(faked_path.size());
    if (length < size) {
        std::memcpy(buffer, faked_path.c_str(), length + 1);
        return length;
    }
    std::memcpy(buffer, faked_path.data(), size);
    if (faked_cut == PathCut::terminated)
        buffer[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}

} // namespace

bool fake_executable_path(HMODULE module, const std::string& path, PathCut cut)
{
    system_routine = reinterpret_cast<GetModuleFileNameRoutine>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetModuleFileNameA")));
    faked_path = path;
    faked_cut = cut;
    return system_routine != nullptr &&
        redirect_import(module, reinterpret_cast<void*>(system_routine),
                        reinterpret_cast<void*>(faked_get_module_file_name)) > 0;
}
