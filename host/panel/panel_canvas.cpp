#include "host/panel/panel_canvas.h"

#include "host/raster/face_scaling.h"

namespace {

constexpr Rgba panel_background = {48, 52, 56, 255};

// Whether a gauge is drawn the same way in both: by name alone it is not.
bool same_place(const PlacedGauge& a, const PlacedGauge& b)
{
    return a.header == b.header && a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

} // namespace

const Image& PanelCanvas::draw_panel(const GaugePlacement& placement)
{
    follow(placement);
    return draw_panel(placement.gauges());
}

const Image& PanelCanvas::draw_face(const GaugePlacement& placement, std::size_t gauge)
{
    follow(placement);
    return draw_face(placement.gauges(), gauge);
}

// A new layout of the placement (its backdrop, or the gauges of another
// module) is drawn afresh.
void PanelCanvas::follow(const GaugePlacement& placement)
{
    if (layout_seen_ == placement.layout_number())
        return;
    set_backdrop(placement.backdrop());
    layout_seen_ = placement.layout_number();
}

const Image& PanelCanvas::draw_panel(const std::vector<PlacedGauge>& places)
{
    fit(places);
    for (auto& [header, face] : faces_)
        face.changed.take();
    // Every placement asks its elements' callbacks; what any of its draws
    // changed on the shared face, every placement of it scales again.
    for (Layer& layer : layers_) {
        Face& face = *layer.face;
        face.canvas.draw(*layer.place.header, *layer.place.bitmaps);
        face.changed.add(face.canvas.take_changes());
    }
    for (Layer& layer : layers_)
        catch_up(layer);
    for (const PixelBox& area : stale_.take())
        compose(area);
    return panel_;
}

const Image& PanelCanvas::draw_face(const std::vector<PlacedGauge>& places, std::size_t gauge)
{
    fit(places);
    Layer& layer = layers_.at(gauge);
    return layer.face->canvas.draw(*layer.place.header, *layer.place.bitmaps);
}

void PanelCanvas::set_backdrop(PanelBackdrop backdrop)
{
    backdrop_ = std::move(backdrop);
    panel_ = Image(); // the next draw starts afresh
}

// A panel of other gauges, or of gauges placed elsewhere, starts afresh.
void PanelCanvas::fit(const std::vector<PlacedGauge>& places)
{
    bool same = places.size() == layers_.size() && !panel_.pixels.empty();
    for (std::size_t i = 0; same && i < places.size(); ++i)
        same = same_place(places[i], layers_[i].place);
    if (same)
        return;
    int width = backdrop_.width, height = backdrop_.height;
    if (width <= 0 || height <= 0) {
        for (const PlacedGauge& place : places) {
            width = std::max(width, place.x + place.width);
            height = std::max(height, place.y + place.height);
        }
    }
    faces_.clear();
    layers_ = std::vector<Layer>(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        layers_[i].place = places[i];
        layers_[i].face = &faces_[places[i].header];
    }
    panel_ = Image(std::max(width, 1), std::max(height, 1), panel_background);
    under_ = panel_;
    if (backdrop_.picture && backdrop_.picture->width > 0 && backdrop_.picture->height > 0)
        scale_area(under_, *backdrop_.picture, under_.bounds());
    // Undrawn pixels of the backdrop as nothing at all, so that copying it
    // gives what laying it on nothing gives.
    for (Rgba& pixel : under_.pixels)
        if (pixel.a == 0)
            pixel = {};
    stale_.take();
    stale_.add(panel_.bounds());
}

// Scales what changed on the layer's face and marks it stale on the panel.
void PanelCanvas::catch_up(Layer& layer)
{
    const Image& face = layer.face->canvas.image();
    const PlacedGauge& place = layer.place;
    const std::vector<PixelBox>& changes = layer.face->changed.boxes();
    layer.is_scaled = place.width != face.width || place.height != face.height;
    if (!layer.is_scaled) {
        for (const PixelBox& box : changes)
            stale_.add(moved(box, place.x, place.y));
        return;
    }
    if (layer.scaled.width != place.width || layer.scaled.height != place.height)
        layer.scaled = Image(place.width, place.height);
    for (const PixelBox& box : changes) {
        const PixelBox area = scaled_area(face, box, place.width, place.height);
        scale_area(layer.scaled, face, area);
        stale_.add(moved(area, place.x, place.y));
    }
}

// The backdrop, then every gauge in placement order, inside `area`.
void PanelCanvas::compose(const PixelBox& area)
{
    copy_area(panel_, under_, area);
    for (const Layer& layer : layers_)
        draw_over(panel_, layer.is_scaled ? layer.scaled : layer.face->canvas.image(), layer.place.x, layer.place.y,
                  area);
}
