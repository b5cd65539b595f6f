// The panel, kept from draw to draw in layers: each placed gauge's face,
// that face scaled to its placed size where it differs, and the panel they
// are laid on. A draw draws every face (so every shown element's callback
// is asked, as in any draw), then scales and lays again only the areas that
// changed.
#pragma once

#include <cstddef>
#include <vector>

#include "host/core/face_canvas.h"

// Where and how big a gauge is on the panel.
struct GaugePlace {
    const GaugeHeader* header = nullptr;
    int x = 0, y = 0;
    int width = 0, height = 0;
    bool operator==(const GaugePlace&) const = default;
};

class PanelCanvas {
public:
    // Both stay valid until the next draw of the panel or a gauge.
    const Image& draw_panel(const std::vector<GaugePlace>& places, BitmapCache& bitmaps);
    const Image& draw_face(const std::vector<GaugePlace>& places, std::size_t gauge, BitmapCache& bitmaps);

private:
    struct Layer {
        GaugePlace place;
        FaceCanvas face;
        Image scaled;          // the face at its placed size, when that differs
        bool is_scaled = false;
    };

    void fit(const std::vector<GaugePlace>& places);
    void catch_up(Layer& layer);
    void compose(const PixelBox& area);

    std::vector<Layer> layers_;
    Image panel_;
    ChangedAreas stale_;       // panel areas to lay again
};
