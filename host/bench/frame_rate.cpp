#include "host/bench/frame_rate.h"

#include <algorithm>
#include <cstdio>

#include "host/base/median.h"

namespace {

std::vector<double> intervals(const std::vector<double>& times, std::size_t from)
{
    std::vector<double> between;
    for (std::size_t i = std::max<std::size_t>(from, 1); i < times.size(); ++i)
        between.push_back(times[i] - times[i - 1]);
    return between;
}

} // namespace

void FrameRate::frame_shown(double now_seconds, double work_seconds)
{
    times_.push_back(now_seconds);
    work_.push_back(work_seconds);
}

double FrameRate::median_interval_seconds() const
{
    return median(intervals(times_, 1));
}

double FrameRate::recent_frames_per_second(std::size_t recent) const
{
    const std::size_t from = times_.size() > recent ? times_.size() - recent : 1;
    const double interval = median(intervals(times_, from));
    return interval > 0.0 ? 1.0 / interval : 0.0;
}

std::string FrameRate::summary() const
{
    const double interval = median_interval_seconds();
    const double span = times_.size() > 1 ? times_.back() - times_.front() : 0.0;
    char text[160];
    std::snprintf(text, sizeof text, "frames: %ld in %.1f s, median interval %.1f ms (%.1f fps), median work %.2f ms",
                  frames(), span, interval * 1000.0, interval > 0.0 ? 1.0 / interval : 0.0, median(work_) * 1000.0);
    return text;
}
