#include "tools/artwork/image_catalogue.h"

#include <array>

#include "layout/bitmap_ids.h"
#include "tools/artwork/artwork_drawings.h"
#include "tools/artwork/face_geometry.h"
#include "tools/artwork/seven_segment.h"

namespace {

constexpr FrameSize same_size{0, 0};
constexpr int one_frame = 1;

// The layout's bitmap ids and frame counts; the sizes are the artwork's.
// ORDER resource id
constexpr std::array catalogue{
    // clang-format off
    ImageFamily{.name = "breaker_disc",     .sheet = "breaker",          .first_id = bitmap_breaker_disc,     .frame_count = one_frame,          .size = breaker_frame_size,    .later_banks_size = same_size,                     .sheet_columns = 4,  .draw = draw_breaker_disc},
    ImageFamily{.name = "breaker_switch",   .sheet = "breaker",          .first_id = bitmap_breaker_switch,   .frame_count = frames_breaker,     .size = breaker_frame_size,    .later_banks_size = same_size,                     .sheet_columns = 4,  .draw = draw_breaker_switch},
    ImageFamily{.name = "face",             .sheet = "face",             .first_id = bitmap_unlit_face,       .frame_count = one_frame,          .size = face_frame_size,       .later_banks_size = same_size,                     .sheet_columns = 1,  .draw = draw_face},
    ImageFamily{.name = "lit_dial",         .sheet = "lit_dial",         .first_id = bitmap_lit_dial,         .frame_count = frames_lcd_image,   .size = face_frame_size,       .later_banks_size = same_size,                     .sheet_columns = 4,  .draw = draw_lit_dial},
    ImageFamily{.name = "deviation_border", .sheet = "deviation_border", .first_id = bitmap_deviation_border, .frame_count = frames_lcd_image,   .size = deviation_border_size, .later_banks_size = same_size,                     .sheet_columns = 2,  .draw = draw_deviation_border},
    ImageFamily{.name = "medium_digits",    .sheet = "medium_digits",    .first_id = bitmap_medium_digits,    .frame_count = frames_digit_strip, .size = medium_digit_size,     .later_banks_size = medium_digit_later_banks_size, .sheet_columns = 12, .draw = draw_medium_digit},
    ImageFamily{.name = "small_digits",     .sheet = "small_digits",     .first_id = bitmap_small_digits,     .frame_count = frames_digit_strip, .size = small_digit_size,      .later_banks_size = small_digit_later_banks_size,  .sheet_columns = 12, .draw = draw_small_digit},
    ImageFamily{.name = "large_digits",     .sheet = "large_digits",     .first_id = bitmap_large_digits,     .frame_count = frames_digit_strip, .size = large_digit_size,      .later_banks_size = same_size,                     .sheet_columns = 12, .draw = draw_large_digit},
    ImageFamily{.name = "needle",           .sheet = "needle",           .first_id = bitmap_needle,           .frame_count = one_frame,          .size = needle_size,           .later_banks_size = same_size,                     .sheet_columns = 1,  .draw = draw_needle},
    // clang-format on
};

} // namespace

std::span<const ImageFamily> image_catalogue()
{
    return catalogue;
}

FrameSize frame_size(const ImageFamily& family, int frame)
{
    const bool resized = family.later_banks_size != same_size;
    return resized && frame >= digit_code_count ? family.later_banks_size : family.size;
}
