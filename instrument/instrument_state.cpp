#include "instrument/instrument_state.h"

InstrumentState instrument_states[instrument_count];
AlertArming zor_1_alert_tone;
HostSnapshot host_snapshot;
