// The bench's screen on a web page: each picture goes to the page's canvas
// with the status strip, the help line, the note, the tooltip, the cursor
// and the LCD reading; the module's tone requests go to the page's sound.
// Between frames it gives the browser its turn, one animation frame at a
// time, and applies the page's input at the start of each frame. A new
// flight asked for by the page ends the running session.
#pragma once

#include <cstddef>

#include "host/bench/session.h"
#include "host/web/page_input.h"

class CanvasScreen : public BenchScreen {
public:
    CanvasScreen(HostPlatform& platform, PageInput& input) : platform_(platform), input_(input) {}

    void show(const BenchView& view, BenchSession& session) override;
    void wait_until(Clock::time_point due, BenchSession& session) override;

    // The page asked for another flight: the session ends at its next wait.
    void end_session() { ending_ = true; }
    bool ending() const { return ending_; }

private:
    void hand_over_sound(const BenchSession& session);

    HostPlatform& platform_;
    PageInput& input_;
    bool ending_ = false;
    std::size_t tone_samples_sent_ = 0; // the tone buffer's length the page has
};
