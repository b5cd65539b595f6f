#include "abi/host_formats.h"
#include "breakers/breaker_callbacks.h"
#include "layout/gauge_headers.h"
#include "tests/recording_panel_services.h"

#include <gtest/gtest.h>

namespace {

const IconElement& lever_of(const GaugeHeader& gauge)
{
    return reinterpret_cast<const IconElement&>(*gauge.element_list[0]->next[0]);
}

TEST(Breakers, OpenAtLoadAndTogglePerLeftClick)
{
    const IconElement& lever_1 = lever_of(azs_zor_1_gauge_header);
    const IconElement& lever_2 = lever_of(azs_zor_2_gauge_header);
    EXPECT_EQ(lever_1.value(0), 0.0);
    EXPECT_EQ(lever_2.value(0), 0.0);

    const MouseRect& area_2 = azs_zor_2_gauge_header.mouse_areas[1];
    EXPECT_EQ(area_2.action.click(nullptr, mouse_left_single), 1);
    EXPECT_EQ(breaker_closed[1], 1);
    EXPECT_EQ(breaker_closed[0], 0);
    EXPECT_EQ(lever_2.value(0), 2.0);
    EXPECT_EQ(lever_1.value(0), 0.0);
    area_2.action.click(nullptr, mouse_left_single);
    EXPECT_EQ(lever_2.value(0), 0.0);
}

TEST(Breakers, OneStateHoweverOftenTheGaugeIsPlaced)
{
    // Two placements of AZS_ZOR_1 call the same toggle and lever callbacks.
    breaker_toggle_click<BreakerId::azs_zor_1>(nullptr, 0);
    EXPECT_EQ(breaker_position_value<BreakerId::azs_zor_1>(1), 2.0);
    EXPECT_EQ(breaker_position_value<BreakerId::azs_zor_1>(2), 2.0);
    breaker_closed[0] = 7; // any non-zero value reads as closed, and toggles to open
    EXPECT_EQ(breaker_position_value<BreakerId::azs_zor_1>(0), 2.0);
    breaker_toggle_click<BreakerId::azs_zor_1>(nullptr, 0);
    EXPECT_EQ(breaker_closed[0], 0);
}

} // namespace
