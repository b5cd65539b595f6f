#include "host/win32/bench_window.h"

#include <algorithm>
#include <string_view>

#include "host/win32/host_cursors.h"
#include "host/win32/main_window.h"

namespace {

constexpr const char* bench_title = "ZOR panel bench";
constexpr DWORD bench_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int min_client_width = 720;
constexpr int status_height = 22;
constexpr int help_height = 50; // the note, then the help's two lines
constexpr int note_line_height = 14;
constexpr int strip_height = status_height + help_height;
constexpr int text_margin = 8;
constexpr int tooltip_padding = 3;
constexpr COLORREF status_background = RGB(26, 28, 32);
constexpr COLORREF status_text = RGB(235, 235, 235);
constexpr COLORREF help_background = RGB(16, 17, 20);
constexpr COLORREF help_text = RGB(165, 172, 180);
constexpr COLORREF tooltip_background = RGB(255, 255, 225);
constexpr COLORREF tooltip_text = RGB(0, 0, 0);
constexpr COLORREF outside_panel = RGB(48, 52, 56);

struct CursorResource {
    std::int32_t host_cursor;
    int resource_id;
};
// ORDER: as BenchWindow::cursors_.
constexpr CursorResource cursor_resources[] = {
    // clang-format off
    {.host_cursor = cursor_hand,       .resource_id = HOST_CURSOR_HAND},
    {.host_cursor = cursor_up_arrow,   .resource_id = HOST_CURSOR_UP_ARROW},
    {.host_cursor = cursor_down_arrow, .resource_id = HOST_CURSOR_DOWN_ARROW},
    // clang-format on
};

struct KeyName {
    WPARAM key;
    const char* name;
};
// Keys other than letters, by the names the bench's key table uses.
constexpr KeyName key_names[] = {
    // clang-format off
    {.key = VK_UP,        .name = "Up"},
    {.key = VK_DOWN,      .name = "Down"},
    {.key = VK_PRIOR,     .name = "PgUp"},
    {.key = VK_NEXT,      .name = "PgDn"},
    {.key = VK_ESCAPE,    .name = "Esc"},
    {.key = VK_ADD,       .name = "+"},
    {.key = VK_OEM_PLUS,  .name = "+"},
    {.key = VK_SUBTRACT,  .name = "-"},
    {.key = VK_OEM_MINUS, .name = "-"},
    // clang-format on
};

std::string key_name(WPARAM key)
{
    if (key >= 'A' && key <= 'Z')
        return std::string(1, static_cast<char>(key));
    for (const KeyName& row : key_names)
        if (row.key == key)
            return row.name;
    return "";
}

PixelPoint point_of(LPARAM l)
{
    return {static_cast<std::int16_t>(LOWORD(l)), static_cast<std::int16_t>(HIWORD(l))};
}

// The help line broken into lines that fit `width`, only between its
// entries, so a key stays beside what it does.
std::string wrapped_help(HDC dc, const std::string& help, int width)
{
    constexpr std::string_view gap = "   ";
    std::string text, line;
    for (std::size_t start = 0; start < help.size();) {
        const std::size_t end = std::min(help.find(gap, start), help.size());
        const std::string entry = help.substr(start, end - start);
        const std::string longer = line.empty() ? entry : line + std::string(gap) + entry;
        SIZE size{};
        GetTextExtentPoint32A(dc, longer.c_str(), static_cast<int>(longer.size()), &size);
        if (size.cx > width && !line.empty()) {
            text += line + "\n";
            line = entry;
        } else {
            line = longer;
        }
        start = end + gap.size();
    }
    return text + line;
}

void fill(HDC dc, RECT box, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

} // namespace

BenchWindow::BenchWindow()
{
    const MainWindow window = create_main_window(bench_title, bench_style, procedure, this);
    window_ = window.handle;
    window_class_ = window.window_class;
    for (std::size_t i = 0; i < std::size(cursor_resources); ++i)
        cursors_[i] = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(cursor_resources[i].resource_id));
    font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    back_dc_ = CreateCompatibleDC(nullptr);
}

