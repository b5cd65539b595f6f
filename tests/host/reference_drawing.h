// The host's first renderer, kept as the oracle the cached one is held to:
// every element drawn pixel by pixel onto a fresh face, the face resized
// whole, the panel composed from scratch on every call. Slow and plainly
// right; it asks the elements' callbacks itself, like any draw.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/panel/gauge_panel.h"

class ReferenceBitmaps {
public:
    explicit ReferenceBitmaps(HostPlatform& platform) : platform_(platform) {}
    const Image* get(std::uint32_t resource_id);

private:
    HostPlatform& platform_;
    std::map<std::uint32_t, std::optional<Image>> images_;
};

Image reference_face(const GaugeHeader& gauge, ReferenceBitmaps& bitmaps);
// The panel laid from the gauges' faces, drawn just before, in placement order.
Image reference_panel(const std::vector<PlacedGauge>& gauges, const std::vector<Image>& faces);
Image reference_panel(const std::vector<PlacedGauge>& gauges, ReferenceBitmaps& bitmaps);

// Where two pictures first differ ("pixel X,Y" or "size WxH"), or "" when
// they are equal.
std::string difference(const Image& seen, const Image& expected);

// The needle alone, turned onto `face` the first renderer's way.
struct ReferenceNeedle {
    // clang-format off
    double pivot_x, pivot_y;
    double centre_x, centre_y;
    double angle_degrees;
    bool   bilinear;
    bool   black_transparent;
    // clang-format on
};
void reference_turned(Image& face, const Image& needle, const ReferenceNeedle& placement);
