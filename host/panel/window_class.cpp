#include "host/panel/window_class.h"

namespace {

struct ClassRule {
    std::size_t position; // of the character in the file name
    char character;
    const char* window_class;
};

// ORDER MATTERS: the first rule that holds decides.
constexpr ClassRule class_rules[] = {
    {.position = 3, .character = '2', .window_class = later_main_window_class},
    {.position = 0, .character = 'C', .window_class = later_main_window_class},
    {.position = 2, .character = '2', .window_class = classic_main_window_class},
};

} // namespace

const char* main_window_class_for(const std::string& file_name)
{
    for (const ClassRule& rule : class_rules)
        if (rule.position < file_name.size() && file_name[rule.position] == rule.character)
            return rule.window_class;
    return classic_main_window_class;
}

std::string executable_file_name(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
