// The timeline's colours: a frame's colour in an element lane, a value's
// shade for lanes of angles, and the fixed colours of the picture.
#pragma once

struct LaneColour {
    double r, g, b;
};

// Neighbouring frames differ plainly: a blinking element alternates two
// far-apart colours, a rolling digit steps through the wheel.
inline constexpr LaneColour frame_colours[] = {
    {0.12, 0.47, 0.71}, // 0
    {1.00, 0.50, 0.05}, // 1
    {0.17, 0.63, 0.17}, // 2
    {0.84, 0.15, 0.16}, // 3
    {0.58, 0.40, 0.74}, // 4
    {0.55, 0.34, 0.29}, // 5
    {0.89, 0.47, 0.76}, // 6
    {0.50, 0.50, 0.50}, // 7
    {0.74, 0.74, 0.13}, // 8
    {0.09, 0.75, 0.81}, // 9
};
inline constexpr int frame_colour_count = sizeof frame_colours / sizeof frame_colours[0];

inline LaneColour frame_colour(long frame)
{
    return frame_colours[((frame % frame_colour_count) + frame_colour_count) % frame_colour_count];
}

// A value between the lane's lowest (dark blue) and highest (yellow).
inline LaneColour shade_colour(double share)
{
    return {0.15 + 0.85 * share, 0.20 + 0.65 * share, 0.55 - 0.45 * share};
}

inline constexpr LaneColour background_colour = {1.0, 1.0, 1.0};
inline constexpr LaneColour lane_colour = {0.94, 0.94, 0.95}; // a lane where nothing is drawn
inline constexpr LaneColour line_colour = {0.10, 0.30, 0.65};
inline constexpr LaneColour tone_colour = {0.95, 0.35, 0.10};
inline constexpr LaneColour click_colour = {0.10, 0.55, 0.25};
inline constexpr LaneColour key_colour = {0.55, 0.20, 0.60};
inline constexpr LaneColour text_colour = {0.10, 0.10, 0.10};
inline constexpr LaneColour problem_colour = {0.80, 0.05, 0.05};
