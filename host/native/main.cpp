// The panel host built natively: the module's logic linked in, driven
// through its Linkage exactly as the Windows program drives the loaded DLL.
#include <iostream>

#include "host/panelfile/panel_install.h"
#include "host/app/session.h"
#include "host/linked/fresh_module.h"
#include "host/linked/build_files.h"
#include "host/linked/native_platform.h"

namespace {

// Where the module believes the host runs; its name picks the window class.
constexpr const char* native_executable_path = "C:\\Host\\zor_host.exe";

// The one module this program has is linked in: a panel file may name it,
// found where a simulator would find its file.
class LinkedModuleLibrary : public ModuleLibrary {
public:
    std::optional<LoadedModule> load(const std::string& path, std::string& error) override
    {
        std::string name = file_name_of(path);
        name = name.substr(0, name.find('.'));
        if (name == linked_module_name)
            return NativePlatform::linked_module();
        error = path + ": this program has only " + linked_module_name + " linked in";
        return std::nullopt;
    }

private:
    static constexpr const char* linked_module_name = "KRV_ZOR_V1_02";
};

int host_main(int argc, char** argv)
{
    int status = 0;
    auto command_line = host_command_line(native_program, argc, argv, std::cout, std::cerr, status);
    if (!command_line)
        return status;
    if (command_line->bitmap_folder.empty())
        command_line->bitmap_folder = built_bitmap_folder;
    const auto fly = [&](const HostCommandLine& flight) {
        load_linked_module_afresh();
        NativePlatform platform(flight.bitmap_folder, built_alert_tone, native_executable_path);
        LinkedModuleLibrary library;
        return run_host_session(flight, NativePlatform::linked_module(), platform, &library);
    };
    return command_line->flights_path.empty() ? fly(*command_line) : run_host_flights(*command_line, fly);
}

} // namespace

int main(int argc, char** argv)
{
    return run_host_program([&] { return host_main(argc, argv); });
}
