#include "host/raster/needle_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using Premultiplied = NeedleBitmap::Premultiplied;

// A face pixel is drawn where the bitmap point it turns back to lies within
// a pixel of a drawn pixel (the filter's reach), and in the square around
// the centre that the longest reach from the pivot spans.
constexpr double filter_reach = 1.0;
constexpr double reach_margin = 2.0;
// Rounding room around the turned box.
constexpr int box_margin = 1;

// Pixel coordinates far beyond any face, so that a wild position cannot
// overflow an int.
constexpr double pixel_limit = 1e9;

int pixel(double v)
{
    return static_cast<int>(std::clamp(v, -pixel_limit, pixel_limit));
}

struct Turn {
    double c, s;
};

Turn turn_of(double angle_degrees)
{
    const double radians = angle_degrees * std::numbers::pi / 180.0;
    return {std::cos(radians), std::sin(radians)};
}

PixelBox reach_square(const NeedleBitmap& needle, const NeedlePlacement& placement)
{
    const double reach = std::hypot(std::max(placement.pivot_x, needle.width() - placement.pivot_x),
                                    std::max(placement.pivot_y, needle.height() - placement.pivot_y)) +
        reach_margin;
    // The square's last pixels are inside it, as the first renderer counted.
    return {pixel(placement.centre_x - reach), pixel(placement.centre_y - reach), pixel(placement.centre_x + reach) + 1,
            pixel(placement.centre_y + reach) + 1};
}

// The bitmap points that can draw anything: within the filter's reach of a
// drawn pixel. At the bounds themselves the filter gives the drawn pixel no
// weight, so a box a rounding error too small leaves every pixel as it was.
struct SourceBounds {
    double left, top, right, bottom;
};

SourceBounds source_bounds(const NeedleBitmap& needle)
{
    const PixelBox drawn = needle.drawn_box();
    return {drawn.left - filter_reach, drawn.top - filter_reach, drawn.right + filter_reach,
            drawn.bottom + filter_reach};
}

// Narrows `[from, to]` to the x for which `start + x * slope` lies in
// [low, high]; a slope of 0 keeps all of it or nothing.
void narrow(double& from, double& to, double start, double slope, double low, double high)
{
    if (slope == 0.0) {
        if (start < low || start > high)
            to = from - 1;
        return;
    }
    double a = (low - start) / slope, b = (high - start) / slope;
    if (a > b)
        std::swap(a, b);
    from = std::max(from, a);
    to = std::min(to, b);
}

// The pixels of face row `y` that turn back into the source bounds: the
// needle crosses a row in a short run, and the rest of the row is skipped.
PixelBox row_reach(const SourceBounds& bounds, const NeedlePlacement& placement, const Turn& t, double dy, int y)
{
    // Along the row, in offsets from the centre:
    // sx = pivot_x + dy s + dx c, sy = pivot_y + dy c - dx s.
    double from = -pixel_limit, to = pixel_limit;
    narrow(from, to, placement.pivot_x + dy * t.s, t.c, bounds.left, bounds.right);
    narrow(from, to, placement.pivot_y + dy * t.c, -t.s, bounds.top, bounds.bottom);
    if (from > to)
        return {};
    return {pixel(std::floor(placement.centre_x + from)) - box_margin, y,
            pixel(std::ceil(placement.centre_x + to)) + box_margin + 1, y + 1};
}

Premultiplied sample(const NeedleBitmap& needle, double x, double y, bool bilinear)
{
    if (!bilinear)
        return needle.at(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    Premultiplied sum;
    const struct {
        int dx, dy;
        double weight;
    } taps[] = {{0, 0, (1 - fx) * (1 - fy)}, {1, 0, fx * (1 - fy)}, {0, 1, (1 - fx) * fy}, {1, 1, fx * fy}};
    for (const auto& tap : taps) {
        const Premultiplied p = needle.at(x0 + tap.dx, y0 + tap.dy);
        sum.r += p.r * tap.weight;
        sum.g += p.g * tap.weight;
        sum.b += p.b * tap.weight;
        sum.a += p.a * tap.weight;
    }
    return sum;
}

Rgba unpremultiplied(const Premultiplied& p)
{
    auto channel = [&](double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v / p.a), 0L, 255L)); };
    return {channel(p.r), channel(p.g), channel(p.b),
            static_cast<std::uint8_t>(std::clamp(std::lround(p.a * 255), 0L, 255L))};
}

} // namespace

NeedleBitmap::NeedleBitmap(const Image& bitmap, bool black_transparent)
    : width_(bitmap.width), height_(bitmap.height), pixels_(bitmap.pixels.size())
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Rgba p = bitmap.at(x, y);
            if (p.a == 0 || (black_transparent && p.r == 0 && p.g == 0 && p.b == 0))
                continue;
            const double a = p.a / 255.0;
            pixels_[static_cast<std::size_t>(y) * width_ + x] = {p.r * a, p.g * a, p.b * a, a};
            drawn_ = bounding(drawn_, {x, y, x + 1, y + 1});
        }
}

PixelBox turned_box(const NeedleBitmap& needle, const NeedlePlacement& placement, const PixelBox& face)
{
    if (needle.drawn_box().empty() || !std::isfinite(placement.angle_degrees))
        return {};
    const Turn t = turn_of(placement.angle_degrees);
    // Forward from the bitmap onto the face: the corners of the source bounds.
    const SourceBounds bounds = source_bounds(needle);
    const double xs[] = {bounds.left, bounds.right};
    const double ys[] = {bounds.top, bounds.bottom};
    double left = HUGE_VAL, right = -HUGE_VAL, top = HUGE_VAL, bottom = -HUGE_VAL;
    for (double bx : xs)
        for (double by : ys) {
            const double u = bx - placement.pivot_x, v = by - placement.pivot_y;
            const double fx = placement.centre_x + u * t.c - v * t.s;
            const double fy = placement.centre_y + u * t.s + v * t.c;
            left = std::min(left, fx);
            right = std::max(right, fx);
            top = std::min(top, fy);
            bottom = std::max(bottom, fy);
        }
    const PixelBox turned = {pixel(std::floor(left)) - box_margin, pixel(std::floor(top)) - box_margin,
                             pixel(std::ceil(right)) + box_margin + 1, pixel(std::ceil(bottom)) + box_margin + 1};
    return intersection(intersection(turned, reach_square(needle, placement)), face);
}

void draw_turned(Image& face, const NeedleBitmap& needle, const NeedlePlacement& placement, const PixelBox& clip)
{
    const PixelBox area = intersection(clip, turned_box(needle, placement, face.bounds()));
    if (area.empty())
        return;
    const Turn t = turn_of(placement.angle_degrees);
    const SourceBounds bounds = source_bounds(needle);
    for (int y = area.top; y < area.bottom; ++y) {
        const double dy = y - placement.centre_y;
        const PixelBox row = intersection(area, row_reach(bounds, placement, t, dy, y));
        for (int x = row.left; x < row.right; ++x) {
            // Back from the face into the bitmap: turn the offset the other way.
            const double dx = x - placement.centre_x;
            const double sx = placement.pivot_x + dx * t.c + dy * t.s;
            const double sy = placement.pivot_y - dx * t.s + dy * t.c;
            const Premultiplied p = sample(needle, sx, sy, placement.bilinear);
            if (p.a <= 0.0)
                continue;
            blend_pixel(face.at(x, y), unpremultiplied(p));
        }
    }
}
