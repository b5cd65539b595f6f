#include "sound_bursts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr double full_scale = 32768.0;

double dbfs(double mean_square)
{
    return mean_square > 0.0 ? 10.0 * std::log10(mean_square / (full_scale * full_scale))
                             : -std::numeric_limits<double>::infinity();
}

double mean_square_of(double rms_dbfs)
{
    return std::isinf(rms_dbfs) ? 0.0 : std::pow(10.0, rms_dbfs / 10.0) * full_scale * full_scale;
}

} // namespace

std::vector<WindowLevel> window_levels(const RecordedWave& wave, double window_seconds)
{
    const auto window_samples =
        static_cast<std::size_t>(window_seconds * wave.frames_per_second) * std::max(wave.channels, 1u);
    std::vector<WindowLevel> levels;
    for (std::size_t at = 0; window_samples != 0 && at + window_samples <= wave.samples.size(); at += window_samples) {
        double sum_of_squares = 0.0;
        int peak = 0;
        for (std::size_t i = at; i < at + window_samples; ++i) {
            const int sample = wave.samples[i];
            sum_of_squares += static_cast<double>(sample) * sample;
            peak = std::max(peak, std::abs(sample));
        }
        levels.push_back({dbfs(sum_of_squares / static_cast<double>(window_samples)), peak});
    }
    return levels;
}

std::vector<Burst> find_bursts(const std::vector<WindowLevel>& levels, const BurstRules& rules)
{
    const auto merge_windows = static_cast<std::size_t>(rules.merge_gap_seconds / rules.window_seconds);
    std::vector<Burst> bursts;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (levels[i].rms_dbfs <= rules.loud_dbfs)
            continue;
        if (!bursts.empty() && i - bursts.back().end_window < merge_windows)
            bursts.back().end_window = i + 1;
        else
            bursts.push_back({i, i + 1});
    }
    return bursts;
}

Stretch stretch_level(const std::vector<WindowLevel>& levels, std::size_t first, std::size_t end,
                      const BurstRules& rules, bool only_loud)
{
    double sum = 0.0;
    std::size_t counted = 0;
    int peak = 0;
    for (std::size_t i = first; i < std::min(end, levels.size()); ++i) {
        if (only_loud && levels[i].rms_dbfs <= rules.loud_dbfs)
            continue;
        sum += mean_square_of(levels[i].rms_dbfs);
        peak = std::max(peak, levels[i].peak);
        ++counted;
    }
    return {static_cast<double>(end > first ? end - first : 0) * rules.window_seconds,
            counted != 0 ? dbfs(sum / static_cast<double>(counted)) : -std::numeric_limits<double>::infinity(), peak};
}
