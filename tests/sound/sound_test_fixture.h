// A host at D:\Sim with its main window and a good tone file, on the scripted
// platform; every test starts from a freshly loaded module.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "sound/scripted/platform.h"
#include "sound/alert_tone_player.h"
#include "wave_bytes.h"

class SoundTest : public ::testing::Test {
protected:
    static constexpr const char* host_executable = "D:\\Sim\\fs2000.exe";
    // Where the module looks for its tone, seam included.
    static constexpr const char* tone_path = "D:\\Sim\\\\gauges\\zor_sound.wav";
    static constexpr std::size_t tone_bytes = 1000;

    ScriptedSoundPlatform& platform = scripted_sound_platform();
    HostWindow classic_window = reinterpret_cast<HostWindow>(0x1001);
    HostWindow later_window = reinterpret_cast<HostWindow>(0x1002);

    static Bytes good_tone()
    {
        return riff_file(
            "WAVE",
            {{.id = "fmt ", .data = pcm_format(1, 22050, 16)}, {.id = "data", .data = counting_bytes(tone_bytes)}});
    }

    void SetUp() override { start_afresh(); }

    void TearDown() override
    {
        expect_no_faults();
        reset_alert_tone_player_for_tests();
        EXPECT_TRUE(platform.holds_nothing()) << "something was never given back";
        reset_scripted_sound_platform();
    }

    void start_afresh()
    {
        reset_alert_tone_player_for_tests();
        reset_scripted_sound_platform();
        platform.executable_path = host_executable;
        platform.windows["FS98MAIN"] = classic_window;
        platform.files[tone_path] = good_tone();
    }

    void expect_no_faults()
    {
        for (const std::string& fault : platform.faults)
            ADD_FAILURE() << "platform misuse: " << fault;
    }

    // Off: the tone operations make no platform call and report nothing.
    void expect_silent_for_good()
    {
        EXPECT_EQ(alert_tone_state(), AlertToneState::off);
        const std::size_t calls_before = platform.calls.size();
        EXPECT_EQ(set_tone_volume(0), 0);
        EXPECT_EQ(play_tone_looping(), 0);
        EXPECT_EQ(is_tone_playing(), 0);
        EXPECT_EQ(stop_tone(), 0);
        EXPECT_EQ(rewind_tone(0), 0);
        EXPECT_EQ(platform.calls.size(), calls_before);
    }
};
