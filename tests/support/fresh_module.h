// Every static record of the module back as it is at load: the rooms' own
// resets (breakers, instruments with their host-variable records, the tone
// player, the needles' flags) and the host's entry in ImportTable. Unit and
// host-core tests get it before every test suite and every test from the
// listener in fresh_module.cpp, so no test depends on what another left.
#pragma once

void reset_module_state();
