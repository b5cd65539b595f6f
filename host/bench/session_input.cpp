// The person's input at the start of a frame: the screen's queue taken in
// the order it came, keys made into the bench's actions and commands, the
// pointer followed for the tooltip and the cursor, and a press sent to the
// gauge under it as a command, hit-tested once, its outcome reported.
#include "host/bench/session.h"

namespace {

std::string point_text(PixelPoint p)
{
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

} // namespace

void BenchSession::take_input()
{
    for (const BenchInput& input : screen_.input.take()) {
        switch (input.kind) {
        case BenchInputKind::move: pointer_at(input.point); break;
        case BenchInputKind::leave: pointer_left(); break;
        case BenchInputKind::down: button_down(input.point, input.button); break;
        case BenchInputKind::up: button_up(); break;
        case BenchInputKind::key: key(input.key); break;
        case BenchInputKind::close: bench_.apply(BenchAction::quit); break;
        }
    }
}

void BenchSession::key(const std::string& name)
{
    const auto action = crash_ ? bench_action_for(name) : bench_.press_key(name);
    if (!action)
        return;
    report_ << "key " << name << std::endl;
    if (crash_) {
        if (*action == BenchAction::quit)
            bench_.apply(BenchAction::quit);
        return;
    }
    if (*action == BenchAction::mark)
        mark();
    if (*action == BenchAction::reset_flight)
        button_held_ = false; // the reset let it go
    if (options_.recorder != nullptr && (*action == BenchAction::pause_toggle || *action == BenchAction::step_frame))
        options_.recorder->set_paused(bench_.paused());
}

// "This is what I saw here": the expectations of this moment, in the record.
void BenchSession::mark()
{
    if (options_.recorder == nullptr) {
        report_ << "nothing records this session: --record FILE keeps what shows" << std::endl;
        return;
    }
    if (guarded([&] { options_.recorder->expect_now(loop_, bench_.last_sound_requests()); }))
        report_ << "marked what shows after frame " << panel_.life.frame_number() << std::endl;
}

// The gauge and mouse area under the pointer, found once for the tooltip
// and the cursor; a change of cursor is reported.
void BenchSession::pointer_at(PixelPoint panel)
{
    pointer_ = panel;
    pointer_gauge_ = gauge_point_at(panel_.placement.gauges(), panel);
    std::optional<TooltipPlace> place;
    cursor_ = cursor_none;
    if (pointer_gauge_) {
        const MouseTarget target = panel_.input.mouse_at(pointer_gauge_->gauge, pointer_gauge_->face);
        if (target.tooltip != nullptr)
            place = TooltipPlace{pointer_gauge_->gauge, target.tooltip};
        cursor_ = target.cursor;
    }
    tooltip_rest_.pointer_at(place, panel, seconds_since_start());
    const std::string name = cursor_name(cursor_);
    if (name != cursor_reported_) {
        report_ << "cursor " << name;
        if (pointer_gauge_)
            report_ << " " << panel_.placement.gauges()[pointer_gauge_->gauge].label << " " << point_text(pointer_gauge_->face);
        report_ << std::endl;
        cursor_reported_ = name;
    }
}

void BenchSession::pointer_left()
{
    pointer_gauge_.reset();
    cursor_ = cursor_none;
    tooltip_rest_.pointer_at(std::nullopt, pointer_, seconds_since_start());
}

// The press goes to the gauge under the pointer as a command; what became
// of it (its area, taken or not) comes back from the panel and is reported.
void BenchSession::button_down(PixelPoint panel, MouseButton button)
{
    // The window moves the pointer there first; the gauge under it is known.
    if (panel.x != pointer_.x || panel.y != pointer_.y || !pointer_gauge_)
        pointer_at(panel);
    const std::string pressed = "press " + point_text(panel) + " " + button_word(button) + ": ";
    if (!pointer_gauge_) {
        report_ << pressed << "no gauge" << std::endl;
        return;
    }
    // The panel opens before the window first shows; a click cannot come
    // sooner, but one must not open it from inside its own opening.
    if (!panel_.life.is_open() || crash_) {
        report_ << pressed << (crash_ ? "the module has crashed" : "the panel is not open yet") << std::endl;
        return;
    }
    const GaugePoint at = *pointer_gauge_;
    const std::string where = pressed + panel_.placement.gauges()[at.gauge].label + " " + point_text(at.face) + " ";
    std::optional<PressOutcome> outcome;
    if (!guarded([&] {
            outcome = executor_.apply(CommandExecutor::press(panel_.placement.gauges()[at.gauge].label, at.face, button));
        })) {
        report_ << where << "crashed the module" << std::endl;
        return;
    }
    button_held_ = true;
    report_ << where
            << (outcome->area == nullptr ? "no click area"
                    : outcome->taken     ? "taken"
                                         : "not taken by its area")
            << std::endl;
}

void BenchSession::button_up()
{
    if (!crash_ && button_held_)
        executor_.apply(CommandExecutor::release());
    button_held_ = false;
}
