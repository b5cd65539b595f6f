#include "abi/panel_services.h"

// ImportTable, the second record the module exports: the host writes the
// address of its panel services into it before it calls any gauge routine.
ImportTableRecord ImportTable = {
    .panels = {.id = import_panels_id, .table = nullptr},
    .end = {.id = 0, .table = nullptr},
};

namespace {

// The table as the host left it this moment; null while it has not written it.
const PanelServices* panel_services()
{
    return ImportTable.panels.table;
}

template <auto PanelServices::*Entry, typename... Args>
void call_entry(Args... args)
{
    const PanelServices* services = panel_services();
    if (services == nullptr || services->*Entry == nullptr)
        return;
    (services->*Entry)(args...);
}

} // namespace

void lookup_variable(ModuleVar& variable)
{
    call_entry<&PanelServices::lookup_variable>(&variable);
}
void send_key_event(std::uint32_t event, std::uint32_t argument)
{
    call_entry<&PanelServices::send_key_event>(event, argument);
}
void query_elements(ElementHeader* root)
{
    call_entry<&PanelServices::query_elements>(root);
}
void install_elements(ElementHeader* root, HostWord value)
{
    call_entry<&PanelServices::install_elements>(root, value);
}
// clang-format off
void initialize_elements(ElementHeader* root)        { call_entry<&PanelServices::initialize_elements>(root); }
void update_elements(ElementHeader* root)            { call_entry<&PanelServices::update_elements>(root); }
void generate_elements(ElementHeader* root, HostWord value)
// clang-format on
{
    call_entry<&PanelServices::generate_elements>(root, value);
}
// clang-format off
void draw_elements(ElementHeader* root)              { call_entry<&PanelServices::draw_elements>(root); }
void kill_elements(ElementHeader* root)              { call_entry<&PanelServices::kill_elements>(root); }
// clang-format on
