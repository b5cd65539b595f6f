#include "host/linked/fresh_module.h"

#include "abi/panel_services.h"
#include "breakers/breaker_state.h"
#include "instrument/instrument_state.h"
#include "layout/altimeter_face.h"
#include "sound/alert_tone_player.h"
#include "sound/scripted/platform.h"

void reset_module_state()
{
    reset_breakers_for_tests();
    reset_instruments_for_tests();
    reset_alert_tone_player_for_tests();
    reset_altimeter_faces_for_tests();
    ImportTable.panels.table = nullptr;
}

void load_linked_module_afresh()
{
    reset_module_state();
    reset_scripted_sound_platform();
}
