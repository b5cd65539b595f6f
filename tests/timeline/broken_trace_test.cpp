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

// The trace read as the case says: the frames kept, the first problem.
TraceRun read_case(const BrokenTrace& trace)
{
    SCOPED_TRACE(trace.what);
    std::istringstream in(trace.text);
    TraceRun run = read_trace(in, "t.jsonl");
    EXPECT_EQ(run.frames.size(), trace.frames_read);
    EXPECT_EQ(run.first_problem.substr(0, trace.problem.size()), trace.problem) << run.first_problem;
    return run;
}

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
        const TraceRun run = read_case(trace);
        const std::string path = std::string(ZOR_TIMELINE_OUT) + "/broken.png";
        std::filesystem::remove(path);
        EXPECT_TRUE(draw_timeline(timeline_lanes(run), {.title = trace.what, .problem = run.first_problem}, path));
        EXPECT_TRUE(std::filesystem::file_size(path) > 0);
    }
}

// A whole frame record, one field of it written as `field_text` instead.
std::string record(int frame, const std::string& field = "", const std::string& field_text = "")
{
    const std::pair<std::string, std::string> fields[] = {
        {"frame", std::to_string(frame)},
        {"seconds", std::to_string(frame * 0.05)},
        {"vars", R"({"altitude":0,"bus_volts":27})"},
        {"gauges", R"({"G":{"elements":[null,0,1.5],"bitmaps":[null,10,20],"needle_hidden":false}})"},
        {"clicks", R"([["G",12,-3,"left"]])"},
        {"keys", "[[66040,16208]]"},
        {"sound", R"(["play"])"},
    };
    std::string text = "{";
    for (const auto& [name, value] : fields)
        text += (text.size() > 1 ? "," : "") + ("\"" + name + "\":") + (name == field ? field_text : value);
    return text + "}\n";
}

std::string frames(std::initializer_list<int> numbers)
{
    std::string text;
    for (int n : numbers)
        text += record(n);
    return text;
}

// Each bad line is refused whole, named with its line and why, and the
// frames around it are drawn.
TEST(BrokenTrace, RefusesWhatIsNotATrace)
{
    const BrokenTrace cases[] = {
        {"reversed", frames({3, 2, 1}), 1, "t.jsonl:2: frame 2 after frame 3 (line 1): frames must increase"},
        {"shuffled", frames({1, 3, 2, 4}), 3, "t.jsonl:3: frame 2 after frame 3 (line 2)"},
        {"a frame twice", frames({1, 2, 2, 3}), 3, "t.jsonl:3: frame 2 after frame 2 (line 2)"},
        {"a fractional frame", record(1) + record(0, "frame", "1.5"), 1, "t.jsonl:2: 'frame' is 1.5, not a whole"},
        {"frame 0", record(0), 0, "t.jsonl:1: 'frame' is 0, not a whole frame number from 1"},
        {"a negative frame", record(0, "frame", "-4"), 0, "t.jsonl:1: 'frame' is -4, not a whole"},
        {"a frame past 32 bits", record(0, "frame", "4294967296"), 0, "t.jsonl:1: 'frame' is 4294967296, not"},
        {"a frame as text", record(0, "frame", R"("1")"), 0, "t.jsonl:1: 'frame' is a string, not a whole"},
        {"a frame of null", record(0, "frame", "null"), 0, "t.jsonl:1: 'frame' is null, not a whole"},
        {"a frame of 1e309", record(0, "frame", "1e309"), 0, "t.jsonl:1: not JSON: a number beyond any double: 1e309"},
        {"a value of 1e309", record(1, "vars", R"({"altitude":1e309})"), 0, "t.jsonl:1: not JSON: a number beyond"},
        {"a value of -1e309", record(1, "gauges", R"({"G":{"elements":[-1e309]}})"), 0,
         "t.jsonl:1: not JSON: a number beyond any double: -1e309"},
        {"seconds as text", record(1, "seconds", R"("0.05")"), 0, "t.jsonl:1: 'seconds' is a string, not a time"},
        {"negative seconds", record(1, "seconds", "-1"), 0, "t.jsonl:1: 'seconds' is -1, not a time"},
        {"time going back", record(1) + record(2, "seconds", "0.01"), 1, "t.jsonl:2: its time 0.01 s goes back"},
        {"vars as a list", record(1, "vars", "[0,27]"), 0, "t.jsonl:1: 'vars' is a list, not an object"},
        {"a variable as text", record(1, "vars", R"({"altitude":"high"})"), 0,
         "t.jsonl:1: 'vars' 'altitude' is a string, not a number or null"},
        {"a variable as true", record(1, "vars", R"({"bus_volts":true})"), 0, "t.jsonl:1: 'vars' 'bus_volts' is a"},
        {"gauges as a list", record(1, "gauges", "[1]"), 0, "t.jsonl:1: 'gauges' is a list, not an object"},
        {"a gauge as a number", record(1, "gauges", R"({"G":3})"), 0, "t.jsonl:1: 'gauges' 'G' is 3, not a gauge's"},
        {"elements as an object", record(1, "gauges", R"({"G":{"elements":{}}})"), 0,
         "t.jsonl:1: 'gauges' 'G' has 'elements' is an object, not a list"},
        {"an element as text", record(1, "gauges", R"({"G":{"elements":[1,"x"]}})"), 0,
         "t.jsonl:1: 'gauges' 'G' has 'elements' item 2 is a string, not a number or null"},
        {"a fractional bitmap", record(1, "gauges", R"({"G":{"bitmaps":[10.5]}})"), 0,
         "t.jsonl:1: 'gauges' 'G' has 'bitmaps' item 1 is 10.5, not a bitmap number"},
        {"needle_hidden as 1", record(1, "gauges", R"({"G":{"needle_hidden":1}})"), 0,
         "t.jsonl:1: 'gauges' 'G' has 'needle_hidden' is 1, not true or false"},
        {"a gauge field the format lacks", record(1, "gauges", R"({"G":{"colour":1}})"), 0,
         "t.jsonl:1: 'gauges' 'G' has 'colour' is no field of a trace"},
        {"a click cut short", record(1, "clicks", R"([["G",1]])"), 0,
         "t.jsonl:1: 'clicks' item 1 is a list, not a click [GAUGE, X, Y, BUTTON]"},
        {"a click with text for X", record(1, "clicks", R"([["G","1",2,"left"]])"), 0,
         "t.jsonl:1: 'clicks' item 1 is not a click"},
        {"a key event of text", record(1, "keys", R"([["KEY",1]])"), 0, "t.jsonl:1: 'keys' item 1 is not a key event"},
        {"a negative key argument", record(1, "keys", "[[66040,-1]]"), 0, "t.jsonl:1: 'keys' item 1 is not a key"},
        {"a sound call as a number", record(1, "sound", "[1]"), 0, "t.jsonl:1: 'sound' item 1 is 1, not a string"},
        {"a field twice", record(1) + R"({"frame":2,"frame":3})" + "\n", 1, "t.jsonl:2: 'frame' is given twice"},
        {"a field the format lacks", record(1) + R"({"frame":2,"altitude":3})" + "\n", 1,
         "t.jsonl:2: 'altitude' is no field of a trace"},
        {"NaN written out", record(1, "vars", R"({"altitude":NaN})"), 0, "t.jsonl:1: not JSON: "},
    };
    for (const BrokenTrace& trace : cases)
        read_case(trace);
    // The record every case starts from is a trace.
    EXPECT_EQ(read_case({"whole", frames({1, 2, 3}), 3, ""}).first_problem, "");
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
