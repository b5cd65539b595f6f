// The host's main window, of the class that gauges look for: the class
// follows the host's own executable name, as the simulator's does.
#pragma once

#include <windows.h>

#include <string>

struct MainWindow {
    HWND handle = nullptr;
    std::string window_class;
};

// `procedure` answers its messages and gets `owner` with WM_CREATE; the
// plain host's window answers nothing and is never shown.
MainWindow create_main_window(const char* title = "ZOR panel host", DWORD style = WS_OVERLAPPEDWINDOW,
                              WNDPROC procedure = DefWindowProcA, void* owner = nullptr);
void pump_window_messages();
