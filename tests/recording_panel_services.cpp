#include "tests/recording_panel_services.h"

#include "abi/panel_services.h"
#include "breakers/breaker_state.h"
#include "instrument/instrument_state.h"
#include "instrument/needle.h"
#include "layout/gauge_headers.h"

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
void HOSTCALL record_list(ElementHeader* root) { current->element_calls.push_back({Entry, root, 0}); }

template <int Entry>
void HOSTCALL record_list_with_value(ElementHeader* root, HostWord value)
{
    current->element_calls.push_back({Entry, root, value});
}

} // namespace

RecordingPanelServices::RecordingPanelServices()
{
    table.query_elements = record_list<24>;
    table.install_elements = record_list_with_value<25>;
    table.initialize_elements = record_list<26>;
    table.update_elements = record_list<27>;
    table.generate_elements = record_list_with_value<28>;
    table.draw_elements = record_list<29>;
    table.kill_elements = record_list<31>;
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

void reset_module_state()
{
    for (InstrumentState& s : instrument_states)
        s = InstrumentState{};
    zor_1_alert_tone = AlertArming{};
    host_snapshot = HostSnapshot{};
    for (std::int32_t& closed : breaker_closed)
        closed = 0;
    for (GaugeHeader* gauge : {&zor_1_gauge_header, &zor_2_gauge_header})
        set_needle_hidden(gauge, false);
}
