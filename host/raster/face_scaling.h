// Scaling a gauge's face to the size it is placed at: each placed pixel is
// the average of the face pixels it covers, so a shrunken gauge keeps its
// thin lines. Done by areas, so that a face that changed in a few places is
// scaled again only there.
#pragma once

#include "host/raster/image.h"

// The pixels of a face scaled to `placed_width` x `placed_height` that take
// in any pixel of `face_area`.
PixelBox scaled_area(const Image& face, const PixelBox& face_area, int placed_width, int placed_height);

// Computes the pixels of `area` of `placed` from `face`.
void scale_area(Image& placed, const Image& face, const PixelBox& area);
