#include "instrument/display_callbacks.h"
#include "tests/recording_panel_services.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr InstrumentId Z1 = InstrumentId::zor_1;
constexpr InstrumentId Z2 = InstrumentId::zor_2;

class DisplayCallbacks : public ::testing::Test {
protected:
    void SetUp() override { s.powered = 1; }
    InstrumentState& s = instrument_state(Z1);
};

TEST_F(DisplayCallbacks, UnpoweredEveryIconDrawsNothingButNeedleAndTooltipAnswer)
{
    s.powered = 0;
    s.deviation_border_frame = 0;
    s.selected_digits_visible = 1;
    s.altitude_display_value = 500;
    EXPECT_EQ(lit_dial_value<Z1>(0), -1.0);
    EXPECT_EQ(deviation_border_value<Z1>(0), -1.0);
    EXPECT_EQ((selected_digit_value<Z1, 0>(0)), -1.0);
    EXPECT_EQ((altitude_digit_value<Z1, 2>(0)), -1.0);
    EXPECT_EQ((pressure_digit_value<Z1, 3>(0)), -1.0);
    EXPECT_EQ(needle_angle_value<Z1>(0), 90.0);
    EXPECT_EQ(pressure_tooltip_value<Z1>(0, 0, 0, 0, 0, 0), 1013.0);
}

TEST_F(DisplayCallbacks, FourFrameImagesFollowUnitsAndBrightness)
{
    struct Case {
        std::int32_t feet, dim;
        double frame;
    };
    for (const Case c : {Case{0, 0, 0}, Case{1, 0, 1}, Case{0, 1, 2}, Case{1, 1, 3}}) {
        s.units_feet = c.feet;
        s.dimmed = c.dim;
        s.deviation_border_frame = 0;
        EXPECT_EQ(lit_dial_value<Z1>(0), c.frame);
        EXPECT_EQ(deviation_border_value<Z1>(0), c.frame);
        s.deviation_border_frame = -1;
        EXPECT_EQ(deviation_border_value<Z1>(0), -1.0);
    }
}

TEST_F(DisplayCallbacks, DigitFramesComeFromTheBankOfUnitsAndBrightness)
{
    s.altitude_digits[0] = 7;
    EXPECT_EQ((altitude_digit_value<Z1, 0>(0)), 7.0);
    s.units_feet = 1;
    s.dimmed = 1;
    EXPECT_EQ((altitude_digit_value<Z1, 0>(0)), 43.0);
    s.units_feet = 0;
    s.dimmed = 0;
    s.altitude_digits[4] = digit_minus;
    EXPECT_EQ((altitude_digit_value<Z1, 4>(0)), 10.0);
    s.units_feet = 1;
    s.altitude_digits[4] = digit_three_bars;
    EXPECT_EQ((altitude_digit_value<Z1, 4>(0)), 23.0);
}

TEST_F(DisplayCallbacks, BlankDigitsDrawNothingOthersStillDraw)
{
    s.units_feet = 1;
    const DigitCode pressure[4] = {9, 9, 9, digit_blank};
    std::copy(pressure, pressure + 4, s.pressure_digits);
    EXPECT_EQ((pressure_digit_value<Z1, 3>(0)), -1.0);
    EXPECT_EQ((pressure_digit_value<Z1, 2>(0)), 21.0);
    EXPECT_EQ((pressure_digit_value<Z1, 1>(0)), 21.0);
    EXPECT_EQ((pressure_digit_value<Z1, 0>(0)), 21.0);
}

TEST_F(DisplayCallbacks, HiddenSelectedDigitsLeaveTheBorderAndOtherWindows)
{
    for (DigitCode& d : s.selected_digits)
        d = 4;
    s.altitude_digits[0] = 4;
    s.deviation_border_frame = 0;
    s.selected_digits_visible = 0;
    EXPECT_EQ((selected_digit_value<Z1, 0>(0)), -1.0);
    EXPECT_EQ((selected_digit_value<Z1, 4>(0)), -1.0);
    EXPECT_EQ((altitude_digit_value<Z1, 0>(0)), 4.0);
    EXPECT_EQ(deviation_border_value<Z1>(0), 0.0);
    s.selected_digits_visible = 1;
    EXPECT_EQ((selected_digit_value<Z1, 4>(0)), 4.0);
}

TEST_F(DisplayCallbacks, EachInstrumentReadsOnlyItsOwnRecord)
{
    InstrumentState& other = instrument_state(Z2);
    other.baro_setting_mb = 700;
    other.altitude_display_value = 250;
    EXPECT_EQ(pressure_tooltip_value<Z2>(0, 0, 0, 0, 0, 0), 700.0);
    EXPECT_EQ(pressure_tooltip_value<Z1>(0, 0, 0, 0, 0, 0), 1013.0);
    EXPECT_EQ(needle_angle_value<Z2>(0), 0.0);
    EXPECT_EQ(lit_dial_value<Z2>(0), -1.0); // ZOR_2 is not powered
}

TEST(NeedleAngle, OneTurnPerThousandFoldedOnceEachWay)
{
    struct Case {
        std::int32_t value;
        double angle;
    };
    const std::vector<Case> cases = {
        {0, 270.0},    {250, 0.0},    {500, 90.0},   {1000, 270.0},
        {1250, 360.0}, {2250, 360.0}, {2500, 450.0}, {99995, 99995 * 0.36 - 450.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(needle_angle(c.value), c.angle) << c.value;
    EXPECT_NEAR(needle_angle(1255), 1.8, 1e-9);
}

} // namespace
