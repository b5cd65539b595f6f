#include "host/scenario/runner.h"
#include "host/raster/png_file.h"

#include <cmath>

#include "host/panel/variables.h"
#include "host/panel/xray_overlay.h"

namespace {

constexpr int sheet_columns = 4;

} // namespace

// ORDER: looked up by word; usage text is what a bad line is told.
const ScenarioRunner::CommandRow ScenarioRunner::commands[] = {
    {"place",            3, &ScenarioRunner::place,            "place GAUGE X Y [WIDTH]"},
    {"fps",              1, &ScenarioRunner::fps,              "fps FRAMES_PER_SECOND"},
    {"ticks_per_second", 1, &ScenarioRunner::ticks_per_second, "ticks_per_second RATE"},
    {"realtime",         1, &ScenarioRunner::realtime,         "realtime on|off"},
    {"set",              2, &ScenarioRunner::set,              "set VARIABLE VALUE"},
    {"ramp",             4, &ScenarioRunner::ramp,             "ramp VARIABLE FROM TO FRAMES"},
    {"frames",           1, &ScenarioRunner::frames,           "frames COUNT"},
    {"click",            3, &ScenarioRunner::click,            "click GAUGE X Y [left|right]"},
    {"press",            3, &ScenarioRunner::press,            "press GAUGE X Y [left|right]"},
    {"release",          0, &ScenarioRunner::release,          "release"},
    {"hold",             4, &ScenarioRunner::hold,             "hold GAUGE X Y [left|right] FRAMES"},
    {"snapshot",         1, &ScenarioRunner::snapshot,         "snapshot FILE.png [GAUGE] [xray]"},
    {"moment",           1, &ScenarioRunner::moment,           "moment CAPTION"},
    {"sheet",            1, &ScenarioRunner::sheet,            "sheet FILE.png"},
    {"pause",            1, &ScenarioRunner::pause,            "pause SECONDS"},
    {"expect",           1, &ScenarioRunner::expect,           "expect WHAT ..."},
};

ScenarioRunner::ScenarioRunner(FrameLoop& loop, ScenarioOptions options, std::ostream& report)
    : loop_(loop), panel_(loop.panel()), platform_(loop.platform()), options_(std::move(options)), report_(report)
{
}

ScenarioResult ScenarioRunner::run(const ScenarioScript& script)
{
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
        }
        if (result_.script_error || stopped_)
            break;
    }
    result_.frames = panel_.frame_number();
    return result_;
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

double ScenarioRunner::number(const std::string& word)
{
    try {
        std::size_t used = 0;
        const double value = std::stod(word, &used);
        if (used == word.size())
            return value;
    } catch (const std::exception&) {
    }
    script_error("'" + word + "' is not a number");
    return 0.0;
}

std::uint32_t ScenarioRunner::token(const std::string& word)
{
    const auto found = host_token_by_name(word);
    if (!found)
        script_error("'" + word + "' names no host variable");
    return found.value_or(0);
}

std::size_t ScenarioRunner::gauge_index(const std::string& label)
{
    const std::size_t index = panel_.index_of(label);
    if (index >= panel_.gauges().size())
        script_error("no gauge '" + label + "' is placed");
    return index;
}

PixelPoint ScenarioRunner::point(const Words& words, std::size_t at)
{
    return {static_cast<std::int32_t>(number(words.at(at))), static_cast<std::int32_t>(number(words.at(at + 1)))};
}

MouseButton ScenarioRunner::button(const Words& words, std::size_t at)
{
    if (at >= words.size() || words[at] == "left")
        return MouseButton::left;
    if (words[at] != "right")
        script_error("'" + words[at] + "' is no mouse button");
    return MouseButton::right;
}

std::string ScenarioRunner::output_path(const std::string& name) const
{
    if (name.starts_with('/') || (name.size() > 1 && name[1] == ':'))
        return name;
    return options_.output_folder + "/" + name;
}

