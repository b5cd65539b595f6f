// The panel: the module's gauges placed by name, driven through their life
// one frame at a time and clicked, as the simulator's panel system does
// with a panel configuration. It holds its parts together; a caller reaches
// the part it needs:
//   modules    the loaded modules, connected, their gauges by name
//   placement  where each gauge is and how big, and the backdrop
//   life       open, a frame, close; the pace of the tick
//   input      clicks, presses and releases; the cursor and tooltip
// The panel is drawn by whoever shows it (a PanelCanvas of its own, the
// frame loop's), from the placement.
#pragma once

#include "host/panel/gauge_life.h"
#include "host/panel/gauge_placement.h"
#include "host/panel/panel_input.h"
#include "host/panel/panel_modules.h"
#include "host/panel/services.h"
#include "host/panel/variables.h"

class GaugePanel {
public:
    // A panel of one module, connected by modules.connect().
    GaugePanel(LoadedModule module, HostPlatform& platform);
    // A panel with no module yet: they come by modules.add_module().
    explicit GaugePanel(HostPlatform& platform);
    // The parts hold each other.
    GaugePanel(const GaugePanel&) = delete;
    GaugePanel& operator=(const GaugePanel&) = delete;

    // Another module in place of all the panel's, the panel empty as if
    // new: no gauges, the variables as at the start, no key events. The
    // old modules' gauges must have been closed.
    void start_over(LoadedModule module);

    HostVariables variables;
    HostServices services{variables};
    PanelModules modules;
    GaugePlacement placement{modules};
    PanelInput input;
    GaugeLife life;
};
