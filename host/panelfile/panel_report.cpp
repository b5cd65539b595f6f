#include "host/panelfile/panel_report.h"

#include <algorithm>
#include <map>

#include "host/panelfile/panel_words.h"

namespace {

struct GaugeVerdict {
    const PanelWindow* window = nullptr;
    const PanelGaugeLine* line = nullptr;
    const PlacedGauge* placed = nullptr;
    std::vector<const PanelMessage*> said;
};

struct ModuleReport {
    std::string name; // as the first gauge line writes it
    std::vector<GaugeVerdict> gauges;
    int problems = 0;
};

std::string where(const PanelMessage& m, const std::string& relative_to)
{
    const std::string path =
        !relative_to.empty() && m.path.starts_with(relative_to) ? m.path.substr(relative_to.size()) : m.path;
    return path + (m.line > 0 ? ":" + std::to_string(m.line) : std::string()) + ": ";
}

std::string placed_text(const GaugeVerdict& gauge)
{
    const PanelGaugeLine& line = *gauge.line;
    std::string text = "gauge" + std::string(line.number < 10 ? "0" : "") + std::to_string(line.number) + " " +
        visible(line.gauge) + ": ";
    if (gauge.placed == nullptr)
        return text + "not placed";
    const PlacedGauge& p = *gauge.placed;
    text += gauge.window->virtual_cockpit ? "checked (a 3D cockpit's gauge: not drawn by this host), " : "placed at ";
    text += std::to_string(p.x) + ", " + std::to_string(p.y) + ", " + std::to_string(p.width) + " x " +
        std::to_string(p.height);
    if (!line.parameter.empty())
        text += ", parameter " + excerpt(line.parameter);
    return text;
}

// "4 gauges on [Window00] and 2 on [VCockpit01]"
std::string spread(const ModuleReport& module)
{
    std::vector<std::pair<const PanelWindow*, int>> counts;
    for (const GaugeVerdict& g : module.gauges) {
        if (counts.empty() || counts.back().first != g.window)
            counts.emplace_back(g.window, 0);
        ++counts.back().second;
    }
    std::string text;
    for (const auto& [window, count] : counts)
        text += (text.empty() ? std::to_string(count) + (count == 1 ? " gauge on [" : " gauges on [")
                              : " and " + std::to_string(count) + " on [") +
            visible(window->name) + "]";
    return text;
}

// A message, indented under what it is about.
void print_message(std::ostream& out, const PanelMessage& m, const std::string& relative_to)
{
    out << "  " << where(m, relative_to) << (m.problem ? "" : "note: ") << m.text << "\n";
}

// "N problem(s)".
std::string problems_text(int problems)
{
    return std::to_string(problems) + (problems == 1 ? " problem" : " problems");
}

// A module's heading and each of its gauge lines: where it was placed when
// nothing is wrong with it, and every message about it.
void print_module(std::ostream& out, const ModuleReport& module, const std::string& panel_path,
                  const std::string& relative_to)
{
    out << module.name << ": " << spread(module)
        << (module.problems == 0 ? ", all fine" : ", " + problems_text(module.problems)) << "\n";
    for (const GaugeVerdict& gauge : module.gauges) {
        const bool fine = std::none_of(gauge.said.begin(), gauge.said.end(), [](auto* m) { return m->problem; });
        // A gauge left unchecked says only the note that says why.
        if (fine && (gauge.placed != nullptr || gauge.said.empty()))
            out << "  "
                << where({.path = panel_path, .line = gauge.line->line, .problem = false, .text = {}}, relative_to)
                << placed_text(gauge) << "\n";
        for (const PanelMessage* m : gauge.said)
            print_message(out, *m, relative_to);
    }
}

// "KRV_ZOR_V1_02 (1), the panel file (2)": what has problems, and how many.
std::string problems_in(const std::vector<ModuleReport>& modules, int file_problems)
{
    std::string text;
    for (const ModuleReport& module : modules)
        if (module.problems > 0)
            text += (text.empty() ? "" : ", ") + module.name + " (" + std::to_string(module.problems) + ")";
    if (file_problems > 0)
        text += (text.empty() ? "" : ", ") + std::string("the panel file (") + std::to_string(file_problems) + ")";
    return text;
}

} // namespace

int print_panel_report(const FollowedPanel& followed, const std::vector<CheckedWindow>& windows,
                       std::vector<PanelMessage> messages, std::ostream& out, const std::string& relative_to)
{
    std::stable_sort(messages.begin(), messages.end(),
                     [](const PanelMessage& a, const PanelMessage& b) { return a.line < b.line; });
    std::vector<ModuleReport> modules;
    std::map<std::string, std::size_t> module_index; // by name, lower case
    std::map<int, GaugeVerdict*> by_line;
    for (const CheckedWindow& checked : windows)
        for (const PanelGaugeLine& line : checked.window->gauges) {
            const auto [at, added] = module_index.emplace(lower(line.module), modules.size());
            if (added)
                modules.push_back({.name = visible(line.module), .gauges = {}, .problems = 0});
            modules[at->second].gauges.push_back(
                {.window = checked.window, .line = &line, .placed = nullptr, .said = {}});
        }
    for (ModuleReport& module : modules)
        for (GaugeVerdict& gauge : module.gauges)
            by_line[gauge.line->line] = &gauge;
    for (const CheckedWindow& checked : windows)
        for (std::size_t i = 0; i < checked.placed_lines.size(); ++i)
            by_line.at(checked.placed_lines[i]->line)->placed = &checked.placed[i];

    std::vector<const PanelMessage*> about_file;
    int file_problems = 0;
    for (const PanelMessage& m : messages) {
        const auto gauge = m.path == followed.path ? by_line.find(m.line) : by_line.end();
        if (gauge == by_line.end()) {
            about_file.push_back(&m);
            file_problems += m.problem;
            continue;
        }
        gauge->second->said.push_back(&m);
        modules[module_index.at(lower(gauge->second->line->module))].problems += m.problem;
    }
    std::stable_partition(modules.begin(), modules.end(), [](const ModuleReport& m) { return m.problems == 0; });

    for (const ModuleReport& module : modules)
        print_module(out, module, followed.path, relative_to);
    if (!about_file.empty())
        out << "the panel file:\n";
    for (const PanelMessage* m : about_file)
        print_message(out, *m, relative_to);

    if (const std::string with_problems = problems_in(modules, file_problems); !with_problems.empty())
        out << "problems in: " << with_problems << "\n";
    const int problems = count_problems(messages);
    out << problems_text(problems) << std::endl;
    return problems;
}
