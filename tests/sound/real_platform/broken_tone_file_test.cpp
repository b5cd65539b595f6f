// Broken tone files on the real file and sound calls: each ends as the
// player promises, and the program goes on.
#include <windows.h>

#include <cstdio>
#include <fstream>

#include "real_sound_fixture.h"
#include "wave_bytes.h"

namespace {

using BrokenToneFiles = RealSoundTest;

RiffChunkBytes format_chunk(Bytes data)
{
    return {.id = "fmt ", .data = std::move(data)};
}
RiffChunkBytes data_chunk(std::size_t bytes)
{
    return {.id = "data", .data = counting_bytes(bytes)};
}
const Bytes plain_pcm = pcm_format(2, 22050, 16);

// Mono 32-bit float in the 18-byte layout, with the extra-size field given
// and no extra bytes after it.
Bytes float_format(std::uint16_t stated_extra)
{
    Bytes format = with_format_tag(pcm_format(1, 22050, 32), format_tag_float);
    put_u16(format, stated_extra);
    return format;
}

struct ToneFileCase {
    // clang-format off
    const char* description;
    Bytes       file;
    bool        loads;
    // clang-format on
};

const std::string corpus_folder = program_folder() + "\\broken_tones";

std::string write_case(int number, const Bytes& bytes)
{
    const std::string path = corpus_folder + "\\case_" + std::to_string(number) + ".wav";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

void report(const char* description, std::uint32_t loaded)
{
    if (loaded != 0)
        std::printf("[tone file] %-58s loads, %u bytes\n", description, loaded);
    else
        std::printf("[tone file] %-58s off\n", description);
}

TEST_F(BrokenToneFiles, EachFileEitherLoadsOrTurnsTheToneOff)
{
    const ToneFileCase cases[] = {
        {"plain 16-byte PCM format", riff_file("WAVE", {format_chunk(plain_pcm), data_chunk(8820)}), true},
        {"40-byte extensible PCM format",
         riff_file("WAVE", {format_chunk(extensible_pcm_format(2, 22050)), data_chunk(8820)}), true},
        {"odd-sized chunk between format and samples",
         riff_file("WAVE", {format_chunk(plain_pcm), {.id = "LIST", .data = Bytes(3, 'x')}, data_chunk(8820)}), true},
        {"samples cut off by the end of the file",
         riff_file("WAVE", {format_chunk(plain_pcm), {.id = "data", .data = counting_bytes(400), .stated_size = 8820}}),
         true},
        {"PCM announcing 22 extra bytes it lacks",
         riff_file("WAVE", {format_chunk(pcm_format_with_extra(22, 0)), data_chunk(8820)}), true},
        {"PCM with 32 extra bytes, beyond extensible",
         riff_file("WAVE", {format_chunk(pcm_format_with_extra(32, 32)), data_chunk(8820)}), true},
        {"18-byte IEEE float format", riff_file("WAVE", {format_chunk(float_format(0)), data_chunk(8820)}), true},

        {"empty file", Bytes{}, false},
        {"text, not RIFF", Bytes{'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e', '\n'}, false},
        {"RIFF of form AVI", riff_file("AVI ", {format_chunk(plain_pcm), data_chunk(8820)}), false},
        {"no format chunk", riff_file("WAVE", {data_chunk(8820)}), false},
        {"no samples chunk", riff_file("WAVE", {format_chunk(plain_pcm)}), false},
        {"samples before the format", riff_file("WAVE", {data_chunk(8820), format_chunk(plain_pcm)}), false},
        {"samples of size 0", riff_file("WAVE", {format_chunk(plain_pcm), data_chunk(0)}), false},
        {"IEEE float announcing 22 extra bytes it lacks",
         riff_file("WAVE", {format_chunk(float_format(22)), data_chunk(8820)}), false},
        {"format cut off by the end of the file",
         riff_file("WAVE",
                   {{.id = "fmt ", .data = Bytes(plain_pcm.begin(), plain_pcm.begin() + 8), .stated_size = 16}}),
         false},
        {"samples of nearly 2 GB, beyond any sound buffer",
         riff_file("WAVE", {format_chunk(plain_pcm), {.id = "data", .data = {}, .stated_size = 0x7FFFFFF0}}), false},
        {"MPEG layer 3 format tag",
         riff_file("WAVE", {format_chunk(with_format_tag(plain_pcm, format_tag_mpeg_layer3)), data_chunk(8820)}),
         false},
        {"PCM with 0 channels", riff_file("WAVE", {format_chunk(pcm_format(0, 22050, 16)), data_chunk(8820)}), false},
        {"14-byte format without bits per sample",
         riff_file("WAVE", {format_chunk(Bytes(plain_pcm.begin(), plain_pcm.begin() + 14)), data_chunk(8820)}), false},
    };
    CreateDirectoryA(corpus_folder.c_str(), nullptr);
    int number = 0;
    for (const ToneFileCase& file_case : cases) {
        SCOPED_TRACE(file_case.description);
        const std::string path = write_case(++number, file_case.file);
        reset_alert_tone_player_for_tests();
        create_sound_device(host_window.handle());

        const std::uint32_t loaded = load_tone(path.c_str());

        report(file_case.description, loaded);
        EXPECT_EQ(alert_tone_state(), file_case.loads ? AlertToneState::ready : AlertToneState::off);
        tone_service_kill();
    }
}

TEST_F(BrokenToneFiles, PathsThatNameNoFileTurnTheToneOff)
{
    const std::string missing = corpus_folder + "\\no_such_tone.wav";
    const char* const paths[] = {missing.c_str(), corpus_folder.c_str(), nullptr};
    const char* const descriptions[] = {"a file that does not exist", "a folder", "no path at all"};
    CreateDirectoryA(corpus_folder.c_str(), nullptr);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(descriptions[i]);
        reset_alert_tone_player_for_tests();
        create_sound_device(host_window.handle());

        report(descriptions[i], load_tone(paths[i]));
        EXPECT_EQ(alert_tone_state(), AlertToneState::off);
        tone_service_kill();
    }
}

} // namespace
