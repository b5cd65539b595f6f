// The alert tone as the module's own frames request it: ZOR_1's update on
// the scripted sound platform, from the service codes on, each code sent on
// its own.
#include "abi/service_numbers.h"
#include "breakers/breaker_state.h"
#include "instrument/instrument_state.h"
#include "layout/gauge_headers.h"
#include "tests/sound/sound_test_fixture.h"
#include "tests/recording_panel_services.h"

#include <vector>

namespace {

class AlertToneFrames : public SoundTest {
protected:
    void SetUp() override
    {
        SoundTest::SetUp();
        host.variables[token_bus_volts] = 28.0;
        host.variables[token_units_of_measure] = 2; // altitude in metres
        host.variables[token_kohlsman_mb] = 1013.0;
        breaker_flag(BreakerId::azs_zor_1) = 1;
    }

    static void send(std::int32_t code) { zor_1_gauge_header.gauge_callback(&zor_1_gauge_header, code, 0); }

    // One frame of ZOR_1 at a deviation d from a selected 1000 m.
    void frame_at(double d)
    {
        instrument_state(InstrumentId::zor_1).selected_altitude_m = 1000.0;
        host.variables[token_altitude] = 1000.0 + d;
        send(service_update);
    }

    RecordingPanelServices host;
};

// The host sends the two codes of a step in turn; the first does the work,
// so each is sent here alone and its partner must leave the tone as it was.
TEST_F(AlertToneFrames, EachServiceCodeDoesItsOwnWorkAndItsPartnerNone)
{
    send(service_install_2);
    EXPECT_EQ(alert_tone_state(), AlertToneState::not_set_up);
    send(service_install);
    ASSERT_EQ(alert_tone_state(), AlertToneState::ready);

    platform.last_buffer()->volume = -10000;
    send(service_initialize_2);
    EXPECT_EQ(platform.last_buffer()->volume, -10000);
    send(service_initialize);
    EXPECT_EQ(platform.last_buffer()->volume, 0);

    send(service_kill_2);
    EXPECT_EQ(alert_tone_state(), AlertToneState::ready);
    send(service_kill);
    EXPECT_EQ(alert_tone_state(), AlertToneState::not_set_up);
    EXPECT_TRUE(platform.holds_nothing());
}

// Capturing the selected altitude loops the tone for 17 frames; the first
// quiet frame stops it and rewinds it, so the next alert starts at the top.
TEST_F(AlertToneFrames, CaptureLoopsTheToneSeventeenFramesThenStopsAndRewindsIt)
{
    send(service_install);
    ScriptedBuffer& buffer = *platform.last_buffer();
    frame_at(-500.0);
    EXPECT_FALSE(buffer.playing);
    std::vector<int> playing;
    for (int frame = 0; frame < 20; ++frame) {
        frame_at(-100.0);
        playing.push_back(buffer.playing ? 1 : 0);
        if (buffer.playing)
            buffer.position = 412 + frame; // where DirectSound has got to
    }
    EXPECT_EQ(playing, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(buffer.play_flags, play_looping);
    EXPECT_EQ(buffer.position, 0u);
    send(service_kill);
}

} // namespace
