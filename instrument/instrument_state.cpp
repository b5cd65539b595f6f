#include "instrument/instrument_state.h"

#include "instrument/host_snapshot.h"

InstrumentState instrument_states[instrument_count];
AlertArming zor_1_alert_tone;
HostSnapshot host_snapshot;

void reset_instruments_for_tests()
{
    for (InstrumentState& s : instrument_states)
        s = InstrumentState{};
    zor_1_alert_tone = AlertArming{};
    host_snapshot = HostSnapshot{};
    reset_host_variable_records_for_tests();
}
