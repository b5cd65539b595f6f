// The tone from install to kill: the player's operations, outside set-up
// too, and a failing buffer call. Which of them a frame asks for is the
// module's own update (tests/alert_tone_frames_test.cpp).
#include <functional>

#include "sound/tone_service.h"
#include "sound_test_fixture.h"

namespace {

using ToneLifecycle = SoundTest;

TEST_F(ToneLifecycle, BeforeInstallAndAfterKillTheToneOperationsDoNothing)
{
    for (const char* moment : {"before install", "after kill"}) {
        SCOPED_TRACE(moment);
        const std::size_t calls_before = platform.calls.size();
        tone_service_initialize();
        EXPECT_EQ(play_tone_looping(), 0);
        EXPECT_EQ(is_tone_playing(), 0);
        EXPECT_EQ(stop_tone(), 0);
        EXPECT_EQ(rewind_tone(0), 0);
        tone_service_kill();
        EXPECT_EQ(platform.calls.size(), calls_before);
        EXPECT_EQ(alert_tone_state(), AlertToneState::not_set_up);

        tone_service_install();
        tone_service_kill();
    }
}

TEST_F(ToneLifecycle, InitializePlaysAtFullVolume)
{
    tone_service_install();
    platform.last_buffer()->volume = -10000;
    tone_service_initialize();

    EXPECT_EQ(platform.last_buffer()->volume, 0);
}

TEST_F(ToneLifecycle, PlayLoopsStopStopsAndRewindGoesBackToTheStart)
{
    tone_service_install();
    const ScriptedBuffer& buffer = *platform.last_buffer();

    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(play_tone_looping(), 1);
    EXPECT_EQ(is_tone_playing(), 1);
    EXPECT_EQ(buffer.play_flags, play_looping);

    platform.last_buffer()->position = 412;
    EXPECT_EQ(stop_tone(), 1);
    EXPECT_EQ(is_tone_playing(), 0);
    EXPECT_EQ(buffer.position, 412u);
    EXPECT_EQ(rewind_tone(0), 1);
    EXPECT_EQ(buffer.position, 0u);
    EXPECT_EQ(stop_tone(), 1); // stopping a stopped tone is no failure
    EXPECT_EQ(alert_tone_state(), AlertToneState::ready);
}

TEST_F(ToneLifecycle, KillWhilePlayingGivesBackBufferThenDeviceWithoutStopping)
{
    tone_service_install();
    play_tone_looping();
    platform.calls.clear();

    tone_service_kill();

    EXPECT_EQ(platform.calls, (std::vector<SoundCall>{SoundCall::release_buffer, SoundCall::release_device}));
    EXPECT_TRUE(platform.holds_nothing());
    EXPECT_EQ(alert_tone_state(), AlertToneState::not_set_up);
}

struct BufferCallCase {
    SoundCall call;
    std::function<std::int32_t()> operation;
};

TEST_F(ToneLifecycle, AFailingBufferCallTurnsTheToneOffAndGivesEverythingBack)
{
    const BufferCallCase cases[] = {
        {SoundCall::set_volume, [] { return set_tone_volume(0); }},
        {SoundCall::play, [] { return play_tone_looping(); }},
        {SoundCall::stop, [] { return stop_tone(); }},
        {SoundCall::set_current_position, [] { return rewind_tone(0); }},
        {SoundCall::get_status, [] { return is_tone_playing(); }},
    };
    for (const BufferCallCase& buffer_case : cases) {
        SCOPED_TRACE(sound_call_name(buffer_case.call));
        start_afresh();
        tone_service_install();
        play_tone_looping();
        platform.fail_next(buffer_case.call);

        EXPECT_EQ(buffer_case.operation(), 0);

        EXPECT_EQ(platform.live_buffers, 0);
        EXPECT_EQ(platform.live_devices, 0);
        expect_silent_for_good();
        tone_service_kill();
        tone_service_install();
        expect_silent_for_good();
        tone_service_kill();
        expect_no_faults();
    }
}

} // namespace
