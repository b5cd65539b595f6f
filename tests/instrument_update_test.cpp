#include "abi/service_numbers.h"
#include "breakers/breaker_state.h"
#include "instrument/display_callbacks.h"
#include "instrument/instrument_update.h"
#include "instrument/needle.h"
#include "layout/gauge_headers.h"
#include "layout/gauge_callbacks.h"
#include "tests/recording_panel_services.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class InstrumentUpdate : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.variables[token_bus_volts] = 28.0;
        host.variables[token_units_of_measure] = 2; // altitude in metres
        host.variables[token_kohlsman_mb] = 1013.0;
    }

    void close_breakers()
    {
        breaker_flag(BreakerId::azs_zor_1) = 1;
        breaker_flag(BreakerId::azs_zor_2) = 1;
    }

    void frame_zor_1() { zor_1_gauge_callback(&zor_1_gauge_header, service_update, 0); }
    void frame_zor_2() { zor_2_gauge_callback(&zor_2_gauge_header, service_update, 0); }

    bool needle_hidden(GaugeHeader& gauge) { return (find_needle(&gauge)->image_flags & image_hidden) != 0; }

    RecordingPanelServices host;
    InstrumentState& zor_1 = instrument_state(InstrumentId::zor_1);
    InstrumentState& zor_2 = instrument_state(InstrumentId::zor_2);
};

TEST_F(InstrumentUpdate, Zor1LooksTheHostUpInItsOrderAndZor2LooksNothingUp)
{
    frame_zor_1();
    EXPECT_EQ(host.lookups, (std::vector<std::uint32_t>{1, 753, 74, 335, 75}));
    host.lookups.clear();
    frame_zor_2();
    EXPECT_TRUE(host.lookups.empty());
}

TEST_F(InstrumentUpdate, PowerNeedsTheBreakerAndMoreThanTwentyVolts)
{
    struct Case {
        double volts;
        std::int32_t breaker;
        std::int32_t powered;
    };
    for (const Case c : {Case{20.0, 1, 0}, Case{20.01, 1, 1}, Case{28.0, 0, 0}, Case{0.0, 1, 0}}) {
        host.variables[token_bus_volts] = c.volts;
        breaker_flag(BreakerId::azs_zor_1) = c.breaker;
        frame_zor_1();
        EXPECT_EQ(zor_1.powered, c.powered) << c.volts << " V, breaker " << c.breaker;
        EXPECT_EQ(needle_hidden(zor_1_gauge_header), c.powered == 0);
    }
}

TEST_F(InstrumentUpdate, WithoutPowerTheSettingsGoBackEveryFrame)
{
    zor_1.baro_setting_mb = 950;
    zor_1.units_feet = 1;
    zor_1.dimmed = 1;
    zor_1.selected_altitude_m = 3000.0;
    frame_zor_1();
    EXPECT_EQ(zor_1.powered, 0);
    EXPECT_EQ(zor_1.baro_setting_mb, 1013);
    EXPECT_EQ(zor_1.units_feet, 0);
    EXPECT_EQ(zor_1.dimmed, 0);
    EXPECT_EQ(zor_1.selected_altitude_m, 0.0);
}

// A host may hand the update some other gauge header: the walk to the
// needle stops where that header's chain does, and marks nothing.
TEST_F(InstrumentUpdate, AHeaderWithoutTheNeedlesChainIsUpdatedAndNothingIsMarked)
{
    ElementHeader last{}; // no next list at all
    ElementHeader* const to_last[2] = {&last, nullptr};
    ElementHeader first{};
    first.next = to_last;
    ElementHeader* const short_chain[2] = {&first, nullptr};
    GaugeHeader no_elements{};
    GaugeHeader cut_short{};
    cut_short.element_list = short_chain;
    for (GaugeHeader* gauge : {static_cast<GaugeHeader*>(nullptr), &no_elements, &cut_short}) {
        zor_1.baro_setting_mb = 950;
        zor_1_gauge_callback(gauge, service_update, 0); // unpowered: the needle would hide
        EXPECT_EQ(zor_1.baro_setting_mb, 1013);
        EXPECT_EQ(find_needle(gauge), nullptr);
    }
    EXPECT_EQ(first.image_flags | last.image_flags, 0u);
}

