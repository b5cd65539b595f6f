#include "probe_module.h"

#include "host/win32/directsound_watch.h"
#include "host/win32/module_loader.h"

namespace {

constexpr const char* gauge_names[] = {"ZOR_1", "ZOR_2", "AZS_ZOR_1", "AZS_ZOR_2"};

} // namespace

std::string sound_objects_held()
{
    const WatchedSoundObjects held = watched_sound_objects();
    if (held.devices_alive == 0 && held.buffers_alive == 0)
        return {};
    return std::to_string(held.devices_alive) + " devices and " + std::to_string(held.buffers_alive) + " buffers held";
}

std::unique_ptr<ProbeModule> ProbeModule::load(const std::string& path, HWND host_window, std::string& error)
{
    if (GetModuleHandleA(path.c_str()) != nullptr) {
        error = path + ": an earlier load is still in memory";
        return nullptr;
    }
    const auto library = load_gauge_module(path, error);
    if (!library)
        return nullptr;
    watch_module_system_calls(library->handle, host_window);
    std::unique_ptr<ProbeModule> module(new ProbeModule(path, library->handle, library->records));
    for (const char* name : gauge_names)
        if (!module->panel().placement.place(name, 0, 0, std::nullopt)) {
            error = path + ": offers no gauge " + name;
            return nullptr;
        }
    return module;
}

ProbeModule::ProbeModule(const std::string& path, HMODULE handle, LoadedModule records)
    : path_(path), handle_(handle), platform_(handle), panel_(records, platform_)
{
}

ProbeModule::~ProbeModule()
{
    unload();
}

bool ProbeModule::unload()
{
    if (handle_ != nullptr) {
        FreeLibrary(handle_);
        handle_ = nullptr;
    }
    return GetModuleHandleA(path_.c_str()) == nullptr;
}

void ProbeModule::call(std::size_t gauge_index, std::int32_t service_code, HostWord extra)
{
    GaugeHeader& header = gauge(gauge_index);
    if (header.gauge_callback != nullptr)
        header.gauge_callback(&header, service_code, extra);
}
