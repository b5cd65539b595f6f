// Builders for the host's mouse-rectangle entries: a region, a click area,
// a tooltip, and the entries that close a region and end the list.
#pragma once

#include "abi/host_formats.h"
#include "layout/face_geometry.h"

constexpr MouseRect region_open(FaceBox box)
{
    return MouseRect{.kind = mouse_region_open,
                     .x = box.x,
                     .y = box.y,
                     .width = box.width,
                     .height = box.height,
                     .cursor = cursor_none,
                     .help_id = 0,
                     .event_mask = 0,
                     .event_id = 0,
                     .action = {.click = nullptr},
                     .tooltip_args = nullptr};
}

constexpr MouseRect click_area(FaceBox box, HostCursor cursor, std::uint32_t event_mask, MouseCallback callback)
{
    return MouseRect{.kind = mouse_click_area,
                     .x = box.x,
                     .y = box.y,
                     .width = box.width,
                     .height = box.height,
                     .cursor = cursor,
                     .help_id = 0,
                     .event_mask = event_mask,
                     .event_id = 0,
                     .action = {.click = callback},
                     .tooltip_args = nullptr};
}

constexpr MouseRect tooltip(const char* text, const TooltipArgument* args)
{
    return MouseRect{.kind = mouse_tooltip,
                     .x = 0,
                     .y = 0,
                     .width = 0,
                     .height = 0,
                     .cursor = cursor_none,
                     .help_id = 0,
                     .event_mask = 0,
                     .event_id = 1,
                     .action = {.tooltip_text = text},
                     .tooltip_args = args};
}

constexpr MouseRect region_close()
{
    return MouseRect{.kind = mouse_region_close,
                     .x = 0,
                     .y = 0,
                     .width = 0,
                     .height = 0,
                     .cursor = cursor_none,
                     .help_id = 0,
                     .event_mask = 0,
                     .event_id = 0,
                     .action = {.click = nullptr},
                     .tooltip_args = nullptr};
}

constexpr MouseRect list_end()
{
    MouseRect end = region_close();
    end.kind = mouse_end;
    return end;
}

// A region box of 0, 0, 0, 0 covers the whole gauge, whatever its size.
inline constexpr FaceBox whole_gauge = {0, 0, 0, 0};
