// An RGBA picture in memory: a decoded bitmap, a drawn gauge face or the
// whole panel. Alpha 0 marks a pixel nothing was drawn on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;   // row by row from the top

    Image() = default;
    Image(int w, int h, Rgba fill = {});

    Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Lays `source` over `target` by its alpha.
void blend_pixel(Rgba& target, Rgba source);

// Copies `source` with its top-left at (x, y), clipped to the target.
void draw_over(Image& target, const Image& source, int x, int y);

// `source` resampled to the given size by averaging the source pixels each
// target pixel covers, so a shrunken gauge keeps its thin lines.
Image resized(const Image& source, int width, int height);

// Writes a PNG; false when the file cannot be written.
bool write_png(const Image& image, const std::string& path);
