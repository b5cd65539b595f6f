// The mouse on the panel's gauges: clicks and presses sent through each
// gauge's mouse-area list, a held button repeated each frame until
// released, and what the list shows at a point (cursor, tooltip).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/panel/gauge_placement.h"
#include "host/panel/mouse_areas.h"
#include "host/panel/panel_watcher.h"

// A click or press as the host sent it to a gauge.
struct SentClick {
    std::string label;
    PixelPoint point;
    MouseButton button;
};

class PanelInput {
public:
    PanelInput(const GaugePlacement& placement, HostPlatform& platform, const PanelWatch& watch)
        : placement_(placement), platform_(platform), watch_(watch)
    {
    }

    // Gauges by their number in placement order, points in face pixels.
    void click(std::size_t gauge, PixelPoint point, MouseButton button);
    // The button stays down, and repeats each frame, until release().
    void press(std::size_t gauge, PixelPoint point, MouseButton button);
    void release();
    // The clicks and presses sent since the last call, oldest first.
    std::vector<SentClick> take_clicks() { return std::exchange(clicks_, {}); }

    MouseTarget mouse_at(std::size_t gauge, PixelPoint point) const;
    std::optional<std::string> tooltip_at(std::size_t gauge, PixelPoint point);

    // A held button clicks again where it is held, if the area there
    // repeats: once a frame, before the gauges update.
    void repeat_held();
    // Nothing held, as on a new panel; no watcher is told.
    void forget_held() { held_.reset(); }

private:
    struct HeldButton {
        std::size_t gauge;
        PixelPoint point;
        MouseButton button;
    };

    void deliver(std::size_t gauge, PixelPoint point, MouseButton button);

    const GaugePlacement& placement_;
    HostPlatform& platform_;
    const PanelWatch& watch_;
    std::optional<HeldButton> held_;
    std::vector<SentClick> clicks_;
};
