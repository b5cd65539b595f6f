// Scenario text as the host reads it: each input is a whole scenario file.
// Beyond what the sanitizers catch, an input fails when the reader refuses
// a line without saying where, tells more bad lines than it promises, or
// keeps a program that does not come back the same when printed and read
// again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/script/parse.h"
#include "host/script/print.h"

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
    const ParseResult read = parse(std::string(reinterpret_cast<const char*>(data), size), scenario_name);
    if (read.errors.size() > errors_told || read.errors.size() > read.error_count)
        fail("more errors told than the reader promises");
    for (const std::string& error : read.errors)
        if (!error.starts_with(std::string(scenario_name) + ":"))
            fail("a refusal that names no file and line: " + error);
    int previous = 0;
    for (const Command& command : read.program.commands) {
        if (command.line <= previous)
            fail("line numbers out of order");
        previous = command.line;
    }
    if (!read.ok())
        return 0;
    const std::string printed = print(read.program);
    const ParseResult again = parse(printed, scenario_name);
    if (!again.ok())
        fail("the printed program is refused: " + again.report() + "printed:\n" + printed);
    if (!(again.program == read.program))
        fail("the printed program reads back otherwise:\n" + printed);
    return 0;
}
