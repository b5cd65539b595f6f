#include "host/panelfile/panel_words.h"

#include "host/base/edit_distance.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>

std::string excerpt(std::string_view text)
{
    if (text.size() > excerpt_max)
        return "'" + visible(text.substr(0, excerpt_max)) + "...'";
    return "'" + visible(text) + "'";
}

std::string visible(std::string_view text)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\t')
            out += "\\t";
        else if (byte < 0x20 || byte >= 0x7f)
            out += std::string("\\x") + digits[byte >> 4] + digits[byte & 15];
        else
            out += c;
    }
    return out;
}

std::string lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view without_comment(std::string_view line)
{
    const std::size_t slashes = line.find("//");
    const std::size_t semicolon = line.find(';');
    return line.substr(0, std::min(slashes, semicolon));
}

std::optional<int> whole_number(std::string_view text)
{
    text = trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> decimal(std::string_view text)
{
    const std::string word(trim(text));
    char* end = nullptr;
    const double value = std::strtod(word.c_str(), &end);
    if (word.empty() || *end != '\0')
        return std::nullopt;
    return value;
}

std::vector<std::string_view> fields(std::string_view text)
{
    std::vector<std::string_view> out;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        out.push_back(trim(text.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos)
            return out;
        start = comma + 1;
    }
}

// "window00" and the like: the word, then digits only.
std::optional<int> numbered(std::string_view lowered, std::string_view word)
{
    const std::string_view digits = lowered.substr(std::min(word.size(), lowered.size()));
    if (!lowered.starts_with(word) || digits.empty() ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return whole_number(digits);
}

bool close_to(const std::string& typed, const std::string& name)
{
    return edit_distance(lower(typed), lower(name)) <= std::max<std::size_t>(2, typed.size() / 3);
}
