// The host's main window, of the class that gauges look for: the class
// follows the host's own executable name, as the simulator's does.
#pragma once

#include <windows.h>

#include <string>

struct MainWindow {
    HWND        handle = nullptr;
    std::string window_class;
};

MainWindow create_main_window();
void pump_window_messages();
