// One drawing function per image family: given the frame within the family
// and the frame's size, it returns the finished indexed image.
#pragma once

#include "tools/artwork/image_types.h"

IndexedImage draw_face(int frame, FrameSize size);
IndexedImage draw_lit_dial(int frame, FrameSize size);         // frame = LCD bank
IndexedImage draw_deviation_border(int frame, FrameSize size); // frame = LCD bank
IndexedImage draw_medium_digit(int frame, FrameSize size);
IndexedImage draw_small_digit(int frame, FrameSize size);
IndexedImage draw_large_digit(int frame, FrameSize size);
IndexedImage draw_needle(int frame, FrameSize size);
IndexedImage draw_breaker_disc(int frame, FrameSize size);
IndexedImage draw_breaker_switch(int frame, FrameSize size); // open, end-on, closed