TEST_F(InstrumentUpdate, Zor2RunsOnTheInitialSnapshotWhenZor1IsAbsent)
{
    breaker_flag(BreakerId::azs_zor_2) = 1;
    frame_zor_2();
    // Bus taken as powered; raw altitude 0 and host setting 0 give
    // 1013 mb of correction.
    EXPECT_EQ(zor_2.powered, 1);
    EXPECT_DOUBLE_EQ(zor_2.altitude_m, 1013 * 9.00074);
    EXPECT_EQ(zor_2.altitude_display_value, 9120);
    EXPECT_FALSE(needle_hidden(zor_2_gauge_header));
}

TEST_F(InstrumentUpdate, Zor2FollowsTheBusThatZor1Saw)
{
    close_breakers();
    host.variables[token_bus_volts] = 20.0;
    frame_zor_1();
    frame_zor_2();
    EXPECT_EQ(zor_2.powered, 0);
    host.variables[token_bus_volts] = 24.0;
    frame_zor_2(); // ZOR_1 has not looked again
    EXPECT_EQ(zor_2.powered, 0);
    frame_zor_1();
    frame_zor_2();
    EXPECT_EQ(zor_2.powered, 1);
}

struct CorrectionCase {
    std::int32_t units_feet;
    double units_of_measure;
    double altitude_raw;
    std::int32_t setting_mb;
    double expected_display; // unrounded, in display units
    double expected_altitude_m;
};

TEST_F(InstrumentUpdate, CorrectsForItsOwnSettingInMetresAndFeet)
{
    close_breakers();
    host.variables[token_kohlsman_mb] = 1013.0;
    const CorrectionCase cases[] = {
        {0, 2, 1000.0, 1013, 1000.0, 1000.0},
        {0, 0, 1000.0, 1013, 304.8, 304.8}, // host in feet
        {0, 2, 1000.0, 1023, 1000.0 + 10 * 9.00074, 1000.0 + 10 * 9.00074},
        {1, 2, 1000.0, 1013, 3280.8, 3280.8 * 0.3048}, // host in metres
        {1, 1, 1000.0, 1013, 1000.0, 304.8},           // only 2 means metres
        {1, 0, 1000.0, 1003, 1000.0 - 10 * 29.529627792000003, (1000.0 - 10 * 29.529627792000003) * 0.3048},
    };
    for (const CorrectionCase& c : cases) {
        host.variables[token_units_of_measure] = c.units_of_measure;
        host.variables[token_altitude] = c.altitude_raw;
        zor_1.units_feet = c.units_feet;
        zor_1.baro_setting_mb = c.setting_mb;
        frame_zor_1();
        EXPECT_DOUBLE_EQ(zor_1.altitude_m, c.expected_altitude_m)
            << "units " << c.units_feet << "/" << c.units_of_measure;
        const std::int32_t step = c.units_feet == 1 ? 15 : 5;
        EXPECT_NEAR(zor_1.altitude_display_value, c.expected_display, step / 2.0);
    }
}

TEST_F(InstrumentUpdate, NegativeAltitudeShowsDigitsButHidesTheNeedle)
{
    close_breakers();
    host.variables[token_altitude] = -1.0;
    frame_zor_1();
    EXPECT_EQ(zor_1.altitude_non_negative, 0);
    EXPECT_EQ(zor_1.altitude_display_value, 0);
    EXPECT_EQ(zor_1.altitude_digits[1], digit_minus);
    EXPECT_TRUE(needle_hidden(zor_1_gauge_header));
    host.variables[token_altitude] = 0.0;
    frame_zor_1();
    EXPECT_FALSE(needle_hidden(zor_1_gauge_header));
}

struct EdgeAltitudeCase {
    // clang-format off
    std::int32_t units_feet;
    double       altitude_raw;   // in the display's units
    bool         below_zero;
    // clang-format on
};

