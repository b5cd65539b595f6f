#include "host/panel/mp4_check.h"

#include <cstdint>
#include <cstdio>

std::optional<std::string> mp4_fault(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return "it cannot be read";
    bool index = false, media = false;
    std::uint64_t covered = 0;
    std::optional<std::string> fault;
    for (unsigned char header[16]; !fault && std::fread(header, 1, 8, file) == 8;) {
        const auto word = [&](int at) {
            return std::uint64_t{header[at]} << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3];
        };
        std::uint64_t size = word(0), header_size = 8;
        if (size == 1 && std::fread(header + 8, 1, 8, file) == 8) {
            size = word(8) << 32 | word(12);
            header_size = 16;
        }
        const std::string type(reinterpret_cast<const char*>(header + 4), 4);
        index = index || type == "moov";
        media = media || type == "mdat";
        covered += size;
        if (size < header_size || std::fseek(file, static_cast<long>(size - header_size), SEEK_CUR) != 0)
            fault = "a box of the wrong size";
    }
    std::fseek(file, 0, SEEK_END);
    if (!fault && covered != static_cast<std::uint64_t>(std::ftell(file)))
        fault = "it ends inside a box";
    std::fclose(file);
    if (!fault && !(index && media))
        fault = index ? "no media" : "no index";
    return fault;
}
