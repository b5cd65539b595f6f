#include "host/panel/message_format.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

// Only integer conversions make sense for the numbers a tooltip gets.
bool integer_conversion(const std::string& format)
{
    return !format.empty() && std::strchr("diuxXoc", format.back()) != nullptr;
}

} // namespace

std::string format_message(const char* text, const std::vector<std::int32_t>& arguments)
{
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        ++p;
        if (!std::isdigit(static_cast<unsigned char>(*p))) {
            out += *p; // %% and the other escapes give the character itself
            continue;
        }
        int index = *p - '0';
        if (std::isdigit(static_cast<unsigned char>(p[1])))
            index = index * 10 + (*++p - '0');
        std::string format = "d";
        if (p[1] == '!') {
            const char* close = std::strchr(p + 2, '!');
            if (close != nullptr) {
                format.assign(p + 2, close);
                p = close;
            }
        }
        if (index < 1 || index > static_cast<int>(arguments.size()) || !integer_conversion(format))
            continue;
        char piece[64];
        std::snprintf(piece, sizeof piece, ("%" + format).c_str(), arguments[index - 1]);
        out += piece;
    }
    return out;
}
