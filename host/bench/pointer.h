// The pointer over the panel: which gauge a window pixel falls on and the
// face pixel there, for gauges placed at any width, and when the tooltip
// under it shows.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "host/panel/gauge_panel.h"

struct GaugePoint {
    std::size_t gauge;
    PixelPoint face; // in the gauge's own face pixels
};

// A gauge placed later is drawn over earlier ones, so it takes the pixel.
std::optional<GaugePoint> gauge_point_at(const std::vector<PlacedGauge>& gauges, PixelPoint panel);

inline constexpr double tooltip_rest_seconds = 0.5;

// One tooltip entry of one placed gauge.
struct TooltipPlace {
    std::size_t gauge;
    const MouseRect* entry;
    bool operator==(const TooltipPlace&) const = default;
};

// A tooltip shows once the pointer has rested half a second in its region,
// and then stays, following its value, while the pointer moves within it.
// Leaving the region, or entering another, starts over.
class TooltipRest {
public:
    void pointer_at(std::optional<TooltipPlace> place, PixelPoint panel, double now_seconds);
    std::optional<TooltipPlace> shown(double now_seconds);

private:
    std::optional<TooltipPlace> place_;
    PixelPoint point_{};
    double rest_start_ = 0.0;
    bool shown_ = false;
};

// Where a tooltip box of the given size goes: below and right of the
// pointer, clear of the cursor, or on the other side where the area ends.
PixelPoint tooltip_box_origin(PixelPoint pointer, int box_width, int box_height, int area_width, int area_height);
