// What the host relies on in every gauge's tables, checked as rules over
// whatever the tables hold rather than row by row: each tree a single chain
// owned by its gauge, the needle where the update walks to, icons whose
// callbacks stay within their frames, mouse-area lists that nest and end,
// and click areas inside the region that holds them and inside the face.
#include "abi/host_formats.h"
#include "instrument/needle.h"
#include "layout/face_geometry.h"
#include "layout/linkage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<const GaugeHeader*> gauges()
{
    std::vector<const GaugeHeader*> all;
    for (const GaugeHeader* gauge : Linkage.gauge_table)
        if (gauge != nullptr)
            all.push_back(gauge);
    return all;
}

bool is_altimeter(const GaugeHeader& gauge)
{
    return std::string(gauge.name).starts_with("ZOR_");
}

FaceDimensions face_of(const GaugeHeader& gauge)
{
    return is_altimeter(gauge) ? altimeter_face_size : breaker_face_size;
}

// The elements from the root, following the first entry of each list.
std::vector<ElementHeader*> chain_of(const GaugeHeader& gauge)
{
    std::vector<ElementHeader*> chain;
    for (ElementHeader* e = gauge.element_list[0]; e != nullptr && chain.size() < 64; e = e->next[0])
        chain.push_back(e);
    return chain;
}

TEST(LayoutInvariants, EachTreeIsOneChainOwnedByItsGauge)
{
    for (const GaugeHeader* gauge : gauges()) {
        ASSERT_NE(gauge->element_list, nullptr) << gauge->name;
        EXPECT_EQ(gauge->element_list[1], nullptr) << gauge->name << ": one root";
        for (ElementHeader* e : chain_of(*gauge)) {
            EXPECT_EQ(e->owner, gauge) << gauge->name;
            ASSERT_NE(e->next, nullptr) << gauge->name;
            if (e->next[0] != nullptr) {
                EXPECT_EQ(e->next[1], nullptr) << gauge->name << ": one element per next-element list";
            }
            EXPECT_EQ(e->image_flags & image_hidden, 0u) << gauge->name << ": nothing hidden as loaded";
        }
    }
}

TEST(LayoutInvariants, AltimeterNeedleEndsTheChainWhereTheUpdateWalksTo)
{
    for (const GaugeHeader* gauge : gauges()) {
        const std::vector<ElementHeader*> chain = chain_of(*gauge);
        const auto needles =
            std::count_if(chain.begin(), chain.end(), [](const ElementHeader* e) { return e->kind == element_needle; });
        if (!is_altimeter(*gauge)) {
            EXPECT_EQ(needles, 0) << gauge->name;
            continue;
        }
        ASSERT_EQ(chain.size(), static_cast<std::size_t>(needle_chain_position)) << gauge->name;
        EXPECT_EQ(needles, 1) << gauge->name;
        EXPECT_EQ(chain.back()->kind, element_needle) << gauge->name;
        EXPECT_EQ(find_needle(gauge), chain.back()) << gauge->name;
        EXPECT_EQ(chain.back()->position.x, dial_centre.x) << gauge->name;
        EXPECT_EQ(chain.back()->position.y, dial_centre.y) << gauge->name;
    }
}

TEST(LayoutInvariants, EveryElementLiesOnItsFace)
{
    for (const GaugeHeader* gauge : gauges()) {
        const FaceDimensions face = face_of(*gauge);
        for (const ElementHeader* e : chain_of(*gauge)) {
            EXPECT_GE(e->position.x, 0) << gauge->name << " bitmap " << e->resource_id;
            EXPECT_GE(e->position.y, 0) << gauge->name << " bitmap " << e->resource_id;
            EXPECT_LT(e->position.x, face.width) << gauge->name << " bitmap " << e->resource_id;
            EXPECT_LT(e->position.y, face.height) << gauge->name << " bitmap " << e->resource_id;
        }
    }
}

struct Box {
    std::int32_t x, y, width, height;
};

bool inside(const Box& inner, const Box& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
        inner.y + inner.height <= outer.y + outer.height;
}

TEST(LayoutInvariants, MouseAreasNestEndAndKeepClicksInsideTheirRegion)
{
    for (const GaugeHeader* gauge : gauges()) {
        const FaceDimensions face = face_of(*gauge);
        const Box whole_face = {0, 0, face.width, face.height};
        std::vector<Box> regions; // open regions, innermost last
        int clicks = 0;
        const MouseRect* area = gauge->mouse_areas;
        ASSERT_NE(area, nullptr) << gauge->name;
        ASSERT_EQ(area->kind, mouse_region_open) << gauge->name << ": the list opens the whole gauge";
        for (int entry = 1; area->kind != mouse_end; ++area, ++entry) {
            ASSERT_LT(entry, 64) << gauge->name << ": the list never ends";
            const Box box = {area->x, area->y, area->width, area->height};
            const std::string where = std::string(gauge->name) + " entry " + std::to_string(entry);
            switch (area->kind) {
            case mouse_region_open:
                // A box of 0, 0, 0, 0 is the whole face.
                regions.push_back(box.width == 0 && box.height == 0 ? whole_face : box);
                break;
            case mouse_region_close:
                ASSERT_FALSE(regions.empty()) << where << ": closes no region";
                regions.pop_back();
                break;
            case mouse_click_area:
                ++clicks;
                ASSERT_FALSE(regions.empty()) << where;
                EXPECT_GT(box.width, 0) << where;
                EXPECT_GT(box.height, 0) << where;
                EXPECT_TRUE(inside(box, regions.back())) << where << ": outside its region";
                EXPECT_TRUE(inside(box, whole_face)) << where << ": off the face";
                EXPECT_NE(area->action.click, nullptr) << where;
                EXPECT_NE(area->event_mask & (mouse_left_single | mouse_right_single), 0u) << where;
                break;
            case mouse_tooltip:
                ASSERT_FALSE(regions.empty()) << where;
                ASSERT_NE(area->tooltip_args, nullptr) << where;
                EXPECT_NE(area->tooltip_args[0].value, nullptr) << where;
                EXPECT_EQ(area->tooltip_args[1].value, nullptr) << where << ": one argument, then the end record";
                break;
            default: ADD_FAILURE() << where << ": kind " << area->kind;
            }
        }
        EXPECT_TRUE(regions.empty()) << gauge->name << ": a region is left open";
        EXPECT_GT(clicks, 0) << gauge->name;
    }
}

} // namespace
