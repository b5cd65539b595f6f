// The bench's parts on their own: its key table, the flight it flies, the
// pointer over placed gauges, the tooltip's rest, the frame-rate figures,
// and the pacer it shares with real-time scenarios.
#include <gtest/gtest.h>

#include <set>

#include "host/bench/controls.h"
#include "host/bench/flight.h"
#include "host/bench/frame_rate.h"
#include "host/app/session.h"
#include "host/bench/pointer.h"
#include "host/panel/frame_pacer.h"
#include "host/script/print.h"

namespace {

TEST(BenchKeys, EveryActionHasOneKeyAndTheHelpLineNamesThemInOrder)
{
    std::set<std::string> keys;
    std::set<BenchAction> actions;
    for (const BenchKey& row : bench_keys) {
        EXPECT_TRUE(keys.insert(row.key).second) << row.key;
        EXPECT_TRUE(actions.insert(row.action).second) << row.key;
        EXPECT_EQ(bench_action_for(row.key), row.action);
    }
    EXPECT_EQ(actions.size(), static_cast<std::size_t>(BenchAction::quit) + 1);
    EXPECT_EQ(bench_action_for("F1"), std::nullopt);
    EXPECT_EQ(bench_action_for("b"), std::nullopt) << "the window names letters in capitals";

    const std::string help = bench_help_line();
    std::size_t at = 0;
    for (const BenchKey& row : bench_keys) {
        const std::size_t found = help.find(std::string(row.key) + " " + row.help, at);
        ASSERT_NE(found, std::string::npos) << row.key;
        at = found;
    }
}

// The flight says each change as commands; here their values land in the
// variables as the executor puts them there: a set's value, a one-frame
// ramp's last.
class Flight : public ::testing::Test {
protected:
    HostVariables variables;
    BenchFlight flight{variables};
    double altitude() const { return variables.get(token_altitude); }
    void apply(const std::vector<Command>& commands)
    {
        for (const Command& c : commands) {
            ASSERT_TRUE(c.verb == Verb::set || (c.verb == Verb::ramp && c.number(3) == 1)) << print(c);
            variables.set(c.variable(0), c.number(c.verb == Verb::set ? 1 : 2));
        }
    }
    void advance(double seconds)
    {
        if (const auto climb = flight.advance(seconds)) {
            EXPECT_EQ(climb->number(1), altitude()) << "a ramp from where the aircraft is";
            apply({*climb});
        }
    }
};

TEST_F(Flight, ClimbsAndDescendsAtTheChosenRateFrameByFrame)
{
    flight.climb();
    for (int frame = 0; frame < 18; ++frame)
        advance(1.0 / 18);
    EXPECT_NEAR(altitude(), 5.0, 1e-9);
    flight.faster();
    flight.descend();
    advance(1.0);
    EXPECT_NEAR(altitude(), -5.0, 1e-9);
    flight.level_off();
    EXPECT_EQ(flight.advance(1.0), std::nullopt) << "level: no command";
}

TEST_F(Flight, RatesStopAtTheSlowestAndTheFastest)
{
    for (int i = 0; i < 10; ++i)
        flight.slower();
    EXPECT_EQ(flight.rate_m_per_s(), 1.0);
    for (int i = 0; i < 10; ++i)
        flight.faster();
    EXPECT_EQ(flight.rate_m_per_s(), 50.0);
}

TEST_F(Flight, UnitSystemChangesTheAltitudeVariableButNotTheHeight)
{
    variables.set(token_altitude, 1000.0);
    apply(flight.toggle_units());
    EXPECT_EQ(variables.get(token_units_of_measure), 0.0);
    EXPECT_NEAR(altitude(), 1000.0 / 0.3048, 1e-6);
    flight.climb();
    advance(1.0); // 5 m more, written in feet
    EXPECT_NEAR(flight.altitude_m(), 1005.0, 1e-6);
    apply(flight.toggle_units());
    EXPECT_NEAR(altitude(), 1005.0, 1e-6);
}

TEST_F(Flight, BusSwitchesBetweenOffAndTheBenchVoltageAndResetRestoresTheGround)
{
    apply(flight.toggle_bus());
    EXPECT_EQ(variables.get(token_bus_volts), 27.0);
    apply(flight.toggle_bus());
    EXPECT_EQ(variables.get(token_bus_volts), 0.0);
    apply(flight.step_sim_pressure(-3.0));
    EXPECT_EQ(variables.get(token_kohlsman_mb), 1010.0);
    variables.set(token_altitude, 700.0);
    flight.climb();
    apply(flight.reset());
    EXPECT_EQ(altitude(), 0.0);
    EXPECT_EQ(variables.get(token_kohlsman_mb), 1013.0);
    EXPECT_EQ(variables.get(token_bus_volts), 27.0);
    EXPECT_EQ(flight.vertical_speed_m_per_s(), 0.0);
}

PlacedGauge placed(int x, int y, int width, int height, int face_width, int face_height)
{
    PlacedGauge gauge;
    gauge.x = x;
    gauge.y = y;
    gauge.width = width;
    gauge.height = height;
    gauge.face = {face_width, face_height};
    return gauge;
}

TEST(PanelPointer, MapsPanelPixelsBackToFacePixelsOfScaledGauges)
{
    // An altimeter at face size, a breaker at width 45 (scale 1.5) beside it.
    const std::vector<PlacedGauge> gauges = {placed(0, 0, 361, 358, 361, 358), placed(370, 0, 45, 98, 30, 65)};
    const struct {
        PixelPoint panel;
        std::optional<std::size_t> gauge;
        PixelPoint face;
    } cases[] = {
        {{40, 40}, 0, {40, 40}},       {{360, 357}, 0, {360, 357}},
        {{361, 10}, std::nullopt, {}}, // between the gauges
        {{370, 0}, 1, {0, 0}},         {{392, 48}, 1, {14, 31}},
        {{414, 97}, 1, {29, 64}}, // last placed pixel, last face pixel
        {{415, 10}, std::nullopt, {}},
    };
    for (const auto& c : cases) {
        const auto at = gauge_point_at(gauges, c.panel);
        ASSERT_EQ(at.has_value(), c.gauge.has_value()) << c.panel.x << "," << c.panel.y;
        if (!at)
            continue;
        EXPECT_EQ(at->gauge, *c.gauge);
        EXPECT_EQ(at->face.x, c.face.x) << c.panel.x;
        EXPECT_EQ(at->face.y, c.face.y) << c.panel.y;
    }
}

TEST(PanelPointer, GaugePlacedLaterTakesTheOverlap)
{
    const std::vector<PlacedGauge> gauges = {placed(0, 0, 100, 100, 100, 100), placed(50, 50, 100, 100, 100, 100)};
    EXPECT_EQ(gauge_point_at(gauges, {60, 60})->gauge, 1u);
    EXPECT_EQ(gauge_point_at(gauges, {40, 60})->gauge, 0u);
}

TEST(TooltipRest, ShowsAfterHalfASecondStillAndFollowsWhileInsideItsRegion)
{
    const MouseRect knob{}, other{};
    const TooltipPlace pressure{0, &knob};
    TooltipRest rest;
    rest.pointer_at(pressure, {340, 310}, 10.0);
    EXPECT_FALSE(rest.shown(10.4));
    rest.pointer_at(pressure, {341, 310}, 10.4); // moved before it showed: rest again
    EXPECT_FALSE(rest.shown(10.8));
    EXPECT_EQ(rest.shown(10.9), pressure);
    rest.pointer_at(pressure, {350, 320}, 11.0); // shown: stays while inside
    EXPECT_EQ(rest.shown(11.0), pressure);
    rest.pointer_at(TooltipPlace{0, &other}, {20, 320}, 11.1);
    EXPECT_FALSE(rest.shown(11.5));
    rest.pointer_at(std::nullopt, {200, 200}, 11.6);
    EXPECT_FALSE(rest.shown(20.0));
}

TEST(TooltipBox, SitsRightOfAndBelowThePointerOrFlipsAtTheEdges)
{
    const PixelPoint middle = tooltip_box_origin({100, 100}, 40, 18, 720, 500);
    EXPECT_EQ(middle.x, 114);
    EXPECT_EQ(middle.y, 122);
    const PixelPoint corner = tooltip_box_origin({700, 490}, 40, 18, 720, 500);
    EXPECT_EQ(corner.x, 700 - 40 - 4);
    EXPECT_EQ(corner.y, 490 - 18 - 4);
    EXPECT_EQ(tooltip_box_origin({2, 2}, 800, 600, 720, 500).x, 0);
}

TEST(FrameRate, MedianIntervalIgnoresOneSlowFrame)
{
    FrameRate rate;
    EXPECT_EQ(rate.median_interval_seconds(), 0.0);
    const double times[] = {0.0, 0.05, 0.10, 0.90, 0.95, 1.00};
    for (double t : times)
        rate.frame_shown(t, t < 0.5 ? 0.01 : 0.02);
    EXPECT_NEAR(rate.median_interval_seconds(), 0.05, 1e-9);
    EXPECT_NEAR(rate.recent_frames_per_second(2), 20.0, 1e-6);
    EXPECT_EQ(rate.summary(), "frames: 6 in 1.0 s, median interval 50.0 ms (20.0 fps), median work 20.00 ms");
}

std::optional<HostCommandLine> parsed(std::vector<const char*> words, std::string& error)
{
    words.insert(words.begin(), "zor_panel_host");
    return parse_host_command_line(win32_program, static_cast<int>(words.size()), const_cast<char**>(words.data()),
                                   error);
}

// At 10 fps: frames started at these times (ms) fall due next at these.
TEST(FramePacer, MakesUpASmallDelayButMovesOnAfterAStall)
{
    struct Step {
        int started_ms;
        int next_due_ms;
    };
    const Step steps[] = {
        {0, 100},   {130, 200}, // 30 ms late: the next slot keeps its time
        {200, 300}, {290, 400}, // early (a clock that woke soon): still one slot on
        {650, 750},             // 250 ms late, more than a slot: no burst of three
        {750, 850},
    };
    using Clock = FrameClock::Clock;
    const Clock::time_point zero{};
    FramePacer pacer;
    pacer.start(zero, 10.0);
    EXPECT_EQ(pacer.next_due(), zero);
    for (const Step& step : steps) {
        pacer.frame_started(zero + std::chrono::milliseconds(step.started_ms));
        EXPECT_EQ(pacer.next_due(), zero + std::chrono::milliseconds(step.next_due_ms)) << step.started_ms;
    }
}

TEST(BenchCommandLine, WindowGoesWithoutAScenarioAndItsOptionsGoOnlyWithIt)
{
    std::string error;
    const auto bench = parsed({"--window", "--xray", "--seconds", "60", "--report", "r.txt"}, error);
    ASSERT_TRUE(bench) << error;
    EXPECT_TRUE(bench->window);
    EXPECT_TRUE(bench->xray);
    EXPECT_EQ(bench->seconds, 60.0);
    EXPECT_EQ(bench->report_path, "r.txt");
    EXPECT_TRUE(bench->scenario.empty());

    const struct {
        std::vector<const char*> words;
        const char* error;
    } refused[] = {
        {{}, "no scenario given"},
        {{"--xray", "s.txt"}, "--xray goes with --window"},
        {{"--seconds", "5", "s.txt"}, "--seconds goes with --window"},
        {{"--window", "--seconds", "0"}, "--seconds needs a number of seconds above 0, not '0'"},
        {{"--window", "--seconds", "ten"}, "--seconds needs a number of seconds above 0, not 'ten'"},
        {{"--window", "--seconds"}, "--seconds needs a value: N"},
        {{"--window", "--watch", "--panel", "p.cfg"}, "--watch does not go with --panel"},
    };
    for (const auto& c : refused) {
        EXPECT_FALSE(parsed(c.words, error));
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
