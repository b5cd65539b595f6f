#include <gtest/gtest.h>

#include <string>

#include "tools/artwork/digit_strip_art.h"
#include "tests/artwork/drawn_artwork.h"

namespace {

struct Strip {
    const char* family;
    const GlyphStyle* glyph;
};
const Strip strips[] = {
    {"small_digits", &small_digit_glyph},
    {"medium_digits", &medium_digit_glyph},
    {"large_digits", &large_digit_glyph},
};

// Segments of each digit code as the letters of the usual seven-segment
// naming: a top, b upper right, c lower right, d bottom, e lower left,
// f upper left, g middle.
const char* const glyph_letters[digit_code_count] = {
    "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg", "g", "adg",
};
constexpr const char* segment_letters = "abcdefg";
constexpr Segment segment_of_letter[] = {Segment::top,    Segment::upper_right, Segment::lower_right,
                                         Segment::bottom, Segment::lower_left,  Segment::upper_left,
                                         Segment::middle};

bool is_segment_grey(Rgb c)
{
    return c.r == c.g && c.g == c.b && c.r >= near_black.r && c.r <= 51;
}

TEST(DigitStrips, EveryFrameIsOpaqueWithNoPureBlackAnywhere)
{
    for (const Strip& strip : strips) {
        for (const SheetTile& tile : drawn_frames(strip.family)) {
            EXPECT_EQ(count_pixels(tile.image, is_undrawn), 0) << tile.resource_id;
        }
    }
}

TEST(DigitStrips, EveryFrameIsFilledWithItsBanksExactLcdColour)
{
    for (const Strip& strip : strips) {
        const auto& frames = drawn_frames(strip.family);
        for (std::size_t frame = 0; frame < frames.size(); ++frame) {
            const IndexedImage& image = frames[frame].image;
            const Rgb lcd = lcd_bank_colours[frame / digit_code_count];
            const int background = count_pixels(image, [lcd](Rgb c) { return c == lcd; });
            EXPECT_GT(background, image.size.width * image.size.height / 2) << frames[frame].resource_id;
            EXPECT_EQ(image.at(0, 0), lcd) << frames[frame].resource_id;
            EXPECT_EQ(image.at(image.size.width - 1, image.size.height - 1), lcd) << frames[frame].resource_id;
        }
    }
}

TEST(DigitStrips, EachCodeLightsExactlyItsSegmentsInDarkGrey)
{
    for (const Strip& strip : strips) {
        const auto& frames = drawn_frames(strip.family);
        for (std::size_t frame = 0; frame < frames.size(); ++frame) {
            const int code = static_cast<int>(frame % digit_code_count);
            const Rgb lcd = lcd_bank_colours[frame / digit_code_count];
            for (int s = 0; s < segment_count; ++s) {
                const GlyphPoint centre = segment_centre(*strip.glyph, segment_of_letter[s]);
                const Rgb pixel = frames[frame].image.at(static_cast<int>(centre.x), static_cast<int>(centre.y));
                const bool lit = std::string(glyph_letters[code]).find(segment_letters[s]) != std::string::npos;
                if (lit) {
                    EXPECT_TRUE(is_segment_grey(pixel))
                        << frames[frame].resource_id << " segment " << segment_letters[s];
                } else {
                    EXPECT_EQ(pixel, lcd) << frames[frame].resource_id << " segment " << segment_letters[s];
                }
            }
        }
    }
}

// Switching units or brightness must not make the digits jump, even where a
// bank's frames are taller than the first bank's.
TEST(DigitStrips, GlyphsSitInTheSamePixelsInEveryBank)
{
    for (const Strip& strip : strips) {
        const auto& frames = drawn_frames(strip.family);
        for (int code = 0; code < digit_code_count; ++code) {
            const IndexedImage& first = frames[static_cast<std::size_t>(code)].image;
            for (int bank = 1; bank < lcd_bank_count; ++bank) {
                const IndexedImage& other = frames[static_cast<std::size_t>(bank * digit_code_count + code)].image;
                const Rgb lcd = lcd_bank_colours[static_cast<std::size_t>(bank)];
                for (int y = 0; y < other.size.height; ++y) {
                    for (int x = 0; x < other.size.width; ++x) {
                        const bool inked_first = y < first.size.height && first.at(x, y) != lcd_bank_colours[0];
                        ASSERT_EQ(other.at(x, y) != lcd, inked_first)
                            << strip.family << " code " << code << " bank " << bank << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

} // namespace
