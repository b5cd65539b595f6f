#include "module_calls.h"

#include "host/panel/element_chain.h"

namespace {

template <typename Visit>
void each_mouse_area(ProbeModule& module, Visit visit)
{
    for (const PlacedGauge& placed : module.panel().placement.gauges())
        for (const MouseRect& area : mouse_area_entries(placed.header->mouse_areas))
            visit(area);
}

} // namespace

void call_every_gauge(ProbeModule& module, std::initializer_list<std::int32_t> codes, HostWord extra)
{
    for (std::int32_t code : codes)
        for (std::size_t gauge = 0; gauge < module.panel().placement.gauges().size(); ++gauge)
            module.call(gauge, code, extra);
}

void call_every_header_routine(ProbeModule& module)
{
    for (const PlacedGauge& placed : module.panel().placement.gauges()) {
        const GaugeHeader& g = *placed.header;
        const HeaderRoutine plain[] = {g.query_routine, g.initialize_routine, g.update_routine, g.draw_routine,
                                       g.kill_routine};
        for (HeaderRoutine routine : plain)
            if (routine != nullptr)
                routine();
        if (g.install_routine != nullptr)
            g.install_routine(0);
        if (g.generate_routine != nullptr)
            g.generate_routine(0);
    }
}

void ask_every_value(ProbeModule& module)
{
    for (const PlacedGauge& placed : module.panel().placement.gauges())
        for (ElementHeader* element : element_chain(*placed.header))
            element_value(*element);
    each_mouse_area(module, [](const MouseRect& area) {
        if (area.kind != mouse_tooltip || area.tooltip_args == nullptr)
            return;
        for (const TooltipArgument* argument = area.tooltip_args; argument->value != nullptr; ++argument)
            argument->value(0, 0, 0, 0, 0, 0);
    });
}

void click_every_area(ProbeModule& module, const PixelPoint* point, std::uint32_t event_flags)
{
    each_mouse_area(module, [&](const MouseRect& area) {
        if (area.kind == mouse_click_area && area.action.click != nullptr)
            area.action.click(point, event_flags);
    });
}
