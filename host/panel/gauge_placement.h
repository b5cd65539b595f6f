// Where the panel's gauges are and how big: each placed by name from one
// of the panel's modules, labelled, sized, and laid on the panel's
// backdrop in placement order. Drawing takes the placement as it finds it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "host/panel/panel_modules.h"

// The largest panel the host draws, in pixels a side; a gauge is placed at
// most this big.
inline constexpr int panel_side_limit = image_side_limit;

// A gauge on the panel: where and how big it is drawn.
struct PlacedGauge {
    std::string label; // the gauge name, "#2" and so on for a repeat
    GaugeHeader* header = nullptr;
    BitmapCache* bitmaps = nullptr; // of the gauge's module
    int x = 0, y = 0;               // on the panel
    int width = 0, height = 0;
    FaceSize face; // its own size, that of its root element's bitmap
};

// The panel's size and what lies under its gauges, when a panel file says
// so; otherwise the panel is as big as its gauges reach, on a plain colour.
struct PanelBackdrop {
    int width = 0, height = 0;
    std::optional<Image> picture; // stretched over the whole panel
};

class GaugePlacement {
public:
    explicit GaugePlacement(const PanelModules& modules) : modules_(modules) {}

    // Without a width the gauge keeps its face size; a width alone keeps
    // its aspect ratio. Returns the label, or nullopt for an unknown name.
    // By name alone the gauge comes from the first module offering it.
    std::optional<std::string> place(const std::string& name, int x, int y, std::optional<int> width);
    std::optional<std::string> place(std::size_t module, const std::string& name, int x, int y,
                                     std::optional<int> width, std::optional<int> height = std::nullopt);
    // The size place() gives the gauge, asked before placing it; nullopt
    // for an unknown name.
    std::optional<FaceSize> placed_size(std::size_t module, const std::string& name, std::optional<int> width,
                                        std::optional<int> height = std::nullopt) const;
    const PlacedGauge* placed(const std::string& label) const;
    // The gauge's number in placement order; gauges().size() for none.
    std::size_t index_of(const std::string& label) const;
    const std::vector<PlacedGauge>& gauges() const { return gauges_; }

    void set_backdrop(PanelBackdrop backdrop);
    const PanelBackdrop& backdrop() const { return backdrop_; }

    // No gauges and no backdrop, as a new panel: the modules they came
    // from are going.
    void clear();
    // Another number after each new backdrop and each clear(): what was
    // drawn of the placement before is no longer what it shows, even where
    // the same gauges come back at the same places.
    long layout_number() const { return layout_number_; }

private:
    const PanelModules& modules_;
    std::vector<PlacedGauge> gauges_;
    PanelBackdrop backdrop_;
    long layout_number_ = 0;
};
