#include "instrument/controls.h"
#include "tests/recording_panel_services.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// clang-format off
constexpr std::uint32_t left  = mouse_left_single;
constexpr std::uint32_t right = mouse_right_single;
constexpr std::uint32_t held  = mouse_left_single | mouse_repeat;
// clang-format on

class Controls : public ::testing::Test {
protected:
    RecordingPanelServices host;
    InstrumentState& zor_1 = instrument_state(InstrumentId::zor_1);
    InstrumentState& zor_2 = instrument_state(InstrumentId::zor_2);
};

struct PressureCase {
    const char* what;
    std::int32_t setting;
    std::int8_t step;
    bool increase;
    std::uint32_t mask;
    std::int32_t expected;
    std::optional<std::uint32_t> sent; // ZOR_1's key-event argument, if any
};

TEST_F(Controls, PressureKnobLimitsAndForwardingWindow)
{
    const std::vector<PressureCase> cases = {
        // clang-format off
        {"step up",                1013, 1, true,  left,  1014, 1014 * 16},
        {"at the ceiling",         1080, 1, true,  left,  1080, 17280},
        {"fast up to the ceiling", 1078, 5, true,  left,  1080, 17280},
        {"just leaves the window", 949,  1, false, left,  948,  std::nullopt},
        {"enters the window",      948,  1, true,  left,  949,  949 * 16},
        {"fast down to the floor", 703,  5, false, left,  700,  std::nullopt},
        {"at the floor",           700,  1, false, left,  700,  std::nullopt},
        {"held repeat counts",     1000, 1, true,  held,  1001, 1001 * 16},
        {"right click resets",     1013, 1, true,  right, 1013, 16208},
        {"right click on down",    800,  5, false, right, 1013, 16208},
        {"no click bit",           1000, 1, true,  mouse_repeat, 1000, std::nullopt},
        // clang-format on
    };
    for (const PressureCase& c : cases) {
        host.key_events.clear();
        zor_1.baro_setting_mb = c.setting;
        zor_1.knob_step = c.step;
        if (c.increase)
            pressure_knob_increase_click<InstrumentId::zor_1>(nullptr, c.mask);
        else
            pressure_knob_decrease_click<InstrumentId::zor_1>(nullptr, c.mask);
        EXPECT_EQ(zor_1.baro_setting_mb, c.expected) << c.what;
        const std::vector<KeyEvent> expected =
            c.sent ? std::vector<KeyEvent>{{0x101F8, *c.sent}} : std::vector<KeyEvent>{};
        EXPECT_EQ(host.key_events, expected) << c.what;
    }
}

TEST_F(Controls, LeftAndRightTogetherStepThenReset)
{
    zor_1.baro_setting_mb = 1000;
    pressure_knob_increase_click<InstrumentId::zor_1>(nullptr, left | right);
    EXPECT_EQ(zor_1.baro_setting_mb, 1013);
    EXPECT_EQ(host.key_events, (std::vector<KeyEvent>{{0x101F8, 1001 * 16}, {0x101F8, 16208}}));
}

TEST_F(Controls, Zor2PressureKnobChangesItsOwnSettingAndSendsNothing)
{
    zor_2.baro_setting_mb = 1013;
    EXPECT_EQ(pressure_knob_increase_click<InstrumentId::zor_2>(nullptr, left), 1);
    EXPECT_EQ(zor_2.baro_setting_mb, 1014);
    pressure_knob_decrease_click<InstrumentId::zor_2>(nullptr, right);
    EXPECT_EQ(zor_2.baro_setting_mb, 1013);
    EXPECT_EQ(zor_1.baro_setting_mb, 1013);
    EXPECT_TRUE(host.key_events.empty());
}

