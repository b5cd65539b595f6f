// The per-frame update of one altimeter, run at every update service code.
#pragma once

#include "abi/host_formats.h"
#include "instrument/instrument_state.h"

// Runs one frame of the instrument. ZOR_1 reads the host into the shared
// snapshot first and drives the alert tone; ZOR_2 works on whatever
// snapshot ZOR_1 left. `gauge` is the header the host called through; its
// element chain holds the needle that the update shows or hides.
void update_instrument(InstrumentId id, GaugeHeader* gauge);

// Hands the instrument's pressure setting to the simulator's own altimeter.
void send_pressure_setting(const InstrumentState& state);
