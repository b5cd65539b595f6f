#include "host/raster/shown_picture.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// A pixel read as one word, and two pixels as one long word, so that a
// row is compared two pixels at a time: the screen takes the whole picture
// every frame, and most of it has not changed. (__builtin_bit_cast: the web
// build's standard library has no std::bit_cast.)
constexpr std::uint32_t opaque_bits = __builtin_bit_cast(std::uint32_t, (Rgba{0, 0, 0, 255}));
constexpr std::uint64_t opaque_pair_bits = std::uint64_t{opaque_bits} << 32 | opaque_bits;

std::uint32_t bits(const Rgba& pixel)
{
    return __builtin_bit_cast(std::uint32_t, pixel);
}
bool shown_as(const Rgba& shown, const Rgba& drawn)
{
    return bits(shown) == (bits(drawn) | opaque_bits);
}
Rgba opaque(const Rgba& drawn)
{
    return __builtin_bit_cast(Rgba, bits(drawn) | opaque_bits);
}

std::uint64_t pair_bits(const Rgba* pixels)
{
    std::uint64_t pair;
    std::memcpy(&pair, pixels, sizeof pair);
    return pair;
}
bool pair_shown_as(const Rgba* shown, const Rgba* drawn)
{
    return pair_bits(shown) == (pair_bits(drawn) | opaque_pair_bits);
}

} // namespace

PixelBox ShownPicture::take(const Image& picture)
{
    if (picture.width != width_ || picture.height != height_) {
        width_ = picture.width;
        height_ = picture.height;
        // Transparent: no opaque pixel equals it, so all of them change.
        pixels_.assign(picture.pixels.size(), Rgba{0, 0, 0, 0});
    }
    PixelBox changed{.left = width_, .top = height_, .right = 0, .bottom = 0};
    for (int y = 0; y < height_; ++y) {
        const Rgba* const drawn = picture.pixels.data() + static_cast<std::size_t>(y) * width_;
        Rgba* const shown = pixels_.data() + static_cast<std::size_t>(y) * width_;
        // The row's first and last pixels that changed, then those between.
        int first = 0;
        while (first + 2 <= width_ && pair_shown_as(shown + first, drawn + first))
            first += 2;
        while (first < width_ && shown_as(shown[first], drawn[first]))
            ++first;
        if (first == width_)
            continue;
        int end = width_;
        while (end - 2 > first && pair_shown_as(shown + end - 2, drawn + end - 2))
            end -= 2;
        while (shown_as(shown[end - 1], drawn[end - 1]))
            --end;
        std::transform(drawn + first, drawn + end, shown + first, opaque);
        changed.left = std::min(changed.left, first);
        changed.right = std::max(changed.right, end);
        changed.top = std::min(changed.top, y);
        changed.bottom = y + 1;
    }
    return changed.empty() ? PixelBox{} : changed;
}
