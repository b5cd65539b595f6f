#include "host/raster/face_scaling.h"

#include <cmath>

namespace {

// The face pixels [first, last) that placed pixel `i` covers along one axis.
struct Span {
    int first, last;
};

Span covered(int i, double step, int face_size)
{
    const int first = static_cast<int>(i * step);
    const int last = std::max(first + 1, static_cast<int>(std::ceil((i + 1) * step)));
    return {first, std::min(last, face_size)};
}

// The placed pixels along one axis whose span meets face pixels [from, to);
// spans only move forward, so they lie in one run.
Span covering(int from, int to, int face_size, int placed_size)
{
    const double step = static_cast<double>(face_size) / placed_size;
    Span run{placed_size, 0};
    for (int i = 0; i < placed_size; ++i) {
        const Span span = covered(i, step, face_size);
        if (span.first < to && span.last > from) {
            run.first = std::min(run.first, i);
            run.last = i + 1;
        }
    }
    return run;
}

} // namespace

PixelBox scaled_area(const Image& face, const PixelBox& face_area, int placed_width, int placed_height)
{
    const Span x = covering(face_area.left, face_area.right, face.width, placed_width);
    const Span y = covering(face_area.top, face_area.bottom, face.height, placed_height);
    return {x.first, y.first, x.last, y.last};
}

void scale_area(Image& placed, const Image& face, const PixelBox& area)
{
    const PixelBox inside = intersection(area, placed.bounds());
    const double step_x = static_cast<double>(face.width) / placed.width;
    const double step_y = static_cast<double>(face.height) / placed.height;
    for (int y = inside.top; y < inside.bottom; ++y) {
        const Span rows = covered(y, step_y, face.height);
        for (int x = inside.left; x < inside.right; ++x) {
            const Span columns = covered(x, step_x, face.width);
            // Premultiplied sums, so undrawn pixels do not darken the edges.
            double r = 0, g = 0, b = 0, a = 0;
            int count = 0;
            for (int sy = rows.first; sy < rows.last; ++sy)
                for (int sx = columns.first; sx < columns.last; ++sx) {
                    const Rgba p = face.at(sx, sy);
                    r += p.r * p.a;
                    g += p.g * p.a;
                    b += p.b * p.a;
                    a += p.a;
                    ++count;
                }
            if (a == 0 || count == 0) {
                placed.at(x, y) = {};
                continue;
            }
            placed.at(x, y) = {
                static_cast<std::uint8_t>(std::lround(r / a)), static_cast<std::uint8_t>(std::lround(g / a)),
                static_cast<std::uint8_t>(std::lround(b / a)), static_cast<std::uint8_t>(std::lround(a / count))};
        }
    }
}
