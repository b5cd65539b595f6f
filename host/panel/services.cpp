#include "host/panel/services.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

HostServices* HostServices::current_ = nullptr;

namespace {

constexpr int fault_exit_status = 3;

void report_and_exit(int entry)
{
    std::fprintf(stderr, "fault: the module called panel service entry %d, which this host does not offer\n", entry);
    std::fflush(stderr);
    std::exit(fault_exit_status);
}

} // namespace

std::function<void(int)> HostServices::on_fault = report_and_exit;

template <int Entry>
void HOSTCALL HostServices::trapped_entry()
{
    on_fault(Entry);
}

template <int... Entries>
void HostServices::fill_traps(std::integer_sequence<int, Entries...>)
{
    auto* words = reinterpret_cast<void**>(&current_->table_);
    ((words[Entries] = reinterpret_cast<void*>(&trapped_entry<Entries>)), ...);
}

HostServices::HostServices(HostVariables& variables) : variables_(variables)
{
    current_ = this;
    // Every word a trap first; the offered entries then take their places.
    fill_traps(std::make_integer_sequence<int, panel_services_entry_count>{});
    table_.query_elements = query_elements;
    table_.install_elements = install_elements;
    table_.initialize_elements = initialize_elements;
    table_.update_elements = update_elements;
    table_.generate_elements = generate_elements;
    table_.draw_elements = draw_elements;
    table_.kill_elements = kill_elements;
    table_.send_key_event = send_key_event;
    table_.lookup_variable = lookup_variable;
}

HostServices::~HostServices()
{
    if (current_ == this)
        current_ = nullptr;
}

void HostServices::forget()
{
    key_events.clear();
    element_list_calls.clear();
    unknown_tokens.clear();
}

// clang-format off
// The element-list services keep no elements of their own: this host walks
// the chains itself when it draws, so it only counts what it was handed.
void HOSTCALL HostServices::query_elements(ElementHeader*)           { ++current_->element_list_calls[entry_query_elements]; }
void HOSTCALL HostServices::install_elements(ElementHeader*, HostWord) { ++current_->element_list_calls[entry_install_elements]; }
void HOSTCALL HostServices::initialize_elements(ElementHeader*)      { ++current_->element_list_calls[entry_initialize_elements]; }
void HOSTCALL HostServices::update_elements(ElementHeader*)          { ++current_->element_list_calls[entry_update_elements]; }
void HOSTCALL HostServices::generate_elements(ElementHeader*, HostWord) { ++current_->element_list_calls[entry_generate_elements]; }
void HOSTCALL HostServices::draw_elements(ElementHeader*)            { ++current_->element_list_calls[entry_draw_elements]; }
void HOSTCALL HostServices::kill_elements(ElementHeader*)            { ++current_->element_list_calls[entry_kill_elements]; }
// clang-format on

void HOSTCALL HostServices::send_key_event(std::uint32_t event, std::uint32_t argument)
{
    current_->key_events.push_back({event, argument});
    current_->variables_.adopt_key_event(event, argument);
}

void HOSTCALL HostServices::lookup_variable(ModuleVar* variable)
{
    if (variable == nullptr)
        return;
    if (!current_->variables_.known(variable->token))
        current_->unknown_tokens.push_back(variable->token);
    variable->value = current_->variables_.get(variable->token);
}
