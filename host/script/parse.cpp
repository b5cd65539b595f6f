#include "host/script/parse.h"

#include <algorithm>

#include <fstream>
#include "host/base/edit_distance.h"
#include "host/base/input_file.h"
#include "host/script/grammar.h"

namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
// How the bench's recordings began before they had marks of their own.
constexpr std::string_view unmarked_recording_heading = "# bench session recorded ";
// A word this many edits from a verb or an expectation is offered instead.
constexpr std::size_t nearest_edits = 2;

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// One line's words; the reason when it cannot be split.
std::string split_words(std::string_view line, std::vector<std::string>& words)
{
    std::size_t i = 0;
    while (i < line.size()) {
        if (blank(line[i])) {
            ++i;
        } else if (line[i] == '#') {
            return "";
        } else if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos)
                return "a quoted word has no closing quote";
            words.emplace_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            std::size_t end = i;
            while (end < line.size() && !blank(line[end]))
                ++end;
            const std::string_view word = line.substr(i, end - i);
            if (word.find('"') != std::string_view::npos)
                return "a quote inside the word '" + std::string(word) + "'";
            words.emplace_back(word);
            i = end;
        }
    }
    return "";
}

// "; did you mean 'angle'?" for the nearest of the known words, or nothing.
std::string nearest(const std::string& word, const std::vector<std::string>& known)
{
    std::string best;
    std::size_t best_edits = nearest_edits + 1;
    for (const std::string& candidate : known)
        if (const std::size_t edits = edit_distance(word, candidate); edits < best_edits) {
            best = candidate;
            best_edits = edits;
        }
    return best.empty() ? "" : "; did you mean '" + best + "'?";
}

// The verb's rows: those written with one word, or those after `expect`.
std::vector<std::string> verbs_after(const std::string& lead)
{
    std::vector<std::string> known;
    for (const GrammarRow& row : grammar()) {
        const std::string words = row.words;
        const std::size_t blank_at = words.find(' ');
        if (lead.empty() && blank_at == std::string::npos)
            known.push_back(words);
        else if (lead.empty() && std::find(known.begin(), known.end(), words.substr(0, blank_at)) == known.end())
            known.push_back(words.substr(0, blank_at));
        else if (!lead.empty() && words.starts_with(lead + " "))
            known.push_back(words.substr(blank_at + 1));
    }
    return known;
}

const GrammarRow* row_for(const std::vector<std::string>& words, std::size_t& first_argument, std::string& error)
{
    for (const GrammarRow& row : grammar()) {
        const std::string written = row.words;
        const std::size_t blank_at = written.find(' ');
        if (blank_at == std::string::npos && words[0] == written) {
            first_argument = 1;
            return &row;
        }
        if (blank_at != std::string::npos && words.size() > 1 && words[0] == written.substr(0, blank_at) &&
            words[1] == written.substr(blank_at + 1)) {
            first_argument = 2;
            return &row;
        }
    }
    if (words[0] == "expect")
        error = words.size() < 2 ? "usage: expect WHAT ..."
                                 : "unknown expectation '" + words[1] + "'" + nearest(words[1], verbs_after("expect"));
    else
        error = "unknown command '" + words[0] + "'" + nearest(words[0], verbs_after(""));
    return nullptr;
}

// The command a line holds; the reason when it holds none.
std::string read_command(const std::vector<std::string>& words, Command& command)
{
    std::size_t first = 0;
    std::string error;
    const GrammarRow* row = row_for(words, first, error);
    if (row == nullptr)
        return error;
    ArgumentReader reader(words, first, row->usage);
    row->read(reader);
    if (const auto refused = reader.error())
        return *refused;
    command.verb = row->verb;
    command.arguments = reader.take();
    return "";
}

void tell(ParseResult& result, const std::string& where, const std::string& error)
{
    if (result.errors.size() < errors_told)
        result.errors.push_back(where + ": " + error);
    ++result.error_count;
}

// A bench recording begins with `recording begin` and ends with `recording
// end`: one that has its beginning and not its end was cut short, at a
// line's end or not.
void check_recording_marks(ParseResult& result, bool unmarked_heading)
{
    const std::vector<Command>& commands = result.program.commands;
    bool begun = false;
    const Command* end = nullptr;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const Command& command = commands[i];
        if (end != nullptr && end == &commands[i - 1])
            tell(result, command.where(), "the recording ended at line " + std::to_string(end->line));
        if (command.verb != Verb::recording)
            continue;
        if (command.word(0) == "end")
            end = &command;
        else if (i == 0)
            begun = true;
        else
            tell(result, command.where(), "a recording begins before any other command");
    }
    if (begun && end == nullptr)
        tell(result, commands.back().where(),
             "the recording stops after this line without its end (recording end): the file was cut");
    if (!begun && unmarked_heading)
        result.notes.push_back(result.program.file +
                               ": recorded before recordings had an end mark; whether it is whole cannot be told");
}

} // namespace

std::string ParseResult::report() const
{
    std::string text;
    for (const std::string& error : errors)
        text += error + "\n";
    if (error_count > errors.size())
        text += "... and " + std::to_string(error_count - errors.size()) + " more bad lines\n";
    return text;
}

ParseResult parse(std::string_view text, const std::string& file)
{
    ParseResult result;
    result.program.file = file;
    if (text.starts_with(byte_order_mark))
        text.remove_prefix(byte_order_mark.size());
    const bool unmarked_heading = text.starts_with(unmarked_recording_heading);
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        std::vector<std::string> words;
        Command command{.verb = {}, .arguments = {}, .file = file, .line = number};
        std::string error = split_words(line, words);
        if (error.empty() && words.empty())
            continue;
        if (error.empty())
            error = read_command(words, command);
        if (error.empty()) {
            result.program.commands.push_back(std::move(command));
            continue;
        }
        tell(result, command.where(), error);
    }
    check_recording_marks(result, unmarked_heading);
    return result;
}

ParseResult parse_file(const std::string& path)
{
    // A folder, a FIFO or a device is refused by name before it is opened,
    // and a file larger than any scenario before it is read.
    std::string error;
    const auto bytes = read_input_file(path, scenario_file_max_bytes, error);
    if (!bytes) {
        ParseResult result;
        result.program.file = path;
        result.errors.push_back(path + ": " + error);
        result.error_count = 1;
        return result;
    }
    return parse(std::string(bytes->begin(), bytes->end()), path);
}
