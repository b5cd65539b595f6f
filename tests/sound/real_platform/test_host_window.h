// A main window of a given class, as the host makes one, for the lifetime
// of the object.
#pragma once

#include <windows.h>

class TestHostWindow {
public:
    explicit TestHostWindow(const char* class_name);
    ~TestHostWindow();
    TestHostWindow(const TestHostWindow&) = delete;
    TestHostWindow& operator=(const TestHostWindow&) = delete;

    HWND handle() const { return window_; }

private:
    const char* class_name_;
    HWND window_ = nullptr;
};
