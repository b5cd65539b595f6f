#include "instrument/display_callbacks.h"
#include "instrument/needle.h"
#include "layout/altimeter_face.h"
#include "layout/altimeter_mouse.h"
#include "layout/bitmap_ids.h"
#include "layout/breaker_face.h"
#include "layout/gauge_headers.h"
#include "layout/linkage.h"
#include "tests/recording_panel_services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<ElementHeader*> chain_of(const GaugeHeader& gauge)
{
    std::vector<ElementHeader*> chain;
    for (ElementHeader* e = gauge.element_list[0]; e != nullptr; e = e->next[0]) {
        chain.push_back(e);
        EXPECT_EQ(e->next[0] == nullptr || e->next[1] == nullptr, true) << "one element per list";
    }
    return chain;
}

struct Row {
    std::uint32_t kind, bitmap, frames;
    std::int32_t x, y;
    std::uint32_t flags;
};

// The face as drawn, root first.
const Row altimeter_rows[] = {
    {0, 5984, 1, 0, 0, 0x3},      {4, 5989, 4, 0, 0, 0x7},      {4, 6000, 4, 109, 100, 0x7},
    {4, 6016, 48, 216, 109, 0x7}, {4, 6016, 48, 192, 109, 0x7}, {4, 6016, 48, 168, 109, 0x7},
    {4, 6016, 48, 144, 109, 0x7}, {4, 6016, 48, 120, 109, 0x7}, {4, 6016, 48, 222, 176, 0x7},
    {4, 6016, 48, 198, 176, 0x7}, {4, 6016, 48, 174, 176, 0x7}, {4, 6528, 48, 144, 170, 0x7},
    {4, 6528, 48, 114, 170, 0x7}, {4, 6272, 48, 196, 240, 0x7}, {4, 6272, 48, 177, 240, 0x7},
    {4, 6272, 48, 158, 240, 0x7}, {4, 6272, 48, 139, 240, 0x7}, {1, 6592, 1, 180, 179, 0x4083},
};

class AltimeterLayout : public ::testing::TestWithParam<InstrumentId> {
protected:
    GaugeHeader& gauge() { return GetParam() == InstrumentId::zor_1 ? zor_1_gauge_header : zor_2_gauge_header; }
};

TEST_P(AltimeterLayout, EighteenElementsEndingWithTheNeedleAsTabled)
{
    const std::vector<ElementHeader*> chain = chain_of(gauge());
    ASSERT_EQ(chain.size(), 18u);
    EXPECT_EQ(find_needle(&gauge()), chain.back());
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const ElementHeader& e = *chain[i];
        const Row& row = altimeter_rows[i];
        EXPECT_EQ(e.kind, row.kind) << "element " << i + 1;
        EXPECT_EQ(e.resource_id, row.bitmap) << "element " << i + 1;
        EXPECT_EQ(e.position.x, row.x) << "element " << i + 1;
        EXPECT_EQ(e.position.y, row.y) << "element " << i + 1;
        EXPECT_EQ(e.image_flags, row.flags) << "element " << i + 1;
        EXPECT_EQ(e.owner, &gauge()) << "element " << i + 1;
        if (e.kind == element_icon) {
            EXPECT_EQ(reinterpret_cast<IconElement&>(*chain[i]).frame_count, row.frames);
        }
    }
    const NeedleElement& needle = reinterpret_cast<NeedleElement&>(*chain.back());
    EXPECT_EQ(needle.header.pivot.x, 0);
    EXPECT_EQ(needle.header.pivot.y, 3);
}

// Drives the instrument through every bank and digit code its update can
// produce, and checks no icon asks for a frame its strip does not have.
TEST_P(AltimeterLayout, NoIconReturnsAFrameBeyondItsCount)
{
    InstrumentState& s = instrument_state(GetParam());
    s.powered = 1;
    s.selected_digits_visible = 1;
    s.deviation_border_frame = 0;
    const std::vector<ElementHeader*> chain = chain_of(gauge());
    for (int bank = 0; bank < 4; ++bank) {
        s.units_feet = bank % 2;
        s.dimmed = bank / 2;
        for (DigitCode code = -1; code <= digit_three_bars; ++code) {
            std::fill(std::begin(s.selected_digits), std::end(s.selected_digits), code);
            std::fill(std::begin(s.altitude_digits), std::end(s.altitude_digits), code);
            std::fill(std::begin(s.pressure_digits), std::end(s.pressure_digits), code);
            for (ElementHeader* e : chain) {
                if (e->kind != element_icon)
                    continue;
                const IconElement& icon = reinterpret_cast<IconElement&>(*e);
                const double frame = icon.value(reinterpret_cast<HostWord>(e));
                EXPECT_GE(frame, -1.0);
                EXPECT_LT(frame, icon.frame_count) << "bitmap " << e->resource_id;
            }
        }
    }
}

