#include "host/panelfile/panel_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "host/base/input_file.h"
#include "host/base/utf8_path.h"
#include "host/panel/gauge_panel.h"
#include "host/panelfile/panel_gauge_line.h"
#include "host/panelfile/panel_text.h"
#include "host/panelfile/panel_words.h"

namespace {

constexpr int last_screen_position = 8;

// Keys a panel window has that change nothing for a panel drawn on its own.
// clang-format off
const char* const quiet_window_keys[] = {
    "visible", "ident",  "window_pos",       "window_size_ratio", "pixel_size",       "zorder",
    "type",    "nomenu", "background_color", "child_3d",          "render_3d_window", "no_luminous",
    "texture", "sizeable", "transparent_color",
};
// clang-format on

class Reader {
public:
    PanelFile read(std::string_view bytes);

private:
    enum class Section { none, fltsim, titles, window, other };

    void lines(std::string_view text);
    void problem(int line, std::string text) { file_.messages.push_back({line, true, std::move(text)}); }
    void note(int line, std::string text) { file_.messages.push_back({line, false, std::move(text)}); }
    void header(int line, std::string_view text);
    void key(int line, std::string_view key, std::string_view value);
    void window_key(int line, const std::string& key, std::string_view value);
    void gauge(int line, int number, std::string_view value);
    void finish_window(std::size_t index);

    PanelFile file_;
    Section section_ = Section::none;
    std::size_t window_ = 0;
    std::map<std::string, std::size_t> window_by_name_;
    std::map<std::string, int> keys_seen_;            // in this section: key, line
    std::vector<std::map<int, int>> numbers_;         // per window: number, line
    std::vector<bool> over_gauge_limit_;              // per window: said so
    std::vector<std::pair<std::string, int>> titled_; // windows [Window Titles] names
};

PanelFile Reader::read(std::string_view bytes)
{
    const PanelText decoded = decode_panel_bytes(bytes);
    if (decoded.unreadable) {
        problem(0, decoded.about);
        return std::move(file_);
    }
    const std::string_view text = decoded.text;
    lines(text);
    if (decoded.encoding != PanelEncoding::ansi) {
        const std::string_view first = trim(without_comment(text.substr(0, text.find('\n'))));
        const bool harmless = decoded.encoding == PanelEncoding::utf8_mark && first.empty();
        file_.messages.push_back({decoded.encoding == PanelEncoding::nul_bytes ? decoded.first_nul_line : 0, !harmless,
                                  encoding_advice(decoded, first)});
    }
    for (std::size_t i = 0; i < file_.windows.size(); ++i)
        finish_window(i);
    for (const auto& [name, line] : titled_)
        if (!window_by_name_.contains(name))
            problem(line, "the window titles name " + visible(name) + ", but the file has no [" + visible(name) + "] section");
    if (file_.windows.empty() && !file_.alias)
        problem(0, "no [WindowNN] or [VCockpitNN] section: the panel has no window to place gauges in");
    std::stable_sort(file_.messages.begin(), file_.messages.end(),
                     [](const PanelFileMessage& a, const PanelFileMessage& b) { return a.line < b.line; });
    return std::move(file_);
}

void Reader::lines(std::string_view text)
{
    int number = 0;
    for (std::size_t start = 0; start < text.size() || number == 0;) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        ++number;
        const std::string_view line = trim(without_comment(text.substr(start, end - start)));
        start = end + 1;
        if (line.empty())
            continue;
        if (line.front() == '[') {
            header(number, line);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            const std::string message = excerpt(line) + " is neither a section nor a KEY=VALUE line";
            section_ == Section::window ? problem(number, message + "; not read")
                                        : note(number, message + "; not read");
            continue;
        }
        key(number, trim(line.substr(0, equals)), trim(line.substr(equals + 1)));
    }
}

