// Finding the module file a gauge line names, where a simulator finds it:
// the panel's folder first, then the simulator's gauges folder. What is
// found is named by its kind (a module this host loads, a folder of XML
// gauges, a cabinet of them); what is not found is looked for where the
// commonest install slips leave it.
#pragma once

#include <map>
#include <string>
#include <vector>

// The folder the simulator's gauge modules are in, as simulators spell it.
inline constexpr const char* gauges_folder_name = "Gauges";

// The simulator's gauges folder: Gauges, or that name in another case
// when only that one is there.
std::string gauges_folder_of(const std::string& simulator_folder);

// A module file looked for by its name without extension, as a panel
// file writes it (SUB\NAME: NAME in the folder SUB of each folder looked in).
enum class ModuleKind { missing, loadable, xml_folder, cabinet, other };
struct ModuleSearch {
    std::string path; // found; empty when not
    ModuleKind kind = ModuleKind::missing;
    std::vector<std::string> looked_in; // the folders, in order
    // When missing: what is close to it, said to the pilot ("did you mean
    // ...", "the zip was unpacked into a folder of its own"); empty if
    // nothing is.
    std::string hint;
    bool loadable() const { return kind == ModuleKind::loadable; }
};
ModuleSearch find_module_file(const std::string& module, const std::string& panel_folder,
                              const std::string& simulator_folder);

// The same search, each module name looked for once however many gauge
// lines name it.
class ModuleFinder {
public:
    ModuleFinder(std::string panel_folder, std::string simulator_folder)
        : panel_folder_(std::move(panel_folder)), simulator_folder_(std::move(simulator_folder))
    {
    }
    const ModuleSearch& find(const std::string& module);
    const std::string& panel_folder() const { return panel_folder_; }
    const std::string& simulator_folder() const { return simulator_folder_; }

private:
    std::string panel_folder_, simulator_folder_;
    std::map<std::string, ModuleSearch> found_; // by name, lower case
};
