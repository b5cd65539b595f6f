#include "test_host_window.h"

TestHostWindow::TestHostWindow(const char* class_name) : class_name_(class_name)
{
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = class_name;
    RegisterClassA(&window_class);
    window_ = CreateWindowA(class_name, class_name, WS_OVERLAPPEDWINDOW, 0, 0, 320, 240, nullptr, nullptr,
                            window_class.hInstance, nullptr);
}

TestHostWindow::~TestHostWindow()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
    UnregisterClassA(class_name_, GetModuleHandleA(nullptr));
}
