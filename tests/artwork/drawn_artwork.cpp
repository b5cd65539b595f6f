#include "tests/artwork/drawn_artwork.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>

#include "tools/artwork/artwork_output.h"
#include "tools/artwork/drawing_library.h"
#include "tools/artwork/image_catalogue.h"

namespace {

// Releases the font caches after the last test, as the generator does on exit.
class DrawingLibraryRelease : public ::testing::Environment {
public:
    void TearDown() override { release_drawing_library(); }
};
const auto* const drawing_library_release = ::testing::AddGlobalTestEnvironment(new DrawingLibraryRelease);

} // namespace

const std::vector<SheetTile>& drawn_frames(std::string_view family_name)
{
    static std::map<std::string, std::vector<SheetTile>, std::less<>> drawn;
    if (auto it = drawn.find(family_name); it != drawn.end())
        return it->second;
    for (const ImageFamily& family : image_catalogue()) {
        if (family_name == family.name)
            return drawn[family.name] = draw_family(family);
    }
    throw std::out_of_range("no image family named " + std::string(family_name));
}

const IndexedImage& drawn_frame(std::string_view family_name, int frame)
{
    return drawn_frames(family_name).at(static_cast<std::size_t>(frame)).image;
}

int count_pixels_in(const IndexedImage& image, const PixelBox& box, const std::function<bool(Rgb)>& wanted)
{
    int count = 0;
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = box.x; x < box.x + box.w; ++x)
            count += wanted(image.at(x, y)) ? 1 : 0;
    }
    return count;
}

int count_pixels(const IndexedImage& image, const std::function<bool(Rgb)>& wanted)
{
    return count_pixels_in(image, {0, 0, image.size.width, image.size.height}, wanted);
}

bool contains_colour(const IndexedImage& image, Rgb colour)
{
    return count_pixels(image, [colour](Rgb c) { return c == colour; }) > 0;
}

RowSpan drawn_rows(const IndexedImage& image)
{
    RowSpan span;
    for (int y = 0; y < image.size.height; ++y) {
        if (count_pixels_in(image, {0, y, image.size.width, 1}, is_drawn) == 0)
            continue;
        if (span.first < 0)
            span.first = y;
        span.last = y;
    }
    return span;
}
