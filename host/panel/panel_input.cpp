#include "host/panel/panel_input.h"

PressOutcome PanelInput::click(std::size_t gauge, PixelPoint point, MouseButton button)
{
    return deliver(gauge, point, button);
}

PressOutcome PanelInput::deliver(std::size_t gauge, PixelPoint point, MouseButton button)
{
    clicks_.push_back({placement_.gauges().at(gauge).label, point, button});
    const MouseTarget target = mouse_at(gauge, point);
    const bool taken = target.click_area != nullptr && accepts(*target.click_area, button);
    if (taken)
        deliver_click(*target.click_area, point, button);
    return {.gauge = gauge, .area = target.click_area, .taken = taken};
}

PressOutcome PanelInput::press(std::size_t gauge, PixelPoint point, MouseButton button)
{
    const PressOutcome outcome = deliver(gauge, point, button);
    held_ = HeldButton{gauge, point, button};
    return outcome;
}

void PanelInput::release()
{
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
