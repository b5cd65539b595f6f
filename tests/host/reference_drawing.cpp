#include "reference_drawing.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "host/panel/element_chain.h"

namespace {

const Colour panel_background = {48, 52, 56, 1};

// The host keeps 8 bits a channel and rounds after each step (sampling,
// laying, resizing, laying again): two levels cover it. Below this coverage
// (in levels of 255) a pixel's colour is too faint to judge.
constexpr double level_tolerance = 2.0;
constexpr double faint_levels = 8.0;

bool undrawn_black(const Colour& c)
{
    return c.r == 0 && c.g == 0 && c.b == 0;
}

// Laying a colour on a pixel: on nothing, or fully covering, it replaces
// it; otherwise the colours mix by the new coverage, as paint on a drawn
// surface, and the coverages add up the way two sheets of tinted glass do.
void lay(Colour& target, const Colour& source)
{
    if (source.a <= 0)
        return;
    if (target.a <= 0 || source.a >= 1) {
        target = source;
        return;
    }
    const double rest = 1 - source.a;
    target = {source.r * source.a + target.r * rest, source.g * source.a + target.g * rest,
              source.b * source.a + target.b * rest, source.a + target.a * rest};
}

void lay_picture(Picture& target, const Picture& source, int left, int top, bool black_transparent)
{
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x) {
            const int tx = left + x, ty = top + y;
            if (tx < 0 || ty < 0 || tx >= target.width || ty >= target.height)
                continue;
            const Colour& c = source.at(x, y);
            if (!(black_transparent && undrawn_black(c)))
                lay(target.at(tx, ty), c);
        }
}

// The face pixels [first, last) along one axis whose unit square overlaps
// placed pixel `i`'s stretch of the face, each in the average alike.
std::vector<std::pair<int, int>> overlapped(int face_size, int placed_size)
{
    const double scale = static_cast<double>(face_size) / placed_size;
    std::vector<std::pair<int, int>> spans;
    for (int i = 0; i < placed_size; ++i) {
        const double from = i * scale, to = (i + 1) * scale;
        int first = face_size, last = 0;
        for (int f = 0; f < face_size; ++f)
            if (std::min<double>(f + 1, to) - std::max<double>(f, from) > 0) {
                first = std::min(first, f);
                last = f + 1;
            }
        spans.emplace_back(first, last);
    }
    return spans;
}

Picture resized(const Picture& face, int width, int height)
{
    if (width == face.width && height == face.height)
        return face;
    Picture result(width, height);
    const auto columns = overlapped(face.width, width), rows = overlapped(face.height, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Colour sum; // colours weighted by coverage
            int count = 0;
            for (int fy = rows[y].first; fy < rows[y].second; ++fy)
                for (int fx = columns[x].first; fx < columns[x].second; ++fx, ++count) {
                    const Colour& c = face.at(fx, fy);
                    sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
                }
            if (sum.a > 0)
                result.at(x, y) = {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / count};
        }
    return result;
}

// The needle's bitmap as a function of a real point: each pixel's colour,
// weighted by its coverage, spread over the tent of the filter (or, without
// it, over the pixel's own square), summed.
Colour needle_at(const Picture& needle, std::complex<double> point, const ReferenceNeedle& placement)
{
    auto source = [&](int x, int y) -> Colour {
        if (x < 0 || y < 0 || x >= needle.width || y >= needle.height)
            return {};
        const Colour c = needle.at(x, y);
        return placement.black_transparent && undrawn_black(c) ? Colour{} : c;
    };
    Colour sum; // colours weighted by coverage
    auto add = [&](const Colour& c, double weight) {
        sum = {sum.r + c.r * c.a * weight, sum.g + c.g * c.a * weight, sum.b + c.b * c.a * weight,
               sum.a + c.a * weight};
    };
    if (!placement.bilinear) {
        add(source(static_cast<int>(std::floor(point.real() + 0.5)), static_cast<int>(std::floor(point.imag() + 0.5))),
            1);
    } else {
        const int cx = static_cast<int>(std::floor(point.real())), cy = static_cast<int>(std::floor(point.imag()));
        for (int y = cy; y <= cy + 1; ++y)
            for (int x = cx; x <= cx + 1; ++x) {
                const double tent = std::max(0.0, 1 - std::abs(point.real() - x)) *
                    std::max(0.0, 1 - std::abs(point.imag() - y));
                if (tent > 0)
                    add(source(x, y), tent);
            }
    }
    if (sum.a <= 0)
        return {};
    return {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a};
}

Colour colour_of(Rgba p)
{
    return {static_cast<double>(p.r), static_cast<double>(p.g), static_cast<double>(p.b), p.a / 255.0};
}

