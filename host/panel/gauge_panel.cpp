#include "host/panel/gauge_panel.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "abi/service_numbers.h"

namespace {

void call_gauge(GaugeHeader& gauge, std::int32_t code, HostWord extra)
{
    if (gauge.gauge_callback != nullptr)
        gauge.gauge_callback(&gauge, code, extra);
}

} // namespace

GaugePanel::GaugePanel(LoadedModule module, HostPlatform& platform) : GaugePanel(platform)
{
    BitmapSource& source = module.bitmaps != nullptr ? *module.bitmaps : platform;
    modules_.push_back({module, &bitmap_caches_.emplace_back(source)});
}

GaugePanel::GaugePanel(HostPlatform& platform) : platform_(platform) {}

std::optional<std::string> GaugePanel::connect(Module& module)
{
    if (auto refused = module_refusal(module.records))
        return refused;
    module.records.import_table->panels.table = services.table();
    return std::nullopt;
}

std::optional<std::string> module_refusal(const LoadedModule& module)
{
    if (module.linkage == nullptr)
        return "no Linkage export";
    if (module.import_table == nullptr)
        return "no ImportTable export";
    if (module.linkage->module_id != module_identifier)
        return "Linkage has module identifier " + std::to_string(module.linkage->module_id);
    if (module.import_table->panels.id != import_panels_id)
        return "ImportTable has no panel-services entry";
    return std::nullopt;
}

std::optional<std::string> GaugePanel::connect()
{
    // Written again each time: a host may hand its services anew.
    for (Module& module : modules_)
        if (auto refused = connect(module))
            return refused;
    return std::nullopt;
}

void GaugePanel::set_pace(double frames_per_second, double ticks_per_second)
{
    frames_per_second_ = frames_per_second;
    ticks_per_second_ = ticks_per_second;
    ticks_per_frame_ = frames_per_second > 0 ? ticks_per_second / frames_per_second : 0.0;
}

void GaugePanel::start_over(LoadedModule module)
{
    // The panel comes back with the one module it follows, as if new.
    modules_.clear();
    bitmap_caches_.clear();
    BitmapSource& source = module.bitmaps != nullptr ? *module.bitmaps : platform_;
    modules_.push_back({module, &bitmap_caches_.emplace_back(source)});
    gauges_.clear();
    canvas_ = PanelCanvas{};
    held_.reset();
    tick_ = 0.0;
    frame_ = 0;
    open_ = false;
    variables = HostVariables{};
    services.forget();
}

std::optional<std::size_t> GaugePanel::add_module(LoadedModule module, std::string& refused)
{
    BitmapSource& source = module.bitmaps != nullptr ? *module.bitmaps : platform_;
    Module added{module, nullptr};
    if (auto reason = connect(added)) {
        refused = *reason;
        return std::nullopt;
    }
    added.bitmaps = &bitmap_caches_.emplace_back(source);
    modules_.push_back(added);
    return modules_.size() - 1;
}

GaugeHeader* GaugePanel::gauge_named(const std::string& name, std::size_t module) const
{
    for (const GaugeHeader* gauge : modules_.at(module).records.linkage->gauge_table) {
        if (gauge == nullptr)
            break;
        if (gauge->name != nullptr && name == gauge->name)
            return const_cast<GaugeHeader*>(gauge);
    }
    return nullptr;
}

std::optional<std::string> GaugePanel::place(const std::string& name, int x, int y, std::optional<int> width)
{
    for (std::size_t module = 0; module < modules_.size(); ++module)
        if (gauge_named(name, module) != nullptr)
            return place(module, name, x, y, width);
    return std::nullopt;
}

std::optional<std::string> GaugePanel::place(std::size_t module, const std::string& name, int x, int y,
                                             std::optional<int> width, std::optional<int> height)
{
    const auto size = placed_size(module, name, width, height);
    if (!size)
        return std::nullopt;
    GaugeHeader* header = gauge_named(name, module);
    // Repeats count by name: two modules may offer gauges of one name.
    int repeats = 1;
    for (const PlacedGauge& gauge : gauges_)
        repeats += gauge.header->name != nullptr && name == gauge.header->name ? 1 : 0;
    PlacedGauge gauge;
    gauge.label = repeats == 1 ? name : name + "#" + std::to_string(repeats);
    gauge.header = header;
    gauge.bitmaps = modules_[module].bitmaps;
    gauge.x = x;
    gauge.y = y;
    gauge.face = face_size(*header, *gauge.bitmaps);
    gauge.width = size->width;
    gauge.height = size->height;
    gauges_.push_back(gauge);
    return gauges_.back().label;
}