// Host values beyond what the window can show: the display value stays
// within 0 and 2^31, so the needle turns by a non-negative angle, and only a
// negative altitude hides it.
TEST_F(InstrumentUpdate, AltitudesBeyondThe32BitRangeKeepTheNeedleAngleNonNegative)
{
    close_breakers();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const EdgeAltitudeCase cases[] = {
        // clang-format off
        {0, 2147483647.9, false}, {0, 2147483648.0, false}, {0, 1e15, false}, {0, -1e15, true},
        {0, nan, false},          {0, inf, false},          {0, -inf, true},
        {1, 2147483647.6, false}, {1, 3e9, false},          {1, -3e9, true},  {1, nan, false},
        // clang-format on
    };
    for (const EdgeAltitudeCase& c : cases) {
        // Host units follow the display's, so the raw value is shown as it is.
        host.variables[token_units_of_measure] = c.units_feet == 1 ? 0 : 2;
        host.variables[token_altitude] = c.altitude_raw;
        zor_1.units_feet = c.units_feet;
        frame_zor_1();
        SCOPED_TRACE(testing::Message() << c.altitude_raw << (c.units_feet == 1 ? " ft" : " m"));
        EXPECT_GT(zor_1.altitude_display_value, 2147483600);
        EXPECT_GE(needle_angle_value<InstrumentId::zor_1>(0), 0.0);
        EXPECT_EQ(needle_hidden(zor_1_gauge_header), c.below_zero);
        for (DigitCode d : zor_1.altitude_digits)
            EXPECT_TRUE(d == digit_blank || (d >= 0 && d <= digit_three_bars)) << int(d);
    }
}

TEST_F(InstrumentUpdate, SelectedAltitudeAtTheFeetCeilingReads41000)
{
    close_breakers();
    frame_zor_1();
    zor_1.units_feet = 1;
    zor_1.selected_altitude_m = 12496.8;
    frame_zor_1();
    EXPECT_EQ(zor_1.selected_display_value, 41000);
    EXPECT_EQ(zor_1.selected_digits[4], 4);
    EXPECT_EQ(zor_1.selected_digits[3], 1);
}

TEST_F(InstrumentUpdate, KnobStepGrowsAfterNinetyHeldFramesAndFallsBackTenAfter)
{
    close_breakers();
    for (int frame = 1; frame <= 91; ++frame) {
        zor_1.knob_hold_timer = 10; // the host repeats the click each frame
        frame_zor_1();
        EXPECT_EQ(zor_1.knob_step, frame <= 90 ? 1 : 5) << "frame " << frame;
    }
    EXPECT_EQ(zor_1.knob_hold_frames, 91);
    zor_1.knob_hold_timer = 10;
    frame_zor_1();
    EXPECT_EQ(zor_1.knob_hold_frames, 91); // capped
    // The click's own frame was the first; the step holds through the ninth.
    for (int frame = 2; frame <= 9; ++frame) {
        frame_zor_1();
        EXPECT_EQ(zor_1.knob_step, 5) << frame << " frames after the last click";
    }
    frame_zor_1();
    EXPECT_EQ(zor_1.knob_step, 1);
    EXPECT_EQ(zor_1.knob_hold_frames, 0);
}

TEST_F(InstrumentUpdate, KnobTimersRunAlsoWithoutPowerAndEachInstrumentOnItsOwn)
{
    zor_1.selected_change_timer = 60;
    zor_1.knob_hold_timer = 10;
    frame_zor_1();
    EXPECT_EQ(zor_1.selected_change_timer, 59);
    EXPECT_EQ(zor_1.knob_hold_timer, 9);
    EXPECT_EQ(zor_2.knob_hold_timer, 0);
}

TEST_F(InstrumentUpdate, PanelOpenSendsTheSettingTimesSixteenEvenUnpowered)
{
    zor_1.baro_setting_mb = 1013;
    zor_1_gauge_callback(&zor_1_gauge_header, service_panel_open, 0);
    zor_1.baro_setting_mb = 700; // outside the range the knob forwards
    zor_1_gauge_callback(&zor_1_gauge_header, service_panel_open, 0);
    zor_2_gauge_callback(&zor_2_gauge_header, service_panel_open, 0);
    EXPECT_EQ(host.key_events, (std::vector<KeyEvent>{{0x101F8, 16208}, {0x101F8, 11200}}));
}

} // namespace