void draw_element(Picture& face, ElementHeader& element, ReferenceBitmaps& bitmaps)
{
    const bool black_transparent = (element.image_flags & image_transparent) != 0;
    const Picture* bitmap = nullptr;
    switch (element.kind) {
    case element_static_image: bitmap = bitmaps.get(element.resource_id); break;
    case element_icon:
        if (const auto frame = icon_frame(element))
            bitmap = bitmaps.get(element.resource_id + *frame);
        break;
    case element_needle: {
        const Picture* needle = bitmaps.get(element.resource_id);
        const auto angle = element_value(element);
        if (needle != nullptr && angle)
            reference_turned(face, *needle,
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
    if (bitmap != nullptr)
        lay_picture(face, *bitmap, element.position.x, element.position.y, black_transparent);
}

std::string described(const Colour& c)
{
    auto level = [](double v) { return std::to_string(static_cast<int>(std::lround(v))); };
    return "(" + level(c.r) + "," + level(c.g) + "," + level(c.b) + "," + level(c.a * 255) + ")";
}

} // namespace

Picture::Picture(const Image& image) : Picture(image.width, image.height)
{
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = colour_of(image.pixels[i]);
}

const Picture* ReferenceBitmaps::get(std::uint32_t resource_id)
{
    auto found = pictures_.find(resource_id);
    if (found == pictures_.end()) {
        std::optional<Picture> picture;
        if (const std::optional<Image> image = platform_.bitmap(resource_id))
            picture = Picture(*image);
        found = pictures_.emplace(resource_id, std::move(picture)).first;
    }
    return found->second ? &*found->second : nullptr;
}

// Every face pixel's offset from the turning point, turned back by the
// angle (clockwise on the screen, whose y grows downwards), lands on a point
// of the bitmap measured from its pivot. Only pixels within the bitmap's
// farthest corner from the pivot, and a pixel of filter beyond, can get any.
void reference_turned(Picture& face, const Picture& needle, const ReferenceNeedle& placement)
{
    if (!std::isfinite(placement.angle_degrees))
        return;
    const std::complex<double> back = std::polar(1.0, -placement.angle_degrees * std::numbers::pi / 180);
    const std::complex<double> centre(placement.centre_x, placement.centre_y), pivot(placement.pivot_x,
                                                                                       placement.pivot_y);
    double reach = 0;
    for (double corner_x : {0, needle.width})
        for (double corner_y : {0, needle.height})
            reach = std::max(reach, std::abs(std::complex<double>(corner_x, corner_y) - pivot));
    reach += 2;
    const int left = std::max(0, static_cast<int>(std::floor(centre.real() - reach)));
    const int top = std::max(0, static_cast<int>(std::floor(centre.imag() - reach)));
    const int right = std::min(face.width, static_cast<int>(std::ceil(centre.real() + reach)) + 1);
    const int bottom = std::min(face.height, static_cast<int>(std::ceil(centre.imag() + reach)) + 1);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const std::complex<double> point = pivot + (std::complex<double>(x, y) - centre) * back;
            lay(face.at(x, y), needle_at(needle, point, placement));
        }
}

Picture reference_face(const GaugeHeader& gauge, ReferenceBitmaps& bitmaps)
{
    int width = 0, height = 0;
    if (gauge.element_list != nullptr && gauge.element_list[0] != nullptr)
        if (const Picture* root = bitmaps.get(gauge.element_list[0]->resource_id)) {
            width = root->width;
            height = root->height;
        }
    Picture face(width, height);
    for (ElementHeader* element : element_chain(gauge))
        if (!element_hidden(*element))
            draw_element(face, *element, bitmaps);
    return face;
}

Picture reference_panel(const std::vector<PlacedGauge>& gauges, const std::vector<Picture>& faces)
{
    int width = 1, height = 1;
    for (const PlacedGauge& gauge : gauges) {
        width = std::max(width, gauge.x + gauge.width);
        height = std::max(height, gauge.y + gauge.height);
    }
    Picture panel(width, height);
    std::fill(panel.pixels.begin(), panel.pixels.end(), panel_background);
    for (std::size_t i = 0; i < gauges.size(); ++i)
        lay_picture(panel, resized(faces[i], gauges[i].width, gauges[i].height), gauges[i].x, gauges[i].y, false);
    return panel;
}

Picture reference_panel(const std::vector<PlacedGauge>& gauges, ReferenceBitmaps& bitmaps)
{
    std::vector<Picture> faces;
    for (const PlacedGauge& gauge : gauges)
        faces.push_back(reference_face(*gauge.header, bitmaps));
    return reference_panel(gauges, faces);
}

std::string difference(const Image& seen, const Picture& expected)
{
    if (seen.width != expected.width || seen.height != expected.height)
        return "size " + std::to_string(seen.width) + "x" + std::to_string(seen.height);
    for (int y = 0; y < seen.height; ++y)
        for (int x = 0; x < seen.width; ++x) {
            const Colour s = colour_of(seen.at(x, y)), e = expected.at(x, y);
            bool strays = std::abs(s.a - e.a) * 255 > level_tolerance;
            if (std::min(s.a, e.a) * 255 >= faint_levels)
                strays = strays || std::abs(s.r - e.r) > level_tolerance || std::abs(s.g - e.g) > level_tolerance ||
                    std::abs(s.b - e.b) > level_tolerance;
            if (strays)
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + ": seen " + described(s) +
                    ", expected " + described(e);
        }
    return "";
}
