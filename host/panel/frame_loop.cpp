#include "host/panel/frame_loop.h"

#include <algorithm>

FrameLoop::FrameLoop(GaugePanel& panel, HostPlatform& platform, FrameClock& clock, bool live)
    : panel_(panel), platform_(platform), clock_(clock), live_(live)
{
    follow_clock(live);
}

void FrameLoop::set_pace(FramePace pace)
{
    pace_ = pace;
    if (follows_clock_)
        pacer_.start(clock_.now(), pace_.frames_per_second);
}

void FrameLoop::follow_clock(bool on)
{
    follows_clock_ = on || live_;
    pacer_.start(clock_.now(), pace_.frames_per_second);
}

bool FrameLoop::wait_for_next_frame()
{
    platform_.pump_messages();
    if (!follows_clock_)
        return true;
    const bool carry_on = clock_.wait_until(pacer_.next_due());
    pacer_.frame_started(clock_.now());
    return carry_on;
}

const FrameResult& FrameLoop::run_frame()
{
    panel_.life.set_pace(pace_);
    if (starter_ != nullptr)
        starter_->frame_starting(*this);
    last_.started = clock_.now();
    const auto work_start = std::chrono::steady_clock::now();
    panel_.life.run_frame();
    last_.work_us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - work_start).count();
    last_.frame = panel_.life.frame_number();
    last_.seconds = seconds_;
    seconds_ += pace_.frames_per_second > 0 ? 1.0 / pace_.frames_per_second : 0.0;
    last_.clicks = panel_.input.take_clicks();

    const auto& keys = panel_.services.key_events;
    last_.key_events.assign(keys.begin() + static_cast<long>(std::min(keys_seen_, keys.size())), keys.end());
    keys_seen_ = keys.size();
    last_.sound_requests = platform_.take_sound_requests();
    for (FrameObserver* observer : observers_)
        observer->frame_ran(*this, last_);
    return last_;
}

void FrameLoop::panel_ran_elsewhere()
{
    keys_seen_ = panel_.services.key_events.size();
    picture_ = nullptr;
}

void FrameLoop::add_observer(FrameObserver& observer)
{
    observers_.push_back(&observer);
}

void FrameLoop::remove_observer(FrameObserver& observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

const Image& FrameLoop::picture()
{
    if (picture_ == nullptr || picture_frame_ != panel_.life.frame_number()) {
        picture_ = &draw_panel();
        picture_frame_ = panel_.life.frame_number();
    }
    return *picture_;
}

const Image& FrameLoop::draw_panel()
{
    return canvas_.draw_panel(panel_.placement);
}

const Image& FrameLoop::draw_gauge(std::size_t gauge)
{
    return canvas_.draw_face(panel_.placement, gauge);
}
