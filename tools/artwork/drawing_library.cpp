#include "drawing_library.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

namespace artwork {

void release_drawing_library() {
    cairo_debug_reset_static_data();  // drops Cairo's hold on the fonts first
    FcFini();
}

}  // namespace artwork
