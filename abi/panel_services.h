// Typed calls into the host's panel services. Each call reads ImportTable
// afresh, as the host may write it at any time before it calls a gauge
// routine. A host that calls in before writing it, or that leaves an entry
// empty, gets no call rather than a crash.
#pragma once

#include "abi/host_formats.h"

// The record the module exports, where the host leaves its table. Defined
// with the calls that read it, so that it is there wherever they are.
extern "C" ImportTableRecord ImportTable;

void lookup_variable(ModuleVar& variable);
void send_key_event(std::uint32_t event, std::uint32_t argument);

void query_elements(ElementHeader* root);
void install_elements(ElementHeader* root, HostWord value);
void initialize_elements(ElementHeader* root);
void update_elements(ElementHeader* root);
void generate_elements(ElementHeader* root, HostWord value);
void draw_elements(ElementHeader* root);
void kill_elements(ElementHeader* root);
