// The host's cursor files: read back as Windows reads a .cur, each gives its
// art again, with its hot spot; art that cannot make a cursor is refused.
#include <gtest/gtest.h>

#include "tools/cursors/cursor_file.h"

namespace {

std::uint32_t word16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8);
}
std::uint32_t word32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return word16(b, at) | (word16(b, at + 2) << 16);
}

// The art's characters from the colour and mask planes, top row first.
std::vector<std::string> rows_of(const std::vector<std::uint8_t>& file, std::size_t width, std::size_t height)
{
    const std::size_t image = word32(file, 18);
    const std::size_t colour = image + word32(file, image) + 2 * 4;
    const std::size_t mask = colour + 4 * 32;
    std::vector<std::string> rows;
    for (std::size_t y = 0; y < height; ++y) {
        std::string row;
        const std::size_t stored = (31 - y) * 4;
        for (std::size_t x = 0; x < width; ++x) {
            const int bit = 0x80 >> (x % 8);
            const bool clear = (file[mask + stored + x / 8] & bit) != 0;
            const bool white = (file[colour + stored + x / 8] & bit) != 0;
            row += clear ? ' ' : white ? 'o' : '#';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(CursorFiles, ReadBackAsTheirArtWithTheirHotSpots)
{
    ASSERT_EQ(host_cursor_art().size(), 3u);
    for (const CursorArt& art : host_cursor_art()) {
        std::string error;
        const auto file = cursor_file_bytes(art, error);
        ASSERT_TRUE(file) << error;
        EXPECT_EQ(word16(*file, 2), 2u) << "a cursor, not an icon";
        EXPECT_EQ(word16(*file, 4), 1u);
        EXPECT_EQ((*file)[6], 32);
        EXPECT_EQ((*file)[7], 32);
        EXPECT_EQ(word16(*file, 10), static_cast<std::uint32_t>(art.hot_x)) << art.file_name;
        EXPECT_EQ(word16(*file, 12), static_cast<std::uint32_t>(art.hot_y)) << art.file_name;
        EXPECT_EQ(word32(*file, 14) + word32(*file, 18), file->size());
        const std::size_t image = word32(*file, 18);
        EXPECT_EQ(word32(*file, image + 8), 64u) << "colour rows over mask rows";
        EXPECT_EQ(word16(*file, image + 14), 1u) << "one bit a pixel";

        const auto rows = rows_of(*file, art.rows[0].size(), art.rows.size());
        for (std::size_t y = 0; y < art.rows.size(); ++y)
            EXPECT_EQ(rows[y], art.rows[y]) << art.file_name << " row " << y;
        EXPECT_NE(art.rows[art.hot_y][art.hot_x], ' ') << art.file_name << ": the hot spot points with a drawn pixel";
    }
}

TEST(CursorFiles, ArtThatMakesNoCursorIsRefusedWithTheReason)
{
    constexpr std::string_view uneven[] = {"##", "#"};
    constexpr std::string_view strange[] = {"#x"};
    constexpr std::string_view two[] = {"##", "oo"};
    const std::vector<std::string_view> too_tall(33, "#");
    const struct {
        CursorArt art;
        const char* reason;
    } cases[] = {
        {{"uneven", 0, 0, uneven}, "uneven: row 1 is not as wide as the first, up to 32"},
        {{"strange", 0, 0, strange}, "strange: 'x' in row 0"},
        {{"off", 2, 0, two}, "off: the hot spot lies outside the art"},
        {{"tall", 0, 0, too_tall}, "tall: needs 1 to 32 rows"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(cursor_file_bytes(c.art, error));
        EXPECT_EQ(error, c.reason);
    }
}

} // namespace