void Reader::header(int line, std::string_view text)
{
    keys_seen_.clear();
    section_ = Section::other;
    if (text.back() != ']') {
        problem(line,
                "section header " + excerpt(text) +
                    " has no closing ']'; the lines up to the next section are not read");
        return;
    }
    const std::string name(trim(text.substr(1, text.size() - 2)));
    const std::string lowered = lower(name);
    if (lowered == "fltsim") {
        section_ = Section::fltsim;
    } else if (lowered == "window titles") {
        section_ = Section::titles;
    } else if (numbered(lowered, "window") || numbered(lowered, "vcockpit")) {
        section_ = Section::window;
        const auto [found, added] = window_by_name_.emplace(lowered, file_.windows.size());
        window_ = found->second;
        if (added) {
            PanelWindow& window = file_.windows.emplace_back();
            window.name = name;
            window.line = line;
            window.virtual_cockpit = lowered.starts_with("vcockpit");
            numbers_.emplace_back();
            over_gauge_limit_.push_back(false);
        } else {
            problem(line,
                    "[" + visible(name) + "] again (first at line " + std::to_string(file_.windows[window_].line) +
                        "): its keys are read as part of the first");
        }
    }
}

void Reader::key(int line, std::string_view key, std::string_view value)
{
    const std::string lowered = lower(key);
    if (section_ == Section::none) {
        if (numbered(lowered, "gauge"))
            problem(line,
                    excerpt(key) +
                        " stands before any section: a simulator places it in no window; put it below "
                        "its window's [WindowNN] line");
        else
            note(line, excerpt(key) + " stands before any section; not read");
        return;
    }
    if (section_ == Section::other)
        return;
    const auto [seen, first] = keys_seen_.emplace(lowered, line);
    if (!first && section_ != Section::window) {
        note(line, visible(key) + " again (first at line " + std::to_string(seen->second) + "): the first is read");
        return;
    }
    if (section_ == Section::fltsim) {
        if (lowered == "alias" && !value.empty()) {
            file_.alias = std::string(value);
            file_.alias_line = line;
        }
    } else if (section_ == Section::titles) {
        if (numbered(lowered, "window"))
            titled_.push_back({lowered, line});
    } else if (!first && !numbered(lowered, "gauge")) {
        note(line, visible(key) + " again (first at line " + std::to_string(seen->second) + "): the first is read");
    } else {
        window_key(line, lowered, value);
    }
}

void Reader::window_key(int line, const std::string& key, std::string_view value)
{
    PanelWindow& window = file_.windows[window_];
    if (const auto number = numbered(key, "gauge")) {
        gauge(line, *number, value);
    } else if (key.starts_with("gauge")) {
        problem(line, excerpt(key) + " is no gauge line: gauge lines are gaugeNN with a number");
    } else if (const auto screen = key == "file" ? std::optional<int>(0) : numbered(key, "file_")) {
        if (!value.empty())
            window.backgrounds.push_back({*screen, std::string(value), line});
    } else if (key == "size_mm") {
        // A height left out or 0 follows the background's proportions.
        const auto parts = fields(value);
        const auto w = whole_number(parts[0]);
        const auto h = parts.size() > 1 && !parts[1].empty() ? whole_number(parts[1]) : std::optional<int>(0);
        if (parts.size() > 2 || !w || !h || *w < 0 || *h < 0)
            problem(line, "size_mm needs a width and a height of 0 or more, not " + excerpt(value));
        else if (*w > panel_side_limit || *h > panel_side_limit)
            problem(line,
                    "size_mm " + excerpt(value) + " is larger than the " + std::to_string(panel_side_limit) +
                        " a side this host draws; the window has no design space");
        else if (*w > 0 || *h > 0)
            window.size_mm = PanelExtent{*w, *h}, window.size_mm_line = line;
    } else if (key == "window_size") {
        const auto parts = fields(value);
        const auto w = decimal(parts[0]);
        const auto h = parts.size() > 1 ? decimal(parts[1]) : std::nullopt;
        if (parts.size() > 2 || !w || *w <= 0 || (parts.size() == 2 && (!h || *h <= 0)))
            problem(line, "window_size needs one or two shares of the screen above 0, not " + excerpt(value));
        else
            window.window_width = *w, window.window_height = h;
    } else if (key == "position") {
        const auto n = whole_number(value);
        if (!n || *n < 0 || *n > last_screen_position)
            problem(line, "position needs a screen place from 0 to 8, not " + excerpt(value));
        else
            window.position = *n;
    } else if (std::find(std::begin(quiet_window_keys), std::end(quiet_window_keys), key) ==
               std::end(quiet_window_keys)) {
        note(line, excerpt(key) + " is not a key this host knows in a panel window; not read");
    }
}

