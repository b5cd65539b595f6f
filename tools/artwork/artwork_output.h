// Draws the whole catalogue and writes it out: OUTDIR/<id>.bmp for every
// frame, the resource script OUTDIR/bitmaps.rc that builds them into the
// module, OUTDIR/sheets/<sheet>.png for people to look at.
#pragma once

#include <filesystem>
#include <vector>

#include "tools/artwork/contact_sheet.h"
#include "tools/artwork/image_catalogue.h"

// The resource script's file name in the output folder: one line per bitmap.
inline constexpr const char* bitmap_resource_script = "bitmaps.rc";

// Every frame of the family, each checked to come out at its catalogued size.
std::vector<SheetTile> draw_family(const ImageFamily& family);

// Throws std::runtime_error when a file or folder cannot be written.
void write_artwork(const std::filesystem::path& out_dir);
