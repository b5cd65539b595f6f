// One load of the real module, as a host makes it: loaded from its file with
// its system calls watched, and its four gauges placed on a panel. The
// module's static state starts afresh only on a fresh load, so a load is
// refused while an earlier one is still in memory, and unloading checks that
// the library has really gone.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "host/panel/gauge_panel.h"
#include "probe_platform.h"

// Where each gauge stands on the probe's panel.
namespace probe_gauge {
// clang-format off
inline constexpr std::size_t zor_1     = 0;
inline constexpr std::size_t zor_2     = 1;
inline constexpr std::size_t azs_zor_1 = 2;
inline constexpr std::size_t azs_zor_2 = 3;
// clang-format on
}

// Empty when the module holds no sound device or buffer; otherwise how many
// it still holds.
std::string sound_objects_held();

class ProbeModule {
public:
    // Null, with the reason in `error`, when the module cannot be loaded.
    // The panel services are not written yet: see PanelModules::connect.
    static std::unique_ptr<ProbeModule> load(const std::string& path, HWND host_window, std::string& error);
    ~ProbeModule();
    ProbeModule(const ProbeModule&) = delete;
    ProbeModule& operator=(const ProbeModule&) = delete;

    HMODULE handle() const { return handle_; }
    GaugePanel& panel() { return panel_; }
    GaugeHeader& gauge(std::size_t index) { return *panel_.placement.gauges().at(index).header; }

    // Frees the library; false when it is still in memory afterwards.
    bool unload();

    // Calls a gauge's callback with a service code, as the panel does.
    void call(std::size_t gauge_index, std::int32_t service_code, HostWord extra = 0);

private:
    ProbeModule(const std::string& path, HMODULE handle, LoadedModule records);

    // clang-format off
    std::string   path_;
    HMODULE       handle_;
    ProbePlatform platform_;
    GaugePanel    panel_;
    // clang-format on
};
