// Small builders that fill the host's element records with the fields this
// module sets; every other field stays 0, as the host expects.
#pragma once

#include "abi/host_formats.h"
#include "layout/face_geometry.h"

// A face place as the host's element records hold it.
constexpr PixelPoint at(FacePoint place)
{
    return PixelPoint{.x = place.x, .y = place.y};
}

constexpr ElementHeader element_header(ElementKind kind, std::uint32_t bitmap, PixelPoint position,
                                       std::uint32_t image_flags, const GaugeHeader* owner, ElementHeader* const* next,
                                       PixelPoint pivot = {0, 0})
{
    return ElementHeader{
        .kind = kind,
        .resource_id = bitmap,
        .position = position,
        .pivot = pivot,
        .owner = owner,
        .next = next,
        .image_flags = image_flags,
        .previous = nullptr,
        .failure_list = nullptr,
        .special_flags = 0,
        .reserved = 0,
        .host_work = {},
    };
}

constexpr StaticImageElement static_image_record(ElementHeader header)
{
    return StaticImageElement{.header = header};
}

// An icon whose callback alone decides the frame: no source variable, the
// value is the frame index itself.
constexpr IconElement icon_record(ElementHeader header, std::uint32_t frame_count, ValueCallback value)
{
    return IconElement{
        .header = header,
        .frame_count = frame_count,
        .value = value,
        .source = nullptr,
        .switching_mode = 0,
        .scale = 0.0,
        .offset = 0.0,
    };
}

constexpr NeedleElement needle_record(ElementHeader header, ValueCallback angle)
{
    return NeedleElement{
        .header = header,
        .value = angle,
        .source = nullptr,
        .nonlinearity = nullptr,
        .rotation_rate_limit = 0.0,
    };
}
