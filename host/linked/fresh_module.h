// The linked module as if loaded afresh: every static record of its rooms
// back as it is at load (breakers, instruments with their host-variable
// records, the tone player, the needles' flags), no panel services in its
// ImportTable, and the scripted sound platform empty. A program that flies
// several sessions with the one module it has linked in (flights in a row,
// a page that starts a new scenario) starts each one here, as the Windows
// program loads the DLL anew; so do the tests.
#pragma once

void reset_module_state();
void load_linked_module_afresh();
