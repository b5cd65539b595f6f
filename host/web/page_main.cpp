// The bench on a web page: the module's logic linked in, its bitmaps and
// tone embedded in the page, the bench session drawn onto the page's
// canvas. The demo panel opens first; a scenario the page hands over
// (opened, pasted, or carried by a link) is checked whole while the panel
// keeps flying, and only a good one ends that session and starts its own on
// the module loaded afresh. Every session is recorded, for the page to
// download.
#include <emscripten.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "host/app/bench_run.h"
#include "host/linked/fresh_module.h"
#include "host/linked/native_platform.h"
#include "host/scenario/runner.h"
#include "host/script/parse.h"
#include "host/web/canvas_screen.h"

namespace {

// clang-format off
// The page's own files, embedded by the build at these places.
constexpr const char* page_folder        = "/zor/";
constexpr const char* bitmap_folder      = "/zor/bitmaps";
constexpr const char* tone_file          = "/zor/zor_sound.wav";
constexpr const char* flight_path        = "/zor/flight.txt";     // the scenario the page asked for
constexpr const char* record_path        = "/zor/session.txt";    // the session as it flies, for download
// Where the module believes the host runs; its name picks the window class.
constexpr const char* page_executable    = "C:\\Host\\zor_host.exe";
// A scenario longer than this is refused before it is read.
constexpr std::size_t longest_scenario   = 4u << 20;
// clang-format on

// What the page's script hands over as it comes, until a session's screen
// takes it.
BenchInputQueue page_input;
std::string scenario_path; // flown by the next session; the demo panel's first

// "line N: ..." for a message that names the scenario and its line.
std::string page_message(const std::string& message, const std::string& name)
{
    std::string rest = message.starts_with(name + ":") ? message.substr(name.size() + 1) : message;
    const std::size_t colon = rest.find(':');
    if (colon != std::string::npos && colon > 0 && rest.find_first_not_of("0123456789") == colon)
        return "line " + rest;
    return rest;
}

// The lines of a program's expectations, "7,12,30", for the page to list
// before they are checked.
std::string expectation_lines(const Program& program)
{
    std::string lines;
    for (const Command& command : program.commands)
        if (is_expectation(command.verb))
            lines += (lines.empty() ? "" : ",") + std::to_string(command.line);
    return lines;
}

// The scenario read whole and its lines checked on a panel of its own,
// which calls nothing of the module: the flying panel is left as it is.
// Its expectations' lines go to `expectations`.
std::string check_scenario(const std::string& text, HostPlatform& platform, std::string& expectations)
{
    if (text.size() > longest_scenario)
        return "the scenario is " + std::to_string(text.size()) + " bytes, more than " +
            std::to_string(longest_scenario) + " this page reads";
    const ParseResult parsed = parse(text, flight_path);
    if (!parsed.ok())
        return page_message(parsed.errors.front(), flight_path);
    expectations = expectation_lines(parsed.program);
    HostServices* const flying = HostServices::current();
    std::ostringstream said;
    bool refused = false;
    {
        GaugePanel scratch(NativePlatform::linked_module(), platform);
        FrameLoop loop(scratch, platform);
        ScenarioRunner runner(loop, {.output_folder = page_folder, .watch = {}}, said);
        refused = runner.check(parsed.program).refused;
    }
    HostServices::make_current(flying);
    if (refused) {
        std::string first = said.str();
        return page_message(first.substr(0, first.find('\n')), flight_path);
    }
    return {};
}

// clang-format off
EM_JS(void, page_flight_answer, (const char* said, const char* expectations), {
    Module.zorFlightAnswer(UTF8ToString(said), UTF8ToString(expectations));
});
// clang-format on

// A scenario the page asked to fly: checked, kept for the next session and
// answered with "" and the lines of its expectations when good, or
// answered with why not.
bool take_flight(const std::string& text, HostPlatform& platform)
{
    std::string expectations;
    std::string said = check_scenario(text, platform, expectations);
    if (said.empty()) {
        std::ofstream file(flight_path, std::ios::binary);
        file << text;
        if (!(file.close(), file))
            said = "the scenario could not be kept";
    }
    page_flight_answer(said.c_str(), said.empty() ? expectations.c_str() : "");
    if (!said.empty())
        return false;
    scenario_path = flight_path;
    return true;
}

CanvasScreen* page_canvas = nullptr; // the screen of the session flying, if any

// The file a session left at its end, read whole; empty when there is none.
std::string file_text(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" {

// The session as a scenario, for the page to download or share: the
// recorder's own text, closed with its end mark, while the session flies;
// the file it put in place once it has ended.
EMSCRIPTEN_KEEPALIVE const char* zor_session_text()
{
    static std::string text;
    const std::optional<std::string> flying = page_canvas != nullptr ? page_canvas->session_so_far() : std::nullopt;
    text = flying ? *flying : file_text(record_path);
    return text.c_str();
}

EMSCRIPTEN_KEEPALIVE void zor_page_event(int kind, int x, int y, int right_button, const char* key)
{
    page_input.add({.kind = static_cast<BenchInputKind>(kind),
                    .point = {x, y},
                    .button = right_button ? MouseButton::right : MouseButton::left,
                    .key = key != nullptr ? key : ""});
}

} // extern "C"

int main()
{
    scenario_path = std::string(page_folder) + "bench_demo.txt";
    for (;;) {
        load_linked_module_afresh();
        NativePlatform platform(bitmap_folder, tone_file, page_executable);
        CanvasScreen canvas(platform, page_input, [&](const std::string& text) { return take_flight(text, platform); });
        page_canvas = &canvas;
        HostCommandLine command_line;
        command_line.window = true;
        command_line.scenario = scenario_path;
        command_line.record_path = record_path;
        command_line.output_folder = page_folder;
        command_line.host_folder = page_folder;
        const int status = run_bench_session(
            command_line, {.records = NativePlatform::linked_module(), .description = "the page's linked module"},
            platform, canvas);
        canvas.session_ended();
        std::cout << "session ended with status " << status << std::endl;
        EM_ASM({ Module.zorTone(false); });
        // A session that ended by itself (the module crashed) keeps its
        // picture until the page asks for another flight.
        while (!canvas.ending()) {
            emscripten_sleep(100);
            canvas.take_page_flight();
        }
        page_canvas = nullptr;
    }
}
