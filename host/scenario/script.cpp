#include "host/scenario/script.h"

#include <fstream>

#include "host/base/input_file.h"

namespace {

// Splits one line; false when a quoted word has no closing quote.
bool split_words(const std::string& line, std::vector<std::string>& words)
{
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == '#')
            return true;
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string::npos)
                return false;
            words.push_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        const std::size_t end = line.find_first_of(" \t\r#", i);
        words.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
        i = end == std::string::npos ? line.size() : end;
    }
    return true;
}

} // namespace

std::optional<ScenarioScript> read_scenario(std::istream& in, const std::string& name, std::string& error)
{
    ScenarioScript script{.name = name, .lines = {}};
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        ScenarioLine line{.number = number, .words = {}};
        if (!split_words(text, line.words)) {
            error = name + ":" + std::to_string(number) + ": a quoted word has no closing quote";
            return std::nullopt;
        }
        if (!line.words.empty())
            script.lines.push_back(std::move(line));
    }
    // A stream that stops on an error is no shorter scenario: a folder opens
    // as a file and then reads nothing.
    if (in.bad()) {
        error = name + ": cannot be read";
        return std::nullopt;
    }
    return script;
}

std::optional<ScenarioScript> read_scenario_file(const std::string& path, std::string& error)
{
    if (const auto refused = input_file_refusal(path)) {
        error = path + ": " + *refused;
        return std::nullopt;
    }
    std::ifstream file(path);
    if (!file) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    return read_scenario(file, path, error);
}
