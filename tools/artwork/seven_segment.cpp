#include "tools/artwork/seven_segment.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace {

constexpr std::uint8_t bit(Segment s)
{
    return std::uint8_t(1u << static_cast<int>(s));
}

using enum Segment;

// ORDER digit code
constexpr std::array<std::uint8_t, digit_code_count> segments_of_code{{
    std::uint8_t(bit(top) | bit(upper_right) | bit(lower_right) | bit(bottom) | bit(lower_left) | bit(upper_left)), // 0
    std::uint8_t(bit(upper_right) | bit(lower_right)),                                                              // 1
    std::uint8_t(bit(top) | bit(upper_right) | bit(middle) | bit(lower_left) | bit(bottom)),                        // 2
    std::uint8_t(bit(top) | bit(upper_right) | bit(middle) | bit(lower_right) | bit(bottom)),                       // 3
    std::uint8_t(bit(upper_left) | bit(middle) | bit(upper_right) | bit(lower_right)),                              // 4
    std::uint8_t(bit(top) | bit(upper_left) | bit(middle) | bit(lower_right) | bit(bottom)),                        // 5
    std::uint8_t(bit(top) | bit(upper_left) | bit(middle) | bit(lower_left) | bit(lower_right) | bit(bottom)),      // 6
    std::uint8_t(bit(top) | bit(upper_right) | bit(lower_right)),                                                   // 7
    std::uint8_t(0x7f),                                                                                             // 8
    std::uint8_t(bit(top) | bit(upper_left) | bit(upper_right) | bit(middle) | bit(lower_right) | bit(bottom)),     // 9
    std::uint8_t(bit(middle)),                          // minus sign
    std::uint8_t(bit(top) | bit(middle) | bit(bottom)), // three bars
}};

struct CentreLine {
    GlyphPoint from;
    GlyphPoint to;
};

// Segments run between the centres of the glyph's strokes.
CentreLine centre_line(const GlyphStyle& s, Segment segment)
{
    const double half = s.stroke / 2.0;
    const double xl = s.left + half, xr = s.left + s.width - half;
    const double yt = s.top + half, ym = s.top + s.height / 2.0, yb = s.top + s.height - half;
    switch (segment) {
    case top: return {{xl, yt}, {xr, yt}};
    case upper_right: return {{xr, yt}, {xr, ym}};
    case lower_right: return {{xr, ym}, {xr, yb}};
    case bottom: return {{xl, yb}, {xr, yb}};
    case lower_left: return {{xl, ym}, {xl, yb}};
    case upper_left: return {{xl, yt}, {xl, ym}};
    case middle: return {{xl, ym}, {xr, ym}};
    }
    throw std::logic_error("unknown segment");
}

GlyphPoint slanted(const GlyphStyle& s, GlyphPoint p)
{
    return {p.x + s.slant * (s.top + s.height / 2.0 - p.y), p.y};
}

} // namespace

std::uint8_t lit_segments(int digit_code)
{
    if (digit_code < 0 || digit_code >= digit_code_count)
        throw std::out_of_range("no glyph for this digit code");
    return segments_of_code[static_cast<std::size_t>(digit_code)];
}

// A long hexagon along the centre line, pointed at both ends so that
// neighbouring segments meet in mitred joints with a thin gap between them.
void add_segment_path(cairo_t* cr, const GlyphStyle& s, Segment segment)
{
    const CentreLine line = centre_line(s, segment);
    const double length = std::hypot(line.to.x - line.from.x, line.to.y - line.from.y);
    const double dx = (line.to.x - line.from.x) / length, dy = (line.to.y - line.from.y) / length;
    const double nx = -dy, ny = dx;
    const double half = s.stroke / 2.0;
    const GlyphPoint a{line.from.x + dx * s.gap, line.from.y + dy * s.gap};
    const GlyphPoint b{line.to.x - dx * s.gap, line.to.y - dy * s.gap};
    const std::array<GlyphPoint, 6> corners{{
        a,
        {a.x + dx * half + nx * half, a.y + dy * half + ny * half},
        {b.x - dx * half + nx * half, b.y - dy * half + ny * half},
        b,
        {b.x - dx * half - nx * half, b.y - dy * half - ny * half},
        {a.x + dx * half - nx * half, a.y + dy * half - ny * half},
    }};
    cairo_new_sub_path(cr);
    for (GlyphPoint corner : corners) {
        const GlyphPoint p = slanted(s, corner);
        cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
}

GlyphPoint segment_centre(const GlyphStyle& s, Segment segment)
{
    const CentreLine line = centre_line(s, segment);
    return slanted(s, {(line.from.x + line.to.x) / 2.0, (line.from.y + line.to.y) / 2.0});
}
