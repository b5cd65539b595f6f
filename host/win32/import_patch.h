// Redirecting one of a loaded module's imported routines to the host, so
// the host sees the calls the module makes to the system (its window lookup
// and its sound device) without the module knowing.
#pragma once

#include <windows.h>

// Every import slot of `module` that holds `original` gets `replacement`;
// the number of slots changed.
int redirect_import(HMODULE module, void* original, void* replacement);

// Writes one word in memory that may be read-only.
void write_protected_word(void** where, void* value);
