// A panel host trace as the timeline reads it: each input is a whole trace
// file, read into its frames and laid out in lanes. Beyond what the
// sanitizers catch, an input fails when a bad line goes unnamed, a named
// problem names no line, or a lane or tone stretch runs past the columns.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tools/timeline/timeline_lanes.h"

namespace {

constexpr const char* trace_name = "fuzz.jsonl";

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "trace fuzz: %s\n", what.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const TraceRun run = read_trace(in, trace_name);
    if ((run.bad_lines > 0) != !run.first_problem.empty())
        fail("bad lines and the named problem disagree: " + run.first_problem);
    if (!run.first_problem.empty() && !run.first_problem.starts_with(std::string(trace_name) + ":"))
        fail("a problem that names no line: " + run.first_problem);
    const TimelineLanes lanes = timeline_lanes(run);
    const std::size_t columns = run.frames.size();
    for (const VariableLane& lane : lanes.variables)
        if (lane.values.size() != columns)
            fail("a variable lane of another length than the frames");
    for (const ElementLane& lane : lanes.elements)
        if (lane.values.size() != columns)
            fail("an element lane of another length than the frames");
    for (const ToneStretch& tone : lanes.tone)
        if (tone.first_column > tone.end_column || tone.end_column > columns)
            fail("a tone stretch outside the frames");
    return 0;
}
