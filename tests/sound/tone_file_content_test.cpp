// What the player makes of the tone file's chunks: which files load, which
// turn the tone off, and what format and samples reach the buffer.
#include "sound_test_fixture.h"

namespace {

using ToneFileContent = SoundTest;

RiffChunkBytes format_chunk(Bytes data)
{
    return {.id = "fmt ", .data = std::move(data)};
}
RiffChunkBytes data_chunk(std::size_t bytes)
{
    return {.id = "data", .data = counting_bytes(bytes)};
}
const Bytes plain_pcm = pcm_format(1, 22050, 16);
const Bytes extensible = extensible_pcm_format(2, 22050);

struct FileCase {
    // clang-format off
    const char* description;
    Bytes       file;
    bool        loads;
    // clang-format on
};

TEST_F(ToneFileContent, FilesThatLoadAndFilesThatTurnTheToneOff)
{
    const FileCase cases[] = {
        {"a plain 16-byte PCM format", riff_file("WAVE", {format_chunk(plain_pcm), data_chunk(64)}), true},
        {"an 18-byte format without extra bytes",
         riff_file("WAVE", {format_chunk(pcm_format_with_extra(0, 0)), data_chunk(64)}), true},
        {"the 40-byte extensible format",
         riff_file("WAVE", {format_chunk(extensible_pcm_format(2, 22050)), data_chunk(64)}), true},
        {"other chunks, odd-sized, between format and samples",
         riff_file("WAVE", {format_chunk(plain_pcm), {.id = "LIST", .data = Bytes(3, 'x')}, data_chunk(64)}), true},
        {"samples cut off by the end of the file",
         riff_file("WAVE", {format_chunk(plain_pcm), {.id = "data", .data = counting_bytes(10), .stated_size = 64}}),
         true},
        {"PCM announcing extra bytes it does not hold",
         riff_file("WAVE", {format_chunk(pcm_format_with_extra(22, 0)), data_chunk(64)}), true},
        {"PCM whose extra bytes exceed the extensible format",
         riff_file("WAVE", {format_chunk(pcm_format_with_extra(32, 32)), data_chunk(64)}), true},

        {"an empty file", Bytes{}, false},
        {"a RIFF file of another form", riff_file("AVI ", {format_chunk(plain_pcm), data_chunk(64)}), false},
        {"no format chunk", riff_file("WAVE", {data_chunk(64)}), false},
        {"no samples chunk", riff_file("WAVE", {format_chunk(plain_pcm)}), false},
        {"samples before the format", riff_file("WAVE", {data_chunk(64), format_chunk(plain_pcm)}), false},
        {"samples of size 0", riff_file("WAVE", {format_chunk(plain_pcm), data_chunk(0)}), false},
        {"IEEE float announcing extra bytes it does not hold",
         riff_file("WAVE",
                   {format_chunk(with_format_tag(pcm_format_with_extra(22, 0), format_tag_float)), data_chunk(64)}),
         false},
        {"extensible announcing more extra bytes than it holds",
         riff_file("WAVE", {format_chunk(Bytes(extensible.begin(), extensible.end() - 1)), data_chunk(64)}), false},
        {"IEEE float whose extra bytes exceed the extensible format",
         riff_file("WAVE",
                   {format_chunk(with_format_tag(pcm_format_with_extra(32, 32), format_tag_float)), data_chunk(64)}),
         false},
        {"a format cut off by the end of the file",
         riff_file("WAVE",
                   {{.id = "fmt ", .data = Bytes(plain_pcm.begin(), plain_pcm.begin() + 8), .stated_size = 16}}),
         false},
        {"samples too many to stage",
         riff_file("WAVE", {format_chunk(plain_pcm), {.id = "data", .data = {}, .stated_size = 0x80000000u}}), false},
    };
    for (const FileCase& file_case : cases) {
        SCOPED_TRACE(file_case.description);
        start_afresh();
        platform.files[tone_path] = file_case.file;
        create_sound_device(classic_window);

        const std::uint32_t loaded = load_tone(tone_path);

        EXPECT_EQ(alert_tone_state(), file_case.loads ? AlertToneState::ready : AlertToneState::off);
        EXPECT_EQ(loaded != 0, file_case.loads);
        EXPECT_EQ(platform.live_blocks, 0);
        EXPECT_EQ(platform.open_files, 0);
        expect_no_faults();
    }
}

// DirectSound reads the 18-byte head and as many extra bytes as it
// announces; the scripted platform reads exactly that, so anything past
// the format's memory would show up here (and under the address sanitizer).
TEST_F(ToneFileContent, APlainPcmFormatReachesTheBufferWithNoExtraBytes)
{
    platform.files[tone_path] = riff_file("WAVE", {format_chunk(plain_pcm), data_chunk(64)});
    create_sound_device(classic_window);
    load_tone(tone_path);

    Bytes expected = plain_pcm;
    put_u16(expected, 0);
    EXPECT_EQ(platform.last_buffer()->format, expected);
}

// What Windows' DirectSound would refuse never reaches it, nor is staged:
// Wine's takes megahertz rates and then fails while mixing them.
TEST_F(ToneFileContent, RatesAndSizesDirectSoundRefusesAreRefusedFirst)
{
    struct Case {
        std::uint32_t rate;
        std::uint32_t stated_samples;
        bool loads;
    };
    const Case cases[] = {
        // clang-format off
        {99, 64, false},      {100, 64, true},          {200000, 64, true},   {200001, 64, false},
        {0, 64, false},       {16788241, 64, false},    {0xFFFFFFFF, 64, false},
        {22050, 0x10000000, false}, {22050, 0xFFFFFFFF, false},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.stated_samples << " bytes");
        start_afresh();
        platform.files[tone_path] =
            riff_file("WAVE",
                      {format_chunk(pcm_format(1, c.rate, 16)),
                       {.id = "data", .data = counting_bytes(64), .stated_size = c.stated_samples}});
        create_sound_device(classic_window);

        EXPECT_EQ(load_tone(tone_path) != 0, c.loads);
        const bool staged =
            std::find(platform.calls.begin(), platform.calls.end(), SoundCall::global_alloc) != platform.calls.end();
        const bool handed =
            std::find(platform.calls.begin(), platform.calls.end(), SoundCall::create_buffer) != platform.calls.end();
        EXPECT_EQ(staged, c.loads);
        EXPECT_EQ(handed, c.loads);
        reset_alert_tone_player_for_tests();
    }
    // The largest size DirectSound takes is staged; its allocation is made
    // to fail rather than hold a quarter of a gigabyte.
    start_afresh();
    platform.files[tone_path] =
        riff_file("WAVE",
                  {format_chunk(pcm_format(1, 22050, 16)),
                   {.id = "data", .data = counting_bytes(64), .stated_size = buffer_bytes_max}});
    platform.fail(SoundCall::global_alloc);
    create_sound_device(classic_window);
    EXPECT_EQ(load_tone(tone_path), 0u);
    EXPECT_EQ(platform.count(SoundCall::global_alloc), 1);
}

