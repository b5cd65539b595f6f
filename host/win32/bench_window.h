// The bench's window: the host's main window, made visible. It shows the
// bench's pictures through a back buffer (the panel as the host drew it,
// the status strip, the help line, the tooltip box), sets the host's own
// cursors over the mouse areas, and queues keys and the mouse for the
// session, which takes them at the start of its next frame: nothing the
// window receives calls into the panel. It is created before the module loads, like the plain host's
// window, so the module's lookup and its sound device find it.
#pragma once

#include <windows.h>

#include <string>

#include "host/bench/session.h"

class BenchWindow : public BenchScreen {
public:
    BenchWindow();
    ~BenchWindow() override;
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    HWND handle() const { return window_; }
    const std::string& window_class() const { return window_class_; }

    void show(const BenchView& view, BenchSession& session) override;
    void wait_until(Clock::time_point due) override;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT answer(UINT message, WPARAM w, LPARAM l);
    bool set_cursor();
    void fit_to(int panel_width, int panel_height);
    void paint(const BenchView& view);
    void paint_strip(const BenchView& view);
    void paint_tooltip(const BenchView& view);
    void blit(HDC target);

    HWND window_ = nullptr;
    std::string window_class_;
    HDC back_dc_ = nullptr;
    HBITMAP back_bitmap_ = nullptr;
    HGDIOBJ old_bitmap_ = nullptr;
    std::uint32_t* back_pixels_ = nullptr;
    int panel_width_ = 0, panel_height_ = 0;
    int client_width_ = 0, client_height_ = 0;
    HCURSOR cursors_[3] = {}; // hand, up arrow, down arrow
    HFONT font_ = nullptr;
    std::int32_t cursor_ = cursor_none; // the host's cursor at the pointer, as last shown
    bool shown_ = false;                // a picture has been shown: input is taken from then
    bool tracking_leave_ = false;
};
