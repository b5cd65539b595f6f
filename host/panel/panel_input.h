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

// A click or press as the host sent it to a gauge.
struct SentClick {
    std::string label;
    PixelPoint point;
    MouseButton button;
};

// What became of a click or press: the gauge it went to, the mouse area
// under it (none for a point outside every area) and whether that area
// took the button. Found once, when the press reaches the gauge.
struct PressOutcome {
    std::size_t gauge = 0;
    const MouseRect* area = nullptr;
    bool taken = false;
};

class PanelInput {
public:
    PanelInput(const GaugePlacement& placement, HostPlatform& platform) : placement_(placement), platform_(platform)
    {
    }

    // Gauges by their number in placement order, points in face pixels.
    PressOutcome click(std::size_t gauge, PixelPoint point, MouseButton button);
    // The button stays down, and repeats each frame, until release().
    PressOutcome press(std::size_t gauge, PixelPoint point, MouseButton button);
    void release();
    // The clicks and presses sent since the last call, oldest first.
    std::vector<SentClick> take_clicks() { return std::exchange(clicks_, {}); }

    MouseTarget mouse_at(std::size_t gauge, PixelPoint point) const;
    std::optional<std::string> tooltip_at(std::size_t gauge, PixelPoint point);

    // A held button clicks again where it is held, if the area there
    // repeats: once a frame, before the gauges update.
    void repeat_held();
    // Nothing held, as on a new panel.
    void forget_held() { held_.reset(); }

private:
    struct HeldButton {
        std::size_t gauge;
        PixelPoint point;
        MouseButton button;
    };

    PressOutcome deliver(std::size_t gauge, PixelPoint point, MouseButton button);

    const GaugePlacement& placement_;
    HostPlatform& platform_;
    std::optional<HeldButton> held_;
    std::vector<SentClick> clicks_;
};
