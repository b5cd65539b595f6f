#include "host/bench/controls.h"

std::optional<BenchAction> bench_action_for(const std::string& key)
{
    for (const BenchKey& row : bench_keys)
        if (key == row.key)
            return row.action;
    return std::nullopt;
}

std::string bench_help_line()
{
    std::string line;
    for (const BenchKey& row : bench_keys) {
        if (!line.empty())
            line += "   ";
        line += std::string(row.key) + " " + row.help;
    }
    return line;
}
