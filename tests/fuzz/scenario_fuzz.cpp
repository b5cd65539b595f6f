// Scenario text as the host reads it: each input is a whole scenario file.
// Beyond what the sanitizers catch, an input fails when the reader keeps a
// line without words, numbers lines out of order, or refuses a file
// without saying where.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "host/scenario/script.h"

namespace {

constexpr const char* scenario_name = "fuzz.txt";

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "scenario fuzz: %s\n", what.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::string error;
    const auto script = read_scenario(in, scenario_name, error);
    if (!script) {
        if (!error.starts_with(std::string(scenario_name) + ":"))
            fail("a refusal that names no file and line: " + error);
        return 0;
    }
    int previous = 0;
    for (const ScenarioLine& line : script->lines) {
        if (line.words.empty())
            fail("a line kept without words");
        if (line.number <= previous)
            fail("line numbers out of order");
        previous = line.number;
    }
    return 0;
}
