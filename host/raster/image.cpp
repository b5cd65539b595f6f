#include "host/raster/image.h"

Image::Image(int w, int h, Rgba fill) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

void draw_over(Image& target, const Image& source, int x, int y, const PixelBox& clip)
{
    const PixelBox area = intersection(intersection(clip, target.bounds()), moved(source.bounds(), x, y));
    if (area.empty())
        return;
    for (int ty = area.top; ty < area.bottom; ++ty) {
        Rgba* out = &target.at(area.left, ty);
        const Rgba* in = &source.at(area.left - x, ty - y);
        for (int i = 0; i < area.width(); ++i)
            blend_pixel(out[i], in[i]);
    }
}

void draw_over(Image& target, const Image& source, int x, int y)
{
    draw_over(target, source, x, y, target.bounds());
}

void fill(Image& image, const PixelBox& box, Rgba colour)
{
    const PixelBox area = intersection(box, image.bounds());
    if (area.empty())
        return;
    for (int y = area.top; y < area.bottom; ++y)
        std::fill_n(&image.at(area.left, y), area.width(), colour);
}
