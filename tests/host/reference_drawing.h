// The oracle the host's drawing is held to, written apart from it: every
// picture in floating point, straight colour and coverage from 0 to 1; every
// element drawn over the whole face, pixel by pixel; a needle's pixel turned
// back into its bitmap by a complex rotation and sampled by the filter's
// tent, summed over the bitmap pixels it reaches; a face resized by the face
// pixels each placed pixel overlaps; the panel composed from scratch on every
// call. Nothing is rounded until a picture is compared, and the comparison
// allows a small tolerance for the host's rounding on the way, so that a
// fault in the fast drawing cannot also sit in the oracle. It asks the
// elements' callbacks itself, like any draw.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/panel/gauge_panel.h"

// A colour in floating point: r, g, b from 0 to 255, coverage a from 0 to 1.
struct Colour {
    double r = 0, g = 0, b = 0, a = 0;
};

struct Picture {
    int width = 0, height = 0;
    std::vector<Colour> pixels;

    Picture() = default;
    Picture(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    explicit Picture(const Image& image);
    Colour& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Colour& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

class ReferenceBitmaps {
public:
    explicit ReferenceBitmaps(HostPlatform& platform) : platform_(platform) {}
    const Picture* get(std::uint32_t resource_id);

private:
    HostPlatform& platform_;
    std::map<std::uint32_t, std::optional<Picture>> pictures_;
};

Picture reference_face(const GaugeHeader& gauge, ReferenceBitmaps& bitmaps);
// The panel laid from the gauges' faces, drawn just before, in placement order.
Picture reference_panel(const std::vector<PlacedGauge>& gauges, const std::vector<Picture>& faces);
Picture reference_panel(const std::vector<PlacedGauge>& gauges, ReferenceBitmaps& bitmaps);

// Where a drawn picture first strays from the oracle's by more than the
// host's rounding can explain ("pixel X,Y: seen ..., expected ..." or "size
// WxH"), or "" when it does not.
std::string difference(const Image& seen, const Picture& expected);

// The needle alone, turned onto `face`.
struct ReferenceNeedle {
    // clang-format off
    double pivot_x, pivot_y;
    double centre_x, centre_y;
    double angle_degrees;
    bool   bilinear;
    bool   black_transparent;
    // clang-format on
};
void reference_turned(Picture& face, const Picture& needle, const ReferenceNeedle& placement);
