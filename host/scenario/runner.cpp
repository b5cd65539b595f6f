#include "host/scenario/runner.h"
#include "host/raster/png_file.h"

#include <cmath>

#include "host/panel/variables.h"
#include "host/panel/xray_overlay.h"

namespace {

constexpr int sheet_columns = 4;
// What a scenario may ask of the clock.
constexpr double lowest_frame_rate = 1.0;
constexpr double highest_frame_rate = 1000.0;
constexpr double highest_tick_rate = 100000.0;

} // namespace

// ORDER: looked up by word; usage text is what a bad line is told. A
// command that opens the panel ends the placements.
const ScenarioRunner::CommandRow ScenarioRunner::commands[] = {
    // clang-format off
    {"place",            3, false, &ScenarioRunner::place,            "place GAUGE X Y [WIDTH]"},
    {"panel",            1, false, &ScenarioRunner::panel,            "panel PANEL.CFG [SECTION]"},
    {"fps",              1, false, &ScenarioRunner::fps,              "fps FRAMES_PER_SECOND"},
    {"ticks_per_second", 1, false, &ScenarioRunner::ticks_per_second, "ticks_per_second RATE"},
    {"realtime",         1, false, &ScenarioRunner::realtime,         "realtime on|off"},
    {"set",              2, false, &ScenarioRunner::set,              "set VARIABLE VALUE"},
    {"ramp",             4, true,  &ScenarioRunner::ramp,             "ramp VARIABLE FROM TO FRAMES"},
    {"frames",           1, true,  &ScenarioRunner::frames,           "frames COUNT"},
    {"click",            3, true,  &ScenarioRunner::click,            "click GAUGE X Y [left|right]"},
    {"press",            3, true,  &ScenarioRunner::press,            "press GAUGE X Y [left|right]"},
    {"release",          0, false, &ScenarioRunner::release,          "release"},
    {"hold",             4, true,  &ScenarioRunner::hold,             "hold GAUGE X Y [left|right] FRAMES"},
    {"snapshot",         1, true,  &ScenarioRunner::snapshot,         "snapshot FILE.png [GAUGE] [xray]"},
    {"moment",           1, true,  &ScenarioRunner::moment,           "moment CAPTION"},
    {"sheet",            1, false, &ScenarioRunner::sheet,            "sheet FILE.png"},
    {"pause",            1, false, &ScenarioRunner::pause,            "pause SECONDS"},
    {"expect",           1, true,  &ScenarioRunner::expect,           "expect WHAT ..."},
    {"film",             1, false, &ScenarioRunner::film,             "film FILE.mp4|end"},
    // clang-format on
};

ScenarioRunner::ScenarioRunner(FrameLoop& loop, ScenarioOptions options, std::ostream& report)
    : loop_(loop), panel_(loop.panel()), platform_(loop.platform()), options_(std::move(options)), report_(report)
{
}

// The whole scenario is read before its first frame: every line's command
// and words are checked and the gauges placed, so that a bad line anywhere
// stops the run before anything has flown. Then the lines run.
ScenarioResult ScenarioRunner::run(const ScenarioScript& script)
{
    check(script);
    if (!result_.refused)
        run_lines(script);
    end_film();
    result_.frames = panel_.frame_number();
    return result_;
}

ScenarioResult ScenarioRunner::check(const ScenarioScript& script)
{
    checking_ = true;
    run_lines(script);
    checking_ = false;
    result_.refused = result_.script_error;
    return result_;
}

void ScenarioRunner::run_lines(const ScenarioScript& script)
{
    script_folder_ = folder_of(script.name);
    for (const ScenarioLine& line : script.lines) {
        where_ = script.name + ":" + std::to_string(line.number);
        line_failed_ = false;
        const CommandRow* row = nullptr;
        for (const CommandRow& candidate : commands)
            if (line.words[0] == candidate.word)
                row = &candidate;
        if (row == nullptr) {
            script_error("unknown command '" + line.words[0] + "'");
        } else if (static_cast<int>(line.words.size()) - 1 < row->min_args) {
            script_error(std::string("usage: ") + row->usage);
        } else {
            (this->*row->run)(line.words);
            placements_over_ = placements_over_ || row->opens_panel;
        }
        if (result_.script_error || stopped_)
            break;
    }
}

