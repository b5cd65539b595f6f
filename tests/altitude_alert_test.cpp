#include "instrument/altitude_alert.h"
#include "tests/recording_panel_services.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

class AltitudeAlert : public ::testing::Test {
protected:
    // One frame at a deviation d from the selected altitude, tick unchanged.
    void frame_at(double d, AlertArming* tone = &zor_1_alert_tone)
    {
        s.altitude_m = s.selected_altitude_m + d;
        run_altitude_alert(s, tone, s.last_tick);
    }

    InstrumentState& s = instrument_state(InstrumentId::zor_1);
    AlertArming& tone = zor_1_alert_tone;
};

TEST_F(AltitudeAlert, InactiveUpToASelectedAltitudeOf295)
{
    tone.outside_band_armed = 1;
    s.selected_altitude_m = 295.0;
    frame_at(-200.0);
    EXPECT_EQ(s.deviation_border_frame, -1);
    EXPECT_EQ(s.selected_digits_visible, 1);
    EXPECT_EQ(tone.outside_band_armed, 0);
    s.selected_altitude_m = 295.1;
    frame_at(-200.0);
    EXPECT_EQ(s.deviation_border_frame, 0);
    EXPECT_EQ(tone.outside_band_armed, 1);
}

TEST_F(AltitudeAlert, BandEdges)
{
    s.selected_altitude_m = 1000.0;
    // A blinking border and a steady one look alike in the shown phase:
    // every edge is seen in both.
    struct Case {
        double d;
        bool steady;
        std::int32_t outside_armed;
    };
    const std::vector<Case> cases = {
        {150.0, true, 0}, {-150.0, true, 0}, {150.1, true, 1}, {149.9, false, 0}, {60.0, false, 0}, {-60.0, false, 0},
    };
    for (const std::int8_t phase : {0, 1}) {
        for (const Case& c : cases) {
            tone = AlertArming{};
            s.blink_phase = phase;
            frame_at(c.d);
            EXPECT_EQ(s.deviation_border_frame, c.steady ? 0 : phase - 1) << c.d << " phase " << int(phase);
            EXPECT_EQ(tone.outside_band_armed, c.outside_armed) << c.d;
        }
    }
    // Exactly 60 is outside the capture band: reaching it arms nothing, and
    // leaving from it only counts once armed inside.
    tone = AlertArming{};
    frame_at(60.0);
    frame_at(60.01);
    EXPECT_EQ(tone.alert_tone_frames, 0);
    tone.inside_band_armed = 1;
    frame_at(60.0);
    EXPECT_EQ(tone.inside_band_armed, 1);
    EXPECT_EQ(tone.alert_tone_frames, 0);
    frame_at(60.01);
    EXPECT_EQ(tone.inside_band_armed, 0);
    EXPECT_EQ(tone.alert_tone_frames, 17);
}

TEST_F(AltitudeAlert, BorderBlinksFiveTickChangesHiddenFourShown)
{
    s.selected_altitude_m = 1000.0;
    s.altitude_m = 900.0;
    std::vector<int> shown;
    for (int tick = 1; tick <= 18; ++tick) {
        run_altitude_alert(s, &tone, tick);
        shown.push_back(s.deviation_border_frame == 0);
    }
    // The border follows the phase left by the previous frame.
    EXPECT_EQ(shown, (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1}));
    const std::int8_t counter = s.blink_counter;
    run_altitude_alert(s, &tone, 18); // the tick did not change
    EXPECT_EQ(s.blink_counter, counter);
}

TEST_F(AltitudeAlert, Zor2NeverTouchesTheToneState)
{
    InstrumentState& other = instrument_state(InstrumentId::zor_2);
    other.selected_altitude_m = 1000.0;
    other.altitude_m = 0.0;
    run_altitude_alert(other, nullptr, 1);
    EXPECT_EQ(other.deviation_border_frame, 0);
    EXPECT_EQ(tone.outside_band_armed, 0);
}

// Climbs from the ground to a selected 1000 m at 10 m per frame and on to
// 1100 m, recording the border, the digits and the tone countdown.
TEST_F(AltitudeAlert, ClimbToOneThousandMetres)
{
    s.selected_altitude_m = 1000.0;
    s.selected_change_timer = 0;
    std::vector<double> tone_starts;
    std::vector<double> digits_hidden_at;
    int tone_frames = 0;
    for (double altitude = 0.0; altitude <= 1100.0; altitude += 10.0) {
        const std::int32_t before = tone.alert_tone_frames;
        s.altitude_m = altitude;
        run_altitude_alert(s, &tone, static_cast<std::int32_t>(altitude));
        const double d = altitude - 1000.0;
        if (tone.alert_tone_frames == 17 && before != 17)
            tone_starts.push_back(altitude);
        if (tone.alert_tone_frames > 0)
            ++tone_frames;
        if (s.selected_digits_visible == 0 && digits_hidden_at.empty())
            digits_hidden_at.push_back(altitude);
        if (d < -150.0 || d > 150.0) {
            EXPECT_EQ(s.deviation_border_frame, 0) << altitude;
        }
        if (d > -60.0 && d < 60.0) {
            EXPECT_EQ(s.deviation_border_frame, -1) << altitude;
        }
    }
    // Capture as d rises above -150; leaving again once above +60.
    EXPECT_EQ(tone_starts, (std::vector<double>{860.0, 1070.0}));
    EXPECT_EQ(digits_hidden_at, (std::vector<double>{950.0}));
    EXPECT_EQ(tone_frames, 17 + 4); // the second tone is still sounding at 1100 m
}