TEST_F(Controls, EveryLeftKnobClickRestartsTheHoldTimerAlsoWhileItRunsRightClicksDoNot)
{
    using Click = std::int32_t(HOSTCALL*)(const PixelPoint*, std::uint32_t);
    struct Case {
        const char* what;
        Click click;
        std::int32_t selected_change_timer;
    };
    constexpr InstrumentId id = InstrumentId::zor_1;
    const Case cases[] = {
        // clang-format off
        {"pressure down", pressure_knob_decrease_click<id>, 0},
        {"pressure up",   pressure_knob_increase_click<id>, 0},
        {"selected down", selected_knob_decrease_click<id>, 60},
        {"selected up",   selected_knob_increase_click<id>, 60},
        // clang-format on
    };
    for (const Case& c : cases) {
        // The decreasing halves are clicked at their floors: a click there holds too.
        zor_1.baro_setting_mb = 700;
        zor_1.selected_altitude_m = 0.0;
        zor_1.knob_hold_timer = 3;
        zor_1.selected_change_timer = 7;
        c.click(nullptr, right);
        EXPECT_EQ(zor_1.knob_hold_timer, 3) << c.what;
        EXPECT_EQ(zor_1.selected_change_timer, 7) << c.what;
        zor_1.knob_hold_timer = 0;
        zor_1.selected_change_timer = 0;
        c.click(nullptr, left);
        EXPECT_EQ(zor_1.knob_hold_timer, 10) << c.what;
        EXPECT_EQ(zor_1.selected_change_timer, c.selected_change_timer) << c.what;
        // Clicked again while both still run: the knob stays held, the
        // selected digits stay shown, from full once more.
        for (const std::int32_t running : {1, 4, 9}) {
            zor_1.knob_hold_timer = running;
            zor_1.selected_change_timer = 25;
            c.click(nullptr, left);
            EXPECT_EQ(zor_1.knob_hold_timer, 10) << c.what << " with " << running << " frames left";
            EXPECT_EQ(zor_1.selected_change_timer, c.selected_change_timer == 0 ? 25 : 60) << c.what;
        }
    }
}

struct SelectedCase {
    const char* what;
    std::int32_t units_feet;
    double start_m;
    std::int8_t step;
    bool increase;
    std::uint32_t mask;
    double expected_m;
};

TEST_F(Controls, SelectedKnobStepsFloorsAndCeilings)
{
    const std::vector<SelectedCase> cases = {
        // clang-format off
        {"metres, floor",              0, 0.0,     1, false, left,  0.0},
        {"metres, step up",            0, 0.0,     1, true,  left,  100.0},
        {"metres, fast up",            0, 1000.0,  5, true,  left,  1500.0},
        {"metres, fast to ceiling",    0, 11900.0, 5, true,  left,  12000.0},
        {"metres, at ceiling",         0, 12000.0, 1, true,  left,  12000.0},
        {"feet, fast to ceiling",      1, 12192.0, 5, true,  left,  12496.8},
        {"feet ceiling then metres",   0, 12496.8, 1, true,  left,  12000.0},
        {"metres down from feet top",  0, 12496.8, 1, false, left,  12496.8 - 100},
        {"feet, step down",            1, 1000.0,  1, false, left,  1000.0 - 304.8},
        {"feet, fast down",            1, 5000.0,  5, false, left,  5000.0 - 5 * 304.8},
        {"units out of range",         2, 500.0,   1, true,  left,  500.0},
        {"right click resets",         0, 5000.0,  1, true,  right, 0.0},
        // clang-format on
    };
    for (const SelectedCase& c : cases) {
        zor_1.units_feet = c.units_feet;
        zor_1.selected_altitude_m = c.start_m;
        zor_1.knob_step = c.step;
        if (c.increase)
            selected_knob_increase_click<InstrumentId::zor_1>(nullptr, c.mask);
        else
            selected_knob_decrease_click<InstrumentId::zor_1>(nullptr, c.mask);
        EXPECT_DOUBLE_EQ(zor_1.selected_altitude_m, c.expected_m) << c.what;
    }
}

TEST_F(Controls, FortyOneFeetStepsStayJustBelowTheCeilingAndTheFortySecondClamps)
{
    zor_1.units_feet = 1;
    double sum = 0.0;
    for (int click = 1; click <= 41; ++click) {
        selected_knob_increase_click<InstrumentId::zor_1>(nullptr, left);
        sum += 304.8;
    }
    EXPECT_EQ(zor_1.selected_altitude_m, sum);
    EXPECT_LT(zor_1.selected_altitude_m, 12496.8);
    selected_knob_increase_click<InstrumentId::zor_1>(nullptr, left);
    EXPECT_EQ(zor_1.selected_altitude_m, 12496.8);
}

TEST_F(Controls, SwitchesToggleOnEveryCallWhateverTheMask)
{
    EXPECT_EQ(brightness_switch_click<InstrumentId::zor_2>(nullptr, 0), 1);
    EXPECT_EQ(zor_2.dimmed, 1);
    brightness_switch_click<InstrumentId::zor_2>(nullptr, right);
    EXPECT_EQ(zor_2.dimmed, 0);
    zor_1.selected_altitude_m = 1234.5;
    units_switch_click<InstrumentId::zor_1>(nullptr, left);
    EXPECT_EQ(zor_1.units_feet, 1);
    units_switch_click<InstrumentId::zor_1>(nullptr, left);
    EXPECT_EQ(zor_1.units_feet, 0);
    EXPECT_EQ(zor_1.selected_altitude_m, 1234.5);
    EXPECT_EQ(zor_2.units_feet, 0);
}

} // namespace
