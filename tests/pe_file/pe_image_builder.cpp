#include "tests/pe_file/pe_image_builder.h"

#include <string>

using namespace pe_layout;

namespace {

struct Section {
    const char* name;
    std::uint32_t rva;
    std::uint32_t raw_at;
};

// clang-format off
constexpr Section sections[] = {
    {".text",  0x1000, 0x200},
    {".rdata", 0x2000, rdata_at},
    {".rsrc",  0x3000, 0x600},
};
// clang-format on
constexpr std::uint32_t section_size = 0x200;

void put_text(std::vector<std::uint8_t>& bytes, std::size_t at, const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes[at + i] = static_cast<std::uint8_t>(text[i]);
}

std::size_t file_of(std::uint32_t rva)
{
    for (const Section& section : sections)
        if (rva >= section.rva && rva < section.rva + section_size)
            return section.raw_at + (rva - section.rva);
    return 0;
}

// A version block: length, value length, type, UTF-16 key, value, children,
// each part on a 4-byte boundary.
std::vector<std::uint8_t> block(const std::u16string& key, const std::vector<std::uint8_t>& value,
                                std::uint16_t value_length, bool text,
                                const std::vector<std::vector<std::uint8_t>>& children)
{
    std::vector<std::uint8_t> out(6, 0);
    for (char16_t c : key + u'\0') {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    out.resize((out.size() + 3) & ~std::size_t{3});
    out.insert(out.end(), value.begin(), value.end());
    for (const auto& child : children) {
        out.resize((out.size() + 3) & ~std::size_t{3});
        out.insert(out.end(), child.begin(), child.end());
    }
    put_word(out, 0, out.size(), 2);
    put_word(out, 2, value_length, 2);
    put_word(out, 4, text ? 1 : 0, 2);
    return out;
}

std::vector<std::uint8_t> text_block(const std::u16string& key, const std::u16string& value)
{
    std::vector<std::uint8_t> bytes;
    for (char16_t c : value + u'\0') {
        bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return block(key, bytes, static_cast<std::uint16_t>(value.size() + 1), true, {});
}

std::vector<std::uint8_t> version_resource()
{
    std::vector<std::uint8_t> fixed(52, 0);
    put_word(fixed, 0, 0xfeef04bd, 4);
    put_word(fixed, 8, 0x00010002, 4);
    put_word(fixed, 12, 0x00030004, 4);
    const auto strings =
        block(u"StringFileInfo", {}, 0, true,
              {block(u"040904b0", {}, 0, true,
                     {text_block(u"FileVersion", u"1.2.3"), text_block(u"ProductName", u"ZOR H\u00f6henmesser")})});
    return block(u"VS_VERSION_INFO", fixed, 52, false, {strings});
}

void lay_out_imports(std::vector<std::uint8_t>& bytes, bool wide)
{
    const std::uint32_t names = 0x2040, hint_name = 0x2080, library = 0x20a0;
    put_word(bytes, file_of(imports_rva), names, 4);
    put_word(bytes, file_of(imports_rva) + 12, library, 4);
    put_word(bytes, file_of(imports_rva) + 16, names, 4);
    const int entry = wide ? 8 : 4;
    put_word(bytes, file_of(names), hint_name, entry);
    put_word(bytes, file_of(names) + entry, (std::uint64_t{1} << (entry * 8 - 1)) | 5, entry);
    put_text(bytes, file_of(hint_name) + 2, "Sleep");
    put_text(bytes, file_of(library), "KERNEL32.dll");
}

void lay_out_exports(std::vector<std::uint8_t>& bytes)
{
    const std::uint32_t names = 0x2140;
    put_word(bytes, file_of(exports_rva) + 12, 0x2180, 4);
    put_word(bytes, file_of(exports_rva) + 24, 2, 4);
    put_word(bytes, file_of(exports_rva) + 32, names, 4);
    put_word(bytes, file_of(names), 0x2150, 4);
    put_word(bytes, file_of(names) + 4, 0x2160, 4);
    put_text(bytes, file_of(0x2150), "ImportTable");
    put_text(bytes, file_of(0x2160), "Linkage");
    put_text(bytes, file_of(0x2180), "test.gau");
}

// Type 16, name 1, language 0x409, then the data entry and the resource.
void lay_out_resources(std::vector<std::uint8_t>& bytes)
{
    const std::size_t at = file_of(resources_rva);
    const std::uint32_t subdirectory = 0x80000000u;
    put_word(bytes, at + 14, 1, 2);
    put_word(bytes, at + 16, 16, 4);
    put_word(bytes, at + 20, subdirectory | 0x18, 4);
    put_word(bytes, at + 0x18 + 14, 1, 2);
    put_word(bytes, at + 0x18 + 16, 1, 4);
    put_word(bytes, at + 0x18 + 20, subdirectory | 0x30, 4);
    put_word(bytes, at + 0x30 + 14, 1, 2);
    put_word(bytes, at + 0x30 + 16, 0x409, 4);
    put_word(bytes, at + 0x30 + 20, 0x48, 4);
    const std::vector<std::uint8_t> version = version_resource();
    put_word(bytes, at + 0x48, resources_rva + 0x60, 4);
    put_word(bytes, at + 0x48 + 4, version.size(), 4);
    std::copy(version.begin(), version.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at + 0x60));
}

} // namespace

void put_word(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::size_t pe_directory_at(PeImageShape shape, int which)
{
    return optional_at + (shape.sixty_four_bit ? 112 : 96) + static_cast<std::size_t>(which) * 8;
}

std::vector<std::uint8_t> build_pe_image(PeImageShape shape)
{
    std::vector<std::uint8_t> bytes(file_size, 0);
    put_text(bytes, 0, "MZ");
    put_word(bytes, 0x3c, pe_at, 4);
    put_text(bytes, pe_at, "PE");
    put_word(bytes, machine_at, shape.sixty_four_bit ? 0x8664 : 0x14c, 2);
    put_word(bytes, pe_at + 6, std::size(sections), 2);
    const std::size_t optional_size = shape.sixty_four_bit ? 240 : 224;
    put_word(bytes, pe_at + 20, optional_size, 2);
    put_word(bytes, characteristics_at, (shape.dll ? 0x2000 : 0) | 0x0102, 2);
    put_word(bytes, optional_at, shape.sixty_four_bit ? 0x20b : 0x10b, 2);
    put_word(bytes, optional_at + 60, 0x200, 4);
    put_word(bytes, optional_at + (shape.sixty_four_bit ? 108 : 92), 16, 4);
    put_word(bytes, pe_directory_at(shape, 0), exports_rva, 4);
    put_word(bytes, pe_directory_at(shape, 0) + 4, 0x100, 4);
    put_word(bytes, pe_directory_at(shape, 1), imports_rva, 4);
    put_word(bytes, pe_directory_at(shape, 1) + 4, 40, 4);
    put_word(bytes, pe_directory_at(shape, 2), resources_rva, 4);
    put_word(bytes, pe_directory_at(shape, 2) + 4, section_size, 4);
    std::size_t row = optional_at + optional_size;
    for (const Section& section : sections) {
        put_text(bytes, row, section.name);
        put_word(bytes, row + 8, section_size, 4);
        put_word(bytes, row + 12, section.rva, 4);
        put_word(bytes, row + 16, section_size, 4);
        put_word(bytes, row + 20, section.raw_at, 4);
        row += section_row_size;
    }
    lay_out_imports(bytes, shape.sixty_four_bit);
    lay_out_exports(bytes);
    lay_out_resources(bytes);
    return bytes;
}
