// Setting the tone up at install: what a good file leaves behind, and how
// every failure along the way ends.
#include <algorithm>
#include <set>

#include "sound/tone_service.h"
#include "sound_test_fixture.h"

namespace {

using ToneSetUp = SoundTest;

TEST_F(ToneSetUp, InstallLeavesTheToneStoppedAtItsStartAndKeepsNoTemporaries)
{
    tone_service_install();

    ASSERT_EQ(alert_tone_state(), AlertToneState::ready);
    const ScriptedBuffer& buffer = *platform.last_buffer();
    EXPECT_EQ(buffer.samples, counting_bytes(tone_bytes));
    EXPECT_EQ(buffer.flags, 0x80E0u);
    EXPECT_FALSE(buffer.playing);
    EXPECT_EQ(buffer.position, 0u);
    EXPECT_EQ(buffer.device->window, classic_window);
    EXPECT_EQ(buffer.device->cooperative_level, cooperative_level_normal);
    EXPECT_EQ(platform.opened_paths, std::vector<std::string>{tone_path});
    EXPECT_EQ(platform.live_texts, 0);
    EXPECT_EQ(platform.live_blocks, 0);
    EXPECT_EQ(platform.open_files, 0);
}

TEST_F(ToneSetUp, EachFailingCallOfSetUpEndsOffWithEverythingGivenBack)
{
    tone_service_install();
    const std::vector<SoundCall> calls = platform.calls;
    // The window lookup comes first; a missing window does not stop set-up.
    const auto after_lookup = std::find(calls.begin(), calls.end(), SoundCall::find_window) + 1;

    std::set<SoundCall> failed_kinds;
    for (auto call = after_lookup; call != calls.end(); ++call) {
        if (!can_fail(*call))
            continue;
        const int occurrence = static_cast<int>(std::count(calls.begin(), call + 1, *call));
        SCOPED_TRACE(std::string(sound_call_name(*call)) + " #" + std::to_string(occurrence));
        start_afresh();
        platform.fail(*call, occurrence);

        tone_service_install();

        // Closing a file that was read whole is no failure.
        if (*call == SoundCall::mmio_close) {
            EXPECT_EQ(alert_tone_state(), AlertToneState::ready);
            continue;
        }
        failed_kinds.insert(*call);
        expect_silent_for_good();
        EXPECT_TRUE(platform.holds_nothing());
        expect_no_faults();
    }

    const std::set<SoundCall> every_kind = {SoundCall::create_device, SoundCall::set_cooperative_level,
                                            SoundCall::allocate_text, SoundCall::executable_path,
                                            SoundCall::mmio_open,     SoundCall::mmio_descend,
                                            SoundCall::mmio_read,     SoundCall::mmio_ascend,
                                            SoundCall::global_alloc,  SoundCall::global_lock,
                                            SoundCall::create_buffer, SoundCall::lock,
                                            SoundCall::unlock,        SoundCall::set_current_position};
    EXPECT_EQ(failed_kinds, every_kind);
}

TEST_F(ToneSetUp, AFailedDeviceLeavesTheFileUnread)
{
    platform.fail(SoundCall::create_device);
    tone_service_install();

    EXPECT_EQ(platform.count(SoundCall::mmio_open), 0);
    expect_silent_for_good();
}

TEST_F(ToneSetUp, AMissingHostWindowIsHandedToTheDeviceWhichDecides)
{
    platform.windows.clear();
    tone_service_install();

    EXPECT_EQ(alert_tone_state(), AlertToneState::ready);
    EXPECT_EQ(platform.last_buffer()->device->window, nullptr);
}

TEST_F(ToneSetUp, AfterAFailureASecondInstallMakesADeviceButNoTone)
{
    platform.fail(SoundCall::create_buffer);
    tone_service_install();
    tone_service_install();

    EXPECT_EQ(platform.live_devices, 1);
    EXPECT_EQ(platform.count(SoundCall::mmio_open), 1);
    expect_silent_for_good();
    tone_service_kill();
    EXPECT_TRUE(platform.holds_nothing());
}

TEST_F(ToneSetUp, ASecondInstallGivesBackTheEarlierBufferAndDeviceFirst)
{
    tone_service_install();
    platform.calls.clear();
    tone_service_install();

    const auto& calls = platform.calls;
    const auto made = std::find(calls.begin(), calls.end(), SoundCall::create_device);
    const std::vector<SoundCall> before_the_new_device(calls.begin(), made);
    EXPECT_EQ(std::count(before_the_new_device.begin(), before_the_new_device.end(), SoundCall::release_buffer), 1);
    EXPECT_EQ(before_the_new_device.back(), SoundCall::release_device);
    EXPECT_EQ(platform.live_devices, 1);
    EXPECT_EQ(platform.live_buffers, 1);
    EXPECT_EQ(alert_tone_state(), AlertToneState::ready);
}

TEST_F(ToneSetUp, ALoadWithoutADeviceGoesOffWithoutTouchingOne)
{
    EXPECT_EQ(load_tone(tone_path), 0u);
    EXPECT_EQ(platform.count(SoundCall::create_buffer), 0);
    expect_silent_for_good();
}

// DirectSound may hand out less than the whole buffer; only what the regions
// hold is written, in order.
TEST_F(ToneSetUp, SamplesFillOnlyTheRegionsTheLockHandsOut)
{
    platform.first_lock_region_limit = 400;
    platform.second_lock_region_limit = 0;
    tone_service_install();

    const Bytes& samples = platform.last_buffer()->samples;
    const Bytes expected = counting_bytes(400);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), samples.begin()));
    EXPECT_TRUE(std::all_of(samples.begin() + 400, samples.end(), [](std::uint8_t b) { return b == 0xEE; }));
}

TEST_F(ToneSetUp, SamplesSplitAcrossTwoRegionsArriveWhole)
{
    platform.first_lock_region_limit = 333;
    tone_service_install();

    EXPECT_EQ(platform.last_buffer()->samples, counting_bytes(tone_bytes));
}

} // namespace
