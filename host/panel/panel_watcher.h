// What is done to a panel from outside, as its parts tell a watcher.
#pragma once

#include <cstddef>

#include "host/panel/mouse_areas.h"

class GaugePanel;

// Sees what is done to the panel from outside, whoever does it (a scenario,
// the person at the bench): each frame as it starts, with the host variables
// it runs with, and as it ends, and every mouse press and release.
class PanelWatcher {
public:
    virtual ~PanelWatcher() = default;
    virtual void frame_starting(const GaugePanel& panel) = 0;
    virtual void frame_ended(const GaugePanel& panel) = 0;
    // Before the press reaches the module; `held`: the button stays down,
    // and repeats, until released. Then once the module has had it.
    virtual void pressed(const GaugePanel& panel, std::size_t gauge, PixelPoint point, MouseButton button,
                         bool held) = 0;
    virtual void press_taken(const GaugePanel& panel) = 0;
    virtual void released(const GaugePanel& panel) = 0;
};

// The panel a part belongs to and its watcher, if it has one: a part tells
// the watcher about the whole panel, as the watcher reads it whole.
struct PanelWatch {
    const GaugePanel& panel;
    PanelWatcher* watcher = nullptr;
};
