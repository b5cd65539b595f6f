// Misuse sequences of the host executable's path, as GetModuleFileNameA
// gives it to the module: paths that fill its 260-byte buffer exactly, or
// overflow it, with and without the terminating zero, or no path at all.
#include <algorithm>

#include "executable_path_fake.h"
#include "host/win32/directsound_watch.h"
#include "misuse_run.h"

namespace {

// A host folder below the probe's that leaves room for the tone's path: the
// folder with its separator and "\gauges\zor_sound.wav" take 222 bytes. Its
// tone is longer than the one beside the probe, to tell the two apart.
constexpr std::size_t long_folder_bytes = 200;
constexpr std::size_t long_folder_tone_bytes = 96;

std::string long_host_folder(const ProbeSetup& setup)
{
    std::string folder = setup.folder + "\\long_host";
    CreateDirectoryA(folder.c_str(), nullptr);
    while (folder.size() + 1 < long_folder_bytes) {
        folder += "\\" + std::string(std::min<std::size_t>(40, long_folder_bytes - folder.size() - 1), 'd');
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    CreateDirectoryA((folder + "\\gauges").c_str(), nullptr);
    write_file(folder + "\\gauges\\zor_sound.wav",
               riff_file("WAVE",
                         {{.id = "fmt ", .data = pcm_format(1, 11025, 16)},
                          {.id = "data", .data = counting_bytes(long_folder_tone_bytes)}}));
    return folder;
}

// A host named zor_hhh...h.exe in the long folder, `bytes` long in all.
void run_with_executable_path(Misuse& m, std::size_t bytes, PathCut cut, bool tone_expected)
{
    const std::string folder = long_host_folder(m.setup) + "\\";
    const std::string name = "zor_" + std::string(bytes - folder.size() - 8, 'h') + ".exe";
    m.expect(fake_executable_path(m.module.handle(), folder + name, cut), "GetModuleFileNameA cannot be faked");
    m.module.panel().life.open();
    m.expect(watched_window_lookup().found_host_window, "the host's main window was not found");
    const bool long_folder_tone = tone_loaded() && watched_tone_buffer().bytes == long_folder_tone_bytes;
    m.expect(long_folder_tone == tone_expected && (tone_expected || !tone_loaded()),
             tone_expected ? "no tone from the long folder" : "a tone was loaded");
}

void executable_path_259_bytes(Misuse& m)
{
    run_with_executable_path(m, 259, PathCut::terminated, true);
}
void executable_path_260_bytes(Misuse& m)
{
    run_with_executable_path(m, 260, PathCut::terminated, false);
}
void executable_path_261_bytes(Misuse& m)
{
    run_with_executable_path(m, 261, PathCut::terminated, false);
}
void executable_path_1000_bytes(Misuse& m)
{
    run_with_executable_path(m, 1000, PathCut::terminated, false);
}
void executable_path_260_bytes_unterminated(Misuse& m)
{
    run_with_executable_path(m, 260, PathCut::unterminated, false);
}
void executable_path_1000_bytes_unterminated(Misuse& m)
{
    run_with_executable_path(m, 1000, PathCut::unterminated, false);
}
void executable_path_unreadable(Misuse& m)
{
    run_with_executable_path(m, 259, PathCut::unreadable, false);
}

} // namespace

const std::vector<MisuseSequence> executable_path_sequences = {
    // clang-format off
    {.name = "executable_path_259_bytes",               .services_written = true,  .run = executable_path_259_bytes},
    {.name = "executable_path_260_bytes",               .services_written = true,  .run = executable_path_260_bytes},
    {.name = "executable_path_261_bytes",               .services_written = true,  .run = executable_path_261_bytes},
    {.name = "executable_path_1000_bytes",              .services_written = true,  .run = executable_path_1000_bytes},
    {.name = "executable_path_260_bytes_unterminated",  .services_written = true,  .run = executable_path_260_bytes_unterminated},
    {.name = "executable_path_1000_bytes_unterminated", .services_written = true,  .run = executable_path_1000_bytes_unterminated},
    {.name = "executable_path_unreadable",              .services_written = true,  .run = executable_path_unreadable},
    // clang-format on
};
