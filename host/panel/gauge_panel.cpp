#include "host/panel/gauge_panel.h"

GaugePanel::GaugePanel(LoadedModule module, HostPlatform& platform) : GaugePanel(platform)
{
    modules.start_over(module);
}

GaugePanel::GaugePanel(HostPlatform& platform)
    : modules(platform, services), input(placement, platform), life(placement, input, variables)
{
}

void GaugePanel::start_over(LoadedModule module)
{
    // The panel comes back with the one module it follows, as if new.
    placement.clear();
    input.forget_held();
    life.start_over();
    modules.start_over(module);
    variables = HostVariables{};
    services.forget();
}
