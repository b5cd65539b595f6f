// The middle of a set of timings, which one slow frame does not move.
#pragma once

#include <algorithm>
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
