#include "tools/artwork/drawing_library.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

void release_drawing_library()
{
    cairo_debug_reset_static_data(); // drops Cairo's hold on the fonts first
    FcFini();
}
