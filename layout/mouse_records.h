// Builders for the host's mouse-rectangle entries: a region, a click area,
// a tooltip, and the entries that close a region and end the list.
#pragma once

#include "abi/host_formats.h"
#include "layout/face_geometry.h"

// Every word of an entry; the builders below give what their kind needs.
constexpr MouseRect mouse_entry(std::uint32_t kind, FaceBox box, HostCursor cursor, std::uint32_t event_mask,
                                std::uint32_t event_id, MouseAction action, const TooltipArgument* tooltip_args)
{
    return MouseRect{.kind = kind,
                     .x = box.x,
                     .y = box.y,
                     .width = box.width,
                     .height = box.height,
                     .cursor = cursor,
                     .help_id = 0,
                     .event_mask = event_mask,
                     .event_id = event_id,
                     .action = action,
                     .tooltip_args = tooltip_args};
}

inline constexpr FaceBox no_box = {0, 0, 0, 0};

constexpr MouseRect region_open(FaceBox box)
{
    return mouse_entry(mouse_region_open, box, cursor_none, 0, 0, {.click = nullptr}, nullptr);
}

constexpr MouseRect click_area(FaceBox box, HostCursor cursor, std::uint32_t event_mask, MouseCallback callback)
{
    return mouse_entry(mouse_click_area, box, cursor, event_mask, 0, {.click = callback}, nullptr);
}

constexpr MouseRect tooltip(const char* text, const TooltipArgument* args)
{
    return mouse_entry(mouse_tooltip, no_box, cursor_none, 0, 1, {.tooltip_text = text}, args);
}

constexpr MouseRect region_close()
{
    return mouse_entry(mouse_region_close, no_box, cursor_none, 0, 0, {.click = nullptr}, nullptr);
}

constexpr MouseRect list_end()
{
    MouseRect end = region_close();
    end.kind = mouse_end;
    return end;
}

// A region box of 0, 0, 0, 0 covers the whole gauge, whatever its size.
inline constexpr FaceBox whole_gauge = {0, 0, 0, 0};
