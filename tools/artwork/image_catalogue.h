// Every bitmap of the module: resource ids, frame counts, sizes and the
// function that draws each frame. A multi-frame image is a run of
// consecutive resource ids starting at first_id.
#pragma once

#include <span>

#include "tools/artwork/image_types.h"

using DrawFrame = IndexedImage (*)(int frame, FrameSize size);

struct ImageFamily {
    const char* name;
    const char* sheet; // contact sheet the frames appear on; families may share one
    int first_id;
    int frame_count;
    FrameSize size;
    // Digit strips whose first LCD bank is cut shorter than the other three
    // give the other banks' size here; {0, 0} when every frame has `size`.
    FrameSize later_banks_size;
    int sheet_columns;
    DrawFrame draw;
};

std::span<const ImageFamily> image_catalogue();

FrameSize frame_size(const ImageFamily& family, int frame);
