#include "host/panelfile/panel_install.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <set>

#include "host/base/utf8_path.h"
#include "host/panelfile/panel_words.h"

namespace {

constexpr const char* panel_file_name = "panel.cfg";

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

// C:\..., \\server\..., /...: a path of its own, not below a folder.
bool whole_path(const std::string& name)
{
    const bool drive = name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
    return drive || name.starts_with('\\') || name.starts_with('/');
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
    if (folder.empty() || whole_path(name))
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

namespace {

// Why the alias to `folder` (whose panel file is `next`) is not followed,
// if it is not: it names a file, it goes round a loop, or it is one alias
// too many.
std::optional<std::string> alias_refusal(const std::string& folder, const std::string& next,
                                         const std::vector<std::string>& chain, const std::set<std::string>& seen,
                                         int step)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(folder, error) || lower(folder).ends_with(".cfg"))
        return "alias= names the file " + folder +
            ": a simulator takes alias= as the folder of another "
            "aircraft's panel (alias=PLANE\\panel) and finds no panel there";
    if (seen.contains(same_file_key(next))) {
        std::string loop;
        for (const std::string& path : chain)
            loop += path + " -> ";
        return "the alias goes round a loop: " + loop + next;
    }
    if (step == alias_steps_max)
        return "more than " + std::to_string(alias_steps_max) + " aliases one after another; not followed further";
    return std::nullopt;
}

} // namespace

FollowedPanel follow_panel_aliases(const std::string& panel_path, const std::string& simulator_folder)
{
    FollowedPanel followed{.path = panel_path, .file = read_panel_file(panel_path), .problems = {}};
    std::vector<std::string> chain{panel_path};
    std::set<std::string> seen{same_file_key(panel_path)};
    // The files an alias hides, with the gauge lines a pilot added to them.
    std::vector<AliasProblem> hidden;
    for (int step = 0; followed.file.alias; ++step) {
        const AliasProblem from{.path = followed.path, .line = followed.file.alias_line, .text = {}};
        auto problem = [&](const std::string& text) {
            followed.problems.push_back(from);
            followed.problems.back().text = text;
        };
        if (const int lines = followed.file.gauge_lines(); lines > 0)
            hidden.push_back({.path = followed.path, .line = followed.file.alias_line, .text = std::to_string(lines)});
        const std::string aircraft = simulator_folder.empty() ? folder_of(folder_of(folder_of(followed.path)))
                                                              : join_path(simulator_folder, "Aircraft");
        const std::string folder = join_path(aircraft, *followed.file.alias);
        const std::string next = join_path(folder, panel_file_name);
        if (const auto refused = alias_refusal(folder, next, chain, seen, step)) {
            problem(*refused);
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
    for (AliasProblem& lines : hidden) {
        const bool one = lines.text == "1";
        lines.text = (one ? "this file's 1 gauge line is" : "these " + lines.text + " gauge lines are") +
            " in a file the simulator does not read: the panel is that of " + followed.path +
            "; add the lines there, or remove the alias";
        followed.problems.push_back(std::move(lines));
    }
    return followed;
}