// DirectSound ignores the extra-size field of PCM; a stray count must not
// make it read on past the format either.
TEST_F(ToneFileContent, PcmWithAStrayExtraSizeReachesTheBufferWithItCleared)
{
    const Bytes stray = pcm_format_with_extra(22, 2);
    platform.files[tone_path] = riff_file("WAVE", {format_chunk(stray), data_chunk(64)});
    create_sound_device(classic_window);

    EXPECT_EQ(load_tone(tone_path), 64u);
    Bytes expected(stray.begin(), stray.begin() + 16);
    put_u16(expected, 0);
    EXPECT_EQ(platform.last_buffer()->format, expected);
}

TEST_F(ToneFileContent, TheExtensibleFormatReachesTheBufferWhole)
{
    const Bytes extensible = extensible_pcm_format(2, 44100);
    platform.files[tone_path] = riff_file("WAVE", {format_chunk(extensible), data_chunk(64)});
    create_sound_device(classic_window);
    load_tone(tone_path);

    EXPECT_EQ(platform.last_buffer()->format, extensible);
}

TEST_F(ToneFileContent, ALongerFormatChunkIsReadOnlyAsFarAsItsExtraBytesReach)
{
    Bytes padded = pcm_format_with_extra(4, 4);
    padded.resize(padded.size() + 10, 0x77);
    platform.files[tone_path] = riff_file("WAVE", {format_chunk(padded), data_chunk(64)});
    create_sound_device(classic_window);
    load_tone(tone_path);

    EXPECT_EQ(platform.last_buffer()->format, Bytes(padded.begin(), padded.begin() + 22));
}

TEST_F(ToneFileContent, SamplesMissingFromACutOffFileAreSilence)
{
    platform.files[tone_path] =
        riff_file("WAVE", {format_chunk(plain_pcm), {.id = "data", .data = counting_bytes(600), .stated_size = 1000}});
    create_sound_device(classic_window);

    EXPECT_EQ(load_tone(tone_path), 1000u);
    Bytes expected = counting_bytes(600);
    expected.resize(1000, 0);
    EXPECT_EQ(platform.last_buffer()->samples, expected);
}

} // namespace