BenchWindow::~BenchWindow()
{
    if (old_bitmap_ != nullptr)
        SelectObject(back_dc_, old_bitmap_);
    if (back_bitmap_ != nullptr)
        DeleteObject(back_bitmap_);
    DeleteDC(back_dc_);
    if (window_ != nullptr)
        DestroyWindow(window_);
}

LRESULT CALLBACK BenchWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(l);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<BenchWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window)
        return DefWindowProcA(window, message, w, l);
    return self->answer(message, w, l);
}

// Input is queued only once a picture has shown; the panel's gauges are
// placed by then. The session takes it at the start of its next frame.
LRESULT BenchWindow::answer(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_ERASEBKGND: return 1; // the back buffer covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        blit(dc);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(l) == HTCLIENT && set_cursor())
            return TRUE;
        break;
    case WM_MOUSEMOVE:
        if (!tracking_leave_) {
            TRACKMOUSEEVENT track{
                .cbSize = sizeof(TRACKMOUSEEVENT), .dwFlags = TME_LEAVE, .hwndTrack = window_, .dwHoverTime = 0};
            tracking_leave_ = TrackMouseEvent(&track) != FALSE;
        }
        if (shown_)
            input.pointer_moved(point_of(l));
        return 0;
    case WM_MOUSELEAVE:
        tracking_leave_ = false;
        if (shown_)
            input.pointer_left();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        SetCapture(window_);
        if (shown_)
            input.button_down(point_of(l), message == WM_LBUTTONDOWN ? MouseButton::left : MouseButton::right);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        ReleaseCapture();
        if (shown_)
            input.button_up();
        return 0;
    case WM_KEYDOWN:
        if (shown_ && !key_name(w).empty())
            input.key(key_name(w));
        return 0;
    case WM_CLOSE: input.close(); return 0;
    default: break;
    }
    return DefWindowProcA(window_, message, w, l);
}

// The host's own cursor over a mouse area, as the session found it at the
// pointer; the system's arrow elsewhere.
bool BenchWindow::set_cursor()
{
    if (!shown_)
        return false;
    const std::int32_t cursor = cursor_;
    for (std::size_t i = 0; i < std::size(cursor_resources); ++i)
        if (cursor_resources[i].host_cursor == cursor && cursors_[i] != nullptr) {
            SetCursor(cursors_[i]);
            return true;
        }
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return true;
}

void BenchWindow::wait_until(Clock::time_point due)
{
    for (;;) {
        pump_window_messages();
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now()).count();
        if (left <= 0 || input.closing())
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    }
}

void BenchWindow::show(const BenchView& view, BenchSession& session)
{
    const bool first = panel_width_ == 0;
    if (view.panel->width != panel_width_ || view.panel->height != panel_height_) {
        fit_to(view.panel->width, view.panel->height);
        POINT origin{0, 0};
        ClientToScreen(window_, &origin);
        session.report() << "window client " << origin.x << "," << origin.y << " " << client_width_ << "x"
                         << client_height_ << ", panel " << panel_width_ << "x" << panel_height_ << std::endl;
    }
    if (first) {
        int loaded = 0;
        for (HCURSOR cursor : cursors_)
            loaded += cursor != nullptr ? 1 : 0;
        session.report() << "host cursors loaded from its resources: " << loaded << " of "
                         << std::size(cursor_resources) << std::endl;
    }
    paint(view);
    HDC dc = GetDC(window_);
    blit(dc);
    ReleaseDC(window_, dc);
    shown_ = true;
    // The cursor the session found at the pointer is set now, not at the
    // pointer's next move.
    if (view.cursor != cursor_) {
        cursor_ = view.cursor;
        POINT at;
        RECT client;
        GetCursorPos(&at);
        ScreenToClient(window_, &at);
        GetClientRect(window_, &client);
        if (PtInRect(&client, at))
            set_cursor();
    }
}

// The client area holds the panel and the strip under it; the window
// grows or shrinks around it, and a new back buffer is made to match.
void BenchWindow::fit_to(int panel_width, int panel_height)
{
    panel_width_ = panel_width;
    panel_height_ = panel_height;
    client_width_ = std::max(panel_width, min_client_width);
    client_height_ = panel_height + strip_height;
    RECT frame{0, 0, client_width_, client_height_};
    AdjustWindowRect(&frame, bench_style, FALSE);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);

    if (old_bitmap_ != nullptr)
        SelectObject(back_dc_, old_bitmap_);
    if (back_bitmap_ != nullptr)
        DeleteObject(back_bitmap_);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client_width_;
    info.bmiHeader.biHeight = -client_height_; // rows from the top, as the panel image's
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    back_bitmap_ = CreateDIBSection(back_dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    back_pixels_ = static_cast<std::uint32_t*>(bits);
    old_bitmap_ = SelectObject(back_dc_, back_bitmap_);
}

