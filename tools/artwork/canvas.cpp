#include "tools/artwork/canvas.h"

#include <stdexcept>
#include <string>

Canvas::Canvas(FrameSize size) : size_(size)
{
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height);
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        const std::string reason = cairo_status_to_string(cairo_status(cr_));
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        throw std::runtime_error("cannot create a " + std::to_string(size.width) + "x" + std::to_string(size.height) +
                                 " drawing surface: " + reason);
    }
}

Canvas::~Canvas()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::uint32_t Canvas::premultiplied_argb(int x, int y) const
{
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    return *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
}
