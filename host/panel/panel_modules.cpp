#include "host/panel/panel_modules.h"

std::optional<std::string> module_refusal(const LoadedModule& module)
{
    if (module.linkage == nullptr)
        return "no Linkage export";
    if (module.import_table == nullptr)
        return "no ImportTable export";
    if (module.linkage->module_id != module_identifier)
        return "Linkage has module identifier " + std::to_string(module.linkage->module_id);
    if (module.import_table->panels.id != import_panels_id)
        return "ImportTable has no panel-services entry";
    return std::nullopt;
}

BitmapSource& PanelModules::source_of(const LoadedModule& module)
{
    return module.bitmaps != nullptr ? *module.bitmaps : platform_;
}

std::optional<std::string> PanelModules::connect(Module& module)
{
    if (auto refused = module_refusal(module.records))
        return refused;
    module.records.import_table->panels.table = services_.table();
    return std::nullopt;
}

std::optional<std::string> PanelModules::connect()
{
    // Written again each time: a host may hand its services anew.
    for (Module& module : modules_)
        if (auto refused = connect(module))
            return refused;
    return std::nullopt;
}

std::optional<std::size_t> PanelModules::add_module(LoadedModule module, std::string& refused)
{
    Module added{module, nullptr};
    if (auto reason = connect(added)) {
        refused = *reason;
        return std::nullopt;
    }
    added.bitmaps = &bitmap_caches_.emplace_back(source_of(module));
    modules_.push_back(added);
    return modules_.size() - 1;
}

void PanelModules::start_over(LoadedModule module)
{
    modules_.clear();
    bitmap_caches_.clear();
    modules_.push_back({module, &bitmap_caches_.emplace_back(source_of(module))});
}

GaugeHeader* PanelModules::gauge_named(const std::string& name, std::size_t module) const
{
    for (const GaugeHeader* gauge : modules_.at(module).records.linkage->gauge_table) {
        if (gauge == nullptr)
            break;
        if (gauge->name != nullptr && name == gauge->name)
            return const_cast<GaugeHeader*>(gauge);
    }
    return nullptr;
}
