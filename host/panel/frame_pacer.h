// When the next frame is due in real time, for every run that follows the
// clock: a scenario flown with `realtime on` and the live bench alike.
#pragma once

#include <chrono>

// The time a run keeps, and how it waits for a frame's time. A window
// answers its messages while it waits; a run without one sleeps.
class FrameClock {
public:
    using Clock = std::chrono::steady_clock;
    virtual ~FrameClock() = default;
    virtual Clock::time_point now() = 0;
    // False ends the run there: whoever watches it has had enough.
    virtual bool wait_until(Clock::time_point due) = 0;
};

// The machine's own clock; waiting is sleeping.
FrameClock& system_frame_clock();

// Frames fall due one slot apart from an anchor, so a frame a little late
// is made up by the next and the rate holds on average (the tone plays at
// its own pace). A frame more than a whole slot late moves the anchor to
// it instead: after a stall the run carries on in step with the clock
// rather than catching up in a burst.
class FramePacer {
public:
    // The first frame is due at `now`.
    void start(FrameClock::Clock::time_point now, double frames_per_second);
    FrameClock::Clock::time_point next_due() const;
    // The frame due has begun at `now`; the next one falls due a slot on.
    void frame_started(FrameClock::Clock::time_point now);

private:
    FrameClock::Clock::duration slots(long count) const;

    FrameClock::Clock::time_point anchor_{};
    double frames_per_second_ = 1.0;
    long frames_since_anchor_ = 0;
};
