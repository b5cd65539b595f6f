#include "reference_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/panel/element_chain.h"

namespace {

constexpr Rgba panel_background = {48, 52, 56, 255};

void blend(Rgba& target, Rgba source)
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

void over(Image& target, const Image& source, int x, int y)
{
    for (int sy = 0; sy < source.height; ++sy)
        for (int sx = 0; sx < source.width; ++sx)
            if (target.contains(x + sx, y + sy))
                blend(target.at(x + sx, y + sy), source.at(sx, sy));
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
            result.at(x, y) = {
                static_cast<std::uint8_t>(std::lround(r / a)), static_cast<std::uint8_t>(std::lround(g / a)),
                static_cast<std::uint8_t>(std::lround(b / a)), static_cast<std::uint8_t>(std::lround(a / count))};
        }
    }
    return result;
}

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

Premultiplied sample(const Image& image, double x, double y, const ReferenceNeedle& placement)
{
    if (!placement.bilinear)
        return source_pixel(image, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)),
                            placement.black_transparent);
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
        const Premultiplied p = source_pixel(image, x0 + tap.dx, y0 + tap.dy, placement.black_transparent);
        sum.r += p.r * tap.weight;
        sum.g += p.g * tap.weight;
        sum.b += p.b * tap.weight;
        sum.a += p.a * tap.weight;
    }
    return sum;
}

void draw_flat(Image& face, const Image& bitmap, PixelPoint at, bool black_transparent)
{
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x) {
            const Rgba p = bitmap.at(x, y);
            if (black_transparent && p.r == 0 && p.g == 0 && p.b == 0)
                continue;
            if (face.contains(at.x + x, at.y + y))
                blend(face.at(at.x + x, at.y + y), p);
        }
}

void draw_element(Image& face, ElementHeader& element, ReferenceBitmaps& bitmaps)
{
    const bool black_transparent = (element.image_flags & image_transparent) != 0;
    switch (element.kind) {
    case element_static_image:
        if (const Image* bitmap = bitmaps.get(element.resource_id))
            draw_flat(face, *bitmap, element.position, black_transparent);
        return;
    case element_icon:
        if (const auto frame = icon_frame(element))
            if (const Image* bitmap = bitmaps.get(element.resource_id + *frame))
                draw_flat(face, *bitmap, element.position, black_transparent);
        return;
    case element_needle: {
        const Image* bitmap = bitmaps.get(element.resource_id);
        const auto angle = element_value(element);
        if (bitmap == nullptr || !angle)
            return;
        reference_turned(face, *bitmap,
                         {.pivot_x = static_cast<double>(element.pivot.x),
                          .pivot_y = static_cast<double>(element.pivot.y),
                          .centre_x = static_cast<double>(element.position.x),
                          .centre_y = static_cast<double>(element.position.y),
                          .angle_degrees = *angle,
                          .bilinear = (element.image_flags & image_bilinear) != 0,
                          .black_transparent = black_transparent});
        return;
    }
    default: return;
    }
}

} // namespace

const Image* ReferenceBitmaps::get(std::uint32_t resource_id)
{
    auto found = images_.find(resource_id);
    if (found == images_.end())
        found = images_.emplace(resource_id, platform_.bitmap(resource_id)).first;
    return found->second ? &*found->second : nullptr;
}

void reference_turned(Image& face, const Image& needle, const ReferenceNeedle& placement)
{
    const double radians = placement.angle_degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double reach = std::hypot(std::max(placement.pivot_x, needle.width - placement.pivot_x),
                                    std::max(placement.pivot_y, needle.height - placement.pivot_y)) +
        2;
    const int left = std::max(0, static_cast<int>(placement.centre_x - reach));
    const int right = std::min(face.width - 1, static_cast<int>(placement.centre_x + reach));
    const int top = std::max(0, static_cast<int>(placement.centre_y - reach));
    const int bottom = std::min(face.height - 1, static_cast<int>(placement.centre_y + reach));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const double dx = x - placement.centre_x;
            const double dy = y - placement.centre_y;
            const double sx = placement.pivot_x + dx * c + dy * s;
            const double sy = placement.pivot_y - dx * s + dy * c;
            const Premultiplied p = sample(needle, sx, sy, placement);
            if (p.a <= 0.0)
                continue;
            auto channel = [&](double v) {
                return static_cast<std::uint8_t>(std::clamp(std::lround(v / p.a), 0L, 255L));
            };
            blend(face.at(x, y),
                  {channel(p.r), channel(p.g), channel(p.b),
                   static_cast<std::uint8_t>(std::clamp(std::lround(p.a * 255), 0L, 255L))});
        }
}

Image reference_face(const GaugeHeader& gauge, ReferenceBitmaps& bitmaps)
{
    int width = 0, height = 0;
    if (gauge.element_list != nullptr && gauge.element_list[0] != nullptr)
        if (const Image* root = bitmaps.get(gauge.element_list[0]->resource_id)) {
            width = root->width;
            height = root->height;
        }
    Image face(width, height);
    for (ElementHeader* element : element_chain(gauge))
        if (!element_hidden(*element))
            draw_element(face, *element, bitmaps);
    return face;
}

Image reference_panel(const std::vector<PlacedGauge>& gauges, const std::vector<Image>& faces)
{
    int width = 0, height = 0;
    for (const PlacedGauge& gauge : gauges) {
        width = std::max(width, gauge.x + gauge.width);
        height = std::max(height, gauge.y + gauge.height);
    }
    Image panel(std::max(width, 1), std::max(height, 1), panel_background);
    for (std::size_t i = 0; i < gauges.size(); ++i)
        over(panel, resized(faces[i], gauges[i].width, gauges[i].height), gauges[i].x, gauges[i].y);
    return panel;
}

Image reference_panel(const std::vector<PlacedGauge>& gauges, ReferenceBitmaps& bitmaps)
{
    std::vector<Image> faces;
    for (const PlacedGauge& gauge : gauges)
        faces.push_back(reference_face(*gauge.header, bitmaps));
    return reference_panel(gauges, faces);
}

std::string difference(const Image& seen, const Image& expected)
{
    if (seen.width != expected.width || seen.height != expected.height)
        return "size " + std::to_string(seen.width) + "x" + std::to_string(seen.height);
    for (int y = 0; y < seen.height; ++y)
        for (int x = 0; x < seen.width; ++x)
            if (!(seen.at(x, y) == expected.at(x, y)))
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
    return "";
}
