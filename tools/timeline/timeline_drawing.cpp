#include "tools/timeline/timeline_drawing.h"

#include <cairo.h>

#include <cmath>
#include <cstdio>

#include "host/base/output_file.h"

#include "tools/timeline/timeline_colours.h"
#include "tools/timeline/timeline_geometry.h"

namespace {

constexpr double label_font = 11.0;
constexpr double axis_font = 10.0;
constexpr double title_font = 14.0;
// Axis labels at least this far apart.
constexpr int label_spacing_px = 56;

void colour(cairo_t* cr, LaneColour c, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void box(cairo_t* cr, double x, double y, double w, double h, LaneColour c)
{
    colour(cr, c);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void text(cairo_t* cr, double x, double y, const std::string& words, double size, LaneColour c)
{
    cairo_set_font_size(cr, size);
    colour(cr, c);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, words.c_str());
}

std::string number_text(double value)
{
    char out[32];
    std::snprintf(out, sizeof out, "%.6g", value);
    return out;
}

void draw_variable(cairo_t* cr, const TimelineGeometry& g, const VariableLane& lane, std::size_t index)
{
    const int top = g.variable_top(index);
    box(cr, g.label_width, top, g.plot_right() - g.label_width, g.variable_height, lane_colour);
    text(cr, 6, top + 16, lane.name, label_font, text_colour);
    text(cr, 6, top + 32, number_text(lane.lowest) + " .. " + number_text(lane.highest), axis_font, text_colour);
    const double span = lane.highest - lane.lowest;
    const auto y_of = [&](double v) {
        const double share = span > 0 ? (v - lane.lowest) / span : 0.5;
        return top + g.variable_height - 4 - share * (g.variable_height - 8);
    };
    colour(cr, line_colour);
    cairo_set_line_width(cr, 1.5);
    bool drawing = false;
    for (std::size_t c = 0; c < lane.values.size(); ++c) {
        if (!std::isfinite(lane.values[c])) {
            drawing = false;
            continue;
        }
        const double x = g.column_left(c) + g.column_width() / 2.0;
        if (drawing)
            cairo_line_to(cr, x, y_of(lane.values[c]));
        else
            cairo_move_to(cr, x, y_of(lane.values[c]));
        drawing = true;
    }
    cairo_stroke(cr);
}

void draw_element(cairo_t* cr, const TimelineGeometry& g, const ElementLane& lane, std::size_t index)
{
    const int top = g.element_top(index);
    std::string name = lane.gauge + " #" + std::to_string(lane.place);
    if (lane.bitmap)
        name += "  bitmap " + number_text(*lane.bitmap);
    text(cr, 6, top + g.element_height - 3, name, label_font - 1, text_colour);
    box(cr, g.label_width, top, g.plot_right() - g.label_width, g.element_height, lane_colour);
    double lowest = INFINITY, highest = -INFINITY;
    for (std::size_t c = 0; c < lane.values.size(); ++c)
        if (draws_something(lane, c)) {
            lowest = std::min(lowest, *lane.values[c]);
            highest = std::max(highest, *lane.values[c]);
        }
    for (std::size_t c = 0; c < lane.values.size(); ++c) {
        if (!draws_something(lane, c))
            continue;
        const double v = *lane.values[c];
        const LaneColour shown = lane.whole_numbers
            ? frame_colour(static_cast<long>(v))
            : shade_colour(highest > lowest ? (v - lowest) / (highest - lowest) : 0.5);
        box(cr, g.column_left(c), top, g.column_width(), g.element_height, shown);
    }
}

void draw_marks(cairo_t* cr, const TimelineGeometry& g, const TimelineLanes& lanes)
{
    text(cr, 6, g.clicks_top() + 13, "clicks", label_font, click_colour);
    text(cr, 6, g.keys_top() + 13, "key events", label_font, key_colour);
    int clicks_free_from = 0, keys_free_from = 0;
    for (std::size_t c = 0; c < lanes.marks.size(); ++c) {
        const double x = g.column_left(c) + g.column_width() / 2.0;
        const auto mark = [&](const std::vector<std::string>& seen, int top, LaneColour shade, int& free_from) {
            if (seen.empty())
                return;
            colour(cr, shade);
            cairo_move_to(cr, x, top + 2);
            cairo_line_to(cr, x - 4, top + 10);
            cairo_line_to(cr, x + 4, top + 10);
            cairo_close_path(cr);
            cairo_fill(cr);
            // A label where there is room; the count where several came at once.
            if (x < free_from)
                return;
            const std::string label =
                seen.size() > 1 ? seen.front() + " x" + std::to_string(seen.size()) : seen.front();
            text(cr, x + 5, top + 11, label, axis_font - 1, shade);
            cairo_text_extents_t extents;
            cairo_text_extents(cr, label.c_str(), &extents);
            free_from = static_cast<int>(x + 12 + extents.x_advance);
        };
        mark(lanes.marks[c].clicks, g.clicks_top(), click_colour, clicks_free_from);
        mark(lanes.marks[c].keys, g.keys_top(), key_colour, keys_free_from);
    }
}

void draw_tone(cairo_t* cr, const TimelineGeometry& g, const TimelineLanes& lanes)
{
    text(cr, 6, g.tone_top() + 12, "tone", label_font, tone_colour);
    box(cr, g.label_width, g.tone_top(), g.plot_right() - g.label_width, g.tone_height, lane_colour);
    for (const ToneStretch& stretch : lanes.tone) {
        const int left = g.column_left(stretch.first_column);
        const int right = g.column_left(stretch.end_column);
        box(cr, left, g.tone_top(), right - left, g.tone_height, tone_colour);
    }
}

void draw_axis(cairo_t* cr, const TimelineGeometry& g, const TimelineLanes& lanes)
{
    const int top = g.axis_top();
    text(cr, 6, top + 16, "frame", label_font, text_colour);
    text(cr, 6, top + 34, "seconds", label_font, text_colour);
    colour(cr, text_colour);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, g.label_width, top + 0.5);
    cairo_line_to(cr, g.plot_right(), top + 0.5);
    cairo_stroke(cr);
    const int every = std::max(1, label_spacing_px / g.column_width());
    const int steps[] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 2000, 5000, 10000};
    int step = steps[0];
    for (int s : steps)
        if (s >= every) {
            step = s;
            break;
        }
    int seconds_free_from = 0;
    for (std::size_t c = 0; c < lanes.frames.size(); ++c) {
        const double x = g.column_left(c) + g.column_width() / 2.0;
        const long frame = std::lround(lanes.frames[c]);
        if (frame % step == 0) {
            box(cr, x - 0.5, top, 1, 5, text_colour);
            text(cr, x - 6, top + 16, std::to_string(frame), axis_font, text_colour);
        }
        // A whole second begins at the first column at or past it.
        const double now = lanes.seconds[c];
        const double before = c > 0 ? lanes.seconds[c - 1] : -1.0;
        if (std::isfinite(now) && std::floor(now) != std::floor(before) && x >= seconds_free_from) {
            box(cr, x - 0.5, top + 20, 1, 4, text_colour);
            text(cr, x - 4, top + 34, number_text(std::floor(now)) + " s", axis_font, text_colour);
            seconds_free_from = static_cast<int>(x) + label_spacing_px / 2;
        }
    }
}

} // namespace

