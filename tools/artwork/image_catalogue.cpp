#include "tools/artwork/image_catalogue.h"

#include <array>

#include "tools/artwork/artwork_drawings.h"
#include "tools/artwork/seven_segment.h"

namespace {

constexpr FrameSize same_size{0, 0};

// ORDER resource id
constexpr std::array catalogue{
    ImageFamily{.name = "breaker_disc",     .sheet = "breaker",          .first_id = 5248, .frame_count = 1,  .size = {30, 65},   .later_banks_size = same_size, .sheet_columns = 4,  .draw = draw_breaker_disc},
    ImageFamily{.name = "breaker_switch",   .sheet = "breaker",          .first_id = 5253, .frame_count = 3,  .size = {30, 65},   .later_banks_size = same_size, .sheet_columns = 4,  .draw = draw_breaker_switch},
    ImageFamily{.name = "face",             .sheet = "face",             .first_id = 5984, .frame_count = 1,  .size = {361, 358}, .later_banks_size = same_size, .sheet_columns = 1,  .draw = draw_face},
    ImageFamily{.name = "lit_dial",         .sheet = "lit_dial",         .first_id = 5989, .frame_count = 4,  .size = {361, 358}, .later_banks_size = same_size, .sheet_columns = 4,  .draw = draw_lit_dial},
    ImageFamily{.name = "deviation_border", .sheet = "deviation_border", .first_id = 6000, .frame_count = 4,  .size = {142, 47},  .later_banks_size = same_size, .sheet_columns = 2,  .draw = draw_deviation_border},
    ImageFamily{.name = "medium_digits",    .sheet = "medium_digits",    .first_id = 6016, .frame_count = 48, .size = {24, 30},   .later_banks_size = {24, 32},  .sheet_columns = 12, .draw = draw_medium_digit},
    ImageFamily{.name = "small_digits",     .sheet = "small_digits",     .first_id = 6272, .frame_count = 48, .size = {19, 24},   .later_banks_size = {19, 25},  .sheet_columns = 12, .draw = draw_small_digit},
    ImageFamily{.name = "large_digits",     .sheet = "large_digits",     .first_id = 6528, .frame_count = 48, .size = {30, 40},   .later_banks_size = same_size, .sheet_columns = 12, .draw = draw_large_digit},
    ImageFamily{.name = "needle",           .sheet = "needle",           .first_id = 6592, .frame_count = 1,  .size = {128, 6},   .later_banks_size = same_size, .sheet_columns = 1,  .draw = draw_needle},
};

} // namespace

std::span<const ImageFamily> image_catalogue() { return catalogue; }

FrameSize frame_size(const ImageFamily& family, int frame) {
    const bool resized = family.later_banks_size != same_size;
    return resized && frame >= digit_code_count ? family.later_banks_size : family.size;
}

