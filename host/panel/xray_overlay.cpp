#include "host/panel/xray_overlay.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "host/panel/element_chain.h"
#include "host/panel/mouse_areas.h"
#include "host/raster/image_text.h"

namespace {

constexpr int pivot_arm = 5;
constexpr int label_inset = 2;

// Face pixels to panel pixels of one placed gauge.
struct FaceToPanel {
    const PlacedGauge& gauge;
    int x(int face_x) const
    {
        return gauge.x + static_cast<int>(std::lround(double(face_x) * gauge.width / gauge.face.width));
    }
    int y(int face_y) const
    {
        return gauge.y + static_cast<int>(std::lround(double(face_y) * gauge.height / gauge.face.height));
    }
};

struct FaceBox {
    int x, y, width, height;
    bool operator<(const FaceBox& o) const
    {
        return std::tie(x, y, width, height) < std::tie(o.x, o.y, o.width, o.height);
    }
};

void plot(Image& picture, int x, int y, Rgba colour)
{
    if (picture.contains(x, y))
        picture.at(x, y) = colour;
}

// The box's outline on its outermost placed pixels; dotted draws every
// other pixel, so boxes drawn over each other stay apart.
void outline(Image& picture, const FaceToPanel& to_panel, const FaceBox& box, Rgba colour, bool dotted)
{
    const int x0 = to_panel.x(box.x), y0 = to_panel.y(box.y);
    const int x1 = to_panel.x(box.x + box.width) - 1, y1 = to_panel.y(box.y + box.height) - 1;
    const int step = dotted ? 2 : 1;
    for (int x = x0; x <= x1; x += step) {
        plot(picture, x, y0, colour);
        plot(picture, x, y1, colour);
    }
    for (int y = y0; y <= y1; y += step) {
        plot(picture, x0, y, colour);
        plot(picture, x1, y, colour);
    }
}

const char* cursor_label(std::int32_t cursor)
{
    switch (cursor) {
    // clang-format off
    case cursor_hand:       return "hand";
    case cursor_up_arrow:   return "up";
    case cursor_down_arrow: return "down";
    case cursor_none:       return "";
    default:                return "cursor?";
        // clang-format on
    }
}

} // namespace

void XrayOverlay::draw_panel(Image& picture, const std::vector<PlacedGauge>& gauges)
{
    for (const PlacedGauge& gauge : gauges)
        draw_gauge(picture, gauge);
}

void XrayOverlay::draw_face(Image& face, const PlacedGauge& gauge)
{
    PlacedGauge at_face_size = gauge;
    at_face_size.x = 0;
    at_face_size.y = 0;
    at_face_size.width = gauge.face.width;
    at_face_size.height = gauge.face.height;
    draw_gauge(face, at_face_size);
}

void XrayOverlay::draw_gauge(Image& picture, const PlacedGauge& gauge)
{
    if (gauge.face.width <= 0 || gauge.face.height <= 0)
        return;
    draw_elements(picture, gauge);
    draw_mouse_areas(picture, gauge);
}

FaceSize XrayOverlay::bitmap_size(const PlacedGauge& gauge, std::uint32_t resource_id)
{
    const Image* bitmap = gauge.bitmaps->get(resource_id);
    return bitmap ? FaceSize{bitmap->width, bitmap->height} : FaceSize{};
}

// Elements sharing a box share its label: "1 2" for the face and lit dial.
void XrayOverlay::draw_elements(Image& picture, const PlacedGauge& gauge)
{
    const FaceToPanel to_panel{gauge};
    std::map<FaceBox, std::string> labels;
    std::vector<std::pair<PixelPoint, int>> pivots;
    int position = 0;
    for (ElementHeader* element : element_chain(*gauge.header)) {
        ++position;
        if (element->kind == element_needle) {
            pivots.push_back({element->position, position});
            continue;
        }
        const FaceSize size = bitmap_size(gauge, element->resource_id);
        const FaceBox box{element->position.x, element->position.y, size.width, size.height};
        std::string& label = labels[box];
        label += (label.empty() ? "" : " ") + std::to_string(position);
    }
    // Labels in the bottom-right corners, clear of the mouse areas' labels
    // in the top-left ones.
    for (const auto& [box, label] : labels) {
        outline(picture, to_panel, box, xray_colour::element_box, true);
        const TextSize size = label_size(label);
        draw_label(picture, label, to_panel.x(box.x + box.width) - size.width - label_inset,
                   to_panel.y(box.y + box.height) - size.height - label_inset, xray_colour::element_box);
    }
    // Pivots last: they mark one point among the boxes.
    for (const auto& [pivot, chain_position] : pivots) {
        const int x = to_panel.x(pivot.x), y = to_panel.y(pivot.y);
        for (int d = -pivot_arm; d <= pivot_arm; ++d) {
            plot(picture, x + d, y, xray_colour::needle_pivot);
            plot(picture, x, y + d, xray_colour::needle_pivot);
        }
        draw_label(picture, std::to_string(chain_position), x + label_inset, y + label_inset,
                   xray_colour::needle_pivot);
    }
}

void XrayOverlay::draw_mouse_areas(Image& picture, const PlacedGauge& gauge)
{
    const std::span<const MouseRect> areas = mouse_area_entries(gauge.header->mouse_areas);
    const FaceToPanel to_panel{gauge};
    // A region holding a tooltip entry is the tooltip's region.
    std::vector<const MouseRect*> open;
    std::vector<const MouseRect*> tooltip_regions;
    for (const MouseRect& rect : areas) {
        if (rect.kind == mouse_region_open)
            open.push_back(&rect);
        else if (rect.kind == mouse_region_close && !open.empty())
            open.pop_back();
        else if (rect.kind == mouse_tooltip && !open.empty())
            tooltip_regions.push_back(open.back());
    }
    for (const MouseRect& rect : areas) {
        if ((rect.kind != mouse_region_open && rect.kind != mouse_click_area) || covers_whole_face(rect))
            continue;
        const FaceBox box{rect.x, rect.y, rect.width, rect.height};
        const bool tooltip = std::find(tooltip_regions.begin(), tooltip_regions.end(), &rect) != tooltip_regions.end();
        const Rgba colour = rect.kind == mouse_click_area ? xray_colour::click_area
            : tooltip                                     ? xray_colour::tooltip_region
                                                          : xray_colour::region;
        outline(picture, to_panel, box, colour, false);
        const std::string label = rect.kind == mouse_click_area ? cursor_label(rect.cursor) : tooltip ? "tip" : "";
        if (label.empty())
            continue;
        // Click areas name their cursor at the top, regions at the bottom,
        // so the labels of a region and the areas inside it stay apart.
        const int top = rect.kind == mouse_click_area
            ? to_panel.y(box.y) + label_inset
            : to_panel.y(box.y + box.height) - label_size(label).height - label_inset;
        draw_label(picture, label, to_panel.x(box.x) + label_inset, top, colour);
    }
}
