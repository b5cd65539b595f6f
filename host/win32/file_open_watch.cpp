#include "host/win32/file_open_watch.h"

#include <mmsystem.h>

#include <cstdio>
#include <cstring>

#include "host/win32/import_patch.h"
#include "host/win32/wide_text.h"

namespace {

using MmioOpenRoutine = HMMIO(WINAPI*)(LPSTR, LPMMIOINFO, DWORD);
using CreateFileRoutine = HANDLE(WINAPI*)(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE);
using ModuleFileNameRoutine = DWORD(WINAPI*)(HMODULE, LPSTR, DWORD);
using FileOpenRoutine = FILE*(__cdecl*)(const char*, const char*);

struct Watch {
    MmioOpenRoutine mmio_open = nullptr;
    CreateFileRoutine create_file = nullptr;
    ModuleFileNameRoutine module_file_name = nullptr;
    FileOpenRoutine file_open = nullptr;
    std::string executable_path;
    std::vector<FailedFileOpen> failed;
};
Watch watch;

// The module whose code holds `address`: the caller of a watched routine.
HMODULE module_at(void* address)
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCSTR>(address), &module);
    return module;
}

void note_failure(void* caller, const char* path, DWORD error)
{
    watch.failed.push_back({module_at(caller), path != nullptr ? utf8_from_ansi(path) : "", error});
}

HMMIO WINAPI watched_mmio_open(LPSTR path, LPMMIOINFO info, DWORD flags)
{
    SetLastError(0);
    const HMMIO opened = watch.mmio_open(path, info, flags);
    if (opened == nullptr)
        note_failure(__builtin_return_address(0), path,
                     info != nullptr && info->wErrorRet != 0 ? info->wErrorRet : GetLastError());
    return opened;
}

HANDLE WINAPI watched_create_file(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                  DWORD creation, DWORD flags, HANDLE model)
{
    const HANDLE opened = watch.create_file(path, access, share, security, creation, flags, model);
    if (opened == INVALID_HANDLE_VALUE)
        note_failure(__builtin_return_address(0), path, GetLastError());
    return opened;
}

FILE* __cdecl watched_file_open(const char* path, const char* mode)
{
    FILE* opened = watch.file_open(path, mode);
    if (opened == nullptr)
        note_failure(__builtin_return_address(0), path, ERROR_FILE_NOT_FOUND);
    return opened;
}

// The process's own executable is asked for with no module handle.
DWORD WINAPI watched_module_file_name(HMODULE module, LPSTR out, DWORD size)
{
    if (module != nullptr || watch.executable_path.empty() || out == nullptr || size == 0)
        return watch.module_file_name(module, out, size);
    const DWORD length = static_cast<DWORD>(watch.executable_path.size());
    const DWORD copied = length < size ? length : size - 1;
    std::memcpy(out, watch.executable_path.data(), copied);
    out[copied] = '\0';
    if (copied < length)
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return copied < length ? size : copied;
}

template <typename Routine>
Routine system_routine(const char* library, const char* name)
{
    HMODULE loaded = LoadLibraryA(library);
    return loaded ? reinterpret_cast<Routine>(reinterpret_cast<void*>(GetProcAddress(loaded, name))) : nullptr;
}

template <typename Routine>
void redirect(HMODULE module, Routine original, Routine replacement)
{
    if (original != nullptr)
        redirect_import(module, reinterpret_cast<void*>(original), reinterpret_cast<void*>(replacement));
}

} // namespace

void watch_module_file_opens(HMODULE module)
{
    if (watch.mmio_open == nullptr) {
        watch.mmio_open = system_routine<MmioOpenRoutine>("winmm.dll", "mmioOpenA");
        watch.create_file = system_routine<CreateFileRoutine>("kernel32.dll", "CreateFileA");
        watch.module_file_name = system_routine<ModuleFileNameRoutine>("kernel32.dll", "GetModuleFileNameA");
        watch.file_open = system_routine<FileOpenRoutine>("msvcrt.dll", "fopen");
    }
    redirect(module, watch.mmio_open, &watched_mmio_open);
    redirect(module, watch.create_file, &watched_create_file);
    redirect(module, watch.module_file_name, &watched_module_file_name);
    redirect(module, watch.file_open, &watched_file_open);
}

void answer_executable_path(const std::string& path)
{
    watch.executable_path = ansi_text(path);
}

std::vector<FailedFileOpen> take_failed_file_opens()
{
    std::vector<FailedFileOpen> failed;
    failed.swap(watch.failed);
    return failed;
}
