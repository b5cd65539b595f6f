// Top-down splitting: the group of colours with the largest squared error is
// cut in two along its most varied channel, at the cut that leaves the least
// error on both sides, until the palette is full.
#include "tools/artwork/colour_reduction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

using Channels = std::array<double, 3>;

Channels channels_of(Rgb c)
{
    return {double(c.r), double(c.g), double(c.b)};
}

// Pixel-weighted sums of a run of colours, enough to give its mean and error.
struct Moments {
    double weight = 0.0;
    Channels sum{};
    double sum_of_squares = 0.0;

    void add(const ColourCount& c)
    {
        const Channels ch = channels_of(c.colour);
        weight += c.pixels;
        for (int k = 0; k < 3; ++k) {
            sum[k] += ch[k] * c.pixels;
            sum_of_squares += ch[k] * ch[k] * c.pixels;
        }
    }
    Moments minus(const Moments& part) const
    {
        Moments rest = *this;
        rest.weight -= part.weight;
        for (int k = 0; k < 3; ++k)
            rest.sum[k] -= part.sum[k];
        rest.sum_of_squares -= part.sum_of_squares;
        return rest;
    }
    double error() const
    {
        if (weight <= 0.0)
            return 0.0;
        double explained = 0.0;
        for (double s : sum)
            explained += s * s / weight;
        return std::max(0.0, sum_of_squares - explained);
    }
};

// A run [begin, end) of the colour list.
struct ColourBox {
    std::size_t begin = 0;
    std::size_t end = 0;
    Moments moments;
};

ColourBox measure(const std::vector<ColourCount>& colours, std::size_t begin, std::size_t end)
{
    ColourBox box{.begin = begin, .end = end, .moments = {}};
    for (std::size_t i = begin; i < end; ++i)
        box.moments.add(colours[i]);
    return box;
}

int most_varied_channel(const std::vector<ColourCount>& colours, const ColourBox& box)
{
    Channels spread{};
    for (int k = 0; k < 3; ++k) {
        const double mean = box.moments.sum[k] / box.moments.weight;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            const double d = channels_of(colours[i].colour)[k] - mean;
            spread[k] += d * d * colours[i].pixels;
        }
    }
    return static_cast<int>(std::max_element(spread.begin(), spread.end()) - spread.begin());
}

std::array<ColourBox, 2> split(std::vector<ColourCount>& colours, const ColourBox& box)
{
    const int channel = most_varied_channel(colours, box);
    std::sort(colours.begin() + static_cast<std::ptrdiff_t>(box.begin),
              colours.begin() + static_cast<std::ptrdiff_t>(box.end),
              [channel](const ColourCount& a, const ColourCount& b) {
                  return channels_of(a.colour)[channel] < channels_of(b.colour)[channel];
              });
    Moments left;
    std::size_t best_cut = box.begin + 1;
    double best_error = std::numeric_limits<double>::max();
    for (std::size_t cut = box.begin + 1; cut < box.end; ++cut) {
        left.add(colours[cut - 1]);
        const double error = left.error() + box.moments.minus(left).error();
        if (error < best_error)
            best_error = error, best_cut = cut;
    }
    return {measure(colours, box.begin, best_cut), measure(colours, best_cut, box.end)};
}

Rgb mean_colour(const Moments& m)
{
    auto channel = [&m](int k) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(m.sum[k] / m.weight), 0L, 255L));
    };
    return {channel(0), channel(1), channel(2)};
}

} // namespace

std::vector<Rgb> reduce_colours(std::vector<ColourCount> colours, std::size_t max_colours)
{
    std::vector<Rgb> result;
    if (colours.size() <= max_colours) {
        for (const ColourCount& c : colours)
            result.push_back(c.colour);
        return result;
    }
    if (max_colours == 0)
        return result;

    std::vector<ColourBox> boxes{measure(colours, 0, colours.size())};
    while (boxes.size() < max_colours) {
        auto worst = std::max_element(boxes.begin(), boxes.end(), [](const ColourBox& a, const ColourBox& b) {
            return a.moments.error() < b.moments.error();
        });
        if (worst->end - worst->begin < 2 || worst->moments.error() == 0.0)
            break;
        const auto halves = split(colours, *worst);
        *worst = halves[0];
        boxes.push_back(halves[1]);
    }
    for (const ColourBox& box : boxes)
        result.push_back(mean_colour(box.moments));
    return result;
}
