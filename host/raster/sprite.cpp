#include "host/raster/sprite.h"

#include <cstring>

namespace {

enum class Kind { skipped, opaque, translucent };

Kind kind_of(Rgba p, bool black_transparent)
{
    if (p.a == 0 || (black_transparent && p.r == 0 && p.g == 0 && p.b == 0))
        return Kind::skipped;
    return p.a == 255 ? Kind::opaque : Kind::translucent;
}

} // namespace

Sprite::Sprite(const Image& bitmap, bool black_transparent) : bitmap_(bitmap)
{
    row_start_.reserve(static_cast<std::size_t>(bitmap.height) + 1);
    for (int y = 0; y < bitmap.height; ++y) {
        row_start_.push_back(static_cast<std::uint32_t>(runs_.size()));
        int x = 0;
        while (x < bitmap.width) {
            const Kind kind = kind_of(bitmap.at(x, y), black_transparent);
            int end = x + 1;
            while (end < bitmap.width && kind_of(bitmap.at(end, y), black_transparent) == kind)
                ++end;
            if (kind != Kind::skipped) {
                runs_.push_back({.left = x, .length = end - x, .opaque = kind == Kind::opaque});
                drawn_ = bounding(drawn_, {x, y, end, y + 1});
            }
            x = end;
        }
    }
    row_start_.push_back(static_cast<std::uint32_t>(runs_.size()));
}

void Sprite::draw(Image& target, int x, int y, const PixelBox& clip) const
{
    const PixelBox area = intersection(intersection(clip, target.bounds()), moved(drawn_, x, y));
    for (int ty = area.top; ty < area.bottom; ++ty) {
        const int row = ty - y;
        for (std::uint32_t r = row_start_[row]; r < row_start_[row + 1]; ++r) {
            const Run& run = runs_[r];
            const int left = std::max(area.left, x + run.left);
            const int right = std::min(area.right, x + run.left + run.length);
            if (left >= right)
                continue;
            Rgba* out = &target.at(left, ty);
            const Rgba* in = &bitmap_.at(left - x, row);
            if (run.opaque) {
                std::memcpy(out, in, sizeof(Rgba) * static_cast<std::size_t>(right - left));
                continue;
            }
            for (int i = 0; i < right - left; ++i)
                blend_pixel(out[i], in[i]);
        }
    }
}
