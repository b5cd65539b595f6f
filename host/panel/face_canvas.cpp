#include "host/panel/face_canvas.h"

#include "host/panel/element_chain.h"

namespace {

// Asks the element's callback, if it is shown and has one, exactly once.
ElementLook look_of(ElementHeader& element, BitmapCache& bitmaps, const PixelBox& face)
{
    ElementLook look;
    look.element = &element;
    if (element_hidden(element))
        return look;
    const bool black_transparent = (element.image_flags & image_transparent) != 0;
    switch (element.kind) {
    case element_static_image: look.sprite = bitmaps.sprite(element.resource_id, black_transparent); break;
    case element_icon:
        if (const auto frame = icon_frame(element))
            look.sprite = bitmaps.sprite(element.resource_id + *frame, black_transparent);
        break;
    case element_needle: {
        const NeedleBitmap* needle = bitmaps.needle(element.resource_id, black_transparent);
        const auto angle = element_value(element);
        if (needle == nullptr || !angle)
            return look;
        look.needle = needle;
        look.turn = {.pivot_x = static_cast<double>(element.pivot.x),
                     .pivot_y = static_cast<double>(element.pivot.y),
                     .centre_x = static_cast<double>(element.position.x),
                     .centre_y = static_cast<double>(element.position.y),
                     .angle_degrees = *angle,
                     .bilinear = (element.image_flags & image_bilinear) != 0};
        look.box = turned_box(*needle, look.turn, face);
        return look;
    }
    default: return look; // kinds this module never uses
    }
    if (look.sprite != nullptr) {
        look.x = element.position.x;
        look.y = element.position.y;
        look.box = intersection(moved(look.sprite->drawn_box(), look.x, look.y), face);
    }
    return look;
}

} // namespace

const Image& FaceCanvas::draw(const GaugeHeader& gauge, BitmapCache& bitmaps)
{
    const FaceSize size = face_size(gauge, bitmaps);
    const PixelBox face = {0, 0, size.width, size.height};
    std::vector<ElementLook> looks;
    for (ElementHeader* element : element_chain(gauge))
        looks.push_back(look_of(*element, bitmaps, face));

    ChangedAreas redraw;
    if (!drawn_ || face != face_.bounds() || looks.size() != looks_.size()) {
        face_ = Image(size.width, size.height);
        redraw.add(face);
    } else {
        for (std::size_t i = 0; i < looks.size(); ++i)
            if (!(looks[i] == looks_[i])) {
                redraw.add(looks_[i].box);
                redraw.add(looks[i].box);
            }
    }
    looks_ = std::move(looks);
    drawn_ = true;
    for (const PixelBox& area : redraw.boxes())
        paint(area);
    changes_.add(redraw.boxes());
    return face_;
}

// Every element that covers any of `area`, from nothing, in drawing order.
void FaceCanvas::paint(const PixelBox& area)
{
    fill(face_, area, {});
    for (const ElementLook& look : looks_) {
        if (!overlaps(look.box, area))
            continue;
        if (look.sprite != nullptr)
            look.sprite->draw(face_, look.x, look.y, area);
        else if (look.needle != nullptr)
            draw_turned(face_, *look.needle, look.turn, area);
    }
}
