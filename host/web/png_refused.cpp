// The web build's binding of the PNG writer's seam: a page has no zlib and
// nowhere to keep pictures, so a scenario's snapshot or contact sheet is
// refused there as a file that cannot be written; the canvas takes the
// panel's image itself.
#include "host/raster/png_file.h"

bool write_png(const Image&, const std::string& path, std::string* error)
{
    if (error != nullptr)
        *error = path + ": a web page has nowhere to write pictures";
    return false;
}
