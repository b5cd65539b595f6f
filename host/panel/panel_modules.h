// The modules a panel drives: each checked, handed this host's services,
// and its bitmaps decoded once for every gauge of it; gauges found in them
// by name.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "host/panel/gauge_drawing.h"
#include "host/panel/platform.h"
#include "host/panel/services.h"

// The reason a module's records cannot be driven by this host, if any.
std::optional<std::string> module_refusal(const LoadedModule& module);

class PanelModules {
public:
    // Modules without bitmaps of their own draw from the platform's.
    PanelModules(HostPlatform& platform, HostServices& services) : platform_(platform), services_(services) {}
    PanelModules(const PanelModules&) = delete;
    PanelModules& operator=(const PanelModules&) = delete;

    // Checks Linkage and hands every module this host's services; the
    // reason when a module is not one this host can drive.
    std::optional<std::string> connect();
    // Another module beside those the panel has, checked and connected as
    // by connect(); its number for placing its gauges, or the reason it
    // cannot be.
    std::optional<std::size_t> add_module(LoadedModule module, std::string& refused);
    std::size_t module_count() const { return modules_.size(); }
    // The one module given in place of all the others, connected by the
    // next connect(); their gauges must have been taken off the panel.
    void start_over(LoadedModule module);

    const LinkageRecord& linkage(std::size_t module = 0) const { return *modules_.at(module).records.linkage; }
    GaugeHeader* gauge_named(const std::string& name, std::size_t module = 0) const;
    // A module's bitmaps, each decoded once for every use of this panel.
    BitmapCache& bitmaps(std::size_t module = 0) const { return *modules_.at(module).bitmaps; }

private:
    struct Module {
        LoadedModule records;
        BitmapCache* bitmaps = nullptr;
    };
    std::optional<std::string> connect(Module& module);
    BitmapSource& source_of(const LoadedModule& module);

    HostPlatform& platform_;
    HostServices& services_;
    std::deque<BitmapCache> bitmap_caches_; // one per module, never moved
    std::vector<Module> modules_;
};
