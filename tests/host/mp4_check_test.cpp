// The check that a film is whole where the encoder's exit status cannot be
// had: files of top-level boxes as the encoder writes them, whole, cut
// short, or missing the index it writes last.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <unistd.h>

#include "host/panel/mp4_check.h"

namespace {

std::string box(const std::string& type, std::size_t body)
{
    const std::uint32_t size = static_cast<std::uint32_t>(body + 8);
    std::string bytes{char(size >> 24), char(size >> 16), char(size >> 8), char(size)};
    return bytes + type + std::string(body, 'x');
}

// A box whose size stands in the 64-bit field after its type, as a large
// media box does.
std::string large_box(const std::string& type, std::size_t body)
{
    const std::uint64_t size = body + 16;
    std::string bytes{0, 0, 0, 1};
    bytes += type;
    for (int shift = 56; shift >= 0; shift -= 8)
        bytes += char(size >> shift);
    return bytes + std::string(body, 'x');
}

struct Mp4Case {
    const char* what;
    std::string bytes;
    std::optional<std::string> fault;
};

TEST(Mp4Check, AFilmIsWholeOnlyWhenItsBoxesCoverItAndItsIndexAndMediaAreThere)
{
    const std::string whole = box("ftyp", 24) + box("moov", 300) + box("mdat", 1000);
    // clang-format off
    const Mp4Case cases[] = {
        {"whole, index first",           whole,                                                  std::nullopt},
        {"whole, large media box",       box("ftyp", 24) + large_box("mdat", 500) + box("moov", 40), std::nullopt},
        {"no index: trailer never came", box("ftyp", 24) + box("mdat", 1000),                    "no index"},
        {"no media",                     box("ftyp", 24) + box("moov", 300),                     "no media"},
        {"last box cut short",           whole.substr(0, whole.size() - 1),                      "it ends inside a box"},
        {"a header cut short",           whole + std::string("\0\0\0", 3),                        "it ends inside a box"},
        {"a box smaller than its header", whole + std::string("\0\0\0\4free", 8),                "a box of the wrong size"},
        {"empty",                        "",                                                     "no index"},
    };
    // clang-format on
    const auto path = std::filesystem::temp_directory_path() / ("zor-mp4-" + std::to_string(::getpid()) + ".mp4");
    for (const Mp4Case& c : cases) {
        std::ofstream(path, std::ios::binary) << c.bytes;
        EXPECT_EQ(mp4_fault(path.string()), c.fault) << c.what;
    }
    std::filesystem::remove(path);
    EXPECT_EQ(mp4_fault(path.string()), "it cannot be read");
}

} // namespace
