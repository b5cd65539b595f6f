// What a scenario names of the panel, checked before its first frame: the
// gauges are placed and the panel file's window opened here, every gauge a
// command names must be placed, every element counted, every film
// writable.
#include "host/base/output_file.h"
#include "host/panel/element_chain.h"
#include "host/scenario/film_file.h"
#include "host/scenario/runner.h"

namespace {

// Each moment keeps a picture of the whole panel until the run ends, and
// the contact sheet lays them all out at once.
constexpr long moments_per_run_limit = 100;

} // namespace

void ScenarioRunner::check(const Command& command)
{
    if (command.verb == Verb::place)
        return place(command);
    if (command.verb == Verb::panel)
        return panel(command);
    check_gauges(command);
    if (command.verb == Verb::moment && ++moments_named_ > moments_per_run_limit)
        return script_error("more than " + std::to_string(moments_per_run_limit) +
                            " moments in one run: each keeps a picture of the whole panel for the contact sheet");
    if (command.verb == Verb::expect_frame)
        check_element(command);
    // A picture or film that cannot be written is refused at its line,
    // before any frame flies.
    if (result_.script_error)
        return;
    const bool writes = command.verb == Verb::snapshot || command.verb == Verb::sheet ||
                        (command.verb == Verb::film && command.word(0) != "end");
    const auto refused = !writes                        ? std::nullopt
                         : command.verb == Verb::film ? film_file_refusal(output_path(command.word(0)))
                                                      : output_path_refusal(output_path(command.word(0)));
    if (refused)
        output_failure(*refused);
}

void ScenarioRunner::check_gauges(const Command& command)
{
    for (const Value& argument : command.arguments)
        if (const GaugeName* gauge = std::get_if<GaugeName>(&argument);
            gauge != nullptr && panel_.placement.index_of(gauge->label) >= panel_.placement.gauges().size())
            return script_error("no gauge '" + gauge->label + "' is placed");
}

// ELEMENT counts the gauge's elements in drawing order from 1.
void ScenarioRunner::check_element(const Command& command)
{
    if (result_.script_error)
        return;
    const std::size_t elements = element_chain(*panel_.placement.gauges()[gauge_index(command, 0)].header).size();
    if (command.number(1) > static_cast<double>(elements))
        script_error("the gauge has " + std::to_string(elements) + " elements");
}

// Gauges are placed while the scenario is checked, so that the lines after
// can name them; the run passes over these lines.
void ScenarioRunner::place(const Command& c)
{
    if (placements_over_)
        return script_error("gauges are placed before the first frame");
    std::optional<int> width;
    if (c.has(3))
        width = static_cast<int>(c.number(3));
    const auto label =
        panel_.placement.place(c.gauge(0), static_cast<int>(c.number(1)), static_cast<int>(c.number(2)), width);
    if (!label)
        return script_error("the module offers no gauge '" + c.gauge(0) + "'");
    const PlacedGauge& placed = *panel_.placement.placed(*label);
    if (placed.x + placed.width > panel_side_limit || placed.y + placed.height > panel_side_limit)
        script_error("the panel would reach " + std::to_string(placed.x + placed.width) + "x" +
                     std::to_string(placed.y + placed.height) + " pixels, more than " +
                     std::to_string(panel_side_limit) + " a side");
}

// A panel file's window instead of gauges placed one by one, opened while
// the scenario is checked, as placements are; its file is named from the
// scenario's folder.
void ScenarioRunner::panel(const Command& c)
{
    if (placements_over_ || !panel_.placement.gauges().empty())
        return script_error("a panel file opens before any gauge is placed and before the first frame");
    if (options_.modules == nullptr)
        return script_error("this program opens no panel files");
    const std::string& file = c.word(0);
    const bool absolute = file.starts_with('/') || file.starts_with('\\') || (file.size() > 1 && file[1] == ':');
    const PanelRequest request{.path = absolute ? file : join_path(script_folder_, file),
                               .section = c.has(1) ? c.word(1) : "",
                               .simulator_folder = options_.simulator_folder};
    if (!open_panel_window(request, panel_, *options_.modules, notes_))
        script_error("the panel file's window cannot be opened");
}
