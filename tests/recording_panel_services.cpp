#include "tests/recording_panel_services.h"

#include "abi/panel_services.h"
#include "abi/service_numbers.h"

namespace {

RecordingPanelServices* current = nullptr;

void HOSTCALL record_lookup(ModuleVar* variable)
{
    current->lookups.push_back(variable->token);
    const auto found = current->variables.find(variable->token);
    variable->value = found != current->variables.end() ? found->second : 0.0;
}

void HOSTCALL record_key_event(std::uint32_t event, std::uint32_t argument)
{
    current->key_events.push_back({event, argument});
}

template <int Entry>
void HOSTCALL record_list(ElementHeader* root)
{
    current->element_calls.push_back({Entry, root, 0});
}

template <int Entry>
void HOSTCALL record_list_with_value(ElementHeader* root, HostWord value)
{
    current->element_calls.push_back({Entry, root, value});
}

} // namespace

RecordingPanelServices::RecordingPanelServices()
{
    table.query_elements = record_list<entry_query_elements>;
    table.install_elements = record_list_with_value<entry_install_elements>;
    table.initialize_elements = record_list<entry_initialize_elements>;
    table.update_elements = record_list<entry_update_elements>;
    table.generate_elements = record_list_with_value<entry_generate_elements>;
    table.draw_elements = record_list<entry_draw_elements>;
    table.kill_elements = record_list<entry_kill_elements>;
    table.send_key_event = record_key_event;
    table.lookup_variable = record_lookup;
    current = this;
    ImportTable.panels.table = &table;
}

RecordingPanelServices::~RecordingPanelServices()
{
    ImportTable.panels.table = nullptr;
    current = nullptr;
}
