#include "host/core/image.h"

#include <algorithm>
#include <cmath>


Image::Image(int w, int h, Rgba fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill)
{
}

void blend_pixel(Rgba& target, Rgba source)
{
    if (source.a == 255 || target.a == 0) {
        if (source.a != 0)
            target = source;
        return;
    }
    const int a = source.a;
    const int keep = 255 - a;
    auto mix = [&](std::uint8_t s, std::uint8_t t) {
        return static_cast<std::uint8_t>((s * a + t * keep + 127) / 255);
    };
    target = {mix(source.r, target.r), mix(source.g, target.g), mix(source.b, target.b),
              static_cast<std::uint8_t>(std::min(255, a + target.a * keep / 255))};
}

void draw_over(Image& target, const Image& source, int x, int y)
{
    for (int sy = 0; sy < source.height; ++sy)
        for (int sx = 0; sx < source.width; ++sx)
            if (target.contains(x + sx, y + sy))
                blend_pixel(target.at(x + sx, y + sy), source.at(sx, sy));
}

Image resized(const Image& source, int width, int height)
{
    if (width == source.width && height == source.height)
        return source;
    Image result(width, height);
    const double step_x = static_cast<double>(source.width) / width;
    const double step_y = static_cast<double>(source.height) / height;
    for (int y = 0; y < height; ++y) {
        const int y0 = static_cast<int>(y * step_y);
        const int y1 = std::max(y0 + 1, static_cast<int>(std::ceil((y + 1) * step_y)));
        for (int x = 0; x < width; ++x) {
            const int x0 = static_cast<int>(x * step_x);
            const int x1 = std::max(x0 + 1, static_cast<int>(std::ceil((x + 1) * step_x)));
            // Premultiplied sums, so undrawn pixels do not darken the edges.
            double r = 0, g = 0, b = 0, a = 0;
            int count = 0;
            for (int sy = y0; sy < std::min(y1, source.height); ++sy)
                for (int sx = x0; sx < std::min(x1, source.width); ++sx) {
                    const Rgba p = source.at(sx, sy);
                    r += p.r * p.a;
                    g += p.g * p.a;
                    b += p.b * p.a;
                    a += p.a;
                    ++count;
                }
            if (a == 0 || count == 0)
                continue;
            result.at(x, y) = {static_cast<std::uint8_t>(std::lround(r / a)), static_cast<std::uint8_t>(std::lround(g / a)),
                               static_cast<std::uint8_t>(std::lround(b / a)),
                               static_cast<std::uint8_t>(std::lround(a / count))};
        }
    }
    return result;
}
