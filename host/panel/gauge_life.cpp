#include "host/panel/gauge_life.h"

#include <cmath>

#include "abi/service_numbers.h"

namespace {

void call_gauge(GaugeHeader& gauge, std::int32_t code, HostWord extra)
{
    if (gauge.gauge_callback != nullptr)
        gauge.gauge_callback(&gauge, code, extra);
}

} // namespace

void GaugeLife::set_pace(FramePace pace)
{
    pace_ = pace;
    ticks_per_frame_ = pace.frames_per_second > 0 ? pace.ticks_per_second / pace.frames_per_second : 0.0;
}

void GaugeLife::start_over()
{
    tick_ = 0.0;
    frame_ = 0;
    open_ = false;
}

// Runs one header routine and the two service codes of a step of the
// gauges' life for every gauge, in placement order.
void GaugeLife::each_gauge(std::int32_t first_code, void (*routine)(GaugeHeader&, HostWord))
{
    const std::vector<PlacedGauge>& gauges = placement_.gauges();
    for (std::size_t i = 0; i < gauges.size(); ++i) {
        GaugeHeader& gauge = *gauges[i].header;
        routine(gauge, i);
        call_gauge(gauge, first_code, i);
        if (second_codes_)
            call_gauge(gauge, first_code + 1, i);
    }
}

void GaugeLife::open()
{
    if (open_)
        return;
    each_gauge(service_query_1, [](GaugeHeader& g, HostWord) {
        if (g.query_routine)
            g.query_routine();
    });
    each_gauge(service_install, [](GaugeHeader& g, HostWord i) {
        if (g.install_routine)
            g.install_routine(i);
    });
    each_gauge(service_initialize, [](GaugeHeader& g, HostWord) {
        if (g.initialize_routine)
            g.initialize_routine();
    });
    const std::vector<PlacedGauge>& gauges = placement_.gauges();
    for (std::size_t i = 0; i < gauges.size(); ++i)
        call_gauge(*gauges[i].header, service_panel_open, i);
    open_ = true;
}

void GaugeLife::run_frame()
{
    open();
    tick_ += ticks_per_frame_;
    variables_.set(token_tick, std::floor(tick_));
    input_.repeat_held();
    each_gauge(service_update, [](GaugeHeader& g, HostWord) {
        if (g.update_routine)
            g.update_routine();
    });
    each_gauge(service_generate, [](GaugeHeader& g, HostWord i) {
        if (g.generate_routine)
            g.generate_routine(i);
    });
    each_gauge(service_draw, [](GaugeHeader& g, HostWord) {
        if (g.draw_routine)
            g.draw_routine();
    });
    ++frame_;
}

void GaugeLife::close()
{
    if (!open_)
        return;
    each_gauge(service_kill, [](GaugeHeader& g, HostWord) {
        if (g.kill_routine)
            g.kill_routine();
    });
    open_ = false;
}
