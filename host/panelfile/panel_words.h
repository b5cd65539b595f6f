// The words of a panel file's lines: blanks trimmed, comments cut, whole
// numbers and decimals read strictly, comma-separated fields, numbered keys
// such as window00 and gauge12, and short excerpts for messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// At most this much of a line is quoted in a message.
inline constexpr std::size_t excerpt_max = 60;
// In quotes, cut short with "...", shown as visible() shows it.
std::string excerpt(std::string_view text);
// Control and non-ASCII bytes written as \xNN (a tab as \t), so that a
// message never prints what cannot be seen.
std::string visible(std::string_view text);
std::string lower(std::string_view text);
std::string_view trim(std::string_view text);
std::string_view without_comment(std::string_view line);
std::optional<int> whole_number(std::string_view text);
std::optional<double> decimal(std::string_view text);
std::vector<std::string_view> fields(std::string_view text);
// The number of a key that is `word` and then digits only.
std::optional<int> numbered(std::string_view lowered, std::string_view word);
// A typo of `name`: a few letters off, or the same name in another case.
bool close_to(const std::string& typed, const std::string& name);
