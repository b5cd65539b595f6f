// The bench's screen on a web page: each picture goes to the page's canvas
// with the status strip, the help line, the note, the tooltip, the cursor
// and the LCD reading; the module's tone requests go to the page's sound.
// Between frames it gives the browser its turn, one animation frame at a
// time, and hands the page's input over to the session's queue, which the
// session takes at the start of each frame. A new flight asked for by the
// page ends the running session.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "host/bench/session.h"
#include "host/raster/shown_picture.h"

class CanvasScreen : public BenchScreen {
public:
    // `take_flight` is handed a scenario the page asked to fly and says
    // whether it will fly next.
    using FlightTaker = std::function<bool(const std::string& text)>;
    // `page_input` is what the page's script handed over (zor_page_event).
    CanvasScreen(HostPlatform& platform, BenchInputQueue& page_input, FlightTaker take_flight)
        : platform_(platform), page_input_(page_input), take_flight_(std::move(take_flight))
    {
    }

    void show(const BenchView& view, BenchSession& session) override;
    void wait_until(Clock::time_point due) override;

    bool ending() const { return ending_; }
    // The running session's recording, closed as it would be if the
    // session ended now; nullopt between sessions.
    std::optional<std::string> session_so_far() const;
    // The session has ended: its recorder is gone, its file in place.
    void session_ended() { recorder_ = nullptr; }
    // A flight the page asked for, taken (the session then ends at once).
    void take_page_flight();

private:
    void hand_over_sound(const BenchSession& session);

    HostPlatform& platform_;
    BenchInputQueue& page_input_;
    FlightTaker take_flight_;
    bool ending_ = false;
    const SessionRecorder* recorder_ = nullptr; // the running session's, seen at its frames
    ShownPicture shown_;                        // the picture as the canvas has it
    // The texts as the page has them, so that only a change is handed over
    // (nothing yet: a new session's screen hands over every one).
    struct PageTooltip {
        std::optional<std::string> text;
        PixelPoint pointer;
        bool operator==(const PageTooltip& other) const
        {
            return text == other.text && pointer.x == other.pointer.x && pointer.y == other.pointer.y;
        }
    };
    struct {
        std::optional<std::string> status, help, note, cursor, lcd;
        std::optional<PageTooltip> tooltip;
    } page_has_;
    std::size_t tone_samples_sent_ = 0; // the tone buffer's length the page has
};
