#include "tools/artwork/colour_quantiser.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <unordered_map>

#include "tools/artwork/key_colours.h"
#include "tools/artwork/colour_reduction.h"

namespace {

// Edges at least half covered are drawn, the rest left to the panel: the
// host has no partial transparency, only the undrawn key.
constexpr std::uint32_t drawn_alpha = 128;

std::uint32_t alpha_of(std::uint32_t argb)
{
    return argb >> 24;
}

std::uint32_t packed(Rgb c)
{
    return (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
}

// Cairo stores colour multiplied by coverage; a drawn edge keeps its full colour.
Rgb unpremultiplied(std::uint32_t argb)
{
    const std::uint32_t alpha = alpha_of(argb);
    auto channel = [alpha](std::uint32_t premultiplied) {
        return static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (premultiplied * 255 + alpha / 2) / alpha));
    };
    return {channel((argb >> 16) & 0xff), channel((argb >> 8) & 0xff), channel(argb & 0xff)};
}

int distance_squared(Rgb a, Rgb b)
{
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

void add_unique(std::vector<Rgb>& palette, Rgb colour)
{
    if (std::find(palette.begin(), palette.end(), colour) == palette.end())
        palette.push_back(colour);
}

struct DrawnColours {
    std::unordered_map<std::uint32_t, ColourCount> counts;
    bool any_undrawn = false;
};

DrawnColours survey(const Canvas& canvas)
{
    DrawnColours survey;
    for (int y = 0; y < canvas.size().height; ++y) {
        for (int x = 0; x < canvas.size().width; ++x) {
            const std::uint32_t argb = canvas.premultiplied_argb(x, y);
            if (alpha_of(argb) < drawn_alpha) {
                survey.any_undrawn = true;
                continue;
            }
            const Rgb colour = lift_above_undrawn(unpremultiplied(argb));
            ColourCount& entry = survey.counts[packed(colour)];
            entry.colour = colour;
            ++entry.pixels;
        }
    }
    return survey;
}

// Slot 0 is the undrawn key when the image has transparent pixels; then the
// key colours; then representatives of every other drawn shade.
std::vector<Rgb> design_palette(const DrawnColours& drawn, std::span<const Rgb> keys)
{
    std::vector<Rgb> palette;
    if (drawn.any_undrawn)
        palette.push_back(undrawn);
    for (Rgb key : keys) {
        if (key == undrawn)
            throw std::logic_error("the undrawn key cannot be a drawn key colour");
        add_unique(palette, key);
    }
    if (palette.size() > max_palette_size)
        throw std::logic_error("more key colours than palette slots");

    std::vector<ColourCount> shades;
    for (const auto& [_, entry] : drawn.counts) {
        if (std::find(keys.begin(), keys.end(), entry.colour) == keys.end())
            shades.push_back(entry);
    }
    // Hash order would make the palette differ between runs.
    std::sort(shades.begin(), shades.end(),
              [](const ColourCount& a, const ColourCount& b) { return packed(a.colour) < packed(b.colour); });
    for (Rgb shade : reduce_colours(std::move(shades), max_palette_size - palette.size())) {
        add_unique(palette, lift_above_undrawn(shade));
    }
    return palette;
}

std::uint8_t nearest_drawn_entry(const std::vector<Rgb>& palette, std::size_t first_drawn, Rgb colour)
{
    std::size_t best = first_drawn;
    int best_distance = std::numeric_limits<int>::max();
    for (std::size_t i = first_drawn; i < palette.size(); ++i) {
        const int d = distance_squared(palette[i], colour);
        if (d < best_distance)
            best_distance = d, best = i;
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace

Rgb lift_above_undrawn(Rgb colour)
{
    if (std::max({colour.r, colour.g, colour.b}) >= near_black.r)
        return colour;
    return {std::max(colour.r, near_black.r), std::max(colour.g, near_black.g), std::max(colour.b, near_black.b)};
}

IndexedImage quantise(const Canvas& canvas, std::span<const Rgb> key_colours)
{
    const DrawnColours drawn = survey(canvas);
    IndexedImage image{.size = canvas.size(), .palette = design_palette(drawn, key_colours), .pixels = {}};
    const std::size_t first_drawn = drawn.any_undrawn ? 1 : 0;

    std::unordered_map<std::uint32_t, std::uint8_t> chosen;
    image.pixels.reserve(static_cast<std::size_t>(image.size.width) * image.size.height);
    for (int y = 0; y < image.size.height; ++y) {
        for (int x = 0; x < image.size.width; ++x) {
            const std::uint32_t argb = canvas.premultiplied_argb(x, y);
            if (alpha_of(argb) < drawn_alpha) {
                image.pixels.push_back(0);
                continue;
            }
            const Rgb colour = lift_above_undrawn(unpremultiplied(argb));
            auto [slot, fresh] = chosen.try_emplace(packed(colour), 0);
            if (fresh)
                slot->second = nearest_drawn_entry(image.palette, first_drawn, colour);
            image.pixels.push_back(slot->second);
        }
    }
    return image;
}
