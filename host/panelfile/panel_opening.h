// Opening one window of a simulator's panel file on a panel, as the
// simulator does: the alias followed, each gauge's module found and loaded
// (several side by side), the gauges placed in the window's design space,
// over its background. What keeps a gauge off the panel is said with its
// file and line, and the rest is still placed.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/panel/gauge_panel.h"
#include "host/panelfile/panel_install.h"

// How the program loads a module file: the Windows program loads DLLs,
// the native one has its module linked in. The same file asked for again
// gives the same module.
class ModuleLibrary {
public:
    virtual ~ModuleLibrary() = default;
    // The module in the file, loaded, or nullopt with the reason.
    virtual std::optional<LoadedModule> load(const std::string& path, std::string& error) = 0;
};

// One thing said about a panel file; line 0 is about the file as a whole.
struct PanelMessage {
    std::string path;
    int line = 0;
    bool problem = true;
    std::string text;
};
// By file and line, "PATH:LINE: text", notes marked as such; paths that
// begin with `relative_to` are written from there on.
void print_panel_messages(std::vector<PanelMessage> messages, std::ostream& out, const std::string& relative_to = {});
int count_problems(const std::vector<PanelMessage>& messages);

// What the reader and the alias said about the file itself.
std::vector<PanelMessage> panel_file_messages(const FollowedPanel& followed);

// Places one window's gauges on the panel, which must have no gauges yet,
// over its design space and background; each module found once through
// `finder` for every window of the panel. The lines of the gauges placed,
// in the panel's order.
std::vector<const PanelGaugeLine*> place_panel_window(const FollowedPanel& followed, const PanelWindow& window,
                                                      ModuleFinder& finder, GaugePanel& panel, ModuleLibrary& library,
                                                      std::vector<PanelMessage>& messages);

struct PanelRequest {
    std::string path;             // the panel file
    std::string section;          // the window; the file's first when empty
    std::string simulator_folder; // three levels above the panel's folder when empty
};

// Follows, reads and places the window asked for, saying everything on
// `out`; false when no window could be opened at all (the file unreadable,
// the section missing).
bool open_panel_window(const PanelRequest& request, GaugePanel& panel, ModuleLibrary& library, std::ostream& out);

// The background picture of a window from its .bmp file; nullopt with the
// reason when it cannot be read.
std::optional<Image> read_background(const std::string& path, std::string& error);
