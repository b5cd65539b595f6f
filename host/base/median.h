// The middle of a set of timings, which one slow frame does not move.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

// The upper middle value of an even count; 0 for none.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    const auto middle = values.begin() + static_cast<long>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The median of as many timings as a run has, in a fixed space: timings
// are counted in bins a 32nd of a doubling wide (about 2.2 %) from a
// thousandth to about ten million (microseconds: a nanosecond to ten
// seconds; those outside count in the first or the last bin), and the
// median is the middle of its bin, so within about 1.1 % of the exact one.
class MedianHistogram {
public:
    void add(double value)
    {
        ++counts_[bin_of(value)];
        ++count_;
    }
    std::uint64_t count() const { return count_; }
    // The upper middle value's bin, as median() takes it; 0 for none.
    double median() const
    {
        if (count_ == 0)
            return 0.0;
        std::uint64_t seen = 0;
        std::size_t bin = 0;
        for (; bin < bins; ++bin)
            if ((seen += counts_[bin]) > count_ / 2)
                break;
        return bin == 0 ? 0.0 : lowest * std::exp2((double(bin) - 0.5) / bins_a_doubling);
    }

private:
    static constexpr double lowest = 1e-3;
    static constexpr int bins_a_doubling = 32;
    static constexpr std::size_t bins = 34 * bins_a_doubling; // 2^34 x lowest: about 1.7e7

    static std::size_t bin_of(double value)
    {
        if (!(value >= lowest))
            return 0; // none, or too small to tell from none
        const double bin = std::floor(std::log2(value / lowest) * bins_a_doubling) + 1;
        return static_cast<std::size_t>(std::min(bin, double(bins - 1)));
    }

    std::array<std::uint64_t, bins> counts_{};
    std::uint64_t count_ = 0;
};