// Each tree's callbacks read its own instrument: only that instrument's
// change of units moves its lit dial to the feet bank.
TEST_P(AltimeterLayout, CallbacksBelongToTheTreesOwnInstrument)
{
    for (InstrumentState& s : instrument_states)
        s.powered = 1;
    instrument_state(GetParam()).units_feet = 1;
    const IconElement& lit_dial = reinterpret_cast<IconElement&>(*chain_of(gauge())[1]);
    EXPECT_EQ(lit_dial.value(0), 1.0);
    instrument_state(GetParam()).units_feet = 0;
    const InstrumentId other = GetParam() == InstrumentId::zor_1 ? InstrumentId::zor_2 : InstrumentId::zor_1;
    instrument_state(other).units_feet = 1;
    EXPECT_EQ(lit_dial.value(0), 0.0);
}

TEST_P(AltimeterLayout, MouseAreasAndTooltip)
{
    const MouseRect* areas = gauge().mouse_areas;
    struct Expected {
        std::uint32_t kind;
        std::int32_t x, y, w, h, cursor;
        std::uint32_t mask;
    };
    const Expected rows[] = {
        {1, 0, 0, 0, 0, -1, 0},
        {2, 23, 20, 45, 45, 5, 0x20000000},
        {2, 308, 9, 40, 40, 5, 0x20000000},
        {1, 309, 293, 60, 45, -1, 0},
        {4, 0, 0, 0, 0, -1, 0},
        {3, 0, 0, 0, 0, -1, 0},
        {2, 309, 293, 26, 48, 2, 0xa0200000},
        {2, 335, 293, 26, 48, 1, 0xa0200000},
        {2, 1, 293, 30, 45, 2, 0xa0200000},
        {2, 31, 293, 30, 45, 1, 0xa0200000},
        {3, 0, 0, 0, 0, -1, 0},
        {0, 0, 0, 0, 0, -1, 0},
    };
    for (int i = 0; i < 12; ++i) {
        const MouseRect& a = areas[i];
        EXPECT_EQ(a.kind, rows[i].kind) << "entry " << i + 1;
        EXPECT_EQ(a.x, rows[i].x) << "entry " << i + 1;
        EXPECT_EQ(a.y, rows[i].y) << "entry " << i + 1;
        EXPECT_EQ(a.width, rows[i].w) << "entry " << i + 1;
        EXPECT_EQ(a.height, rows[i].h) << "entry " << i + 1;
        EXPECT_EQ(a.cursor, rows[i].cursor) << "entry " << i + 1;
        EXPECT_EQ(a.event_mask, rows[i].mask) << "entry " << i + 1;
        EXPECT_EQ(a.event_id, a.kind == mouse_tooltip ? 1u : 0u);
    }
    const MouseRect& tip = areas[4];
    EXPECT_STREQ(tip.action.tooltip_text, "%1!4d!");
    instrument_state(GetParam()).baro_setting_mb = 987;
    EXPECT_EQ(tip.tooltip_args[0].scale, 1.0);
    EXPECT_EQ(tip.tooltip_args[0].value(0, 0, 0, 0, 0, 0), 987.0);
    EXPECT_EQ(tip.tooltip_args[1].value, nullptr);

    // The knob halves act on this instrument.
    areas[7].action.click(nullptr, mouse_left_single);
    EXPECT_EQ(instrument_state(GetParam()).baro_setting_mb, 988);
}

INSTANTIATE_TEST_SUITE_P(BothAltimeters, AltimeterLayout, ::testing::Values(InstrumentId::zor_1, InstrumentId::zor_2),
                         [](const auto& info) { return info.param == InstrumentId::zor_1 ? "ZOR_1" : "ZOR_2"; });

TEST(BreakerLayout, DiscThenSwitchWithOneClickAreaOverTheWholeGauge)
{
    for (GaugeHeader* gauge : {&azs_zor_1_gauge_header, &azs_zor_2_gauge_header}) {
        const std::vector<ElementHeader*> chain = chain_of(*gauge);
        ASSERT_EQ(chain.size(), 2u);
        EXPECT_EQ(chain[0]->kind, element_static_image);
        EXPECT_EQ(chain[0]->resource_id, 5248u);
        EXPECT_EQ(chain[1]->kind, element_icon);
        EXPECT_EQ(chain[1]->resource_id, 5253u);
        EXPECT_EQ(reinterpret_cast<IconElement&>(*chain[1]).frame_count, 3u);
        for (ElementHeader* e : chain)
            EXPECT_EQ(e->image_flags, 0x3u);
        const MouseRect* areas = gauge->mouse_areas;
        EXPECT_EQ(areas[1].kind, mouse_click_area);
        EXPECT_EQ(areas[1].width, 30);
        EXPECT_EQ(areas[1].height, 65);
        EXPECT_EQ(areas[1].event_mask, mouse_left_single);
        EXPECT_EQ(areas[1].cursor, cursor_hand);
        EXPECT_EQ(areas[3].kind, mouse_end);
    }
}

} // namespace
