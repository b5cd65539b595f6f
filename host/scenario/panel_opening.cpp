#include "host/scenario/panel_opening.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <tuple>

#include "host/raster/dib_decoder.h"
#include "host/base/input_file.h"
#include "host/scenario/panel_words.h"

namespace {

// Letters to change, add or drop to make one name the other, ignoring case.
std::size_t edit_distance(const std::string& a, const std::string& b)
{
    const std::string x = lower(a), y = lower(b);
    std::vector<std::size_t> row(y.size() + 1);
    for (std::size_t j = 0; j <= y.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= x.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

std::vector<std::string> offered_gauges(const LinkageRecord& linkage)
{
    std::vector<std::string> names;
    for (const GaugeHeader* gauge : linkage.gauge_table) {
        if (gauge == nullptr)
            break;
        if (gauge->name != nullptr)
            names.emplace_back(gauge->name);
    }
    return names;
}

std::string not_offered(const std::string& module, const std::string& gauge, const LinkageRecord& linkage)
{
    const std::vector<std::string> names = offered_gauges(linkage);
    std::string text = module + " offers no gauge " + gauge + "; it offers ";
    std::string nearest;
    std::size_t nearest_distance = std::string::npos;
    for (const std::string& name : names) {
        text += (&name == &names.front() ? "" : ", ") + name;
        const std::size_t distance = edit_distance(gauge, name);
        if (distance < nearest_distance)
            nearest = name, nearest_distance = distance;
    }
    if (names.empty())
        text += "none";
    // A typo: a few letters off, or the same name in another case.
    if (!nearest.empty() && nearest_distance <= std::max<std::size_t>(2, gauge.size() / 3))
        text += " (did you mean " + nearest + "?)";
    return text;
}

// Why the gauge cannot be drawn as big or as far out as the line places
// it, before anything is allocated for it: a gauge is at most
// panel_side_limit a side, and a window without a design space is as big
// as its gauges reach.
std::optional<std::string> oversized(const GaugePanel& panel, std::size_t module, const PanelGaugeLine& gauge,
                                     const PanelBackdrop& backdrop)
{
    const auto size = panel.placed_size(module, gauge.gauge, gauge.width, gauge.height);
    if (!size)
        return std::nullopt; // not offered: said when it is placed
    const std::string limit = std::to_string(panel_side_limit);
    if (size->width > panel_side_limit || size->height > panel_side_limit)
        return "placed at " + std::to_string(size->width) + " x " + std::to_string(size->height) +
            " pixels, larger than the " + limit + " a side this host draws; not placed";
    const long long right = 0LL + gauge.x + size->width, bottom = 0LL + gauge.y + size->height;
    const bool far = gauge.x < -panel_side_limit || gauge.y < -panel_side_limit ||
        (backdrop.width > 0 ? gauge.x > panel_side_limit || gauge.y > panel_side_limit
                            : right > panel_side_limit || bottom > panel_side_limit);
    if (far)
        return "placed at " + std::to_string(gauge.x) + ", " + std::to_string(gauge.y) +
            (backdrop.width > 0 ? ", beyond " + limit + " pixels from the window's corner"
                                : "; the window has no design space and would reach beyond " + limit + " a side") +
            "; not placed";
    return std::nullopt;
}

std::string folders_text(const std::vector<std::string>& folders)
{
    std::string text;
    for (const std::string& folder : folders)
        text += (text.empty() ? "" : ", then ") + folder;
    return text;
}

} // namespace

void print_panel_messages(std::vector<PanelMessage> messages, std::ostream& out, const std::string& relative_to)
{
    std::stable_sort(messages.begin(), messages.end(), [](const PanelMessage& a, const PanelMessage& b) {
        return std::tie(a.path, a.line) < std::tie(b.path, b.line);
    });
    for (const PanelMessage& m : messages)
        out << (!relative_to.empty() && m.path.starts_with(relative_to) ? m.path.substr(relative_to.size()) : m.path)
            << (m.line > 0 ? ":" + std::to_string(m.line) : std::string()) << ": " << (m.problem ? "" : "note: ")
            << m.text << "\n";
}

int count_problems(const std::vector<PanelMessage>& messages)
{
    return static_cast<int>(std::count_if(messages.begin(), messages.end(), [](const auto& m) { return m.problem; }));
}

std::vector<PanelMessage> panel_file_messages(const FollowedPanel& followed)
{
    std::vector<PanelMessage> messages;
    for (const AliasProblem& problem : followed.problems)
        messages.push_back({.path = problem.path, .line = problem.line, .problem = true, .text = problem.text});
    for (const PanelFileMessage& m : followed.file.messages)
        messages.push_back({.path = followed.path, .line = m.line, .problem = m.problem, .text = m.text});
    return messages;
}

std::optional<Image> read_background(const std::string& path, std::string& error)
{
    std::string problem;
    const auto bytes = read_input_file(path, bmp_file_max_bytes, problem);
    if (!bytes) {
        error = "the background " + path + " " + problem;
        return std::nullopt;
    }
    std::optional<Image> picture = decode_bmp_file(*bytes, problem);
    if (!picture)
        error = "the background " + path + " is not an uncompressed 8-bit or 24-bit .bmp file: " + problem;
    return picture;
}

void place_panel_window(const FollowedPanel& followed, const PanelWindow& window, const std::string& simulator_folder,
                        GaugePanel& panel, ModuleLibrary& library, std::vector<PanelMessage>& messages)
{
    const std::string panel_folder = folder_of(followed.path);
    auto say = [&](int line, bool problem, const std::string& text) {
        messages.push_back({.path = followed.path, .line = line, .problem = problem, .text = text});
    };

    PanelBackdrop backdrop;
    if (!window.background.empty()) {
        std::string error;
        backdrop.picture = read_background(join_path(panel_folder, window.background), error);
        if (!backdrop.picture)
            say(window.background_line, true, error);
    }
    if (window.size_mm) {
        backdrop.width = window.size_mm->width;
        backdrop.height = window.size_mm->height;
    } else if (backdrop.picture) {
        backdrop.width = backdrop.picture->width;
        backdrop.height = backdrop.picture->height;
    }
    panel.set_backdrop(backdrop);

    std::map<std::string, std::optional<std::size_t>> modules; // by file, lower case
    std::map<std::string, int> first_lines;                    // the module's first gauge
    for (const PanelGaugeLine& gauge : window.gauges) {
        const std::string name = gauge.module + "!" + gauge.gauge;
        const ModuleSearch search = find_module_file(gauge.module, panel_folder, simulator_folder);
        // A module that cannot be used is one problem, however many gauges
        // it has; the later ones point back at the first.
        const std::string key = search.loadable ? lower(search.path) : "?" + lower(gauge.module);
        if (const auto first = first_lines.find(key); first != first_lines.end()) {
            if (!modules[key])
                say(gauge.line, false,
                    name + ": not placed either (the module: see line " + std::to_string(first->second) + ")");
        } else if (search.path.empty()) {
            say(gauge.line, true,
                name + ": no module file " + gauge.module + ".gau; looked in " + folders_text(search.looked_in));
        } else if (!search.loadable) {
            say(gauge.line, true,
                name + ": " + search.path + " is of a kind this host does not load (it loads .gau and .dll files)");
        } else {
            std::string error;
            std::optional<std::size_t> index;
            if (const auto loaded = library.load(search.path, error))
                index = panel.add_module(*loaded, error);
            if (!index)
                say(gauge.line, true, name + ": " + error);
            modules[key] = index;
        }
        first_lines.emplace(key, gauge.line);
        const std::optional<std::size_t> module = modules[key];
        if (!module)
            continue;
        if (const auto refused = oversized(panel, *module, gauge, backdrop)) {
            say(gauge.line, true, name + ": " + *refused);
            continue;
        }
        if (!panel.place(*module, gauge.gauge, gauge.x, gauge.y, gauge.width, gauge.height)) {
            say(gauge.line, true, not_offered(gauge.module, gauge.gauge, panel.linkage(*module)));
            continue;
        }
        const PlacedGauge& placed = panel.gauges().back();
        if (backdrop.width > 0 &&
            (placed.x >= backdrop.width || placed.y >= backdrop.height || placed.x + placed.width <= 0 ||
             placed.y + placed.height <= 0))
            say(gauge.line, false,
                name + " lies outside the window's design space of " + std::to_string(backdrop.width) + " x " +
                    std::to_string(backdrop.height) + "; it does not show");
    }
}

bool open_panel_window(const PanelRequest& request, GaugePanel& panel, ModuleLibrary& library, std::ostream& out)
{
    const std::string simulator_folder =
        request.simulator_folder.empty() ? simulator_folder_of(request.path) : request.simulator_folder;
    const FollowedPanel followed = follow_panel_aliases(request.path, simulator_folder);
    std::vector<PanelMessage> messages = panel_file_messages(followed);
    const PanelWindow* window = request.section.empty()
        ? (followed.file.windows.empty() ? nullptr : &followed.file.windows[0])
        : followed.file.window(request.section);
    if (window == nullptr && !followed.file.windows.empty()) {
        std::string sections;
        for (const PanelWindow& w : followed.file.windows)
            sections += (sections.empty() ? "" : ", ") + w.name;
        messages.push_back({.path = followed.path,
                            .line = 0,
                            .problem = true,
                            .text = "has no section [" + request.section + "]; its windows are " + sections});
    }
    if (window != nullptr)
        place_panel_window(followed, *window, simulator_folder, panel, library, messages);
    print_panel_messages(messages, out);
    return window != nullptr;
}
