// zor_timeline TRACE.jsonl OUT.png: the timeline of a panel host's trace.
// Draws whatever frames it can read; the first line it could not read as a
// frame is named on standard error and in the picture.
// Exit status: 0 drawn from a whole trace, 1 drawn from what could be read,
// 2 nothing could be drawn (trace unreadable, picture not writable).
#include <fontconfig/fontconfig.h>

#include <cairo.h>

#include <fstream>
#include <iostream>

#include "host/base/output_file.h"
#include "tools/timeline/timeline_drawing.h"
#include "tools/timeline/trace_run.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: zor_timeline TRACE.jsonl OUT.png\n";
        return 2;
    }
    // A picture that could never be written is refused before the trace is read.
    if (const auto refused = output_path_refusal(argv[2])) {
        std::cerr << *refused << "\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 2;
    }
    const TraceRun run = read_trace(in, argv[1]);
    std::string problem = run.first_problem;
    if (run.bad_lines > 1)
        problem += " (and " + std::to_string(run.bad_lines - 1) + " more bad lines)";
    const TimelineLanes lanes = timeline_lanes(run);
    std::string error;
    const bool written = draw_timeline(
        lanes,
        {.title = std::string(argv[1]) + ": " + std::to_string(run.frames.size()) + " frames", .problem = problem},
        argv[2], &error);
    cairo_debug_reset_static_data();
    FcFini();
    if (!problem.empty())
        std::cerr << problem << "\n";
    if (!written) {
        std::cerr << error << "\n";
        return 2;
    }
    std::cout << "timeline: " << argv[2] << " (" << run.frames.size() << " frames, " << lanes.variables.size()
              << " variables, " << lanes.elements.size() << " elements that change, " << lanes.tone.size()
              << " tone stretches)\n";
    return problem.empty() ? 0 : 1;
}
