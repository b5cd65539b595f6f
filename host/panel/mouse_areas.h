// What a gauge's mouse-area list means at one face pixel: which click area
// takes a click, which cursor shows, which tooltip appears.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "abi/host_formats.h"

enum class MouseButton { left, right };

// "left" or "right", as a scenario and a trace write a button.
const char* button_word(MouseButton button);

// The event bit a press of the button carries, first call and repeats alike.
std::uint32_t click_bit(MouseButton button);

struct MouseTarget {
    const MouseRect* click_area = nullptr; // the first click area holding the point
    std::int32_t cursor = cursor_none;
    const MouseRect* tooltip = nullptr; // of the innermost region holding it
};

// The entries of a list before its end-of-list entry. A list longer than
// the limit has lost its end, and is read only that far.
inline constexpr std::size_t mouse_area_limit = 1024;
std::span<const MouseRect> mouse_area_entries(const MouseRect* areas);

// A box of 0, 0, 0, 0 covers the whole face, whatever its size.
bool covers_whole_face(const MouseRect& rect);

// Boxes are in face pixels.
MouseTarget mouse_target(const MouseRect* areas, int face_width, int face_height, PixelPoint point);

const char* cursor_name(std::int32_t cursor); // "none", "up_arrow", "down_arrow", "hand", "other"

// Whether a press or a repeat of `button` reaches the area's callback.
bool accepts(const MouseRect& area, MouseButton button);
bool repeats_while_held(const MouseRect& area);

// Calls the area's callback with the point relative to its box.
void deliver_click(const MouseRect& area, PixelPoint face_point, MouseButton button);

// The values of a tooltip's arguments, in order, as the simulator works them
// out: the source variable's value times the scale, then the callback.
std::vector<std::int32_t> tooltip_arguments(const MouseRect& tooltip, const GaugeHeader& gauge);