std::optional<FaceSize> GaugePanel::placed_size(std::size_t module, const std::string& name, std::optional<int> width,
                                                std::optional<int> height) const
{
    GaugeHeader* header = gauge_named(name, module);
    if (header == nullptr)
        return std::nullopt;
    const FaceSize face = face_size(*header, *modules_[module].bitmaps);
    const int placed_width = width.value_or(face.width);
    // A width alone keeps the face's shape; the height is worked out wide
    // enough for any width, and a later limit check sees what it comes to.
    const double shaped = face.width > 0 ? std::round(double(placed_width) * face.height / face.width) : 0.0;
    return FaceSize{placed_width,
                    height ? *height : static_cast<int>(std::min(shaped, double(std::numeric_limits<int>::max())))};
}

const PlacedGauge* GaugePanel::placed(const std::string& label) const
{
    const std::size_t index = index_of(label);
    return index < gauges_.size() ? &gauges_[index] : nullptr;
}

std::size_t GaugePanel::index_of(const std::string& label) const
{
    for (std::size_t i = 0; i < gauges_.size(); ++i)
        if (gauges_[i].label == label)
            return i;
    return gauges_.size();
}

// Runs one header routine and the two service codes of a step of the
// gauges' life for every gauge, in placement order.
void GaugePanel::each_gauge(std::int32_t first_code, void (*routine)(GaugeHeader&, HostWord))
{
    for (std::size_t i = 0; i < gauges_.size(); ++i) {
        GaugeHeader& gauge = *gauges_[i].header;
        routine(gauge, i);
        call_gauge(gauge, first_code, i);
        if (second_codes_)
            call_gauge(gauge, first_code + 1, i);
    }
}

void GaugePanel::open()
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
    for (std::size_t i = 0; i < gauges_.size(); ++i)
        call_gauge(*gauges_[i].header, service_panel_open, i);
    open_ = true;
}

void GaugePanel::run_frame()
{
    open();
    tick_ += ticks_per_frame_;
    variables.set(token_tick, std::floor(tick_));
    if (held_) {
        const MouseTarget target = mouse_at(held_->gauge, held_->point);
        if (target.click_area != nullptr && repeats_while_held(*target.click_area) &&
            accepts(*target.click_area, held_->button))
            deliver_click(*target.click_area, held_->point, held_->button);
    }
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

void GaugePanel::close()
{
    if (!open_)
        return;
    each_gauge(service_kill, [](GaugeHeader& g, HostWord) {
        if (g.kill_routine)
            g.kill_routine();
    });
    open_ = false;
}

PressOutcome GaugePanel::click(std::size_t gauge, PixelPoint point, MouseButton button)
{
    return deliver(gauge, point, button);
}

PressOutcome GaugePanel::deliver(std::size_t gauge, PixelPoint point, MouseButton button)
{
    clicks_.push_back({gauges_.at(gauge).label, point, button});
    const MouseTarget target = mouse_at(gauge, point);
    const bool taken = target.click_area != nullptr && accepts(*target.click_area, button);
    if (taken)
        deliver_click(*target.click_area, point, button);
    return {.gauge = gauge, .area = target.click_area, .taken = taken};
}

PressOutcome GaugePanel::press(std::size_t gauge, PixelPoint point, MouseButton button)
{
    const PressOutcome outcome = deliver(gauge, point, button);
    held_ = HeldButton{gauge, point, button};
    return outcome;
}

void GaugePanel::release()
{
    held_.reset();
}

MouseTarget GaugePanel::mouse_at(std::size_t gauge, PixelPoint point) const
{
    const PlacedGauge& placed = gauges_.at(gauge);
    return mouse_target(placed.header->mouse_areas, placed.face.width, placed.face.height, point);
}

std::optional<std::string> GaugePanel::tooltip_at(std::size_t gauge, PixelPoint point)
{
    const MouseTarget target = mouse_at(gauge, point);
    if (target.tooltip == nullptr || target.tooltip->action.tooltip_text == nullptr)
        return std::nullopt;
    return platform_.format_tooltip(target.tooltip->action.tooltip_text,
                                    tooltip_arguments(*target.tooltip, *gauges_[gauge].header));
}

const Image& GaugePanel::draw_gauge(std::size_t gauge)
{
    return canvas_.draw_face(gauges_, gauge);
}

const Image& GaugePanel::draw_panel()
{
    return canvas_.draw_panel(gauges_);
}
