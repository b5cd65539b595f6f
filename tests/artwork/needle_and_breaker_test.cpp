#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/artwork/drawn_artwork.h"
#include "tools/artwork/face_geometry.h"

namespace {

const int bar_first_column = static_cast<int>(face_needle_inner_radius);
const int bar_last_column = static_cast<int>(face_needle_outer_radius);

TEST(Needle, IsUndrawnEverywhereButTheBar)
{
    const IndexedImage& needle = drawn_frame("needle", 0);
    for (int y = 0; y < needle.size.height; ++y) {
        for (int x = 0; x < needle.size.width; ++x) {
            if (x < bar_first_column || x > bar_last_column) {
                EXPECT_TRUE(is_undrawn(needle.at(x, y))) << x << "," << y;
            }
        }
    }
    for (int x : {bar_first_column, bar_last_column}) {
        EXPECT_GT(count_pixels_in(needle, {x, 0, 1, needle.size.height}, is_drawn), 0)
            << "the bar reaches column " << x;
    }
}

TEST(Needle, BarFillsTheFullHeightWithAnOutlineAroundItsFill)
{
    const IndexedImage& needle = drawn_frame("needle", 0);
    const int middle = (bar_first_column + bar_last_column) / 2;
    const Rgb outline = needle.at(middle, 0);
    const Rgb fill = needle.at(middle, needle.size.height / 2);
    EXPECT_EQ(outline, needle.at(middle, needle.size.height - 1));
    EXPECT_EQ(outline, needle_outline);
    EXPECT_EQ(fill, needle_fill);
    for (int x = bar_first_column + needle.size.height; x <= bar_last_column - needle.size.height; ++x) {
        EXPECT_EQ(count_pixels_in(needle, {x, 0, 1, needle.size.height}, is_drawn), needle.size.height) << x;
    }
    // Curved ends: the end columns are shorter than the body.
    EXPECT_LT(count_pixels_in(needle, {bar_first_column, 0, 1, needle.size.height}, is_drawn), needle.size.height);
    EXPECT_LT(count_pixels_in(needle, {bar_last_column, 0, 1, needle.size.height}, is_drawn), needle.size.height);
}

TEST(BreakerDisc, IsARoundPureBlueDiscWithADarkOutlineOnBlack)
{
    const IndexedImage& disc = drawn_frame("breaker_disc", 0);
    EXPECT_EQ(disc.at(14, 32), breaker_cap_blue);
    const RowSpan rows = drawn_rows(disc);
    const int across = count_pixels_in(disc, {0, 32, disc.size.width, 1}, is_drawn);
    EXPECT_EQ(rows.last - rows.first + 1, across) << "as tall as it is wide";
    int left = 0;
    while (is_undrawn(disc.at(left, 32)))
        ++left;
    EXPECT_LT(disc.at(left, 32).b, 128) << "dark outline";
    EXPECT_TRUE(is_undrawn(disc.at(0, 0)));
}

TEST(BreakerSwitch, BaseRingCoversTheDiscInEveryFrame)
{
    const IndexedImage& disc = drawn_frame("breaker_disc", 0);
    for (int frame = 0; frame < 3; ++frame) {
        const IndexedImage& lever = drawn_frame("breaker_switch", frame);
        ASSERT_EQ(lever.size, disc.size);
        for (int y = 0; y < disc.size.height; ++y) {
            for (int x = 0; x < disc.size.width; ++x) {
                if (is_drawn(disc.at(x, y))) {
                    EXPECT_TRUE(is_drawn(lever.at(x, y))) << frame << ": " << x << "," << y;
                }
            }
        }
        EXPECT_FALSE(contains_colour(lever, breaker_cap_blue)) << frame;
    }
}

// End-on, only the ring shows; open, the lever hangs below it; closed, it stands above.
TEST(BreakerSwitch, LeverPointsDownWhenOpenAndUpWhenClosed)
{
    const RowSpan ring = drawn_rows(drawn_frame("breaker_switch", 1));
    const RowSpan open = drawn_rows(drawn_frame("breaker_switch", 0));
    const RowSpan closed = drawn_rows(drawn_frame("breaker_switch", 2));
    EXPECT_EQ(open.first, ring.first);
    EXPECT_GT(open.last, ring.last + 10);
    EXPECT_EQ(closed.last, ring.last);
    EXPECT_LT(closed.first, ring.first - 10);
    const RowSpan disc = drawn_rows(drawn_frame("breaker_disc", 0));
    EXPECT_LE(std::abs((ring.first + ring.last) - (disc.first + disc.last)), 1) << "the ring is centred on the disc";
}

} // namespace
