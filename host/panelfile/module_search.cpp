#include "host/panelfile/module_search.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "host/base/utf8_path.h"
#include "host/panelfile/panel_install.h"
#include "host/panelfile/panel_words.h"

namespace fs = std::filesystem;

namespace {

// ORDER: the kinds a simulator loads, in the order it prefers them.
const char* const loadable_kinds[] = {".gau", ".dll"};
constexpr const char* cabinet_kind = ".cab";
// How many levels below the simulator's folder a module unpacked into a
// folder of its own is looked for, and how many entries at most: enough for
// a zip unpacked into Gauges\NAME\Gauges\ or SIM\NAME\, never a crawl.
constexpr int misplaced_depth_max = 3;
constexpr int misplaced_entries_max = 20000;

bool loadable_kind(const std::string& lowered_extension)
{
    return std::find(std::begin(loadable_kinds), std::end(loadable_kinds), lowered_extension) !=
        std::end(loadable_kinds);
}

ModuleKind kind_of(const fs::directory_entry& entry)
{
    std::error_code error;
    const std::string extension = lower(utf8_text(entry.path().extension()));
    if (entry.is_directory(error))
        return ModuleKind::xml_folder;
    if (loadable_kind(extension))
        return ModuleKind::loadable;
    return extension == cabinet_kind ? ModuleKind::cabinet : ModuleKind::other;
}

// The better of two finds in one folder: a .gau before a .dll, a module
// before a folder of XML gauges, that before a cabinet.
bool better(ModuleKind kind, const std::string& path, const ModuleSearch& so_far)
{
    if (so_far.kind == ModuleKind::missing)
        return true;
    if (kind == ModuleKind::loadable && so_far.kind == ModuleKind::loadable)
        return lower(path).ends_with(loadable_kinds[0]) && !lower(so_far.path).ends_with(loadable_kinds[0]);
    const ModuleKind order[] = {ModuleKind::loadable, ModuleKind::xml_folder, ModuleKind::cabinet, ModuleKind::other};
    return std::find(std::begin(order), std::end(order), kind) <
        std::find(std::begin(order), std::end(order), so_far.kind);
}

std::vector<fs::directory_entry> entries_of(const std::string& folder)
{
    std::error_code error;
    std::vector<fs::directory_entry> entries;
    for (const auto& entry : fs::directory_iterator(utf8_path(folder.empty() ? "." : folder), error))
        entries.push_back(entry);
    return entries;
}

// The module's file somewhere below the simulator's folder, a level or
// two deeper than it belongs (Aircraft left out); empty when not there.
std::string misplaced_module(const std::string& name, const std::string& simulator_folder,
                             const std::vector<std::string>& looked_in)
{
    std::error_code error;
    fs::recursive_directory_iterator walk(utf8_path(simulator_folder), fs::directory_options::skip_permission_denied, error);
    int entries = 0;
    for (; !error && walk != fs::recursive_directory_iterator() && ++entries < misplaced_entries_max;
         walk.increment(error)) {
        const fs::path& path = walk->path();
        if (walk.depth() == 0 && lower(utf8_text(path.filename())) == "aircraft") {
            walk.disable_recursion_pending();
            continue;
        }
        if (walk.depth() >= misplaced_depth_max)
            walk.disable_recursion_pending();
        const std::string found = join_path(simulator_folder, utf8_text(fs::relative(path, utf8_path(simulator_folder), error)));
        if (lower(utf8_text(path.stem())) == lower(name) && loadable_kind(lower(utf8_text(path.extension()))) &&
            std::find(looked_in.begin(), looked_in.end(), folder_of(found)) == looked_in.end())
            return found;
    }
    return {};
}

// What a pilot most likely did when the module is not where it belongs.
std::string missing_hint(const std::string& name, const ModuleSearch& search, const std::string& simulator_folder)
{
    const std::string lowered = lower(name);
    for (const char* kind : loadable_kinds)
        if (lowered.ends_with(kind))
            return std::string("the gauge line writes '") + kind +
                "' after the module's name, which a simulator adds "
                "itself (it looks for " +
                visible(name) + kind + "): write the name without it";
    for (const std::string& folder : search.looked_in)
        for (const auto& entry : entries_of(folder)) {
            const std::string stem = utf8_text(entry.path().stem());
            if (kind_of(entry) == ModuleKind::loadable && close_to(name, stem))
                return "did you mean " + stem + "? (" + join_path(folder, utf8_text(entry.path().filename())) +
                    " is there)";
        }
    if (simulator_folder.empty())
        return {};
    const std::string gauges = gauges_folder_of(simulator_folder);
    for (const auto& entry : entries_of(simulator_folder)) {
        const std::string twin = join_path(simulator_folder, utf8_text(entry.path().filename()));
        if (lower(utf8_text(entry.path().filename())) != lower(gauges_folder_name) || twin == gauges)
            continue;
        if (!find_module_file(name, twin, {}).path.empty())
            return "it is in " + twin + ", a second gauges folder beside " + gauges +
                " spelled in another case: a simulator reads only one of them (Windows cannot even hold both); "
                "move its files into " +
                gauges + " and remove " + twin;
    }
    const std::string misplaced = misplaced_module(name, simulator_folder, search.looked_in);
    if (!misplaced.empty())
        return "it is at " + misplaced +
            ", below a folder it does not belong in (the zip unpacked into a folder "
            "of its own?): move it and the files beside it into " +
            gauges;
    return {};
}

} // namespace

std::string gauges_folder_of(const std::string& simulator_folder)
{
    std::string found = join_path(simulator_folder, gauges_folder_name);
    for (const auto& entry : entries_of(simulator_folder)) {
        const std::string name = utf8_text(entry.path().filename());
        if (name == gauges_folder_name)
            return join_path(simulator_folder, name);
        if (lower(name) == lower(gauges_folder_name))
            found = join_path(simulator_folder, name);
    }
    return found;
}

ModuleSearch find_module_file(const std::string& module, const std::string& panel_folder,
                              const std::string& simulator_folder)
{
    // SUB\NAME: NAME in the folder SUB of each folder looked in.
    const std::size_t cut = module.find_last_of("\\/");
    const std::string sub = cut == std::string::npos ? std::string() : module.substr(0, cut);
    const std::string name = module.substr(cut == std::string::npos ? 0 : cut + 1);
    ModuleSearch search;
    std::vector<std::string> folders{panel_folder};
    if (!simulator_folder.empty())
        folders.push_back(gauges_folder_of(simulator_folder));
    for (const std::string& folder : folders) {
        const std::string where = sub.empty() ? folder : join_path(folder, sub);
        search.looked_in.push_back(where);
        for (const auto& entry : entries_of(where)) {
            const std::string found = join_path(where, utf8_text(entry.path().filename()));
            const ModuleKind kind = kind_of(entry);
            if (lower(utf8_text(entry.path().stem())) == lower(name) && better(kind, found, search)) {
                search.path = found;
                search.kind = kind;
            }
        }
        if (search.kind != ModuleKind::missing)
            return search;
    }
    search.hint = missing_hint(name, search, simulator_folder);
    return search;
}

const ModuleSearch& ModuleFinder::find(const std::string& module)
{
    const std::string key = lower(module);
    const auto found = found_.find(key);
    if (found != found_.end())
        return found->second;
    return found_.emplace(key, find_module_file(module, panel_folder_, simulator_folder_)).first->second;
}
