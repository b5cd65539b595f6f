#include "host/win32/panel_doctor.h"

#include <map>
#include <set>

#include "host/panelfile/panel_report.h"
#include "host/panelfile/panel_words.h"
#include "host/win32/directsound_watch.h"
#include "host/win32/file_open_watch.h"
#include "host/win32/module_library.h"
#include "host/win32/wide_text.h"
#include "host/win32/win32_platform.h"

namespace {

// Installs the window's gauges and closes them again, and says which files
// their modules could not open meanwhile, at the line of the module's
// first gauge; each file once for each module.
void install_and_listen(GaugePanel& panel, const FollowedPanel& followed, const PanelWindow& window,
                        ModuleFinder& finder, const Win32ModuleLibrary& library,
                        std::set<std::pair<HMODULE, std::string>>& told, std::vector<PanelMessage>& messages)
{
    take_failed_file_opens();
    panel.life.open();
    panel.life.close();
    take_watched_sound_calls();
    for (const FailedFileOpen& failed : take_failed_file_opens()) {
        const PanelGaugeLine* first = nullptr;
        for (const PanelGaugeLine& gauge : window.gauges) {
            const ModuleSearch& search = finder.find(gauge.module);
            if (!search.path.empty() && library.handle_of(search.path) == failed.module) {
                first = &gauge;
                break;
            }
        }
        if (first == nullptr || !told.insert({failed.module, lower(failed.path)}).second)
            continue;
        const bool there = GetFileAttributesW(wide_text(failed.path).c_str()) != INVALID_FILE_ATTRIBUTES;
        messages.push_back({.path = followed.path,
                            .line = first->line,
                            .problem = true,
                            .text = first->module + " looked at install for " + failed.path +
                                (there ? ", which is there but could not be opened" : ", which is missing")});
    }
}

// One gauge of each name of each module, on a panel of their own: what a
// module looks for at install does not change with how many of its gauges
// a window has, and installing ten thousand would take minutes.
void install_one_of_each(Win32Platform& platform, const FollowedPanel& followed, const CheckedWindow& checked,
                         ModuleFinder& finder, Win32ModuleLibrary& library,
                         std::set<std::pair<HMODULE, std::string>>& told, std::vector<PanelMessage>& messages)
{
    GaugePanel sample(platform);
    std::map<std::string, std::size_t> modules; // by file, lower case
    std::set<std::pair<std::string, std::string>> placed;
    for (const PanelGaugeLine* line : checked.placed_lines) {
        const ModuleSearch& search = finder.find(line->module);
        const std::string key = lower(search.path);
        if (!placed.insert({key, line->gauge}).second)
            continue;
        auto module = modules.find(key);
        std::string error;
        if (module == modules.end()) {
            const auto loaded = library.load(search.path, error);
            const auto index = loaded ? sample.modules.add_module(*loaded, error) : std::nullopt;
            if (!index)
                continue; // said when the window was placed
            module = modules.emplace(key, *index).first;
        }
        sample.placement.place(module->second, line->gauge, line->x, line->y, line->width, line->height);
    }
    if (!sample.placement.gauges().empty())
        install_and_listen(sample, followed, *checked.window, finder, library, told, messages);
}

} // namespace

std::string simulator_executable_path(const std::string& simulator_folder)
{
    if (simulator_folder.empty())
        return {};
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, sizeof own);
    const std::string path = own;
    return join_path(simulator_folder, file_name_of(path));
}

int check_panel_file(const HostCommandLine& command_line, HWND host_window, std::ostream& out)
{
    const std::string path = full_path(command_line.check_path);
    const std::string simulator_folder =
        command_line.simulator_folder.empty() ? simulator_folder_of(path) : full_path(command_line.simulator_folder);
    answer_executable_path(simulator_executable_path(simulator_folder));
    out << "checking " << path << "\n"
        << "simulator folder: "
        << (simulator_folder.empty() ? "not known (the panel file is not in Aircraft\\PLANE\\Panel\\)"
                                     : simulator_folder)
        << "\n";
    const FollowedPanel followed = follow_panel_aliases(path, simulator_folder);
    if (followed.path != path)
        out << "the panel is that of " << followed.path << "\n";
    std::vector<PanelMessage> messages = panel_file_messages(followed);
    Win32ModuleLibrary library(host_window);
    Win32Platform platform(nullptr);
    ModuleFinder finder(folder_of(followed.path), simulator_folder);
    std::set<std::pair<HMODULE, std::string>> told;
    std::vector<CheckedWindow> checked;
    for (const PanelWindow& window : followed.file.windows) {
        GaugePanel panel(platform);
        CheckedWindow& done = checked.emplace_back();
        done.window = &window;
        done.placed_lines = place_panel_window(followed, window, finder, panel, library, messages);
        done.placed = panel.placement.gauges();
        install_one_of_each(platform, followed, done, finder, library, told, messages);
    }
    // Files below the simulator's folder are named from there.
    const int problems = print_panel_report(followed, checked, messages, out,
                                            simulator_folder.empty() ? "" : join_path(simulator_folder, ""));
    return problems == 0 ? 0 : 1;
}