void Reader::gauge(int line, int number, std::string_view value)
{
    const std::string key = gauge_key(number);
    if (number >= window_gauge_limit) {
        // Said once a window: a file of a million such lines is one problem.
        if (!over_gauge_limit_[window_])
            problem(line,
                    key + ": a window holds at most " + std::to_string(window_gauge_limit) +
                        " gauges; this line and those numbered above the limit are not read");
        over_gauge_limit_[window_] = true;
        return;
    }
    const auto [seen, first] = numbers_[window_].emplace(number, line);
    if (!first) {
        problem(line,
                key + " again (first at line " + std::to_string(seen->second) + "): a simulator reads only the first");
        return;
    }
    if (auto gauge = read_gauge_line(line, number, value, file_.messages))
        file_.windows[window_].gauges.push_back(std::move(*gauge));
}

// Puts the gauges in number order and drops those after the first gap.
void Reader::finish_window(std::size_t index)
{
    PanelWindow& window = file_.windows[index];
    int expected = 0;
    for (const auto& [number, line] : numbers_[index]) {
        if (number != expected) {
            problem(line,
                    gauge_key(number) + " follows a gap: there is no " + gauge_key(expected) +
                        ", and a simulator stops reading the gauges there, so " + gauge_key(number) +
                        " and those after it are not placed");
            break;
        }
        ++expected;
    }
    std::erase_if(window.gauges, [&](const PanelGaugeLine& g) { return g.number >= expected; });
    std::sort(window.gauges.begin(), window.gauges.end(),
              [](const PanelGaugeLine& a, const PanelGaugeLine& b) { return a.number < b.number; });
}

} // namespace

const PanelWindow* PanelFile::window(std::string_view name) const
{
    const std::string wanted = lower(name);
    for (const PanelWindow& w : windows)
        if (lower(w.name) == wanted)
            return &w;
    return nullptr;
}

const PanelBackground* PanelWindow::background(int screen_width) const
{
    const PanelBackground* chosen = nullptr;
    for (const PanelBackground& b : backgrounds)
        if (b.screen_width <= screen_width && (chosen == nullptr || b.screen_width > chosen->screen_width))
            chosen = &b;
    return chosen;
}

int PanelFile::gauge_lines() const
{
    int count = 0;
    for (const PanelWindow& w : windows)
        count += static_cast<int>(w.gauges.size());
    return count;
}

int PanelFile::problems() const
{
    return static_cast<int>(std::count_if(messages.begin(), messages.end(), [](const auto& m) { return m.problem; }));
}

PanelFile read_panel_text(std::string_view text)
{
    return Reader().read(text);
}

PanelFile read_panel_file(const std::string& path)
{
    std::error_code error;
    PanelFile unread;
    if (const auto refused = input_file_refusal(path)) {
        unread.messages.push_back({0, true, *refused});
    } else if (std::filesystem::file_size(utf8_path(path), error) > panel_file_max_bytes) {
        unread.messages.push_back({0, true, "is larger than any panel file (over 16 MB); not read"});
    } else {
        std::ifstream in(utf8_path(path), std::ios::binary);
        std::ostringstream text;
        if (in && (text << in.rdbuf()))
            return read_panel_text(text.str());
        if (in && in.peek() == std::char_traits<char>::eof())
            return read_panel_text("");
        unread.messages.push_back({0, true, "cannot be read"});
    }
    return unread;
}