bool draw_timeline(const TimelineLanes& lanes, const TimelinePicture& picture, const std::string& png_path,
                   std::string* error)
{
    const TimelineGeometry g{.columns = lanes.frames.size(),
                             .variable_lanes = lanes.variables.size(),
                             .element_lanes = lanes.elements.size()};
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(g.width(), 640), g.height());
    cairo_t* cr = cairo_create(surface);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    colour(cr, background_colour);
    cairo_paint(cr);
    text(cr, 6, 18, picture.title, title_font, text_colour);
    if (!picture.problem.empty())
        text(cr, 6, 36, picture.problem, label_font, problem_colour);
    else if (lanes.frames.empty())
        text(cr, 6, 36, "no frames", label_font, problem_colour);
    for (std::size_t i = 0; i < lanes.variables.size(); ++i)
        draw_variable(cr, g, lanes.variables[i], i);
    for (std::size_t i = 0; i < lanes.elements.size(); ++i)
        draw_element(cr, g, lanes.elements[i], i);
    draw_tone(cr, g, lanes);
    draw_marks(cr, g, lanes);
    draw_axis(cr, g, lanes);
    cairo_destroy(cr);
    OutputFile file(png_path);
    const auto put = [](void* stream, const unsigned char* bytes, unsigned int count) {
        return static_cast<std::ostream*>(stream)->write(reinterpret_cast<const char*>(bytes), count)
                   ? CAIRO_STATUS_SUCCESS
                   : CAIRO_STATUS_WRITE_ERROR;
    };
    const cairo_status_t status =
        file.open() ? cairo_surface_write_to_png_stream(surface, put, &file.stream()) : CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (file.is_open() && status == CAIRO_STATUS_SUCCESS && file.commit())
        return true;
    // A write the file refused is said by the file, with its reason.
    if (error != nullptr)
        *error = file.error().empty() ? png_path + ": cannot be written: " + cairo_status_to_string(status)
                                      : file.error();
    return false;
}
