// Plain value types shared by every drawing, the quantiser and the writers.
#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

struct FrameSize {
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const FrameSize&, const FrameSize&) = default;
};

// A rectangle in pixels: columns x .. x+w-1, rows y .. y+h-1.
struct PixelBox {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    constexpr double centre_x() const { return x + w / 2.0; }
    constexpr double centre_y() const { return y + h / 2.0; }
};

// One finished bitmap: a palette of at most 256 colours and one palette
// index per pixel, rows from the top down.
struct IndexedImage {
    FrameSize size;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;

    Rgb at(int x, int y) const { return palette[pixels[static_cast<std::size_t>(y) * size.width + x]]; }
};
