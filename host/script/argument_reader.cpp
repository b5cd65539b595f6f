#include "host/script/argument_reader.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/panel/variables.h"

namespace {

std::string text_of(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t digits_from(const std::string& word, std::size_t at)
{
    std::size_t end = at;
    while (end < word.size() && is_digit(word[end]))
        ++end;
    return end - at;
}

bool same_letters(const std::string& word, std::size_t at, const char* letters)
{
    std::string tail = word.substr(at);
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == letters;
}

// Sign, digits with at most one point (some digit on either side), and an
// exponent; or a named value.
bool decimal_shape(const std::string& word)
{
    std::size_t at = word.starts_with('+') || word.starts_with('-') ? 1 : 0;
    if (same_letters(word, at, "inf") || same_letters(word, at, "infinity") || same_letters(word, at, "nan"))
        return true;
    const std::size_t whole = digits_from(word, at);
    at += whole;
    std::size_t fraction = 0;
    if (at < word.size() && word[at] == '.') {
        fraction = digits_from(word, at + 1);
        at += 1 + fraction;
    }
    if (whole + fraction == 0)
        return false;
    if (at < word.size() && (word[at] == 'e' || word[at] == 'E')) {
        ++at;
        if (at < word.size() && (word[at] == '+' || word[at] == '-'))
            ++at;
        const std::size_t exponent = digits_from(word, at);
        if (exponent == 0)
            return false;
        at += exponent;
    }
    return at == word.size();
}

// "number of frames" from "a number of frames".
std::string without_article(const std::string& what)
{
    const std::size_t blank = what.find(' ');
    return blank == std::string::npos ? what : what.substr(blank + 1);
}

} // namespace

std::optional<double> decimal_number(const std::string& word)
{
    if (!decimal_shape(word))
        return std::nullopt;
    errno = 0;
    const double value = std::strtod(word.c_str(), nullptr);
    // Too large to hold is no number; too small to hold reads as the
    // nearest the machine has.
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

ArgumentReader::ArgumentReader(const std::vector<std::string>& words, std::size_t first, const char* usage)
    : words_(words), next_(first), usage_(usage)
{
}

std::optional<std::string> ArgumentReader::error() const
{
    if (missing_)
        return std::string("usage: ") + usage_;
    if (!error_ && left() > 0)
        return "'" + peek() + "' follows the last argument; usage: " + usage_;
    return error_;
}

void ArgumentReader::refuse(std::string reason)
{
    if (!error_ && !missing_)
        error_ = std::move(reason);
}

const std::string* ArgumentReader::next_word()
{
    if (error_ || missing_)
        return nullptr;
    if (left() == 0) {
        missing_ = true;
        return nullptr;
    }
    return &words_[next_++];
}

std::optional<double> ArgumentReader::next_number()
{
    const std::string* word = next_word();
    if (word == nullptr)
        return std::nullopt;
    const std::optional<double> value = decimal_number(*word);
    if (!value)
        refuse("'" + *word + "' is not a number");
    return value;
}

// NaN and the infinities are outside every range.
void ArgumentReader::number_from(double lowest, double highest, const char* what)
{
    const std::optional<double> value = next_number();
    if (!value)
        return;
    if (!(*value >= lowest && *value <= highest))
        return refuse("'" + words_[next_ - 1] + "' is not " + what + " from " + text_of(lowest) + " to " +
                      text_of(highest));
    values_.emplace_back(*value);
}

void ArgumentReader::whole_from(double lowest, double highest, const char* what)
{
    number_from(lowest, highest, what);
    if (!error_ && !missing_ && std::get<double>(values_.back()) != std::floor(std::get<double>(values_.back())))
        refuse("'" + words_[next_ - 1] + "' is not a whole " + without_article(what));
}

void ArgumentReader::finite()
{
    const std::optional<double> value = next_number();
    if (value && !std::isfinite(*value))
        return refuse("'" + words_[next_ - 1] + "' is not a finite number");
    if (value)
        values_.emplace_back(*value);
}

void ArgumentReader::any_number()
{
    if (const std::optional<double> value = next_number())
        values_.emplace_back(*value);
}

void ArgumentReader::variable()
{
    const std::string* word = next_word();
    if (word == nullptr)
        return;
    const auto token = host_token_by_name(*word);
    if (!token)
        return refuse("'" + *word + "' names no host variable");
    values_.emplace_back(HostVariable{*token});
}

void ArgumentReader::gauge()
{
    if (const std::string* word = next_word())
        values_.emplace_back(GaugeName{*word});
}

void ArgumentReader::word()
{
    if (const std::string* word = next_word())
        values_.emplace_back(*word);
}

void ArgumentReader::choice(std::initializer_list<const char*> words, const char* what)
{
    const std::string* word = next_word();
    if (word == nullptr)
        return;
    for (const char* allowed : words)
        if (*word == allowed)
            return values_.emplace_back(*word), void();
    refuse("'" + *word + "' " +
           (what != nullptr ? std::string("is no ") + what
                            : "is not one of the words this takes; usage: " + std::string(usage_)));
}

void ArgumentReader::rest()
{
    const std::string* first = next_word();
    if (first == nullptr)
        return;
    std::string text = *first;
    while (left() > 0)
        text += " " + words_[next_++];
    values_.emplace_back(std::move(text));
}
