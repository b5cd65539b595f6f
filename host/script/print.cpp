#include "host/script/print.h"

#include <charconv>
#include <cmath>

#include "host/panel/variables.h"

namespace {

// Below this a whole number is written with all its digits (1000000, not
// 1e+06): every such double is a whole number that reads back exactly.
constexpr double whole_digits_limit = 1e16;

std::string print_word(const std::string& word)
{
    const bool plain = !word.empty() && !word.starts_with('#') && word.find_first_of(" \t\r") == std::string::npos;
    return plain ? word : "\"" + word + "\"";
}

std::string print_variable(std::uint32_t token)
{
    const std::string name = host_token_name(token);
    return name.empty() ? std::to_string(token) : name;
}

} // namespace

std::string print_number(double value)
{
    char text[64];
    const bool whole = std::isfinite(value) && value == std::floor(value) && std::fabs(value) < whole_digits_limit;
    const auto written = whole ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed)
                               : std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

std::string print_value(const Value& value)
{
    if (const double* number = std::get_if<double>(&value))
        return print_number(*number);
    if (const std::string* word = std::get_if<std::string>(&value))
        return print_word(*word);
    if (const HostVariable* variable = std::get_if<HostVariable>(&value))
        return print_variable(variable->token);
    return print_word(std::get<GaugeName>(value).label);
}

std::string print(const Command& command)
{
    std::string line = verb_words(command.verb);
    for (const Value& argument : command.arguments)
        line += " " + print_value(argument);
    return line;
}

std::string print(const Program& program)
{
    std::string text;
    for (const Command& command : program.commands)
        text += print(command) + "\n";
    return text;
}

std::string print_comment(const std::string& text)
{
    return "# " + text;
}
