#include "tools/artwork/colour_quantiser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/artwork/cairo_shapes.h"
#include "tools/artwork/key_colours.h"
#include "tools/artwork/colour_reduction.h"

namespace {

int distance(Rgb a, Rgb b)
{
    return static_cast<int>(std::lround(std::hypot(a.r - b.r, a.g - b.g, a.b - b.b)));
}

// A horizontal sweep through many colours, more than any palette can hold.
void paint_rainbow(Canvas& canvas)
{
    cairo_pattern_t* sweep = cairo_pattern_create_linear(0, 0, canvas.size().width, 0);
    add_colour_stop(sweep, 0.0, {255, 0, 0});
    add_colour_stop(sweep, 0.5, {0, 255, 0});
    add_colour_stop(sweep, 1.0, {0, 0, 255});
    cairo_set_source(canvas.cr(), sweep);
    cairo_paint(canvas.cr());
    cairo_pattern_destroy(sweep);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, canvas.size().height);
    cairo_pattern_add_color_stop_rgba(shade, 0.0, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(shade, 1.0, 0, 0, 0, 0.8);
    cairo_set_source(canvas.cr(), shade);
    cairo_paint(canvas.cr());
    cairo_pattern_destroy(shade);
}

TEST(ColourQuantiser, LeavesUntouchedPixelsPureBlackAndLiftsDrawnBlackToNearBlack)
{
    Canvas canvas({8, 4});
    cairo_rectangle(canvas.cr(), 0, 0, 4, 4);
    fill_with(canvas.cr(), {0, 0, 0});
    const IndexedImage image = quantise(canvas, {});
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(image.at(1, y), near_black);
        EXPECT_EQ(image.at(6, y), undrawn);
    }
    EXPECT_EQ(image.palette.front(), undrawn);
}

TEST(ColourQuantiser, LiftsOnlyColoursDarkerThanNearBlack)
{
    EXPECT_EQ(lift_above_undrawn({5, 0, 9}), (Rgb{13, 13, 13}));
    EXPECT_EQ(lift_above_undrawn({0, 0, 12}), (Rgb{13, 13, 13}));
    EXPECT_EQ(lift_above_undrawn({0, 0, 255}), (Rgb{0, 0, 255}));
    EXPECT_EQ(lift_above_undrawn({13, 0, 0}), (Rgb{13, 0, 0}));
}

TEST(ColourQuantiser, DrawsAntialiasedEdgesInFullColourAndLeavesFaintOnesUndrawn)
{
    Canvas canvas({40, 40});
    circle_path(canvas.cr(), 20, 20, 15.3);
    fill_with(canvas.cr(), {200, 40, 40});
    const IndexedImage image = quantise(canvas, {});
    int drawn = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const double r = std::hypot(x + 0.5 - 20, y + 0.5 - 20);
            if (r < 14.5) {
                EXPECT_EQ(image.at(x, y), (Rgb{200, 40, 40}));
            }
            if (r > 16.2) {
                EXPECT_EQ(image.at(x, y), undrawn);
            }
            drawn += image.at(x, y) == undrawn ? 0 : 1;
            if (image.at(x, y) != undrawn) {
                EXPECT_LT(distance(image.at(x, y), {200, 40, 40}), 3);
            }
        }
    }
    EXPECT_NEAR(drawn, 3.14159 * 15.3 * 15.3, 15.0);
}

TEST(ColourQuantiser, KeepsKeyColoursExactAmongMoreShadesThanThePaletteHolds)
{
    Canvas canvas({300, 64});
    paint_rainbow(canvas);
    const std::array keys{Rgb{29, 163, 29}, Rgb{130, 130, 34}};
    cairo_rectangle(canvas.cr(), 10, 10, 4, 4);
    fill_with(canvas.cr(), keys[0]);
    cairo_rectangle(canvas.cr(), 200, 50, 4, 4);
    fill_with(canvas.cr(), keys[1]);

    const IndexedImage image = quantise(canvas, keys);
    EXPECT_LE(image.palette.size(), max_palette_size);
    EXPECT_EQ(image.at(11, 11), keys[0]);
    EXPECT_EQ(image.at(201, 51), keys[1]);
    EXPECT_EQ(std::count(image.palette.begin(), image.palette.end(), undrawn), 0)
        << "an opaque image needs no undrawn entry";
}

TEST(ColourQuantiser, ApproximatesEveryShadeClosely)
{
    Canvas canvas({300, 64});
    paint_rainbow(canvas);
    const IndexedImage image = quantise(canvas, {});
    int worst = 0;
    double total = 0.0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 300; ++x) {
            const std::uint32_t argb = canvas.premultiplied_argb(x, y);
            const Rgb original{std::uint8_t(argb >> 16), std::uint8_t(argb >> 8), std::uint8_t(argb)};
            const int error = distance(image.at(x, y), lift_above_undrawn(original));
            worst = std::max(worst, error);
            total += error;
        }
    }
    EXPECT_LT(total / (300 * 64), 6.0);
    EXPECT_LT(worst, 20);
}

// With every slot taken by bright keys, a dark pixel lies nearer the undrawn
// entry than any drawn one, and must still not become a hole.
TEST(ColourQuantiser, NeverMapsADrawnPixelToTheUndrawnEntry)
{
    std::vector<Rgb> bright_keys;
    for (int i = 0; bright_keys.size() + 1 < max_palette_size; ++i) {
        bright_keys.push_back({std::uint8_t(150 + i % 100), std::uint8_t(150 + i / 100 * 30), 200});
    }
    Canvas canvas({4, 1});
    cairo_rectangle(canvas.cr(), 0, 0, 1, 1);
    fill_with(canvas.cr(), {20, 20, 20});
    cairo_rectangle(canvas.cr(), 1, 0, 1, 1);
    fill_with(canvas.cr(), bright_keys.front());
    const IndexedImage image = quantise(canvas, bright_keys);
    EXPECT_EQ(image.palette.size(), max_palette_size);
    EXPECT_NE(image.at(0, 0), undrawn);
    EXPECT_EQ(image.at(3, 0), undrawn);
}

TEST(ColourQuantiser, RefusesTheUndrawnKeyAsADrawnColour)
{
    Canvas canvas({2, 2});
    const std::array keys{undrawn};
    EXPECT_THROW(quantise(canvas, keys), std::logic_error);
}

TEST(ColourReduction, ReturnsFewColoursUnchanged)
{
    const std::vector<ColourCount> few{{{1, 2, 3}, 5}, {{200, 0, 0}, 1}};
    const auto result = reduce_colours(few, 4);
    ASSERT_EQ(result.size(), 2u);
    EXPECT_EQ(result[0], (Rgb{1, 2, 3}));
    EXPECT_EQ(result[1], (Rgb{200, 0, 0}));
}

TEST(ColourReduction, FindsTwoClustersAndWeighsTheirMembersByPixels)
{
    const std::vector<ColourCount> clusters{
        {{10, 10, 10}, 3}, {{14, 10, 10}, 1}, {{12, 12, 12}, 4}, {{240, 200, 0}, 2}, {{244, 204, 0}, 2},
    };
    auto result = reduce_colours(clusters, 2);
    ASSERT_EQ(result.size(), 2u);
    std::sort(result.begin(), result.end(), [](Rgb a, Rgb b) { return a.r < b.r; });
    EXPECT_EQ(result[0], (Rgb{12, 11, 11}));
    EXPECT_EQ(result[1], (Rgb{242, 202, 0}));
}

} // namespace
