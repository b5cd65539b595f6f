// Turns a full-colour drawing into an indexed image with its own palette.
//
// Contract the panel host relies on: a pixel is pure black exactly when the
// drawing left it (mostly) transparent; every drawn pixel, however dark, comes
// out at least near-black. Key colours stay exact; the antialiasing shades
// between them map to their nearest palette colour.
#pragma once

#include <span>

#include "tools/artwork/canvas.h"
#include "tools/artwork/image_types.h"

inline constexpr std::size_t max_palette_size = 256;

IndexedImage quantise(const Canvas& canvas, std::span<const Rgb> key_colours);

// The colour a drawn pixel keeps: any colour darker than near-black is lifted
// to it, so that nothing drawn can read as the undrawn key.
Rgb lift_above_undrawn(Rgb colour);
