#include "host/win32/main_window.h"

#include "host/core/host_window_class.h"

namespace {

constexpr const char* window_title = "ZOR panel host";
constexpr int window_width = 800;
constexpr int window_height = 600;

std::string own_executable_path()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

} // namespace

MainWindow create_main_window()
{
    MainWindow window;
    window.window_class = main_window_class_for(executable_file_name(own_executable_path()));
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = window.window_class.c_str();
    RegisterClassA(&window_class);
    // Never shown: it exists so the module's lookup and DirectSound find it.
    window.handle = CreateWindowA(window.window_class.c_str(), window_title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, window_width, window_height, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    return window;
}

void pump_window_messages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
