// zor_artwork OUTDIR: draws every bitmap of the altimeter module into OUTDIR.
#include <cstdio>
#include <exception>

#include "tools/artwork/artwork_output.h"
#include "tools/artwork/drawing_library.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argc > 0 ? argv[0] : "zor_artwork");
        return 2;
    }
    int status = 0;
    try {
        write_artwork(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zor_artwork: %s\n", e.what());
        status = 1;
    }
    release_drawing_library();
    return status;
}
