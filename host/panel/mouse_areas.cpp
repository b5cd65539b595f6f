#include "host/panel/mouse_areas.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace {

bool box_holds(const MouseRect& rect, int face_width, int face_height, PixelPoint point)
{
    const bool whole_face = covers_whole_face(rect);
    const int width = whole_face ? face_width : rect.width;
    const int height = whole_face ? face_height : rect.height;
    return point.x >= rect.x && point.y >= rect.y && point.x < rect.x + width && point.y < rect.y + height;
}

struct OpenRegion {
    const MouseRect* rect;
    bool holds_point;
    const MouseRect* tooltip;
};

bool is_end_record(const TooltipArgument& argument)
{
    return argument.source == nullptr && argument.value == nullptr && argument.scale == 0.0 &&
        argument.lookup_table == nullptr;
}

} // namespace

std::span<const MouseRect> mouse_area_entries(const MouseRect* areas)
{
    std::size_t count = 0;
    while (areas != nullptr && count < mouse_area_limit && areas[count].kind != mouse_end)
        ++count;
    return {areas, count};
}

bool covers_whole_face(const MouseRect& rect)
{
    return rect.x == 0 && rect.y == 0 && rect.width == 0 && rect.height == 0;
}

const char* button_word(MouseButton button)
{
    return button == MouseButton::right ? "right" : "left";
}

std::uint32_t click_bit(MouseButton button)
{
    return button == MouseButton::left ? mouse_left_single : mouse_right_single;
}

MouseTarget mouse_target(const MouseRect* areas, int face_width, int face_height, PixelPoint point)
{
    MouseTarget target;
    std::vector<OpenRegion> open;
    int tooltip_depth = -1;
    std::int32_t region_cursor = cursor_none;
    for (const MouseRect& rect : mouse_area_entries(areas)) {
        switch (rect.kind) {
        case mouse_region_open: {
            const bool inside =
                (open.empty() || open.back().holds_point) && box_holds(rect, face_width, face_height, point);
            open.push_back({&rect, inside, nullptr});
            if (inside && rect.cursor != cursor_none)
                region_cursor = rect.cursor;
            break;
        }
        case mouse_tooltip:
            if (!open.empty() && open.back().holds_point && static_cast<int>(open.size()) > tooltip_depth) {
                target.tooltip = &rect;
                tooltip_depth = static_cast<int>(open.size());
            }
            break;
        case mouse_region_close:
            if (!open.empty())
                open.pop_back();
            break;
        case mouse_click_area:
            if (target.click_area == nullptr && (open.empty() || open.back().holds_point) &&
                box_holds(rect, face_width, face_height, point))
                target.click_area = &rect;
            break;
        default: break;
        }
    }
    target.cursor = target.click_area != nullptr ? target.click_area->cursor : region_cursor;
    return target;
}

const char* cursor_name(std::int32_t cursor)
{
    switch (cursor) {
    // clang-format off
    case cursor_none:       return "none";
    case cursor_up_arrow:   return "up_arrow";
    case cursor_down_arrow: return "down_arrow";
    case cursor_hand:       return "hand";
    default:                return "other";
        // clang-format on
    }
}

bool accepts(const MouseRect& area, MouseButton button)
{
    return area.action.click != nullptr && (area.event_mask & click_bit(button)) != 0;
}

bool repeats_while_held(const MouseRect& area)
{
    return (area.event_mask & mouse_repeat) != 0;
}

void deliver_click(const MouseRect& area, PixelPoint face_point, MouseButton button)
{
    const PixelPoint relative{face_point.x - area.x, face_point.y - area.y};
    area.action.click(&relative, click_bit(button));
}

std::vector<std::int32_t> tooltip_arguments(const MouseRect& tooltip, const GaugeHeader& gauge)
{
    std::vector<std::int32_t> values;
    if (tooltip.tooltip_args == nullptr)
        return values;
    for (const TooltipArgument* argument = tooltip.tooltip_args; !is_end_record(*argument); ++argument) {
        double value = argument->source != nullptr ? argument->source->value * argument->scale : 0.0;
        if (argument->value != nullptr) {
            // The callback's six words: the value as a double, the event id,
            // the text, the source variable and the gauge.
            // __builtin_bit_cast: the web build's standard library has no std::bit_cast.
            const auto bits = __builtin_bit_cast(std::uint64_t, value);
            value = argument->value(static_cast<HostWord>(bits & 0xFFFFFFFFu), static_cast<HostWord>(bits >> 32),
                                    tooltip.event_id, reinterpret_cast<HostWord>(tooltip.action.tooltip_text),
                                    reinterpret_cast<HostWord>(argument->source), reinterpret_cast<HostWord>(&gauge));
        }
        values.push_back(static_cast<std::int32_t>(std::lround(value)));
    }
    return values;
}
