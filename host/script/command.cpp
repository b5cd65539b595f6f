#include "host/script/command.h"

#include <cmath>

#include "host/script/grammar.h"

namespace {

bool same_number(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

bool same_value(const Value& a, const Value& b)
{
    if (std::holds_alternative<double>(a) && std::holds_alternative<double>(b))
        return same_number(std::get<double>(a), std::get<double>(b));
    return a == b;
}

} // namespace

std::string Command::where() const
{
    return file + ":" + std::to_string(line);
}

bool operator==(const Command& a, const Command& b)
{
    if (a.verb != b.verb || a.arguments.size() != b.arguments.size())
        return false;
    for (std::size_t i = 0; i < a.arguments.size(); ++i)
        if (!same_value(a.arguments[i], b.arguments[i]))
            return false;
    return true;
}

const char* verb_words(Verb verb)
{
    return grammar_row(verb).words;
}
