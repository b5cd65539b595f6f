// One gauge's face, kept from draw to draw. Each draw walks the element
// chain and asks every shown element's callback for its value, in drawing
// order, as a host draw does; then it draws again only the areas where an
// element looks different from last time, and keeps those areas for the
// panel to pick up.
#pragma once

#include <vector>

#include "host/raster/changed_areas.h"
#include "host/panel/gauge_drawing.h"

// What an element shows at one draw, enough to tell whether it changed.
struct ElementLook {
    const ElementHeader* element = nullptr;
    const Sprite* sprite = nullptr; // a static image or an icon's frame
    const NeedleBitmap* needle = nullptr;
    int x = 0, y = 0; // the sprite's top-left on the face
    NeedlePlacement turn{};
    PixelBox box; // face pixels it covers; empty when it draws nothing
    bool operator==(const ElementLook&) const = default;
};

class FaceCanvas {
public:
    // The face as it looks now, at its own size; valid until the next draw.
    const Image& draw(const GaugeHeader& gauge, BitmapCache& bitmaps);
    const Image& image() const { return face_; }

    // Face areas drawn again since the last call, forgotten here.
    std::vector<PixelBox> take_changes() { return changes_.take(); }

private:
    void paint(const PixelBox& area);

    Image face_;
    bool drawn_ = false;
    std::vector<ElementLook> looks_; // in drawing order
    ChangedAreas changes_;
};
