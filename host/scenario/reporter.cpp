#include "host/scenario/reporter.h"

// The line is the first ":DIGITS: " of the message: a Windows path's
// drive letter ("C:\") is followed by no digits.
RunProblem problem_from_message(ProblemKind kind, const std::string& message)
{
    for (std::size_t colon = message.find(':'); colon != std::string::npos; colon = message.find(':', colon + 1)) {
        std::size_t end = colon + 1;
        while (end < message.size() && message[end] >= '0' && message[end] <= '9')
            ++end;
        if (end > colon + 1 && message.compare(end, 2, ": ") == 0)
            return {.kind = kind, .where = message.substr(0, end), .message = message.substr(end + 2)};
    }
    return {.kind = kind, .where = {}, .message = message};
}

NoteStream::Lines::int_type NoteStream::Lines::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    if (traits_type::to_char_type(c) != '\n') {
        line_ += traits_type::to_char_type(c);
        return c;
    }
    reporter_.note(line_);
    line_.clear();
    return c;
}

void NoteStream::Lines::end()
{
    if (!line_.empty())
        reporter_.note(line_);
    line_.clear();
}
