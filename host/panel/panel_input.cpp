#include "host/panel/panel_input.h"

void PanelInput::click(std::size_t gauge, PixelPoint point, MouseButton button)
{
    if (watch_.watcher != nullptr)
        watch_.watcher->pressed(watch_.panel, gauge, point, button, false);
    deliver(gauge, point, button);
    if (watch_.watcher != nullptr)
        watch_.watcher->press_taken(watch_.panel);
}

void PanelInput::deliver(std::size_t gauge, PixelPoint point, MouseButton button)
{
    clicks_.push_back({placement_.gauges().at(gauge).label, point, button});
    const MouseTarget target = mouse_at(gauge, point);
    if (target.click_area != nullptr && accepts(*target.click_area, button))
        deliver_click(*target.click_area, point, button);
}

void PanelInput::press(std::size_t gauge, PixelPoint point, MouseButton button)
{
    if (watch_.watcher != nullptr)
        watch_.watcher->pressed(watch_.panel, gauge, point, button, true);
    deliver(gauge, point, button);
    held_ = HeldButton{gauge, point, button};
    if (watch_.watcher != nullptr)
        watch_.watcher->press_taken(watch_.panel);
}

void PanelInput::release()
{
    if (held_ && watch_.watcher != nullptr)
        watch_.watcher->released(watch_.panel);
    held_.reset();
}

void PanelInput::repeat_held()
{
    if (!held_)
        return;
    const MouseTarget target = mouse_at(held_->gauge, held_->point);
    if (target.click_area != nullptr && repeats_while_held(*target.click_area) &&
        accepts(*target.click_area, held_->button))
        deliver_click(*target.click_area, held_->point, held_->button);
}

MouseTarget PanelInput::mouse_at(std::size_t gauge, PixelPoint point) const
{
    const PlacedGauge& placed = placement_.gauges().at(gauge);
    return mouse_target(placed.header->mouse_areas, placed.face.width, placed.face.height, point);
}

std::optional<std::string> PanelInput::tooltip_at(std::size_t gauge, PixelPoint point)
{
    const MouseTarget target = mouse_at(gauge, point);
    if (target.tooltip == nullptr || target.tooltip->action.tooltip_text == nullptr)
        return std::nullopt;
    return platform_.format_tooltip(target.tooltip->action.tooltip_text,
                                    tooltip_arguments(*target.tooltip, *placement_.gauges()[gauge].header));
}
