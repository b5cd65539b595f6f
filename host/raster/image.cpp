#include "host/raster/image.h"

#include <cstring>

namespace {

// Two pixels as one word, alpha alone kept: whether both are opaque is one test.
std::uint64_t alpha_of_two()
{
    const Rgba opaque[2] = {{0, 0, 0, 255}, {0, 0, 0, 255}};
    std::uint64_t mask;
    std::memcpy(&mask, opaque, sizeof mask);
    return mask;
}

// Where the run of opaque pixels from `from` ends, looked at two at a time.
int opaque_run_end(const Rgba* pixels, int from, int end)
{
    static const std::uint64_t alpha = alpha_of_two();
    int i = from;
    for (; i + 2 <= end; i += 2) {
        std::uint64_t two;
        std::memcpy(&two, pixels + i, sizeof two);
        if ((two & alpha) != alpha)
            break;
    }
    while (i < end && pixels[i].a == 255)
        ++i;
    return i;
}

// One row of draw_over: opaque runs are copied whole, the rest blended.
void blend_row(Rgba* out, const Rgba* in, int count)
{
    for (int i = 0; i < count;) {
        if (in[i].a == 255) {
            const int end = opaque_run_end(in, i, count);
            std::memcpy(out + i, in + i, sizeof(Rgba) * static_cast<std::size_t>(end - i));
            i = end;
            continue;
        }
        if (in[i].a != 0)
            blend_pixel(out[i], in[i]);
        ++i;
    }
}

} // namespace

Image::Image(int w, int h, Rgba fill) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

void draw_over(Image& target, const Image& source, int x, int y, const PixelBox& clip)
{
    const PixelBox area = intersection(intersection(clip, target.bounds()), moved(source.bounds(), x, y));
    if (area.empty())
        return;
    for (int ty = area.top; ty < area.bottom; ++ty) {
        blend_row(&target.at(area.left, ty), &source.at(area.left - x, ty - y), area.width());
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
    // The first row pixel by pixel, the others copied from it.
    const Rgba* first = &image.at(area.left, area.top);
    std::fill_n(&image.at(area.left, area.top), area.width(), colour);
    for (int y = area.top + 1; y < area.bottom; ++y)
        std::memcpy(&image.at(area.left, y), first, sizeof(Rgba) * static_cast<std::size_t>(area.width()));
}

void copy_area(Image& target, const Image& source, const PixelBox& box)
{
    const PixelBox area = intersection(intersection(box, target.bounds()), source.bounds());
    if (area.empty())
        return;
    for (int y = area.top; y < area.bottom; ++y)
        std::memcpy(&target.at(area.left, y), &source.at(area.left, y),
                    sizeof(Rgba) * static_cast<std::size_t>(area.width()));
}
