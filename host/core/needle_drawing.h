// Turning a needle bitmap about its pivot onto a face.
#pragma once

#include "host/core/image.h"

struct NeedlePlacement {
    double pivot_x, pivot_y;     // point of the bitmap that turns
    double centre_x, centre_y;   // point of the face it is placed on
    double angle_degrees;        // clockwise on the screen
    bool   bilinear;             // filter the turned image
    bool   black_transparent;    // pure black pixels are not drawn
};

void draw_turned(Image& face, const Image& needle, const NeedlePlacement& placement);
