// Traces that are not whole: the timeline draws the frames it can read and
// names the first bad line; nothing crashes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tools/timeline/timeline_drawing.h"

namespace {

const std::string good =
    R"({"frame":1,"seconds":0,"vars":{"altitude":0},"gauges":{"G":{"elements":[null,0,1]}},"sound":["play"]})";
const std::string good_2 =
    R"({"frame":2,"seconds":0.5,"vars":{"altitude":5},"gauges":{"G":{"elements":[null,1,1]}},"sound":["stop"]})";
const std::string short_gauge = R"({"frame":3,"seconds":1,"vars":{"altitude":9},"gauges":{"G":{"elements":[null,0]}}})";

struct BrokenTrace {
    const char* what;
    std::string text;
    std::size_t frames_read;
    std::string problem; // the start of the message
};

TEST(BrokenTrace, DrawsWhatItCanAndNamesTheFirstBadLine)
{
    const BrokenTrace cases[] = {
        {"cut short", good + "\n" + good_2 + "\n" + good.substr(0, 40), 2, "t.jsonl:3: cut short: "},
        {"a line that is not JSON", good + "\nframe 2 was here\n" + good_2 + "\n", 2, "t.jsonl:2: not JSON: "},
        {"JSON but no frame", good + "\n[1,2,3]\n", 1, "t.jsonl:2: no frame number"},
        {"an element only some frames have", good + "\n" + good_2 + "\n" + short_gauge + "\n", 3,
         "t.jsonl:3: gauge G has 2 elements, earlier frames 3"},
        {"a string left open", good + "\n{\"frame\":2,\"vars\":{\"alt\n", 1, "t.jsonl:2: not JSON: a string without"},
        {"nested without end", good + "\n" + std::string(5000, '[') + "\n", 1, "t.jsonl:2: not JSON: nesting too deep"},
        {"a number that is none", good + "\n{\"frame\":-}\n", 1, "t.jsonl:2: not JSON: not a value"},
        {"empty", "", 0, ""},
    };
    for (const BrokenTrace& trace : cases) {
        SCOPED_TRACE(trace.what);
        std::istringstream in(trace.text);
        const TraceRun run = read_trace(in, "t.jsonl");
        EXPECT_EQ(run.frames.size(), trace.frames_read);
        EXPECT_EQ(run.first_problem.substr(0, trace.problem.size()), trace.problem) << run.first_problem;
        const std::string path = std::string(ZOR_TIMELINE_OUT) + "/broken.png";
        std::filesystem::remove(path);
        EXPECT_TRUE(draw_timeline(timeline_lanes(run), {.title = trace.what, .problem = run.first_problem}, path));
        EXPECT_TRUE(std::filesystem::file_size(path) > 0);
    }
}

TEST(BrokenTrace, AnElementMissingFromAFrameLeavesItsLaneBlankThere)
{
    std::istringstream in(good + "\n" + good_2 + "\n" + short_gauge + "\n");
    const TimelineLanes lanes = timeline_lanes(read_trace(in, "t.jsonl"));
    // The first element has no value, the second changes, the third is
    // steady where it is and missing from the last frame.
    ASSERT_EQ(lanes.elements.size(), 2u);
    EXPECT_EQ(lanes.elements[1].place, 3);
    EXPECT_TRUE(draws_something(lanes.elements[1], 1));
    EXPECT_FALSE(draws_something(lanes.elements[1], 2));
    ASSERT_EQ(lanes.tone.size(), 1u);
    EXPECT_EQ(lanes.tone[0].first_column, 0u);
    EXPECT_EQ(lanes.tone[0].end_column, 1u);
}

} // namespace
