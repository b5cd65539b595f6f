// The lit dial and the deviation border: the LCD images drawn over the face.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/artwork/drawn_artwork.h"
#include "tools/artwork/face_geometry.h"

namespace {

Rgb bank_colour(int bank)
{
    return lcd_bank_colours[static_cast<std::size_t>(bank)];
}

// Positions relative to the border's own top-left corner.
PixelBox inside_border(const PixelBox& window)
{
    return {window.x - face_deviation_border.x, window.y - face_deviation_border.y, window.w, window.h};
}

TEST(LitDial, DigitWindowsArePlainLcdColourSoBlankDigitsMatchTheFrames)
{
    for (int bank = 0; bank < lcd_bank_count; ++bank) {
        const IndexedImage& dial = drawn_frame("lit_dial", bank);
        const Rgb lcd = bank_colour(bank);
        for (const PixelBox& window :
             {face_deviation_border, face_selected_altitude_window, face_altitude_window, face_pressure_window}) {
            EXPECT_EQ(count_pixels_in(dial, window, [lcd](Rgb c) { return c != lcd; }), 0)
                << "bank " << bank << " window at " << window.x << "," << window.y;
        }
    }
}

TEST(LitDial, IsADiscOnANearBlackRingWithNothingDrawnOutside)
{
    for (int bank = 0; bank < lcd_bank_count; ++bank) {
        const IndexedImage& dial = drawn_frame("lit_dial", bank);
        int ring = 0;
        for (int y = 0; y < dial.size.height; ++y) {
            for (int x = 0; x < dial.size.width; ++x) {
                const double r = radius_of(x, y);
                if (r > face_bezel_inner_radius + 1.0) {
                    ASSERT_TRUE(is_undrawn(dial.at(x, y))) << x << "," << y;
                }
                if (r < face_bezel_inner_radius - 1.0) {
                    ASSERT_TRUE(is_drawn(dial.at(x, y))) << x << "," << y;
                }
                if (r > face_lcd_radius + 1.0 && r < face_bezel_inner_radius - 1.0) {
                    ring += dial.at(x, y) == near_black ? 1 : 0;
                }
            }
        }
        EXPECT_GT(ring, 1000) << "bank " << bank;
    }
}

TEST(LitDial, ShowsOnlyItsOwnBanksColour)
{
    for (int bank = 0; bank < lcd_bank_count; ++bank) {
        for (int other = 0; other < lcd_bank_count; ++other) {
            EXPECT_EQ(contains_colour(drawn_frame("lit_dial", bank), bank_colour(other)), bank == other)
                << "bank " << bank << " colour of bank " << other;
        }
    }
}

// Dim frames repeat the bright ones' print; metres and feet differ in labels.
TEST(LitDial, DimFramesCarryTheSamePrintAsTheirBrightFramesAndUnitsDiffer)
{
    auto print_of = [](int bank) {
        const IndexedImage& dial = drawn_frame("lit_dial", bank);
        std::vector<bool> inked;
        for (int y = 0; y < dial.size.height; ++y) {
            for (int x = 0; x < dial.size.width; ++x)
                inked.push_back(dial.at(x, y) == lcd_ink);
        }
        return inked;
    };
    EXPECT_EQ(print_of(0), print_of(2));
    EXPECT_EQ(print_of(1), print_of(3));
    EXPECT_NE(print_of(0), print_of(1));
}

TEST(DeviationBorder, IsOpaqueLcdColourInsideAndDashedDarkAlongEveryEdge)
{
    const PixelBox inner = inside_border(face_selected_altitude_window);
    for (int bank = 0; bank < lcd_bank_count; ++bank) {
        const IndexedImage& border = drawn_frame("deviation_border", bank);
        const Rgb lcd = bank_colour(bank);
        EXPECT_EQ(count_pixels(border, is_undrawn), 0) << "bank " << bank;
        EXPECT_EQ(count_pixels_in(border, inner, [lcd](Rgb c) { return c != lcd; }), 0) << "bank " << bank;

        const int w = border.size.width, h = border.size.height;
        const PixelBox edges[] = {{0, 0, w, inner.y},
                                  {0, inner.y + inner.h, w, h - inner.y - inner.h},
                                  {0, 0, inner.x, h},
                                  {inner.x + inner.w, 0, w - inner.x - inner.w, h}};
        for (const PixelBox& edge : edges) {
            const int dark = count_pixels_in(border, edge, [](Rgb c) { return c == lcd_ink; });
            const int lit = count_pixels_in(border, edge, [lcd](Rgb c) { return c == lcd; });
            EXPECT_GT(dark, edge.w * edge.h / 8) << "bank " << bank << " edge at " << edge.x << "," << edge.y;
            EXPECT_GT(lit, edge.w * edge.h / 4) << "bank " << bank << " edge at " << edge.x << "," << edge.y;
        }
    }
}

TEST(DeviationBorder, HasGapsBetweenDashesAndClosesEachCorner)
{
    const IndexedImage& border = drawn_frame("deviation_border", 0);
    const int w = border.size.width, h = border.size.height;
    for (const auto& [x, y] : {std::pair{2, 2}, std::pair{w - 3, 2}, std::pair{2, h - 3}, std::pair{w - 3, h - 3}}) {
        EXPECT_EQ(border.at(x, y), lcd_ink) << x << "," << y;
    }
    int dashes = 0;
    for (int x = 1; x < w; ++x)
        dashes += border.at(x, 2) == lcd_ink && border.at(x - 1, 2) != lcd_ink ? 1 : 0;
    EXPECT_GT(dashes, 5);
}

} // namespace
