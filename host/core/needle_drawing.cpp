#include "host/core/needle_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct Premultiplied {
    double r = 0, g = 0, b = 0, a = 0;
};

Premultiplied source_pixel(const Image& image, int x, int y, bool black_transparent)
{
    if (!image.contains(x, y))
        return {};
    const Rgba p = image.at(x, y);
    if (black_transparent && p.r == 0 && p.g == 0 && p.b == 0)
        return {};
    const double a = p.a / 255.0;
    return {p.r * a, p.g * a, p.b * a, a};
}

Premultiplied sample(const Image& image, double x, double y, const NeedlePlacement& placement)
{
    if (!placement.bilinear)
        return source_pixel(image, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)),
                            placement.black_transparent);
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    Premultiplied sum;
    const struct { int dx, dy; double weight; } taps[] = {
        {0, 0, (1 - fx) * (1 - fy)}, {1, 0, fx * (1 - fy)}, {0, 1, (1 - fx) * fy}, {1, 1, fx * fy}};
    for (const auto& tap : taps) {
        const Premultiplied p = source_pixel(image, x0 + tap.dx, y0 + tap.dy, placement.black_transparent);
        sum.r += p.r * tap.weight;
        sum.g += p.g * tap.weight;
        sum.b += p.b * tap.weight;
        sum.a += p.a * tap.weight;
    }
    return sum;
}

} // namespace

void draw_turned(Image& face, const Image& needle, const NeedlePlacement& placement)
{
    const double radians = placement.angle_degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    // The turned bitmap lies within its longest reach from the pivot.
    const double reach = std::hypot(std::max(placement.pivot_x, needle.width - placement.pivot_x),
                                    std::max(placement.pivot_y, needle.height - placement.pivot_y)) + 2;
    const int left = std::max(0, static_cast<int>(placement.centre_x - reach));
    const int right = std::min(face.width - 1, static_cast<int>(placement.centre_x + reach));
    const int top = std::max(0, static_cast<int>(placement.centre_y - reach));
    const int bottom = std::min(face.height - 1, static_cast<int>(placement.centre_y + reach));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            // Back from the face into the bitmap: turn the offset the other way.
            const double dx = x - placement.centre_x;
            const double dy = y - placement.centre_y;
            const double sx = placement.pivot_x + dx * c + dy * s;
            const double sy = placement.pivot_y - dx * s + dy * c;
            const Premultiplied p = sample(needle, sx, sy, placement);
            if (p.a <= 0.0)
                continue;
            auto channel = [&](double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v / p.a), 0L, 255L)); };
            blend_pixel(face.at(x, y), {channel(p.r), channel(p.g), channel(p.b),
                                        static_cast<std::uint8_t>(std::clamp(std::lround(p.a * 255), 0L, 255L))});
        }
}
