// What DirectSound actually plays, measured in ALSA's recording of it.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "real_sound_fixture.h"
#include "sound_capture.h"

namespace {

using ToneRecording = RealSoundTest;
using std::chrono::steady_clock;

// The host asks for the tone once per frame, about 18 times a second.
constexpr DWORD frame_milliseconds = 55;
// Under emulation the recording may trail far behind the clock.
constexpr auto recording_patience = std::chrono::minutes(3);
// What was mixed before a request changed still reaches the recording
// after it; this much of each stretch is left out of its measurement.
constexpr double mixing_latency_seconds = 1.0;
// Each stretch lasts several loops of the half-second chime.
constexpr double stretch_seconds = 3.0;

std::uint64_t bytes_of(const SoundCapture& capture, double seconds)
{
    return static_cast<std::uint64_t>(seconds * capture.frames_per_second()) * capture.frame_bytes();
}

// Runs host frames making `request` until the recording has grown by
// `seconds` of sound past `from`; returns where it then ends.
std::uint64_t record_frames(const SoundCapture& capture, std::uint64_t from, double seconds,
                            const std::function<void()>& request)
{
    const std::uint64_t wanted = from + bytes_of(capture, seconds);
    const auto give_up = steady_clock::now() + recording_patience;
    std::uint64_t size = capture.size();
    while (size < wanted && steady_clock::now() < give_up) {
        request();
        Sleep(frame_milliseconds);
        size = capture.size();
    }
    return size;
}

void alert_frame()
{
    is_tone_playing();
    play_tone_looping();
}

void quiet_frame()
{
    is_tone_playing();
    stop_tone();
    rewind_tone(0);
}

void report(const char* stretch, const SignalLevel& level)
{
    std::printf("[sound] %-28s rms %7.1f dBFS, peak %5d, %zu frames\n", stretch, level.rms_dbfs, level.peak,
                level.frames);
    ::testing::Test::RecordProperty(std::string(stretch) + " rms dBFS", std::to_string(level.rms_dbfs));
}

TEST_F(ToneRecording, TheToneSoundsWhileAskedForAndIsSilentAfterStopAndRewind)
{
    std::optional<SoundCapture> capture = SoundCapture::from_environment();
    if (!capture)
        GTEST_SKIP() << "no sound capture configured (ZOR_SOUND_CAPTURE)";

    tone_service_install();
    tone_service_initialize();
    ASSERT_EQ(alert_tone_state(), AlertToneState::ready);
    // The device records from the moment it opens.
    const auto give_up = steady_clock::now() + recording_patience;
    while (!capture->read_format() && steady_clock::now() < give_up)
        Sleep(frame_milliseconds);
    ASSERT_NE(capture->frame_bytes(), 0u) << "nothing recorded in " << capture->path();

    const std::uint64_t quiet_start = capture->size();
    const std::uint64_t alert_start = record_frames(*capture, quiet_start, stretch_seconds, quiet_frame);
    const std::uint64_t alert_end = record_frames(*capture, alert_start, stretch_seconds, alert_frame);
    const std::uint64_t stopped_end = record_frames(*capture, alert_end, stretch_seconds, quiet_frame);
    ASSERT_GE(stopped_end, alert_end + bytes_of(*capture, stretch_seconds)) << "the recording stalled";

    const std::uint64_t latency = bytes_of(*capture, mixing_latency_seconds);
    const SignalLevel before = capture->level_between(quiet_start + latency, alert_start);
    const SignalLevel playing = capture->level_between(alert_start + latency, alert_end);
    const SignalLevel stopped = capture->level_between(alert_end + latency, stopped_end);
    // Looping: the tone still sounds two of its own lengths after it began.
    const SignalLevel late_in_the_alert = capture->level_between(alert_end - bytes_of(*capture, 0.5), alert_end);
    report("before the alert", before);
    report("while playing", playing);
    report("last half second playing", late_in_the_alert);
    report("after stop and rewind", stopped);

    EXPECT_LT(before.rms_dbfs, -80.0);
    EXPECT_GT(playing.rms_dbfs, -30.0);
    EXPECT_GT(late_in_the_alert.rms_dbfs, -30.0);
    EXPECT_LT(stopped.rms_dbfs, -80.0);
    EXPECT_LE(stopped.peak, 1);
}

} // namespace
