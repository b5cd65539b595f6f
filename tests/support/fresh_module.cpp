#include "tests/support/fresh_module.h"

#include <gtest/gtest.h>

#include "abi/panel_services.h"
#include "breakers/breaker_state.h"
#include "sound/scripted/platform.h"
#include "instrument/instrument_state.h"
#include "layout/altimeter_face.h"
#include "sound/alert_tone_player.h"

void reset_module_state()
{
    reset_breakers_for_tests();
    reset_instruments_for_tests();
    reset_alert_tone_player_for_tests();
    reset_altimeter_faces_for_tests();
    ImportTable.panels.table = nullptr;
}

namespace {

// The module as if loaded afresh, on a sound platform with nothing in it,
// before each suite (whose set-up may fly a scenario) and each test.
class FreshModuleForEveryTest : public ::testing::EmptyTestEventListener {
    void OnTestSuiteStart(const ::testing::TestSuite&) override { load_afresh(); }
    void OnTestStart(const ::testing::TestInfo&) override { load_afresh(); }

    static void load_afresh()
    {
        reset_module_state();
        reset_scripted_sound_platform();
    }
};

const bool listener_installed = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshModuleForEveryTest);
    return true;
}();

} // namespace
