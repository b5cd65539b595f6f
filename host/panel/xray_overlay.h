// The X-ray view, for a gauge maker: over the gauges as drawn, every mouse
// area outlined in the colour of its kind and labelled with its cursor,
// every element's box with its position in the drawing chain, and the
// needle's pivot. Drawn at each gauge's placed size, so a click's landing
// place reads straight off the picture.
#pragma once

#include <cstdint>
#include <vector>

#include "host/panel/gauge_placement.h"

namespace xray_colour {
// clang-format off
inline constexpr Rgba click_area     = {255, 140, 0, 255};
inline constexpr Rgba region         = {0, 200, 255, 255};
inline constexpr Rgba tooltip_region = {255, 0, 220, 255};
inline constexpr Rgba element_box    = {235, 235, 235, 255};
inline constexpr Rgba needle_pivot   = {255, 40, 40, 255};
// clang-format on
}

class XrayOverlay {
public:
    // Element boxes take their sizes from each gauge's decoded bitmaps.
    // Over a picture of the panel, each gauge where it is placed.
    void draw_panel(Image& picture, const std::vector<PlacedGauge>& gauges);
    // Over one gauge's face drawn at its own size.
    void draw_face(Image& face, const PlacedGauge& gauge);

private:
    void draw_gauge(Image& picture, const PlacedGauge& gauge);
    void draw_elements(Image& picture, const PlacedGauge& gauge);
    void draw_mouse_areas(Image& picture, const PlacedGauge& gauge);
    static FaceSize bitmap_size(const PlacedGauge& gauge, std::uint32_t resource_id);
};
