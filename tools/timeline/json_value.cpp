#include "tools/timeline/json_value.h"

#include <cmath>
#include <cstdlib>

namespace {

// Nesting deeper than any trace line is a broken line, not a trace.
constexpr int deepest_nesting = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<JsonValue> whole(std::string& error)
    {
        JsonValue value;
        if (read_value(value, 0)) {
            skip_blanks();
            if (at_ < text_.size())
                problem_ = "text after the value";
        }
        if (!problem_.empty()) {
            error = problem_ + " at column " + std::to_string(at_ + 1);
            return std::nullopt;
        }
        return value;
    }

private:
    bool fail(const std::string& what)
    {
        if (problem_.empty())
            problem_ = what;
        return false;
    }
    void skip_blanks()
    {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n'))
            ++at_;
    }
    bool take(char c)
    {
        skip_blanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool word(std::string_view w)
    {
        if (text_.substr(at_, w.size()) != w)
            return fail("an unknown word");
        at_ += w.size();
        return true;
    }

    bool read_value(JsonValue& value, int depth)
    {
        if (depth > deepest_nesting)
            return fail("nesting too deep");
        skip_blanks();
        if (at_ >= text_.size())
            return fail("the line ends where a value should be");
        const char c = text_[at_];
        if (c == '{')
            return read_object(value, depth);
        if (c == '[')
            return read_array(value, depth);
        if (c == '"') {
            value.kind = JsonValue::Kind::string;
            return read_string(value.text);
        }
        if (c == 't' || c == 'f') {
            value.kind = JsonValue::Kind::boolean;
            value.boolean = c == 't';
            return word(c == 't' ? "true" : "false");
        }
        if (c == 'n') {
            value.kind = JsonValue::Kind::null;
            return word("null");
        }
        return read_number(value);
    }

    bool read_number(JsonValue& value)
    {
        const std::size_t start = at_;
        while (at_ < text_.size() && std::string_view("+-0123456789.eE").find(text_[at_]) != std::string_view::npos)
            ++at_;
        const std::string digits(text_.substr(start, at_ - start));
        char* end = nullptr;
        value.kind = JsonValue::Kind::number;
        value.number = digits.empty() ? 0.0 : std::strtod(digits.c_str(), &end);
        if (digits.empty() || end != digits.c_str() + digits.size()) {
            at_ = start;
            return fail("not a value");
        }
        // A double holds no more: a number beyond it is none the host wrote.
        if (!std::isfinite(value.number)) {
            at_ = start;
            return fail("a number beyond any double: " + digits);
        }
        return true;
    }

    bool read_string(std::string& out)
    {
        ++at_; // the opening quote
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"')
                return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size())
                break;
            const char escaped = text_[at_++];
            const std::string_view plain = "\"\\/";
            if (plain.find(escaped) != std::string_view::npos)
                out += escaped;
            else if (escaped == 'n')
                out += '\n';
            else if (escaped == 't')
                out += '\t';
            else if (escaped == 'u' && at_ + 4 <= text_.size()) {
                // Names in traces are ASCII; anything else stands as '?'.
                const long code = std::strtol(std::string(text_.substr(at_, 4)).c_str(), nullptr, 16);
                out += code < 128 ? static_cast<char>(code) : '?';
                at_ += 4;
            } else
                return fail("an unknown escape in a string");
        }
        return fail("a string without its closing quote");
    }

    bool read_array(JsonValue& value, int depth)
    {
        ++at_;
        value.kind = JsonValue::Kind::array;
        if (take(']'))
            return true;
        do {
            value.items.emplace_back();
            if (!read_value(value.items.back(), depth + 1))
                return false;
        } while (take(','));
        return take(']') || fail("an array without its closing bracket");
    }

    bool read_object(JsonValue& value, int depth)
    {
        ++at_;
        value.kind = JsonValue::Kind::object;
        if (take('}'))
            return true;
        do {
            skip_blanks();
            std::string name;
            if (at_ >= text_.size() || text_[at_] != '"')
                return fail("a member without a quoted name");
            if (!read_string(name))
                return false;
            if (!take(':'))
                return fail("a member name without its colon");
            value.members.emplace_back();
            value.members.back().name = std::move(name);
            if (!read_value(value.members.back(), depth + 1))
                return false;
        } while (take(','));
        return take('}') || fail("an object without its closing brace");
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string problem_;
};

} // namespace

const JsonValue* JsonValue::member(std::string_view wanted) const
{
    for (const JsonValue& value : members)
        if (value.name == wanted)
            return &value;
    return nullptr;
}

std::optional<JsonValue> parse_json(std::string_view text, std::string& error)
{
    return Parser(text).whole(error);
}
