// The bench session natively, for the page's frame cost to be held against
// (scripts/web-benchmark.sh): the same run as the page's, through the same
// code (a scenario flown live at its pace, then the bench's own frames,
// the session recorded as it flies), on a screen that takes each picture
// as the page's canvas screen does: the panel's pixels made opaque and the
// box that changed found, the strip's texts and the LCD reading (what
// the page then puts on its canvas is the page's own cost). It prints the
// bench's report; its "median work" is the figure the page reports too:
// from a frame's start to its picture taken by the screen (the module's
// frame, the whole panel drawn, the strip, the screen's show).
//   zor_bench_session_benchmark SCENARIO SECONDS RECORD
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "host/app/bench_run.h"
#include "host/linked/build_files.h"
#include "host/linked/fresh_module.h"
#include "host/linked/lcd_reading.h"
#include "host/linked/native_platform.h"
#include "host/raster/shown_picture.h"

namespace {

// Where the module believes the host runs, as the page tells it.
constexpr const char* host_executable = "C:\\Host\\zor_host.exe";

// What the page's canvas screen takes of each picture, kept here instead.
class TakingScreen : public BenchScreen {
public:
    void show(const BenchView& view, BenchSession&) override
    {
        changed_ = shown_.take(*view.panel);
        texts_ = view.status + view.help + view.note + view.tooltip.value_or("");
        lcd_ = lcd_reading();
    }
    void wait_until(Clock::time_point due) override { std::this_thread::sleep_until(due); }

private:
    ShownPicture shown_;
    PixelBox changed_;
    std::string texts_, lcd_;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: " << argv[0] << " SCENARIO SECONDS RECORD\n";
        return 2;
    }
    load_linked_module_afresh();
    NativePlatform platform(built_bitmap_folder, built_alert_tone, host_executable);
    TakingScreen screen;
    HostCommandLine command_line;
    command_line.window = true;
    command_line.scenario = argv[1];
    command_line.seconds = std::atof(argv[2]);
    command_line.record_path = argv[3];
    return run_bench_session(command_line,
                             {.records = NativePlatform::linked_module(), .description = "the linked module"}, platform,
                             screen);
}
