// A bench screen for tests: it keeps the pictures it is shown and queues a
// person's input at set times of a clock of its own, as a window does, so a
// bench session runs as fast as the host can go.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include "host/bench/session.h"

class ScriptedScreen : public BenchScreen {
public:
    struct Input {
        double at_seconds;
        std::function<void(BenchInputQueue&)> act;
    };

    std::vector<Input> inputs; // in time order
    double close_at_seconds = 10.0;
    int pictures = 0;
    BenchView last;
    Image last_panel;

    void show(const BenchView& view, BenchSession&) override
    {
        ++pictures;
        last = view;
        last_panel = *view.panel;
        last.panel = &last_panel;
    }

    void wait_until(Clock::time_point due) override
    {
        while (next_ < inputs.size() && start_ + seconds(inputs[next_].at_seconds) <= due) {
            now_ = std::max(now_, start_ + seconds(inputs[next_].at_seconds));
            inputs[next_++].act(input);
        }
        now_ = std::max(now_, due);
        if (now_ >= start_ + seconds(close_at_seconds))
            input.close();
    }

    Clock::time_point now() override { return now_; }

private:
    static Clock::duration seconds(double s)
    {
        return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(s));
    }
    Clock::time_point start_{};
    Clock::time_point now_{};
    std::size_t next_ = 0;
};
