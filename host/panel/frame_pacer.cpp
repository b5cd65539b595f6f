#include "host/panel/frame_pacer.h"

#include <thread>

namespace {

class SystemFrameClock : public FrameClock {
public:
    Clock::time_point now() override { return Clock::now(); }
    bool wait_until(Clock::time_point due) override
    {
        std::this_thread::sleep_until(due);
        return true;
    }
};

} // namespace

FrameClock& system_frame_clock()
{
    static SystemFrameClock clock;
    return clock;
}

void FramePacer::start(FrameClock::Clock::time_point now, double frames_per_second)
{
    anchor_ = now;
    frames_per_second_ = frames_per_second;
    frames_since_anchor_ = 0;
}

FrameClock::Clock::duration FramePacer::slots(long count) const
{
    return std::chrono::duration_cast<FrameClock::Clock::duration>(
        std::chrono::duration<double>(count / frames_per_second_));
}

FrameClock::Clock::time_point FramePacer::next_due() const
{
    return anchor_ + slots(frames_since_anchor_);
}

void FramePacer::frame_started(FrameClock::Clock::time_point now)
{
    if (now - next_due() > slots(1))
        start(now, frames_per_second_);
    ++frames_since_anchor_;
}