void BenchWindow::paint(const BenchView& view)
{
    if (back_pixels_ == nullptr)
        return;
    GdiFlush();
    const Image& panel = *view.panel;
    const std::uint32_t outside =
        (GetRValue(outside_panel) << 16) | (GetGValue(outside_panel) << 8) | GetBValue(outside_panel);
    for (int y = 0; y < panel.height; ++y) {
        std::uint32_t* row = back_pixels_ + static_cast<std::size_t>(y) * client_width_;
        for (int x = 0; x < panel.width; ++x) {
            const Rgba p = panel.at(x, y);
            row[x] = (std::uint32_t(p.r) << 16) | (std::uint32_t(p.g) << 8) | p.b;
        }
        std::fill(row + panel.width, row + client_width_, outside);
    }
    paint_strip(view);
    paint_tooltip(view);
}

void BenchWindow::paint_strip(const BenchView& view)
{
    HGDIOBJ old_font = SelectObject(back_dc_, font_);
    SetBkMode(back_dc_, TRANSPARENT);
    RECT status{0, panel_height_, client_width_, panel_height_ + status_height};
    fill(back_dc_, status, status_background);
    SetTextColor(back_dc_, status_text);
    RECT status_text_box{text_margin, status.top, client_width_ - text_margin, status.bottom};
    DrawTextA(back_dc_, view.status.c_str(), -1, &status_text_box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);

    RECT help{0, status.bottom, client_width_, client_height_};
    fill(back_dc_, help, help_background);
    SetTextColor(back_dc_, help_text);
    RECT help_text_box{text_margin, help.top + 3, client_width_ - text_margin, help.bottom};
    const std::string help_lines = wrapped_help(back_dc_, view.help, help_text_box.right - help_text_box.left);
    if (!view.note.empty()) {
        SetTextColor(back_dc_, status_text);
        DrawTextA(back_dc_, view.note.c_str(), -1, &help_text_box, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        SetTextColor(back_dc_, help_text);
    }
    help_text_box.top += note_line_height;
    DrawTextA(back_dc_, help_lines.c_str(), -1, &help_text_box, DT_NOPREFIX);
    SelectObject(back_dc_, old_font);
}

void BenchWindow::paint_tooltip(const BenchView& view)
{
    if (!view.tooltip)
        return;
    HGDIOBJ old_font = SelectObject(back_dc_, font_);
    SIZE text{};
    GetTextExtentPoint32A(back_dc_, view.tooltip->c_str(), static_cast<int>(view.tooltip->size()), &text);
    const int width = text.cx + 2 * tooltip_padding + 2, height = text.cy + 2 * tooltip_padding;
    const PixelPoint at = tooltip_box_origin(view.pointer, width, height, client_width_, client_height_);
    HBRUSH brush = CreateSolidBrush(tooltip_background);
    HGDIOBJ old_brush = SelectObject(back_dc_, brush);
    HGDIOBJ old_pen = SelectObject(back_dc_, GetStockObject(BLACK_PEN));
    Rectangle(back_dc_, at.x, at.y, at.x + width, at.y + height);
    SetBkMode(back_dc_, TRANSPARENT);
    SetTextColor(back_dc_, tooltip_text);
    TextOutA(back_dc_, at.x + tooltip_padding + 1, at.y + tooltip_padding, view.tooltip->c_str(),
             static_cast<int>(view.tooltip->size()));
    SelectObject(back_dc_, old_pen);
    SelectObject(back_dc_, old_brush);
    DeleteObject(brush);
    SelectObject(back_dc_, old_font);
}

void BenchWindow::blit(HDC target)
{
    if (back_bitmap_ != nullptr)
        BitBlt(target, 0, 0, client_width_, client_height_, back_dc_, 0, 0, SRCCOPY);
}
