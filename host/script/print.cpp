#include "host/script/print.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/panel/variables.h"

namespace {

// Below this a whole number is written with all its digits (1000000, not
// 1e+06): every such double is a whole number that reads back exactly.
constexpr double whole_digits_limit = 1e16;
// Seventeen significant digits read back as the same double, always.
constexpr int max_double_digits = 17;

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

// The shortest digits that read back as the same double, as printf rounds
// them: the fewest significant digits, tried from one up. The web build's
// library has no std::to_chars for doubles, so the host finds them itself,
// the same in every build.
std::string shortest_scientific(double value)
{
    char text[64];
    for (int digits = 1;; ++digits) {
        std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
        if (digits == max_double_digits || std::strtod(text, nullptr) == value)
            return text;
    }
}

// Those digits without an exponent: 0.00125, 120.5, 3500.
std::string as_fixed(const std::string& scientific)
{
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.starts_with('-');
    std::string digits;
    for (const char c : scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0)))
        if (c != '.')
            digits += c;
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    const int length = static_cast<int>(digits.size());
    std::string fixed;
    if (exponent < 0)
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    else if (exponent + 1 >= length)
        fixed = digits + std::string(static_cast<std::size_t>(exponent + 1 - length), '0');
    else
        fixed = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
            digits.substr(static_cast<std::size_t>(exponent + 1));
    return (negative ? "-" : "") + fixed;
}

} // namespace

// A whole number with all its digits; any other in the shorter of the fixed
// and the scientific form of its shortest digits, fixed when they tie.
std::string print_number(double value)
{
    char text[64];
    if (!std::isfinite(value) ||
        (value == std::floor(value) && std::fabs(value) < whole_digits_limit)) {
        std::snprintf(text, sizeof text, std::isfinite(value) ? "%.0f" : "%g", value);
        return text;
    }
    const std::string scientific = shortest_scientific(value);
    const std::string fixed = as_fixed(scientific);
    if (fixed.size() > scientific.size())
        return scientific;
    if (fixed.find('.') != std::string::npos)
        return fixed;
    // A whole number that wins in fixed form is written with its own digits,
    // not the shortest ones and zeros.
    std::snprintf(text, sizeof text, "%.0f", value);
    return text;
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
