// The unlit face, and how the lit dial lies over it.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/artwork/drawn_artwork.h"
#include "tools/artwork/face_geometry.h"

namespace {

TEST(Face, CornersOutsideTheBezelAreUndrawn)
{
    const IndexedImage& f = drawn_frame("face", 0);
    const int w = f.size.width, h = f.size.height;
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1},
                               std::pair{w / 2, h - 1}, std::pair{0, h / 2}}) {
        EXPECT_TRUE(is_undrawn(f.at(x, y))) << x << "," << y;
    }
}

TEST(Face, HasNoHoleInsideTheBezel)
{
    const IndexedImage& f = drawn_frame("face", 0);
    for (int y = 0; y < f.size.height; ++y) {
        for (int x = 0; x < f.size.width; ++x) {
            if (radius_of(x, y) < face_bezel_outer_radius - 1.0) {
                ASSERT_TRUE(is_drawn(f.at(x, y))) << x << "," << y;
            }
        }
    }
}

TEST(Face, DrawsEachControlUnderItsClickBox)
{
    const IndexedImage& f = drawn_frame("face", 0);
    for (const PixelBox& box :
         {face_brightness_switch, face_units_button, face_selected_altitude_knob, face_pressure_knob}) {
        EXPECT_TRUE(is_drawn(f.at(static_cast<int>(box.centre_x()), static_cast<int>(box.centre_y()))))
            << box.x << "," << box.y;
        EXPECT_GT(count_pixels_in(f, box, is_drawn), box.w * box.h / 3) << box.x << "," << box.y;
    }
}

TEST(Face, DialIsGreyWithDarkerPrint)
{
    const IndexedImage& f = drawn_frame("face", 0);
    const Rgb centre = f.at(static_cast<int>(face_centre_x), static_cast<int>(face_centre_y));
    EXPECT_LT(std::abs(centre.r - centre.g), 16);
    EXPECT_LT(std::abs(centre.g - centre.b), 16);
    EXPECT_GT(centre.g, 80);
    const Rgb top_tick =
        f.at(static_cast<int>(face_centre_x), static_cast<int>(face_centre_y - face_graduation_inner_radius - 3));
    EXPECT_LT(top_tick.g + 40, centre.g) << "the graduation at 0 is printed dark";
}

// Powered, the lit dial hides the whole unlit dial but leaves bezel and controls.
TEST(Face, LitDialCoversTheDialAndLeavesTheBezelAndControlsVisible)
{
    const IndexedImage& f = drawn_frame("face", 0);
    for (int bank = 0; bank < lcd_bank_count; ++bank) {
        const IndexedImage& lit = drawn_frame("lit_dial", bank);
        ASSERT_EQ(lit.size, f.size);
        for (int y = 0; y < f.size.height; ++y) {
            for (int x = 0; x < f.size.width; ++x) {
                const double r = radius_of(x, y);
                if (r < face_bezel_inner_radius - 1.0) {
                    ASSERT_TRUE(is_drawn(lit.at(x, y))) << x << "," << y;
                }
                if (r > face_bezel_inner_radius + 1.0) {
                    ASSERT_TRUE(is_undrawn(lit.at(x, y))) << x << "," << y;
                }
            }
        }
    }
}

} // namespace
