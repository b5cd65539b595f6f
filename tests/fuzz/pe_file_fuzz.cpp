// A module file as the PE reader reads it: each input is the whole file.
// Beyond what the sanitizers catch (every offset and size the file states
// is followed only inside it), an input fails when the reader keeps more
// names than it allows, measures the file wrongly, or passes as a whole
// 32-bit DLL a file that is not one.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/base/module_file.h"

namespace {

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "pe file fuzz: %s\n", what.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PeFile file = read_pe_file(std::span(data, size));
    if (file.file_size != size)
        fail("the file's size misread");
    std::size_t names = file.exports.size();
    for (const PeImport& import : file.imports)
        names += import.functions.size();
    if (names > PeFile::names_most)
        fail("more names kept than the reader allows: " + std::to_string(names));
    const auto problem = module_file_problem(file);
    if (!problem &&
        (file.cut_short() || !file.dll || file.machine != PeMachine::i386 ||
         file.optional_magic != PeFile::pe32_magic || file.imports_outside || file.exports_outside))
        fail("a file that is no whole 32-bit DLL passed as one");
    if (problem && problem->empty())
        fail("a problem that says nothing");
    if (problem && problem->starts_with("is cut short: ") &&
        !problem->starts_with("is cut short: " + std::to_string(size) + " of "))
        fail("cut short by the wrong measure: " + *problem);
    return 0;
}
