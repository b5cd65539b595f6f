#include "tools/artwork/artwork_output.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>

#include "tools/artwork/bmp_file.h"

namespace {

struct Sheet {
    std::string name;
    int columns = 1;
    std::vector<SheetTile> tiles;
};

Sheet& sheet_named(std::vector<Sheet>& sheets, const ImageFamily& family)
{
    auto it = std::find_if(sheets.begin(), sheets.end(), [&](const Sheet& s) { return s.name == family.sheet; });
    if (it != sheets.end())
        return *it;
    return sheets.emplace_back(Sheet{.name = family.sheet, .columns = family.sheet_columns, .tiles = {}});
}

// The resource script names each bitmap file by its full path, so that the
// resource compiler finds it from wherever it runs.
std::string resource_line(int resource_id, const std::filesystem::path& file)
{
    return std::to_string(resource_id) + " BITMAP \"" + std::filesystem::absolute(file).generic_string() + "\"\n";
}

void write_text(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
}

void make_folder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw std::runtime_error("cannot create " + folder.string() + ": " + error.message());
}

} // namespace

std::vector<SheetTile> draw_family(const ImageFamily& family)
{
    std::vector<SheetTile> frames;
    for (int frame = 0; frame < family.frame_count; ++frame) {
        const FrameSize size = frame_size(family, frame);
        IndexedImage image = family.draw(frame, size);
        if (image.size != size) {
            throw std::logic_error(std::string(family.name) + " frame " + std::to_string(frame) +
                                   " came out at the wrong size");
        }
        frames.push_back({.resource_id = family.first_id + frame, .image = std::move(image)});
    }
    return frames;
}

void write_artwork(const std::filesystem::path& out_dir)
{
    const std::filesystem::path sheet_dir = out_dir / "sheets";
    make_folder(sheet_dir);
    std::vector<Sheet> sheets;
    std::string resource_script;
    for (const ImageFamily& family : image_catalogue()) {
        Sheet& sheet = sheet_named(sheets, family);
        for (SheetTile& tile : draw_family(family)) {
            const std::filesystem::path file = out_dir / (std::to_string(tile.resource_id) + ".bmp");
            write_bmp(file, tile.image);
            resource_script += resource_line(tile.resource_id, file);
            sheet.tiles.push_back(std::move(tile));
        }
    }
    write_text(out_dir / bitmap_resource_script, resource_script);
    for (const Sheet& sheet : sheets) {
        write_contact_sheet(sheet_dir / (sheet.name + ".png"), sheet.tiles, sheet.columns);
    }
}
