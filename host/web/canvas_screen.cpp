#include "host/web/canvas_screen.h"

#include <emscripten.h>

#include <string>

#include "host/linked/lcd_reading.h"

// clang-format off
// The page's script (page_shell.html) defines these on Module.
// The pixels stay in the program's memory; the page puts the box that changed on its canvas.
// A text (or the tooltip) is null when the page has it already: the page
// then converts and lays out nothing for it.
EM_JS(void, page_show, (const void* pixels, int width, int height, int changed_left, int changed_top,
                        int changed_width, int changed_height, const char* status, const char* help,
                        const char* note, int tooltip_changed, const char* tooltip, int pointer_x, int pointer_y,
                        const char* cursor, const char* lcd), {
    const text = (pointer) => pointer ? UTF8ToString(pointer) : null;
    Module.zorShow(HEAPU8.buffer, pixels, width, height,
                   {left: changed_left, top: changed_top, width: changed_width, height: changed_height},
                   text(status), text(help), text(note),
                   tooltip_changed ? {text: text(tooltip), x: pointer_x, y: pointer_y} : null,
                   text(cursor), text(lcd));
});
EM_JS(void, page_tone_buffer, (const void* format, int format_bytes, const void* samples, int sample_bytes), {
    Module.zorToneBuffer(HEAPU8.slice(format, format + format_bytes), HEAPU8.slice(samples, samples + sample_bytes));
});
EM_JS(void, page_tone, (int playing), { Module.zorTone(playing !== 0); });
// A scenario the page asked to fly, kept by the page until the program
// takes it at the start of a frame: its length in UTF-8 (-1 for none), then
// its bytes.
EM_JS(int, page_flight_bytes, (), { return Module.zorPendingFlight() === null ? -1 : lengthBytesUTF8(Module.zorPendingFlight()); });
EM_JS(void, page_flight_copy, (char* text, int size), { stringToUTF8(Module.zorPendingFlight(), text, size); });
EM_JS(void, wait_for_animation_frame, (), {
    Asyncify.handleSleep(function(wake_up) { requestAnimationFrame(function() { wake_up(); }); });
});
// clang-format on

namespace {

// The text for the page, or null when the page has it already.
const char* changed(std::optional<std::string>& page_has, const std::string& text)
{
    if (page_has == text)
        return nullptr;
    page_has = text;
    return page_has->c_str();
}

} // namespace

void CanvasScreen::show(const BenchView& view, BenchSession& session)
{
    recorder_ = session.recorder();
    const PixelBox box = shown_.take(*view.panel);
    const PageTooltip tooltip{view.tooltip, view.pointer};
    const bool tooltip_changed = tooltip != page_has_.tooltip;
    page_has_.tooltip = tooltip;
    page_show(shown_.pixels().data(), view.panel->width, view.panel->height, box.left, box.top, box.width(),
              box.height(), changed(page_has_.status, view.status), changed(page_has_.help, view.help),
              changed(page_has_.note, view.note), tooltip_changed, view.tooltip ? view.tooltip->c_str() : nullptr,
              view.pointer.x, view.pointer.y, changed(page_has_.cursor, cursor_name(view.cursor)),
              changed(page_has_.lcd, lcd_reading()));
    hand_over_sound(session);
}

// The page plays the module's own buffer: handed over when the module has
// filled one the page has not seen, then started and stopped as asked.
void CanvasScreen::hand_over_sound(const BenchSession& session)
{
    for (const std::string& request : session.bench().last_sound_requests()) {
        if (request == "play") {
            if (const auto tone = platform_.tone_buffer(); tone && tone->samples.size() != tone_samples_sent_) {
                page_tone_buffer(tone->format.data(), static_cast<int>(tone->format.size()), tone->samples.data(),
                                 static_cast<int>(tone->samples.size()));
                tone_samples_sent_ = tone->samples.size();
            }
            page_tone(1);
        } else if (request == "stop" || request == "release_buffer") {
            page_tone(0);
        }
    }
}

void CanvasScreen::take_page_flight()
{
    const int bytes = page_flight_bytes();
    if (bytes < 0)
        return;
    std::string text(static_cast<std::size_t>(bytes) + 1, '\0');
    page_flight_copy(text.data(), bytes + 1);
    text.resize(static_cast<std::size_t>(bytes));
    ending_ = take_flight_(text) || ending_;
}

std::optional<std::string> CanvasScreen::session_so_far() const
{
    if (recorder_ == nullptr)
        return std::nullopt;
    return recorder_->text_so_far_closed();
}

void CanvasScreen::wait_until(Clock::time_point due)
{
    for (;;) {
        input.take_from(page_input_);
        take_page_flight();
        if (ending_) {
            input.close();
            return;
        }
        if (now() >= due)
            return;
        wait_for_animation_frame();
    }
}
