// The panel, kept from draw to draw in layers: each gauge's face, that face
// scaled to each placed size where it differs, and the panel they are laid
// on. A draw draws every placed gauge's face (so every shown element's
// callback is asked, as in any draw), then scales and lays again only the
// areas that changed. A gauge placed many times keeps one face at its own
// size, as its placements show the same instrument: each placement costs
// its placed size.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/panel/face_canvas.h"
#include "host/panel/gauge_placement.h"

class PanelCanvas {
public:
    // The placement's gauges on its backdrop, or one gauge's face at its
    // own size. Both stay valid until the next draw of the panel or a gauge.
    const Image& draw_panel(const GaugePlacement& placement);
    const Image& draw_face(const GaugePlacement& placement, std::size_t gauge);

    // Gauges placed by hand, on the backdrop set last.
    const Image& draw_panel(const std::vector<PlacedGauge>& places);
    const Image& draw_face(const std::vector<PlacedGauge>& places, std::size_t gauge);
    // The panel's size and picture under the gauges from the next draw on.
    void set_backdrop(PanelBackdrop backdrop);

private:
    struct Face {
        FaceCanvas canvas;
        ChangedAreas changed; // by this panel draw's face draws
    };
    struct Layer {
        PlacedGauge place;
        Face* face = nullptr; // shared by the gauge's placements
        Image scaled;         // the face at its placed size, when that differs
        bool is_scaled = false;
    };

    void follow(const GaugePlacement& placement);
    void fit(const std::vector<PlacedGauge>& places);
    void catch_up(Layer& layer);
    void compose(const PixelBox& area);

    std::map<const GaugeHeader*, Face> faces_; // one per gauge placed
    std::vector<Layer> layers_;
    PanelBackdrop backdrop_;
    Image under_; // the backdrop's picture at the panel's size
    Image panel_;
    ChangedAreas stale_;              // panel areas to lay again
    std::optional<long> layout_seen_; // the placement's layout number at its last draw
};
