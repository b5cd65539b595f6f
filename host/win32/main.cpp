// The panel host as a Windows console program: loads a gauge module, gives
// it a main window to find and this host's panel services, and flies a
// scenario with it, headless or live in the bench window.
#include <iostream>
#include <vector>

#include "host/app/bench_run.h"
#include "host/app/session.h"
#include "host/win32/bench_window.h"
#include "host/win32/directsound_watch.h"
#include "host/win32/followed_module.h"
#include "host/win32/file_open_watch.h"
#include "host/win32/main_window.h"
#include "host/win32/module_library.h"
#include "host/win32/module_loader.h"
#include "host/win32/panel_doctor.h"
#include "host/win32/wide_text.h"
#include "host/win32/win32_platform.h"

namespace {

// Beside the host, where the build puts a copy of the module.
constexpr const char* default_module_file = "KRV_ZOR_V1_02.gau";

std::string folder_of_host()
{
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    const std::string folder = utf8_from_wide(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

// The command line as UTF-8, from Windows' own UTF-16 copy: main's argv
// holds it in the ANSI code page, with '?' for every letter that lacks.
std::vector<std::string> utf8_arguments()
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 0; wide != nullptr && i < count; ++i)
        words.push_back(utf8_from_wide(wide[i]));
    LocalFree(wide);
    return words;
}

// Wine runs a console program from a shell in the shell's own terminal,
// which stays when the program ends.
bool under_wine()
{
    const HMODULE system = GetModuleHandleA("ntdll.dll");
    return system != nullptr && GetProcAddress(system, "wine_get_version") != nullptr;
}

// A console no other program shares was opened for this one, by Explorer
// (a double-click, a file dropped on the program), and closes with it; a
// person reads it from the keyboard, not from a pipe.
bool console_closes_with_program()
{
    DWORD processes[2];
    DWORD mode = 0;
    return !under_wine() && GetConsoleProcessList(processes, 2) == 1 &&
        GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode);
}

// The class the module's window lookup looks for, which the host's name
// chose: news to a gauge maker who asks (--verbose), not to a pilot.
void tell_window_class(const HostCommandLine& command_line, const std::string& window_class)
{
    if (command_line.verbose)
        std::cout << "main window class: " << window_class << std::endl;
}

// The window exists before the module is loaded, so the module's install
// finds it and binds its sound device to it; then `fly` runs the session,
// whose scenario may still open a panel file's modules beside it.
template <typename Fly>
int load_and_fly(const HostCommandLine& command_line, HWND window, const std::string& window_class, Fly fly)
{
    std::string error;
    const auto library = load_gauge_module(command_line.module_path, error);
    if (!library) {
        return refuse_run(command_line, error);
    }
    watch_module_system_calls(library->handle, window);
    Win32Platform platform(library->handle);
    Win32ModuleLibrary panel_modules(window);
    tell_window_class(command_line, window_class);
    const int status = fly(library->records, platform, panel_modules);
    // The gauges' closing calls belong to no frame, nor to the next flight's first.
    platform.take_sound_requests();
    // A headless run's module is unloaded once its gauges are closed, so
    // that the next flight of a --flights run loads it afresh.
    if (!command_line.window)
        FreeLibrary(library->handle);
    return status;
}

// A panel file's modules load side by side, each from its own file, and
// are told the executable lies in the simulator's folder.
template <typename Fly>
int open_panel_and_fly(HostCommandLine& command_line, HWND window, const std::string& window_class, Fly fly)
{
    command_line.panel_path = full_path(command_line.panel_path);
    command_line.simulator_folder = command_line.simulator_folder.empty() ? simulator_folder_of(command_line.panel_path)
                                                                          : full_path(command_line.simulator_folder);
    answer_executable_path(simulator_executable_path(command_line.simulator_folder));
    Win32ModuleLibrary library(window);
    Win32Platform platform(nullptr);
    tell_window_class(command_line, window_class);
    return fly(LoadedModule{}, platform, library);
}

// With --watch the bench runs a copy of the module and follows the file.
int follow_and_fly(const HostCommandLine& command_line, BenchWindow& bench)
{
    FollowedModule followed(command_line.module_path, bench.handle());
    std::string error;
    if (!followed.load(error)) {
        return refuse_run(command_line, command_line.module_path + ": " + error);
    }
    Win32Platform platform(followed.running().handle);
    followed.serve(platform);
    Win32ModuleLibrary panel_modules(bench.handle());
    tell_window_class(command_line, bench.window_class());
    const BenchModule module{.records = followed.running().records,
                             .description = followed.running_description(),
                             .follower = &followed};
    return run_bench_session(command_line, module, platform, bench, &panel_modules);
}

// `bench_closed` tells main that the run ended in the bench window, whose
// closing the person saw.
int host_main(int argc, char** argv, bool& bench_closed)
{
    int status = 0;
    auto command_line = host_command_line(win32_program, argc, argv, std::cout, std::cerr, status);
    if (!command_line)
        return status;
    bench_closed = command_line->window;
    command_line->host_folder = folder_of_host();
    if (command_line->module_path.empty())
        command_line->module_path = command_line->host_folder + default_module_file;
    if (!command_line->check_path.empty()) {
        const MainWindow window = create_main_window();
        return check_panel_file(*command_line, window.handle, std::cout);
    }
    if (!command_line->panel_path.empty() && command_line->window) {
        BenchWindow bench;
        return open_panel_and_fly(
            *command_line, bench.handle(), bench.window_class(),
            [&](LoadedModule module, Win32Platform& platform, ModuleLibrary& library) {
                return run_bench_session(
                    *command_line, {.records = module, .description = command_line->panel_path, .follower = nullptr},
                    platform, bench, &library);
            });
    }
    if (!command_line->panel_path.empty()) {
        const MainWindow window = create_main_window();
        return open_panel_and_fly(*command_line, window.handle, window.window_class,
                                  [&](LoadedModule module, Win32Platform& platform, ModuleLibrary& library) {
                                      return run_host_session(*command_line, module, platform, &library);
                                  });
    }
    if (command_line->window) {
        // The bench window stands in for the plain host's hidden one.
        BenchWindow bench;
        if (command_line->watch)
            return follow_and_fly(*command_line, bench);
        const std::string description = module_file_description(command_line->module_path);
        return load_and_fly(*command_line, bench.handle(), bench.window_class(),
                            [&](LoadedModule module, Win32Platform& platform, ModuleLibrary& library) {
                                return run_bench_session(
                                    *command_line, {.records = module, .description = description, .follower = nullptr},
                                    platform, bench, &library);
                            });
    }
    const MainWindow window = create_main_window();
    const auto fly = [&](const HostCommandLine& flight) {
        return load_and_fly(flight, window.handle, window.window_class,
                            [&](LoadedModule module, Win32Platform& platform, ModuleLibrary& library) {
                                return run_host_session(flight, module, platform, &library);
                            });
    };
    return command_line->flights_path.empty() ? fly(*command_line) : run_host_flights(*command_line, fly);
}

} // namespace

int main()
{
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> words = utf8_arguments();
    // A double-click starts the host with no arguments: it opens the bench
    // on the demo panel.
    if (words.size() == 1)
        words.emplace_back("--window");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    bool bench_closed = false;
    const int status =
        run_host_program([&] { return host_main(static_cast<int>(words.size()), argv.data(), bench_closed); });
    // Whatever the program said stays on the screen until it is read.
    if (console_closes_with_program() && (status != 0 || !bench_closed)) {
        std::cerr << "Press Enter to close.\n";
        std::string ignored;
        std::getline(std::cin, ignored);
    }
    return status;
}
