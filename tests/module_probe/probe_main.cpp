// A minimal host of the real module for its fault tests: loads the module
// afresh for each case, as the simulator loads it, and runs either the wave
// corpus or the host-misuse sequences against it.
//
//     zor_module_probe corpus|misuse
//
// The module is KRV_ZOR_V1_02.gau beside the probe; the corpus files are
// left in the corpus folder beside it.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "corpus_run.h"
#include "host/panel/window_class.h"
#include "misuse_run.h"
#include "test_host_window.h"
#include "watchdog.h"

namespace {

constexpr int exit_failed = 1;
constexpr int exit_usage = 2;
constexpr const char* module_file = "KRV_ZOR_V1_02.gau";
constexpr const char* corpus_folder = "corpus";

std::string own_path()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string folder_of(const std::string& path)
{
    return path.substr(0, path.find_last_of('\\'));
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc == 2 ? argv[1] : "";
    if (mode != "corpus" && mode != "misuse") {
        std::fprintf(stderr, "usage: zor_module_probe corpus|misuse\n");
        return exit_usage;
    }
    start_watchdog();
    // The main window the module's lookup finds: the class this probe's own
    // name calls for, as the simulator registers its own.
    const std::string path = own_path();
    const TestHostWindow window(main_window_class_for(executable_file_name(path)));
    const std::string folder = folder_of(path);
    const ProbeSetup setup{
        .module_path = folder + "\\" + module_file, .folder = folder, .host_window = window.handle()};

    const auto started = std::chrono::steady_clock::now();
    const bool passed =
        mode == "corpus" ? run_wave_corpus(setup, folder + "\\" + corpus_folder) : run_misuse_sequences(setup);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::printf("%s run took %.1f s\n", mode.c_str(), took.count());
    return passed ? 0 : exit_failed;
}
