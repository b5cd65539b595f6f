// Writes the panel host's cursor files, drawn from the art in this folder.
//
//   zor_cursors FOLDER
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/cursors/cursor_file.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zor_cursors FOLDER\n");
        return 2;
    }
    for (const CursorArt& art : host_cursor_art()) {
        std::string error;
        const auto bytes = cursor_file_bytes(art, error);
        const std::string path = std::string(argv[1]) + "/" + art.file_name + ".cur";
        std::ofstream out(path, std::ios::binary);
        if (!bytes ||
            !out.write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()))) {
            std::fprintf(stderr, "zor_cursors: %s\n", bytes ? ("cannot write " + path).c_str() : error.c_str());
            return 1;
        }
    }
    return 0;
}
