// The timeline of the climb through the capture band, as the native host
// traced it, read back from the PNG at the places its geometry computes:
// the border's lane changes colour exactly at the frames where the trace
// says the border's frame changes, and the tone band covers the frames from
// each `play` that starts the tone to the `stop` that ends it.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>

#include "tools/timeline/timeline_colours.h"
#include "tools/timeline/timeline_drawing.h"
#include "tools/timeline/timeline_geometry.h"

namespace {

// The border: ZOR_1's third element in drawing order.
constexpr const char* border_gauge = "ZOR_1";
constexpr int border_place = 3;

struct Pixel {
    int r, g, b;
    bool operator==(const Pixel&) const = default;
};

class Png {
public:
    explicit Png(const std::string& path)
        : surface_(cairo_image_surface_create_from_png(path.c_str()), cairo_surface_destroy)
    {
    }
    bool readable() const { return cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS; }
    Pixel at(int x, int y) const
    {
        const unsigned char* row =
            cairo_image_surface_get_data(surface_.get()) + y * cairo_image_surface_get_stride(surface_.get());
        const auto word = reinterpret_cast<const std::uint32_t*>(row)[x];
        return {static_cast<int>(word >> 16 & 255), static_cast<int>(word >> 8 & 255), static_cast<int>(word & 255)};
    }

private:
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface_;
};

// Cairo rounds a colour's channels to 8 bits its own way: within one step.
bool near(Pixel seen, LaneColour c)
{
    const auto close = [](int channel, double share) { return std::abs(channel - share * 255) <= 1.0; };
    return close(seen.r, c.r) && close(seen.g, c.g) && close(seen.b, c.b);
}

TEST(TimelinePicture, BorderLaneAndToneBandFollowTheTrace)
{
    std::ifstream in(ZOR_CLIMB_TRACE);
    ASSERT_TRUE(in) << ZOR_CLIMB_TRACE;
    const TraceRun run = read_trace(in, ZOR_CLIMB_TRACE);
    ASSERT_EQ(run.first_problem, "");
    const TimelineLanes lanes = timeline_lanes(run);
    const std::string path = std::string(ZOR_TIMELINE_OUT) + "/climb_timeline.png";
    ASSERT_TRUE(draw_timeline(lanes, {.title = "climb", .problem = ""}, path));
    const Png png(path);
    ASSERT_TRUE(png.readable());
    const TimelineGeometry g{.columns = lanes.frames.size(),
                             .variable_lanes = lanes.variables.size(),
                             .element_lanes = lanes.elements.size()};
    const auto centre = [&](std::size_t column) { return g.column_left(column) + g.column_width() / 2; };

    // The border's values straight from the trace's frames.
    std::vector<std::optional<double>> border;
    for (const TraceFrame& frame : run.frames)
        for (const TraceGauge& gauge : frame.gauges)
            if (gauge.label == border_gauge)
                border.push_back(gauge.elements.at(border_place - 1));
    ASSERT_EQ(border.size(), lanes.frames.size());
    std::size_t lane = 0;
    while (lane < lanes.elements.size() &&
           !(lanes.elements[lane].gauge == border_gauge && lanes.elements[lane].place == border_place))
        ++lane;
    ASSERT_LT(lane, lanes.elements.size()) << "the border never changed";
    const int border_y = g.element_top(lane) + g.element_height / 2;
    int changes = 0;
    for (std::size_t c = 1; c < border.size(); ++c) {
        const bool changed = border[c] != border[c - 1];
        changes += changed;
        EXPECT_EQ(png.at(centre(c), border_y) != png.at(centre(c - 1), border_y), changed)
            << "frame " << lanes.frames[c] << ": border " << border[c - 1].value_or(-99) << " -> "
            << border[c].value_or(-99);
    }
    EXPECT_GE(changes, 4) << "the climb should light, blink and put out the border";

    // The tone sounds from a play that starts it to the stop after it.
    bool playing = false;
    int tone_columns = 0;
    for (std::size_t c = 0; c < run.frames.size(); ++c) {
        for (const std::string& call : run.frames[c].sound)
            if (call == "play")
                playing = true;
            else if (call == "stop")
                playing = false;
        tone_columns += playing;
        EXPECT_EQ(near(png.at(centre(c), g.tone_top() + g.tone_height / 2), tone_colour), playing)
            << "frame " << lanes.frames[c];
    }
    EXPECT_EQ(tone_columns, 34) << "the scenario plays the tone 17 frames at the capture and 17 on leaving";
}

} // namespace
