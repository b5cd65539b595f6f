#include "watchdog.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

namespace {

// Shared between the probe's thread and the watchdog's: the name is
// written whole while no deadline counts, then the deadline set.
char current_case[160] = "start-up";
std::atomic<long long> deadline_ms = 0;

void report_and_end(const char* what, int status)
{
    std::fprintf(stdout, "\nFAILED: %s in %s\n", what, current_case);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), status);
}

DWORD WINAPI watch_deadlines(void*)
{
    for (;;) {
        Sleep(100);
        const long long deadline = deadline_ms;
        if (deadline != 0 && static_cast<long long>(GetTickCount64()) > deadline)
            report_and_end("no answer within its time", exit_hang);
    }
}

// Any thread: the module's, DirectSound's mixer, the probe's own.
LONG WINAPI report_crash(EXCEPTION_POINTERS* exception)
{
    char what[64];
    std::snprintf(what, sizeof what, "exception 0x%08lx", exception->ExceptionRecord->ExceptionCode);
    report_and_end(what, exit_crash);
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

void start_watchdog()
{
    SetUnhandledExceptionFilter(report_crash);
    CreateThread(nullptr, 0, watch_deadlines, nullptr, 0, nullptr);
}

void watch_case(const std::string& name, double seconds)
{
    deadline_ms = 0;
    std::snprintf(current_case, sizeof current_case, "%s", name.c_str());
    deadline_ms = static_cast<long long>(GetTickCount64()) + static_cast<long long>(seconds * 1000);
}