void ScenarioRunner::place(const Words& w)
{
    std::optional<int> width;
    if (w.size() > 4)
        width = static_cast<int>(number(w[4]));
    if (panel_.is_open())
        return script_error("gauges are placed before the first frame");
    if (!panel_.place(w[1], static_cast<int>(number(w[2])), static_cast<int>(number(w[3])), width))
        script_error("the module offers no gauge '" + w[1] + "'");
}

void ScenarioRunner::fps(const Words& w)
{
    loop_.set_pace({.frames_per_second = number(w[1]), .ticks_per_second = loop_.pace().ticks_per_second});
}

void ScenarioRunner::ticks_per_second(const Words& w)
{
    loop_.set_pace({.frames_per_second = loop_.pace().frames_per_second, .ticks_per_second = number(w[1])});
}

void ScenarioRunner::realtime(const Words& w)
{
    if (!options_.restoring)
        loop_.follow_clock(w[1] == "on");
}

// The panel stands still: no frames for that long where frames follow the
// clock, and their pace starts again from the end of the pause.
void ScenarioRunner::pause(const Words& w)
{
    const double seconds = number(w[1]);
    if (result_.script_error || !loop_.follows_clock() || options_.restoring || seconds <= 0.0)
        return;
    FrameClock& clock = loop_.clock();
    const auto due = clock.now() + std::chrono::duration_cast<FrameClock::Clock::duration>(
                                       std::chrono::duration<double>(seconds));
    if (!clock.wait_until(due))
        stopped_ = true;
    loop_.follow_clock(true);
}

void ScenarioRunner::set(const Words& w)
{
    panel_.variables.set(token(w[1]), number(w[2]));
}

void ScenarioRunner::ramp(const Words& w)
{
    const std::uint32_t variable = token(w[1]);
    const double from = number(w[2]);
    const double to = number(w[3]);
    const long count = static_cast<long>(number(w[4]));
    run_frames(count, [&](long i) { panel_.variables.set(variable, from + (to - from) * (i + 1) / count); });
}

void ScenarioRunner::frames(const Words& w)
{
    run_frames(static_cast<long>(number(w[1])), [](long) {});
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
    const std::size_t gauge = gauge_index(w[1]);
    if (!result_.script_error) {
        panel_.open();
        panel_.click(gauge, point(w, 2), button(w, 4));
    }
}

void ScenarioRunner::press(const Words& w)
{
    const std::size_t gauge = gauge_index(w[1]);
    if (!result_.script_error) {
        panel_.open();
        panel_.press(gauge, point(w, 2), button(w, 4));
    }
}

void ScenarioRunner::release(const Words&) { panel_.release(); }

void ScenarioRunner::hold(const Words& w)
{
    const bool named_button = w.size() > 5;
    press({w[0], w[1], w[2], w[3], named_button ? w[4] : "left"});
    run_frames(static_cast<long>(number(named_button ? w[5] : w[4])), [](long) {});
    panel_.release();
}

// `xray` as the last word lays the X-ray view over the picture.
void ScenarioRunner::snapshot(const Words& w)
{
    if (options_.restoring)
        return;
    panel_.open();
    const bool xray = w.size() > 2 && w.back() == "xray";
    const bool one_gauge = w.size() > (xray ? 3u : 2u);
    // An unknown gauge is a script error before anything is drawn.
    const std::size_t gauge = one_gauge ? gauge_index(w[2]) : 0;
    if (result_.script_error)
        return;
    watch();
    const Image& drawn = one_gauge ? panel_.draw_gauge(gauge) : panel_.draw_panel();
    Image picture;
    if (xray) {
        picture = drawn;
        XrayOverlay overlay(panel_.bitmaps());
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
    if (options_.restoring)
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
    if (options_.restoring)
        return;
    const std::string path = output_path(w[1]);
    if (!write_png(contact_sheet(moments_, sheet_columns), path))
        script_error("cannot write " + path);
}
