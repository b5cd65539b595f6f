#include "host/scenario/panel_install.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "host/base/utf8_path.h"
#include "host/scenario/panel_words.h"

namespace {

constexpr const char* panel_file_name = "panel.cfg";

// ORDER: the kinds a simulator loads, in the order it prefers them.
const char* const loadable_kinds[] = {".gau", ".dll"};

char separator_of(const std::string& path)
{
    return path.find('\\') != std::string::npos || path.find('/') == std::string::npos ? '\\' : '/';
}

// The same file whichever separators and case the path was written with.
std::string same_file_key(const std::string& path)
{
    std::string key = lower(path);
    std::replace(key.begin(), key.end(), '\\', '/');
    return key;
}

} // namespace

std::string folder_of(const std::string& path)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && (trimmed.back() == '\\' || trimmed.back() == '/'))
        trimmed.pop_back();
    const std::size_t cut = trimmed.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : trimmed.substr(0, cut);
}

std::string file_name_of(const std::string& path)
{
    return path.substr(path.find_last_of("\\/") + 1);
}

std::string join_path(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    const char separator = separator_of(folder);
    std::string tail = name;
    std::replace(tail.begin(), tail.end(), separator == '\\' ? '/' : '\\', separator);
    const bool ends = folder.back() == '\\' || folder.back() == '/';
    return folder + (ends ? "" : std::string(1, separator)) + tail;
}

std::string simulator_folder_of(const std::string& panel_path)
{
    std::string folder = folder_of(panel_path);
    for (int level = 0; level < 3 && !folder.empty(); ++level)
        folder = folder_of(folder);
    return folder;
}

FollowedPanel follow_panel_aliases(const std::string& panel_path, const std::string& simulator_folder)
{
    FollowedPanel followed{.path = panel_path, .file = read_panel_file(panel_path), .problems = {}};
    std::vector<std::string> chain{panel_path};
    std::set<std::string> seen{same_file_key(panel_path)};
    for (int step = 0; followed.file.alias; ++step) {
        const AliasProblem from{.path = followed.path, .line = followed.file.alias_line, .text = {}};
        auto problem = [&](const std::string& text) {
            followed.problems.push_back(from);
            followed.problems.back().text = text;
        };
        const std::string aircraft = simulator_folder.empty() ? folder_of(folder_of(folder_of(followed.path)))
                                                              : join_path(simulator_folder, "Aircraft");
        std::string next = join_path(aircraft, *followed.file.alias);
        if (!lower(next).ends_with(".cfg"))
            next = join_path(next, panel_file_name);
        if (seen.contains(same_file_key(next))) {
            std::string loop;
            for (const std::string& path : chain)
                loop += path + " -> ";
            problem("the alias goes round a loop: " + loop + next);
            followed.file = PanelFile{};
            return followed;
        }
        if (step == alias_steps_max) {
            problem("more than " + std::to_string(alias_steps_max) +
                    " aliases one after another; not followed further");
            followed.file = PanelFile{};
            return followed;
        }
        chain.push_back(next);
        seen.insert(same_file_key(next));
        followed.path = next;
        followed.file = read_panel_file(next);
        for (const PanelFileMessage& message : followed.file.messages)
            if (message.line == 0)
                problem("the alias leads to " + next + ", which: " + message.text);
        if (!followed.problems.empty()) {
            followed.file = PanelFile{};
            return followed;
        }
    }
    return followed;
}

ModuleSearch find_module_file(const std::string& module, const std::string& panel_folder,
                              const std::string& simulator_folder)
{
    ModuleSearch search;
    search.looked_in.push_back(panel_folder);
    if (!simulator_folder.empty())
        search.looked_in.push_back(join_path(simulator_folder, gauges_folder_name));
    const std::string wanted = lower(module);
    for (const std::string& folder : search.looked_in) {
        // Any file of the module's name counts as found: one of a kind this
        // host does not load is named as such rather than as missing.
        std::error_code error;
        std::string other_kind;
        for (const auto& entry : std::filesystem::directory_iterator(utf8_path(folder.empty() ? "." : folder), error)) {
            const std::filesystem::path& path = entry.path();
            if (lower(utf8_text(path.stem())) != wanted)
                continue;
            const std::string kind = lower(utf8_text(path.extension()));
            const auto loadable = std::find(std::begin(loadable_kinds), std::end(loadable_kinds), kind);
            const std::string found = join_path(folder, utf8_text(path.filename()));
            if (loadable != std::end(loadable_kinds) && !entry.is_directory(error)) {
                if (search.loadable && lower(search.path).ends_with(loadable_kinds[0]))
                    continue;
                search.path = found;
                search.loadable = true;
            } else if (other_kind.empty()) {
                other_kind = found;
            }
        }
        if (search.loadable)
            return search;
        if (!other_kind.empty()) {
            search.path = other_kind;
            return search;
        }
    }
    return search;
}
