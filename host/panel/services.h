// The host's panel-services table as this host offers it: the nine entries
// the module uses, and for every other entry a trap that reports the entry's
// number as a fault, since a module calling it expects something this host
// does not give.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "abi/host_formats.h"
#include "abi/service_numbers.h"
#include "host/panel/variables.h"

struct SentKeyEvent {
    std::uint32_t event;
    std::uint32_t argument;
    bool operator==(const SentKeyEvent&) const = default;
};

// One per process: the services are plain routines the module calls with
// no context, so they reach the host through this single instance.
class HostServices {
public:
    explicit HostServices(HostVariables& variables);
    ~HostServices();
    HostServices(const HostServices&) = delete;
    HostServices& operator=(const HostServices&) = delete;

    PanelServices* table() { return &table_; }
    // Forgets what the module sent and asked so far.
    void forget();

    std::vector<SentKeyEvent> key_events;      // all, oldest first
    std::map<int, int> element_list_calls;     // entry -> times called
    std::vector<std::uint32_t> unknown_tokens; // looked up but not kept

    // Called with the entry number when the module calls a trapped entry;
    // the default reports it and ends the process, since the caller's
    // arguments cannot be popped for it.
    static std::function<void(int entry)> on_fault;

    // The services the module's calls reach: the last made. A program that
    // makes a second panel for a moment (to check a scenario while one
    // flies) hands them back to the flying one's afterwards.
    static HostServices* current() { return current_; }
    static void make_current(HostServices* services) { current_ = services; }

private:
    static HostServices* current_;
    HostVariables& variables_;
    PanelServices table_{};

    static void HOSTCALL query_elements(ElementHeader*);
    static void HOSTCALL install_elements(ElementHeader*, HostWord);
    static void HOSTCALL initialize_elements(ElementHeader*);
    static void HOSTCALL update_elements(ElementHeader*);
    static void HOSTCALL generate_elements(ElementHeader*, HostWord);
    static void HOSTCALL draw_elements(ElementHeader*);
    static void HOSTCALL kill_elements(ElementHeader*);
    static void HOSTCALL send_key_event(std::uint32_t event, std::uint32_t argument);
    static void HOSTCALL lookup_variable(ModuleVar* variable);

    template <int Entry>
    static void HOSTCALL trapped_entry();
    template <int... Entries>
    static void fill_traps(std::integer_sequence<int, Entries...>);
};
