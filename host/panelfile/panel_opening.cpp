#include "host/panelfile/panel_opening.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <map>
#include <tuple>

#include "host/raster/dib_decoder.h"
#include "host/base/edit_distance.h"
#include "host/base/input_file.h"
#include "host/panelfile/panel_words.h"

namespace {

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
        const std::size_t distance = edit_distance(lower(gauge), lower(name));
        if (distance < nearest_distance)
            nearest = name, nearest_distance = distance;
    }
    if (names.empty())
        text += "none";
    if (!nearest.empty() && close_to(gauge, nearest))
        text += " (did you mean " + nearest + "?)";
    // "ZOR_1 40, 40": the comma after the name left out.
    const std::size_t blank = gauge.find_last_of(" \t");
    const std::string before = blank == std::string::npos ? std::string() : std::string(trim(gauge.substr(0, blank)));
    if (whole_number(gauge.substr(blank == std::string::npos ? 0 : blank + 1)) && !before.empty() &&
        std::find(names.begin(), names.end(), before) != names.end())
        return "a comma is missing after the gauge name: " + excerpt(gauge) +
            " is read as the name of one gauge; "
            "write " +
            before + ", " + gauge.substr(blank + 1) + ", ...";
    return text;
}

// Why the gauge cannot be drawn as big or as far out as the line places
// it, before anything is allocated for it: a gauge is at most
// panel_side_limit a side, and a window without a design space is as big
// as its gauges reach.
std::optional<std::string> oversized(const GaugePanel& panel, std::size_t module, const PanelGaugeLine& gauge,
                                     bool design_space)
{
    const auto size = panel.placement.placed_size(module, gauge.gauge, gauge.width, gauge.height);
    if (!size)
        return std::nullopt; // not offered: said when it is placed
    const std::string limit = std::to_string(panel_side_limit);
    if (size->width > panel_side_limit || size->height > panel_side_limit)
        return "placed at " + std::to_string(size->width) + " x " + std::to_string(size->height) +
            " pixels, larger than the " + limit + " a side this host draws; not placed";
    const long long right = 0LL + gauge.x + size->width, bottom = 0LL + gauge.y + size->height;
    const bool far = gauge.x < -panel_side_limit || gauge.y < -panel_side_limit ||
        (design_space ? gauge.x > panel_side_limit || gauge.y > panel_side_limit
                      : right > panel_side_limit || bottom > panel_side_limit);
    if (far)
        return "placed at " + std::to_string(gauge.x) + ", " + std::to_string(gauge.y) +
            (design_space ? ", beyond " + limit + " pixels from the window's corner"
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

// What a gauge line's module search found, when it is not a module to load.
std::string not_loadable(const std::string& name, const std::string& module, const ModuleSearch& search)
{
    switch (search.kind) {
    case ModuleKind::missing:
        return name + ": no module file " + visible(module) + ".gau; looked in " + folders_text(search.looked_in) +
            (search.hint.empty() ? "" : "; " + search.hint);
    case ModuleKind::xml_folder: return name + ": " + search.path + " is an XML gauge folder: not checked by this host";
    case ModuleKind::cabinet:
        return name + ": " + search.path + " is a cabinet of XML gauges: not checked by this host";
    default: return name + ": " + search.path + " is of a kind this host does not load (it loads .gau and .dll files)";
    }
}

// The design space: size_mm as given, a side it leaves out from the
// background's proportions, else from how far the gauges reach.
PanelExtent design_space(const PanelWindow& window, const std::optional<Image>& picture, const PanelExtent& reach,
                         std::string& taken)
{
    PanelExtent space = window.size_mm.value_or(PanelExtent{});
    if (!window.size_mm && picture)
        return {picture->width, picture->height};
    if (!window.size_mm || (space.width > 0 && space.height > 0))
        return space;
    const bool height_left = space.height == 0;
    if (picture && picture->width > 0 && picture->height > 0) {
        if (height_left)
            space.height =
                static_cast<int>((std::int64_t{space.width} * picture->height + picture->width / 2) / picture->width);
        else
            space.width =
                static_cast<int>((std::int64_t{space.height} * picture->width + picture->height / 2) / picture->height);
        return space;
    }
    (height_left ? space.height : space.width) = std::max(1, height_left ? reach.height : reach.width);
    taken = std::string("size_mm gives no ") + (height_left ? "height" : "width") +
        " and the window has no background to take it from: the " + (height_left ? "height" : "width") + " is " +
        std::to_string(height_left ? space.height : space.width) + ", as far as the gauges reach";
    return space;
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

namespace {

// The window's design space (its size, its background's, or what its
// gauges reach) set as the panel's backdrop; a placed gauge outside it is a
// problem: it does not show.
void set_design_space(const PanelWindow& window, std::optional<Image> picture, GaugePanel& panel,
                      const std::vector<const PanelGaugeLine*>& placed_lines,
                      const std::function<void(int, bool, const std::string&)>& say)
{
    PanelExtent reach;
    for (const PlacedGauge& placed : panel.placement.gauges())
        reach = {std::max(reach.width, placed.x + placed.width), std::max(reach.height, placed.y + placed.height)};
    std::string taken;
    const PanelExtent space = design_space(window, picture, reach, taken);
    if (!taken.empty())
        say(window.size_mm_line, false, taken);
    panel.placement.set_backdrop(
        PanelBackdrop{.width = space.width, .height = space.height, .picture = std::move(picture)});
    for (std::size_t i = 0; i < placed_lines.size() && space.width > 0 && space.height > 0; ++i) {
        const PlacedGauge& placed = panel.placement.gauges()[i];
        if (placed.x >= space.width || placed.y >= space.height || placed.x + placed.width <= 0 ||
            placed.y + placed.height <= 0)
            say(placed_lines[i]->line, true,
                visible(placed_lines[i]->module + "!" + placed_lines[i]->gauge) +
                    " lies outside the window's design space of " + std::to_string(space.width) + " x " +
                    std::to_string(space.height) + ": it does not show");
    }
}

} // namespace

std::vector<const PanelGaugeLine*> place_panel_window(const FollowedPanel& followed, const PanelWindow& window,
                                                      ModuleFinder& finder, GaugePanel& panel, ModuleLibrary& library,
                                                      std::vector<PanelMessage>& messages)
{
    auto say = [&](int line, bool problem, const std::string& text) {
        messages.push_back({.path = followed.path, .line = line, .problem = problem, .text = text});
    };

    std::optional<Image> picture;
    if (const PanelBackground* background = window.background()) {
        std::string error;
        picture = read_background(join_path(finder.panel_folder(), background->file), error);
        if (!picture)
            say(background->line, true, error);
    }

    std::map<std::string, std::optional<std::size_t>> modules; // by file, lower case
    std::map<std::string, int> first_lines;                    // the module's first gauge
    std::vector<const PanelGaugeLine*> placed_lines;           // of each placed gauge
    for (const PanelGaugeLine& gauge : window.gauges) {
        const std::string name = visible(gauge.module + "!" + gauge.gauge);
        const ModuleSearch& search = finder.find(gauge.module);
        // A module that cannot be used is one problem, however many gauges
        // it has; the later ones point back at the first.
        const std::string key = search.loadable() ? lower(search.path) : "?" + lower(gauge.module);
        if (const auto first = first_lines.find(key); first != first_lines.end()) {
            if (!modules[key])
                say(gauge.line, false,
                    name + ": not placed either (the module: see line " + std::to_string(first->second) + ")");
        } else if (!search.loadable()) {
            const bool xml = search.kind == ModuleKind::xml_folder || search.kind == ModuleKind::cabinet;
            say(gauge.line, !xml, not_loadable(name, gauge.module, search));
        } else {
            std::string error;
            std::optional<std::size_t> index;
            if (const auto loaded = library.load(search.path, error))
                index = panel.modules.add_module(*loaded, error);
            if (!index)
                say(gauge.line, true, name + ": " + error);
            modules[key] = index;
        }
        first_lines.emplace(key, gauge.line);
        const std::optional<std::size_t> module = modules[key];
        if (!module)
            continue;
        if (const auto refused = oversized(panel, *module, gauge, window.size_mm.has_value() || picture.has_value())) {
            say(gauge.line, true, name + ": " + *refused);
            continue;
        }
        if (!panel.placement.place(*module, gauge.gauge, gauge.x, gauge.y, gauge.width, gauge.height)) {
            say(gauge.line, true, not_offered(gauge.module, gauge.gauge, panel.modules.linkage(*module)));
            continue;
        }
        placed_lines.push_back(&gauge);
    }

    set_design_space(window, std::move(picture), panel, placed_lines, say);
    return placed_lines;
}

bool open_panel_window(const PanelRequest& request, GaugePanel& panel, ModuleLibrary& library, std::ostream& out)
{
    const std::string simulator_folder =
        request.simulator_folder.empty() ? simulator_folder_of(request.path) : request.simulator_folder;
    const FollowedPanel followed = follow_panel_aliases(request.path, simulator_folder);
    std::vector<PanelMessage> messages = panel_file_messages(followed);
    const auto drawn = std::find_if(followed.file.windows.begin(), followed.file.windows.end(),
                                    [](const PanelWindow& w) { return !w.virtual_cockpit; });
    const PanelWindow* window = request.section.empty() ? (drawn == followed.file.windows.end() ? nullptr : &*drawn)
                                                        : followed.file.window(request.section);
    if (window != nullptr && window->virtual_cockpit) {
        messages.push_back({.path = followed.path,
                            .line = window->line,
                            .problem = true,
                            .text = "[" + visible(window->name) +
                                "] is drawn on the aircraft's 3D cockpit, which this host does not draw; ask for a "
                                "[WindowNN] section"});
        window = nullptr;
    } else if (window == nullptr && request.section.empty() && !followed.file.windows.empty()) {
        messages.push_back({.path = followed.path,
                            .line = 0,
                            .problem = true,
                            .text = "has only 3D cockpit sections ([VCockpitNN]), no window this host draws"});
    } else if (window == nullptr && !followed.file.windows.empty()) {
        std::string sections;
        for (const PanelWindow& w : followed.file.windows)
            sections += (sections.empty() ? "" : ", ") + visible(w.name);
        messages.push_back({.path = followed.path,
                            .line = 0,
                            .problem = true,
                            .text = "has no section [" + visible(request.section) + "]; its windows are " + sections});
    }
    ModuleFinder finder(folder_of(followed.path), simulator_folder);
    if (window != nullptr)
        place_panel_window(followed, *window, finder, panel, library, messages);
    print_panel_messages(messages, out);
    return window != nullptr;
}
