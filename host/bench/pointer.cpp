#include "host/bench/pointer.h"

#include <algorithm>
#include <cmath>

std::optional<GaugePoint> gauge_point_at(const std::vector<PlacedGauge>& gauges, PixelPoint panel)
{
    for (std::size_t i = gauges.size(); i-- > 0;) {
        const PlacedGauge& g = gauges[i];
        const int dx = panel.x - g.x;
        const int dy = panel.y - g.y;
        if (dx < 0 || dy < 0 || dx >= g.width || dy >= g.height || g.face.width <= 0 || g.face.height <= 0)
            continue;
        // Each placed pixel stands for the face pixels its span covers;
        // the first of them answers, so face pixel 0 stays reachable.
        const auto face_x = static_cast<std::int32_t>(std::floor(double(dx) * g.face.width / g.width));
        const auto face_y = static_cast<std::int32_t>(std::floor(double(dy) * g.face.height / g.height));
        return GaugePoint{i, {face_x, face_y}};
    }
    return std::nullopt;
}

void TooltipRest::pointer_at(std::optional<TooltipPlace> place, PixelPoint panel, double now_seconds)
{
    const bool moved = panel.x != point_.x || panel.y != point_.y;
    point_ = panel;
    if (place != place_) {
        place_ = place;
        rest_start_ = now_seconds;
        shown_ = false;
    } else if (moved && !shown_) {
        rest_start_ = now_seconds;
    }
}

std::optional<TooltipPlace> TooltipRest::shown(double now_seconds)
{
    if (place_ && !shown_ && now_seconds - rest_start_ >= tooltip_rest_seconds)
        shown_ = true;
    return shown_ ? place_ : std::nullopt;
}

namespace {

// Clear of a cursor's body below its hot spot.
constexpr int tooltip_offset_x = 14;
constexpr int tooltip_offset_y = 22;
constexpr int tooltip_flip_gap = 4;

int place_along(int pointer, int offset, int size, int area)
{
    int start = pointer + offset;
    if (start + size > area)
        start = pointer - size - tooltip_flip_gap;
    return std::max(0, start);
}

} // namespace

PixelPoint tooltip_box_origin(PixelPoint pointer, int box_width, int box_height, int area_width, int area_height)
{
    return {place_along(pointer.x, tooltip_offset_x, box_width, area_width),
            place_along(pointer.y, tooltip_offset_y, box_height, area_height)};
}
