// The tone player on real files and the real DirectSound of Wine.
#include "real_sound_fixture.h"

namespace {

using RealTonePlayer = RealSoundTest;

const std::string installed_tone_path = program_folder() + "\\gauges\\zor_sound.wav";

TEST_F(RealTonePlayer, InstallFindsTheToneInTheGaugesFolderAndItPlaysStopsAndRewinds)
{
    tone_service_install();
    ASSERT_EQ(alert_tone_state(), AlertToneState::ready);
    tone_service_initialize();

    EXPECT_EQ(is_tone_playing(), 0);
    EXPECT_EQ(play_tone_looping(), 1);
    EXPECT_EQ(play_tone_looping(), 1);
    EXPECT_EQ(is_tone_playing(), 1);
    EXPECT_EQ(stop_tone(), 1);
    EXPECT_EQ(rewind_tone(0), 1);
    EXPECT_EQ(is_tone_playing(), 0);
    EXPECT_EQ(alert_tone_state(), AlertToneState::ready);
}

TEST_F(RealTonePlayer, KillWhilePlayingThenInstallAgainGivesAWorkingTone)
{
    tone_service_install();
    play_tone_looping();
    tone_service_kill();
    EXPECT_EQ(alert_tone_state(), AlertToneState::not_set_up);

    tone_service_install();
    EXPECT_EQ(alert_tone_state(), AlertToneState::ready);
    EXPECT_EQ(play_tone_looping(), 1);
}

TEST_F(RealTonePlayer, ASecondInstallReplacesTheDeviceAndTone)
{
    tone_service_install();
    play_tone_looping();
    tone_service_install();

    EXPECT_EQ(alert_tone_state(), AlertToneState::ready);
    EXPECT_EQ(is_tone_playing(), 0);
    EXPECT_EQ(play_tone_looping(), 1);
}

TEST_F(RealTonePlayer, WithoutAHostWindowDirectSoundDecides)
{
    const std::int32_t created = create_sound_device(nullptr);
    std::printf("[sound] a device bound to no window: %s\n", created ? "accepted" : "refused, tone off");
    EXPECT_EQ(alert_tone_state(), created ? AlertToneState::not_set_up : AlertToneState::off);
    EXPECT_EQ(load_tone(installed_tone_path.c_str()) != 0, created != 0);
}

} // namespace
