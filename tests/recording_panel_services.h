// A panel-services table for unit tests that records what the module asks
// of the host and answers variable lookups from values the test sets.
#pragma once

#include "abi/host_formats.h"

#include <cstdint>
#include <map>
#include <vector>

struct KeyEvent {
    std::uint32_t event;
    std::uint32_t argument;
    bool operator==(const KeyEvent&) const = default;
};

struct ElementListCall {
    int entry; // panel-service entry number
    ElementHeader* root;
    HostWord value; // second argument, where the entry takes one
    bool operator==(const ElementListCall&) const = default;
};

class RecordingPanelServices {
public:
    RecordingPanelServices();  // installs itself into ImportTable
    ~RecordingPanelServices(); // and takes itself out again

    std::map<std::uint32_t, double> variables; // token -> value the host answers
    std::vector<std::uint32_t> lookups;        // tokens in the order asked
    std::vector<KeyEvent> key_events;
    std::vector<ElementListCall> element_calls;

    PanelServices table{};
};
