#include "host/base/module_file.h"

#include <cstdio>
#include <fstream>

#include "host/base/input_file.h"
#include "host/base/utf8_path.h"

std::optional<std::string> module_file_problem(const PeFile& file)
{
    const auto cut_short = [&] {
        return "is cut short: " + std::to_string(file.file_size) + " of " + std::to_string(file.size_needed) + " bytes";
    };
    if (file.file_size == 0)
        return "is empty";
    if (!file.starts_as_executable)
        return "is not a Windows DLL at all (it does not start as one; a text file or a download cut short?)";
    if (!file.has_pe_header)
        return file.cut_short() ? cut_short()
                                : "is not a Windows DLL (it has no PE header; an old DOS program or a file cut short?)";
    if (file.sixty_four_bit())
        return "is not a 32-bit DLL: it is built for 64-bit Windows, and the simulator loads only 32-bit gauge modules";
    if (file.machine != PeMachine::i386) {
        char code[8];
        std::snprintf(code, sizeof code, "0x%04X", unsigned{file.machine_code});
        return "is not a 32-bit x86 DLL (it is built for machine type " + std::string(code) + ")";
    }
    if (file.optional_magic != PeFile::pe32_magic)
        return "is not a Windows DLL (its PE header is of no kind Windows loads)";
    if (!file.dll)
        return "is a program, not a DLL";
    if (file.cut_short())
        return cut_short();
    if (file.imports_outside)
        return "is damaged: its import table points outside the file";
    if (file.exports_outside)
        return "is damaged: its export table points outside the file";
    return std::nullopt;
}

ModuleFile read_module_file(const std::string& path)
{
    ModuleFile file;
    // A folder, a FIFO or a device is refused before it is opened.
    if (const auto refused = input_file_refusal(path)) {
        file.problem = *refused;
        return file;
    }
    std::ifstream in(utf8_path(path), std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0) {
        file.problem = "cannot be read";
        return file;
    }
    if (static_cast<std::uint64_t>(size) > module_file_max_bytes) {
        file.problem = "is larger than any gauge module (" + std::to_string(size) + " bytes)";
        return file;
    }
    file.bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(file.bytes.data()), size);
    // A file a build is writing again may have shrunk since: what was read
    // is what the file held.
    file.bytes.resize(static_cast<std::size_t>(in.gcount()));
    file.pe = read_pe_file(file.bytes);
    file.problem = module_file_problem(file.pe);
    return file;
}

std::string module_file_version(const PeFile& file)
{
    if (!file.version.file_version)
        return {};
    const auto& v = *file.version.file_version;
    return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." + std::to_string(v[3]);
}
