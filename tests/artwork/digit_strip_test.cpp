#include <gtest/gtest.h>

#include <string>

#include "digit_strip_art.h"
#include "drawn_artwork.h"

namespace artwork {
namespace {

using namespace artwork::testing;

struct Strip {
    const char* family;
    const GlyphStyle* glyph;
};
const Strip kStrips[] = {
    {"small_digits", &kSmallDigitGlyph},
    {"medium_digits", &kMediumDigitGlyph},
    {"large_digits", &kLargeDigitGlyph},
};

// Segments of each digit code as the letters of the usual seven-segment
// naming: a top, b upper right, c lower right, d bottom, e lower left,
// f upper left, g middle.
const char* const kGlyphLetters[kDigitCodeCount] = {
    "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg", "g", "adg",
};
constexpr const char* kSegmentLetters = "abcdefg";
constexpr Segment kSegmentOfLetter[] = {Segment::top,       Segment::upper_right, Segment::lower_right,
                                        Segment::bottom,    Segment::lower_left,  Segment::upper_left,
                                        Segment::middle};

bool is_segment_grey(Rgb c) { return c.r == c.g && c.g == c.b && c.r >= kNearBlack.r && c.r <= 51; }

TEST(DigitStrips, EveryFrameIsOpaqueWithNoPureBlackAnywhere) {
    for (const Strip& strip : kStrips) {
        for (const SheetTile& tile : drawn_frames(strip.family)) {
            EXPECT_EQ(count_pixels(tile.image, is_undrawn), 0) << tile.resource_id;
        }
    }
}

TEST(DigitStrips, EveryFrameIsFilledWithItsBanksExactLcdColour) {
    for (const Strip& strip : kStrips) {
        const auto& frames = drawn_frames(strip.family);
        for (std::size_t frame = 0; frame < frames.size(); ++frame) {
            const IndexedImage& image = frames[frame].image;
            const Rgb lcd = kLcdBankColours[frame / kDigitCodeCount];
            const int background = count_pixels(image, [lcd](Rgb c) { return c == lcd; });
            EXPECT_GT(background, image.size.width * image.size.height / 2) << frames[frame].resource_id;
            EXPECT_EQ(image.at(0, 0), lcd) << frames[frame].resource_id;
            EXPECT_EQ(image.at(image.size.width - 1, image.size.height - 1), lcd) << frames[frame].resource_id;
        }
    }
}

TEST(DigitStrips, EachCodeLightsExactlyItsSegmentsInDarkGrey) {
    for (const Strip& strip : kStrips) {
        const auto& frames = drawn_frames(strip.family);
        for (std::size_t frame = 0; frame < frames.size(); ++frame) {
            const int code = static_cast<int>(frame % kDigitCodeCount);
            const Rgb lcd = kLcdBankColours[frame / kDigitCodeCount];
            for (int s = 0; s < kSegmentCount; ++s) {
                const GlyphPoint centre = segment_centre(*strip.glyph, kSegmentOfLetter[s]);
                const Rgb pixel = frames[frame].image.at(static_cast<int>(centre.x), static_cast<int>(centre.y));
                const bool lit = std::string(kGlyphLetters[code]).find(kSegmentLetters[s]) != std::string::npos;
                if (lit) {
                    EXPECT_TRUE(is_segment_grey(pixel)) << frames[frame].resource_id << " segment " << kSegmentLetters[s];
                } else {
                    EXPECT_EQ(pixel, lcd) << frames[frame].resource_id << " segment " << kSegmentLetters[s];
                }
            }
        }
    }
}

// Switching units or brightness must not make the digits jump, even where a
// bank's frames are taller than the first bank's.
TEST(DigitStrips, GlyphsSitInTheSamePixelsInEveryBank) {
    for (const Strip& strip : kStrips) {
        const auto& frames = drawn_frames(strip.family);
        for (int code = 0; code < kDigitCodeCount; ++code) {
            const IndexedImage& first = frames[static_cast<std::size_t>(code)].image;
            for (int bank = 1; bank < kLcdBankCount; ++bank) {
                const IndexedImage& other = frames[static_cast<std::size_t>(bank * kDigitCodeCount + code)].image;
                const Rgb lcd = kLcdBankColours[static_cast<std::size_t>(bank)];
                for (int y = 0; y < other.size.height; ++y) {
                    for (int x = 0; x < other.size.width; ++x) {
                        const bool inked_first = y < first.size.height && first.at(x, y) != kLcdBankColours[0];
                        ASSERT_EQ(other.at(x, y) != lcd, inked_first)
                            << strip.family << " code " << code << " bank " << bank << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace artwork
