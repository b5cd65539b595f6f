#include "host/win32/crash_guard.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace {

struct FaultName {
    DWORD code;
    const char* name;
};
// The faults a module's code can make; anything else (a debugger's
// breakpoint, a C++ exception on its way) goes on as it would.
constexpr FaultName fault_names[] = {
    // clang-format off
    {EXCEPTION_ACCESS_VIOLATION,      "access violation"},
    {EXCEPTION_ILLEGAL_INSTRUCTION,   "illegal instruction"},
    {EXCEPTION_PRIV_INSTRUCTION,      "privileged instruction"},
    {EXCEPTION_INT_DIVIDE_BY_ZERO,    "integer division by zero"},
    {EXCEPTION_INT_OVERFLOW,          "integer overflow"},
    {EXCEPTION_ARRAY_BOUNDS_EXCEEDED, "array bounds exceeded"},
    {EXCEPTION_STACK_OVERFLOW,        "stack overflow"},
    {EXCEPTION_IN_PAGE_ERROR,         "page not readable"},
    {EXCEPTION_FLT_DIVIDE_BY_ZERO,    "floating-point division by zero"},
    {EXCEPTION_FLT_INVALID_OPERATION, "invalid floating-point operation"},
    // clang-format on
};

// One guard at a time, on the thread that runs the panel.
void* resume_at[5];
bool guarding = false;
DWORD guarded_thread = 0;
char fault_text[200];

// The head of the thread's chain of frame-based handlers, the first word of
// its information block.
void* frame_handlers()
{
    void* head = nullptr;
    asm volatile("movl %%fs:0, %0" : "=r"(head));
    return head;
}

void set_frame_handlers(void* head)
{
    asm volatile("movl %0, %%fs:0" : : "r"(head) : "memory");
}

const char* fault_name(DWORD code)
{
    for (const FaultName& row : fault_names)
        if (row.code == code)
            return row.name;
    return nullptr;
}

// "+0x1234 into NAME" for an address inside a loaded module.
void describe(DWORD code, const void* address)
{
    char where[MAX_PATH + 32] = "";
    HMODULE module = nullptr;
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<const char*>(address), &module)) {
        char path[MAX_PATH] = "";
        GetModuleFileNameA(module, path, sizeof path);
        const char* name = path;
        for (const char* c = path; *c != '\0'; ++c)
            if (*c == '\\' || *c == '/')
                name = c + 1;
        std::snprintf(
            where, sizeof where, ", %s+0x%lx", name,
            static_cast<unsigned long>(static_cast<const char*>(address) - reinterpret_cast<const char*>(module)));
    }
    std::snprintf(fault_text, sizeof fault_text, "%s (0x%08lx) at 0x%08lx%s", fault_name(code),
                  static_cast<unsigned long>(code),
                  static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(address)), where);
}

LONG CALLBACK on_exception(EXCEPTION_POINTERS* exception)
{
    const DWORD code = exception->ExceptionRecord->ExceptionCode;
    if (!guarding || GetCurrentThreadId() != guarded_thread || fault_name(code) == nullptr)
        return EXCEPTION_CONTINUE_SEARCH;
    describe(code, exception->ExceptionRecord->ExceptionAddress);
    guarding = false;
    __builtin_longjmp(resume_at, 1);
}

} // namespace

std::optional<std::string> run_guarded(const std::function<void()>& work)
{
    static PVOID const handler = AddVectoredExceptionHandler(1, on_exception);
    (void)handler;
    // Inside a guard already: a fault ends the outer work.
    if (guarding) {
        work();
        return std::nullopt;
    }
    // The frame-based handlers as they stand now: a fault leaves the ones
    // its unfinished calls registered, which must not stay in the chain.
    void* const handlers = frame_handlers();
    guarded_thread = GetCurrentThreadId();
    if (__builtin_setjmp(resume_at) != 0) {
        set_frame_handlers(handlers);
        return std::string(fault_text);
    }
    guarding = true;
    work();
    guarding = false;
    return std::nullopt;
}
