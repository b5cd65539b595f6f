#include "host/win32/main_window.h"

#include "host/panel/window_class.h"

namespace {

constexpr int window_width = 800;
constexpr int window_height = 600;

std::string own_executable_path()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

} // namespace

MainWindow create_main_window(const char* title, DWORD style, WNDPROC procedure, void* owner)
{
    MainWindow window;
    window.window_class = main_window_class_for(executable_file_name(own_executable_path()));
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = procedure;
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = window.window_class.c_str();
    RegisterClassA(&window_class);
    // Created hidden: it exists first so the module's lookup and DirectSound
    // find it.
    window.handle = CreateWindowA(window.window_class.c_str(), title, style, CW_USEDEFAULT, CW_USEDEFAULT, window_width,
                                  window_height, nullptr, nullptr, GetModuleHandleA(nullptr), owner);
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
