// Where everything of a timeline goes, from the number of lanes and
// columns alone, so that the picture can be read back at computed places.
// Top to bottom: the title, the host variables, the tone band, the element
// lanes, the clicks and the key events, the frame and seconds axis.
#pragma once

#include <cstddef>

struct TimelineGeometry {
    static constexpr int label_width = 200; // lane names left of the plot
    static constexpr int right_margin = 24;
    static constexpr int title_height = 44;
    static constexpr int variable_height = 44;
    static constexpr int tone_height = 16;
    static constexpr int element_height = 14;
    static constexpr int mark_height = 18; // clicks, then keys
    static constexpr int axis_height = 44;
    static constexpr int lane_gap = 2;
    static constexpr int widest_plot = 1400;
    static constexpr int widest_column = 6;

    std::size_t columns = 0;
    std::size_t variable_lanes = 0;
    std::size_t element_lanes = 0;

    int column_width() const;
    int column_left(std::size_t column) const { return label_width + static_cast<int>(column) * column_width(); }
    int plot_right() const { return column_left(columns); }
    int variable_top(std::size_t lane) const
    {
        return title_height + static_cast<int>(lane) * (variable_height + lane_gap);
    }
    int tone_top() const { return variable_top(variable_lanes) + lane_gap; }
    int element_top(std::size_t lane) const
    {
        return tone_top() + tone_height + 2 * lane_gap + static_cast<int>(lane) * (element_height + lane_gap);
    }
    int clicks_top() const { return element_top(element_lanes) + lane_gap; }
    int keys_top() const { return clicks_top() + mark_height; }
    int axis_top() const { return keys_top() + mark_height + lane_gap; }
    int width() const { return plot_right() + right_margin; }
    int height() const { return axis_top() + axis_height; }
};

inline int TimelineGeometry::column_width() const
{
    if (columns == 0)
        return widest_column;
    const int fit = widest_plot / static_cast<int>(columns);
    return fit < 1 ? 1 : fit > widest_column ? widest_column : fit;
}