TEST_F(AltitudeAlert, SelectedDigitsStayForFiftyNineFramesAfterAKnobClick)
{
    s.selected_altitude_m = 1000.0;
    s.altitude_m = 1000.0;
    s.selected_change_timer = 60;
    for (int frame = 1; frame <= 60; ++frame) {
        --s.selected_change_timer; // the update counts it down before the alert runs
        run_altitude_alert(s, &tone, 0);
        EXPECT_EQ(s.selected_digits_visible, frame < 60 ? 1 : 0) << frame;
    }
}

// What one frame of the alert leaves, for comparing two flights.
struct AlertFrame {
    std::int8_t border;
    std::int32_t digits_visible, tone_frames, inside_armed, outside_armed;
    bool operator==(const AlertFrame&) const = default;
};

std::ostream& operator<<(std::ostream& out, const AlertFrame& f)
{
    return out << "border " << int(f.border) << ", digits " << f.digits_visible << ", tone " << f.tone_frames
               << ", armed inside " << f.inside_armed << " outside " << f.outside_armed;
}

// Every band rule holds the same above the selected altitude as below it:
// each flight is flown at its deviations and again at their mirror image,
// frame for frame alike; the tone it must start is checked on both.
TEST_F(AltitudeAlert, EveryBandRuleHoldsAboveAsBelow)
{
    struct Case {
        const char* what;
        std::vector<double> deviations; // above the selected altitude
        int tone_frames_at_end;
    };
    const Case cases[] = {
        // clang-format off
        {"approach and capture",    {500, 200, 150.1, 150, 149.9, 100, 60, 59.9, 0},             17 - 4},
        {"leave the capture band",  {0, 59.9, 60, 60.1, 100, 149.9, 150, 150.1, 500},            17 - 5},
        {"capture, cross, leave",   {500, 100, 50, 0, -50, -59.9, -60.1, -100},                  18 - 2},
        {"settled within the band", {30, 0, -30, 59.9, -59.9},                                   0},
        // clang-format on
    };
    for (const Case& c : cases) {
        std::vector<AlertFrame> flown[2];
        for (const int side : {1, -1}) {
            tone = AlertArming{};
            s.selected_altitude_m = 1000.0;
            s.selected_change_timer = 0;
            s.blink_phase = 0;
            for (const double d : c.deviations) {
                frame_at(side * d);
                flown[side > 0 ? 0 : 1].push_back({s.deviation_border_frame, s.selected_digits_visible,
                                                   tone.alert_tone_frames, tone.inside_band_armed,
                                                   tone.outside_band_armed});
            }
            EXPECT_EQ(tone.alert_tone_frames, c.tone_frames_at_end) << c.what << (side > 0 ? " above" : " below");
        }
        EXPECT_EQ(flown[0], flown[1]) << c.what;
    }
}

// A second trigger while the tone still sounds from the first starts it
// again at its own full length; without a second trigger it just counts down.
TEST_F(AltitudeAlert, ASecondTriggerWhileTheToneSoundsStartsItAgain)
{
    struct Case {
        const char* what;
        std::vector<double> deviations;
        std::vector<std::int32_t> tone_frames;
    };
    const Case cases[] = {
        // clang-format off
        {"leaving while the capture tone sounds",
         {-500, -100, -30, 70, 80},            {0, 17, 16, 17, 16}},
        {"a capture while the leaving tone sounds",
         {0, 70, 200, 100, 90},                {0, 17, 16, 17, 16}},
        {"leaving, back in and out again",
         {0, 70, 30, -70, -80},                {0, 17, 16, 17, 16}},
        {"one trigger alone counts down",
         {-500, -100, -120, -130, -140},       {0, 17, 16, 15, 14}},
        // clang-format on
    };
    for (const Case& c : cases) {
        tone = AlertArming{};
        s.selected_altitude_m = 1000.0;
        std::vector<std::int32_t> seen;
        for (const double d : c.deviations) {
            frame_at(d);
            seen.push_back(tone.alert_tone_frames);
        }
        EXPECT_EQ(seen, c.tone_frames) << c.what;
    }
}

TEST_F(AltitudeAlert, PowerLossClearsArmingAndCountdown)
{
    // Each sequence leaves one thing set, seen set before the loss.
    struct Case {
        const char* what;
        std::vector<double> deviations;
        std::int32_t AlertArming::*field;
    };
    const Case cases[] = {
        {"armed outside", {-500.0}, &AlertArming::outside_band_armed},
        {"armed inside", {-500.0, -100.0, 0.0}, &AlertArming::inside_band_armed},
        {"tone sounding", {-500.0, -100.0}, &AlertArming::alert_tone_frames},
    };
    for (const Case& c : cases) {
        tone = AlertArming{};
        s.selected_altitude_m = 1000.0;
        for (double d : c.deviations)
            frame_at(d);
        EXPECT_GT(tone.*c.field, 0) << c.what;
        s.selected_altitude_m = 0.0; // what the update does without power
        frame_at(0.0);
        EXPECT_EQ(tone.alert_tone_frames, 0) << c.what;
        EXPECT_EQ(tone.inside_band_armed, 0) << c.what;
        EXPECT_EQ(tone.outside_band_armed, 0) << c.what;
    }
}

} // namespace
