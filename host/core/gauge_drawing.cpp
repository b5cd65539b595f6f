#include "host/core/gauge_drawing.h"

#include "host/core/element_chain.h"
#include "host/core/needle_drawing.h"

const Image* BitmapCache::get(std::uint32_t resource_id)
{
    auto found = images_.find(resource_id);
    if (found == images_.end())
        found = images_.emplace(resource_id, platform_.bitmap(resource_id)).first;
    return found->second ? &*found->second : nullptr;
}

FaceSize face_size(const GaugeHeader& gauge, BitmapCache& bitmaps)
{
    if (gauge.element_list == nullptr || gauge.element_list[0] == nullptr)
        return {};
    const Image* root = bitmaps.get(gauge.element_list[0]->resource_id);
    return root ? FaceSize{root->width, root->height} : FaceSize{};
}

namespace {

void draw_flat(Image& face, const Image& bitmap, PixelPoint at, bool black_transparent)
{
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x) {
            const Rgba p = bitmap.at(x, y);
            if (black_transparent && p.r == 0 && p.g == 0 && p.b == 0)
                continue;
            if (face.contains(at.x + x, at.y + y))
                blend_pixel(face.at(at.x + x, at.y + y), p);
        }
}

void draw_element(Image& face, ElementHeader& element, BitmapCache& bitmaps)
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
        draw_turned(face, *bitmap,
                    {.pivot_x = static_cast<double>(element.pivot.x),
                     .pivot_y = static_cast<double>(element.pivot.y),
                     .centre_x = static_cast<double>(element.position.x),
                     .centre_y = static_cast<double>(element.position.y),
                     .angle_degrees = *angle,
                     .bilinear = (element.image_flags & image_bilinear) != 0,
                     .black_transparent = black_transparent});
        return;
    }
    default:
        return;   // kinds this module never uses
    }
}

} // namespace

Image draw_face(const GaugeHeader& gauge, BitmapCache& bitmaps)
{
    const FaceSize size = face_size(gauge, bitmaps);
    Image face(size.width, size.height);
    for (ElementHeader* element : element_chain(gauge))
        if (!element_hidden(*element))
            draw_element(face, *element, bitmaps);
    return face;
}