void ScenarioRunner::watch()
{
    if (options_.watch)
        options_.watch(panel_);
}

void ScenarioRunner::fail(const std::string& expected, const std::string& seen)
{
    ++result_.failures;
    report_ << where_ << ": expected " << expected << ", saw " << seen << "\n";
}

void ScenarioRunner::script_error(const std::string& message)
{
    if (!result_.script_error)
        report_ << where_ << ": " << message << "\n";
    result_.script_error = true;
}

std::string ScenarioRunner::output_path(const std::string& name) const
{
    if (name.starts_with('/') || (name.size() > 1 && name[1] == ':'))
        return name;
    return options_.output_folder + "/" + name;
}

// Gauges are placed while the scenario is checked, so that the lines after
// can name them; the run passes over these lines.
void ScenarioRunner::place(const Words& w)
{
    const int x = pixels(w[2], 0, panel_side_limit - 1, "a panel position");
    const int y = pixels(w[3], 0, panel_side_limit - 1, "a panel position");
    std::optional<int> width;
    if (w.size() > 4)
        width = pixels(w[4], 1, panel_side_limit, "a gauge width");
    if (!checking_ || result_.script_error)
        return;
    if (placements_over_)
        return script_error("gauges are placed before the first frame");
    const auto label = panel_.place(w[1], x, y, width);
    if (!label)
        return script_error("the module offers no gauge '" + w[1] + "'");
    const PlacedGauge& placed = *panel_.placed(*label);
    if (placed.x + placed.width > panel_side_limit || placed.y + placed.height > panel_side_limit)
        script_error("the panel would reach " + std::to_string(placed.x + placed.width) + "x" +
                     std::to_string(placed.y + placed.height) + " pixels, more than " +
                     std::to_string(panel_side_limit) + " a side");
}

// A panel file's window instead of gauges placed one by one, opened while
// the scenario is checked, as placements are; its file is named from the
// scenario's folder.
void ScenarioRunner::panel(const Words& w)
{
    if (!checking_ || result_.script_error)
        return;
    if (placements_over_ || !panel_.gauges().empty())
        return script_error("a panel file opens before any gauge is placed and before the first frame");
    if (options_.modules == nullptr)
        return script_error("this program opens no panel files");
    const bool absolute = w[1].starts_with('/') || w[1].starts_with('\\') || (w[1].size() > 1 && w[1][1] == ':');
    const PanelRequest request{.path = absolute ? w[1] : join_path(script_folder_, w[1]),
                               .section = w.size() > 2 ? w[2] : "",
                               .simulator_folder = options_.simulator_folder};
    if (!open_panel_window(request, panel_, *options_.modules, report_))
        script_error("the panel file's window cannot be opened");
}

void ScenarioRunner::fps(const Words& w)
{
    const double rate = number_from(w[1], lowest_frame_rate, highest_frame_rate, "a frame rate");
    if (!only_checking())
        loop_.set_pace({.frames_per_second = rate, .ticks_per_second = loop_.pace().ticks_per_second});
}

void ScenarioRunner::ticks_per_second(const Words& w)
{
    const double rate = number_from(w[1], 0.0, highest_tick_rate, "a tick rate");
    if (!only_checking())
        loop_.set_pace({.frames_per_second = loop_.pace().frames_per_second, .ticks_per_second = rate});
}

void ScenarioRunner::realtime(const Words& w)
{
    if (w[1] != "on" && w[1] != "off")
        return script_error("usage: realtime on|off");
    if (!only_checking() && !options_.restoring)
        loop_.follow_clock(w[1] == "on");
}

// The panel stands still: no frames for that long where frames follow the
// clock, and their pace starts again from the end of the pause.
void ScenarioRunner::pause(const Words& w)
{
    const double seconds = number(w[1]);
    if (only_checking() || !loop_.follows_clock() || options_.restoring || seconds <= 0.0)
        return;
    FrameClock& clock = loop_.clock();
    const auto due =
        clock.now() + std::chrono::duration_cast<FrameClock::Clock::duration>(std::chrono::duration<double>(seconds));
    if (!clock.wait_until(due))
        stopped_ = true;
    loop_.follow_clock(true);
}

