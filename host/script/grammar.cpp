#include "host/script/grammar.h"

#include "host/panel/gauge_panel.h"

namespace {

// A point lies on the face or off it, but never off the largest panel.
constexpr double point_limit = panel_side_limit;
constexpr double largest_whole = 4294967295.0; // a key event's number or argument

void panel_position(ArgumentReader& r)
{
    r.number_from(0, panel_side_limit - 1, "a panel position");
}

void face_point(ArgumentReader& r)
{
    r.number_from(-point_limit, point_limit, "a face pixel");
    r.number_from(-point_limit, point_limit, "a face pixel");
}

void frame_count(ArgumentReader& r)
{
    r.whole_from(0, most_frames, "a number of frames");
}

void mouse_button(ArgumentReader& r)
{
    r.choice({"left", "right"}, "mouse button");
}

void colour_level(ArgumentReader& r)
{
    r.number_from(0, colour_level_limit, "a colour level");
}

void place(ArgumentReader& r)
{
    r.gauge();
    panel_position(r);
    panel_position(r);
    if (r.left() > 0)
        r.number_from(1, panel_side_limit, "a gauge width");
}

void panel(ArgumentReader& r)
{
    r.word();
    if (r.left() > 0)
        r.word();
}

void fps(ArgumentReader& r)
{
    r.number_from(lowest_frame_rate, highest_frame_rate, "a frame rate");
}

void ticks_per_second(ArgumentReader& r)
{
    r.number_from(0, highest_tick_rate, "a tick rate");
}

void realtime(ArgumentReader& r)
{
    r.choice({"on", "off"});
}

// Any value, NaN and the infinities too: the module must survive them.
void set(ArgumentReader& r)
{
    r.variable();
    r.any_number();
}

void ramp(ArgumentReader& r)
{
    r.variable();
    r.finite();
    r.finite();
    frame_count(r);
}

void nothing(ArgumentReader&) {}

// `click GAUGE X Y [left|right]`, and press the same.
void mouse(ArgumentReader& r)
{
    r.gauge();
    face_point(r);
    if (r.left() > 0)
        mouse_button(r);
}

void hold(ArgumentReader& r)
{
    r.gauge();
    face_point(r);
    if (r.left() > 1)
        mouse_button(r);
    frame_count(r);
}

// `xray` as the last word lays the X-ray view over the picture.
void snapshot(ArgumentReader& r)
{
    r.word();
    if (r.left() > 0 && !(r.left() == 1 && r.peek() == "xray"))
        r.gauge();
    if (r.left() > 0)
        r.choice({"xray"});
}

void one_word(ArgumentReader& r)
{
    r.word();
}

void rest(ArgumentReader& r)
{
    r.rest();
}

void pause(ArgumentReader& r)
{
    r.finite();
}

// ELEMENT counts the gauge's elements in drawing order from 1.
void expect_frame(ArgumentReader& r)
{
    r.gauge();
    r.whole_from(1, most_frames, "an element number");
    if (r.left() > 0 && r.peek() == "none")
        r.word();
    else
        r.whole_from(0, largest_whole, "a frame number");
}

void expect_angle(ArgumentReader& r)
{
    r.gauge();
    r.finite();
}

void expect_hidden(ArgumentReader& r)
{
    r.gauge();
    r.choice({"yes", "no"});
}

void expect_key(ArgumentReader& r)
{
    if (r.left() == 1) {
        r.choice({"none"});
        return;
    }
    r.whole_from(0, largest_whole, "a key event");
    r.whole_from(0, largest_whole, "a key event's argument");
}

void expect_key_count(ArgumentReader& r)
{
    r.whole_from(0, largest_whole, "a number of key events");
}

void expect_point_word(ArgumentReader& r)
{
    r.gauge();
    face_point(r);
    r.word();
}

void expect_pixel(ArgumentReader& r)
{
    r.gauge();
    face_point(r);
    colour_level(r);
    colour_level(r);
    colour_level(r);
    if (r.left() > 0)
        colour_level(r);
}

void expect_variable(ArgumentReader& r)
{
    r.variable();
    r.finite();
}

void expect_window(ArgumentReader& r)
{
    r.choice({"found", "missing", "none"});
}

void expect_sound(ArgumentReader& r)
{
    if (r.left() == 1) {
        r.choice({"playing", "quiet", "none"});
        return;
    }
    r.word();
    r.whole_from(0, largest_whole, "a number of sound calls");
}

// A bench recording's first and last command: one without its end was cut.
void recording(ArgumentReader& r)
{
    r.choice({"begin", "end"});
}

// ORDER: as the verbs are declared; a line is looked up by its words.
constexpr GrammarRow rows[] = {
    // clang-format off
    {Verb::place,            "place",            place,             "place GAUGE X Y [WIDTH]"},
    {Verb::panel,            "panel",            panel,             "panel PANEL.CFG [SECTION]"},
    {Verb::fps,              "fps",              fps,               "fps FRAMES_PER_SECOND"},
    {Verb::ticks_per_second, "ticks_per_second", ticks_per_second,  "ticks_per_second RATE"},
    {Verb::realtime,         "realtime",         realtime,          "realtime on|off"},
    {Verb::set,              "set",              set,               "set VARIABLE VALUE"},
    {Verb::ramp,             "ramp",             ramp,              "ramp VARIABLE FROM TO FRAMES"},
    {Verb::frames,           "frames",           frame_count,       "frames COUNT"},
    {Verb::click,            "click",            mouse,             "click GAUGE X Y [left|right]"},
    {Verb::press,            "press",            mouse,             "press GAUGE X Y [left|right]"},
    {Verb::release,          "release",          nothing,           "release"},
    {Verb::hold,             "hold",             hold,              "hold GAUGE X Y [left|right] FRAMES"},
    {Verb::snapshot,         "snapshot",         snapshot,          "snapshot FILE.png [GAUGE] [xray]"},
    {Verb::moment,           "moment",           rest,              "moment CAPTION"},
    {Verb::sheet,            "sheet",            one_word,          "sheet FILE.png"},
    {Verb::pause,            "pause",            pause,             "pause SECONDS"},
    {Verb::film,             "film",             one_word,          "film FILE.mp4|end"},
    {Verb::expect_frame,     "expect frame",     expect_frame,      "expect frame GAUGE ELEMENT FRAME|none"},
    {Verb::expect_angle,     "expect angle",     expect_angle,      "expect angle GAUGE DEGREES"},
    {Verb::expect_hidden,    "expect hidden",    expect_hidden,     "expect hidden GAUGE yes|no"},
    {Verb::expect_key,       "expect key",       expect_key,        "expect key EVENT ARGUMENT | expect key none"},
    {Verb::expect_key_count, "expect key_count", expect_key_count,  "expect key_count COUNT"},
    {Verb::expect_tooltip,   "expect tooltip",   expect_point_word, "expect tooltip GAUGE X Y TEXT|none"},
    {Verb::expect_cursor,    "expect cursor",    expect_point_word, "expect cursor GAUGE X Y NAME"},
    {Verb::expect_pixel,     "expect pixel",     expect_pixel,      "expect pixel GAUGE X Y R G B [TOLERANCE]"},
    {Verb::expect_variable,  "expect variable",  expect_variable,   "expect variable NAME VALUE"},
    {Verb::expect_window,    "expect window",    expect_window,     "expect window found|missing|none"},
    {Verb::expect_sound,     "expect sound",     expect_sound,      "expect sound playing|quiet|none|REQUEST COUNT"},
    {Verb::recording,        "recording",        recording,         "recording begin|end"},
    // clang-format on
};
static_assert(std::size(rows) == verb_count);

} // namespace

std::span<const GrammarRow> grammar()
{
    return rows;
}

const GrammarRow& grammar_row(Verb verb)
{
    return rows[static_cast<std::size_t>(verb)];
}
