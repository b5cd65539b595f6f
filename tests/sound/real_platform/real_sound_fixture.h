// A fresh tone player in a program with the host's main window, on the real
// platform; whatever a test sets up is given back after it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "sound/alert_tone_player.h"
#include "sound/tone_service.h"
#include "test_host_window.h"

// The class that this program's own name, sound_platform_tests, leads to.
inline constexpr const char* own_host_window_class = "FS98MAIN";

class RealSoundTest : public ::testing::Test {
protected:
    TestHostWindow host_window{own_host_window_class};

    void SetUp() override
    {
        reset_alert_tone_player_for_tests();
        ASSERT_NE(host_window.handle(), nullptr);
    }

    void TearDown() override
    {
        tone_service_kill();
        reset_alert_tone_player_for_tests();
    }
};

// The folder of this program, with no separator at its end.
std::string program_folder();