void ScenarioRunner::set(const Words& w)
{
    const std::uint32_t variable = token(w[1]);
    const double value = number(w[2]);
    if (!only_checking())
        panel_.variables.set(variable, value);
}

void ScenarioRunner::ramp(const Words& w)
{
    const std::uint32_t variable = token(w[1]);
    const double from = number(w[2]);
    const double to = number(w[3]);
    const long count = frame_count(w[4]);
    if (!only_checking())
        run_frames(count, [&](long i) { panel_.variables.set(variable, from + (to - from) * (i + 1) / count); });
}

void ScenarioRunner::frames(const Words& w)
{
    const long count = frame_count(w[1]);
    if (!only_checking())
        run_frames(count, [](long) {});
}

void ScenarioRunner::run_frames(long count, const std::function<void(long)>& before_each)
{
    for (long i = 0; i < count && !result_.script_error && !stopped_; ++i) {
        if (!loop_.wait_for_next_frame()) {
            stopped_ = true;
            break;
        }
        before_each(i);
        const FrameResult& frame = loop_.run_frame();
        result_.frame_costs_us.push_back(frame.work_us);
        last_sound_requests_ = frame.sound_requests;
        sound_log_.insert(sound_log_.end(), frame.sound_requests.begin(), frame.sound_requests.end());
        watch();
    }
}

void ScenarioRunner::click(const Words& w)
{
    mouse(w, &GaugePanel::click);
}

void ScenarioRunner::press(const Words& w)
{
    mouse(w, &GaugePanel::press);
}

// `GAUGE X Y [left|right]`, handed to the panel's click or press.
void ScenarioRunner::mouse(const Words& w, PanelMouse call)
{
    const std::size_t gauge = gauge_index(w[1]);
    const PixelPoint at = point(w, 2);
    const MouseButton pressed = button(w, 4);
    if (only_checking())
        return;
    panel_.open();
    (panel_.*call)(gauge, at, pressed);
}

void ScenarioRunner::release(const Words&)
{
    if (!only_checking())
        panel_.release();
}

void ScenarioRunner::hold(const Words& w)
{
    const bool named_button = w.size() > 5;
    const long count = frame_count(named_button ? w[5] : w[4]);
    press({w[0], w[1], w[2], w[3], named_button ? w[4] : "left"});
    if (only_checking())
        return;
    run_frames(count, [](long) {});
    panel_.release();
}

// `xray` as the last word lays the X-ray view over the picture.
void ScenarioRunner::snapshot(const Words& w)
{
    const bool xray = w.size() > 2 && w.back() == "xray";
    const bool one_gauge = w.size() > (xray ? 3u : 2u);
    // An unknown gauge is a script error before anything is drawn.
    const std::size_t gauge = one_gauge ? gauge_index(w[2]) : 0;
    if (only_checking() || options_.restoring)
        return;
    panel_.open();
    watch();
    const Image& drawn = one_gauge ? panel_.draw_gauge(gauge) : panel_.draw_panel();
    Image picture;
    if (xray) {
        picture = drawn;
        XrayOverlay overlay;
        if (one_gauge)
            overlay.draw_face(picture, panel_.gauges()[gauge]);
        else
            overlay.draw_panel(picture, panel_.gauges());
    }
    const std::string path = output_path(w[1]);
    if (!write_png(xray ? picture : drawn, path))
        script_error("cannot write " + path);
}

void ScenarioRunner::moment(const Words& w)
{
    if (only_checking() || options_.restoring)
        return;
    panel_.open();
    std::string caption;
    for (std::size_t i = 1; i < w.size(); ++i)
        caption += (i > 1 ? " " : "") + w[i];
    watch();
    moments_.push_back({caption, panel_.draw_panel()});
}

void ScenarioRunner::sheet(const Words& w)
{
    if (only_checking() || options_.restoring)
        return;
    const std::string path = output_path(w[1]);
    if (!write_png(contact_sheet(moments_, sheet_columns), path))
        script_error("cannot write " + path);
}
