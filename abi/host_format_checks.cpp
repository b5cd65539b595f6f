// Holds the records of abi/host_formats.h to the host's layout: in the 32-bit
// build the size of every record the module hands the host and the word of
// every field, counted from 0 as the header's comments count them. Nothing
// here is code; the file compiles or it does not.
#include "abi/host_formats.h"
#include "abi/service_numbers.h"

#include <cstddef>

namespace {

// Offsets in table words hold on every build: the table is all pointers.
constexpr std::size_t entry_offset(PanelEntry entry)
{
    return static_cast<std::size_t>(entry) * sizeof(void*);
}

// clang-format off
static_assert(offsetof(PanelServices, query_elements)      == entry_offset(entry_query_elements));
static_assert(offsetof(PanelServices, install_elements)    == entry_offset(entry_install_elements));
static_assert(offsetof(PanelServices, initialize_elements) == entry_offset(entry_initialize_elements));
static_assert(offsetof(PanelServices, update_elements)     == entry_offset(entry_update_elements));
static_assert(offsetof(PanelServices, generate_elements)   == entry_offset(entry_generate_elements));
static_assert(offsetof(PanelServices, draw_elements)       == entry_offset(entry_draw_elements));
static_assert(offsetof(PanelServices, kill_elements)       == entry_offset(entry_kill_elements));
static_assert(offsetof(PanelServices, send_key_event)      == entry_offset(entry_send_key_event));
static_assert(offsetof(PanelServices, lookup_variable)     == entry_offset(entry_lookup_variable));
static_assert(sizeof(PanelServices) == panel_services_entry_count * sizeof(void*));
// clang-format on

} // namespace

#if defined(_WIN32) && defined(__i386__)

namespace {

// Byte offset of word n.
constexpr std::size_t word(std::size_t n)
{
    return 4 * n;
}

// clang-format off
static_assert(sizeof(ModuleVar) == word(8));
static_assert(offsetof(ModuleVar, token)       == word(0));
static_assert(offsetof(ModuleVar, host_word_1) == word(1));
static_assert(offsetof(ModuleVar, host_word_2) == word(2));
static_assert(offsetof(ModuleVar, value)       == word(3));
static_assert(offsetof(ModuleVar, host_space)  == word(5));
// clang-format on

// clang-format off
static_assert(sizeof(ImportEntry) == word(2));
static_assert(offsetof(ImportEntry, id)    == word(0));
static_assert(offsetof(ImportEntry, table) == word(1));
static_assert(sizeof(ImportTableRecord) == word(4));
static_assert(offsetof(ImportTableRecord, panels) == word(0));
static_assert(offsetof(ImportTableRecord, end)    == word(2));
// clang-format on

// clang-format off
static_assert(sizeof(LinkageRecord) == word(11));
static_assert(offsetof(LinkageRecord, module_id)      == word(0));
static_assert(offsetof(LinkageRecord, module_init)    == word(1));
static_assert(offsetof(LinkageRecord, module_deinit)  == word(2));
static_assert(offsetof(LinkageRecord, flags)          == word(3));
static_assert(offsetof(LinkageRecord, reserved)       == word(4));
static_assert(offsetof(LinkageRecord, module_version) == word(5));
static_assert(offsetof(LinkageRecord, gauge_table)    == word(6));
// clang-format on

// clang-format off
static_assert(sizeof(GaugeHeader) == word(30));
static_assert(offsetof(GaugeHeader, header_version)     == word(0));
static_assert(offsetof(GaugeHeader, name)               == word(1));
static_assert(offsetof(GaugeHeader, element_list)       == word(2));
static_assert(offsetof(GaugeHeader, query_routine)      == word(3));
static_assert(offsetof(GaugeHeader, install_routine)    == word(4));
static_assert(offsetof(GaugeHeader, initialize_routine) == word(5));
static_assert(offsetof(GaugeHeader, update_routine)     == word(6));
static_assert(offsetof(GaugeHeader, generate_routine)   == word(7));
static_assert(offsetof(GaugeHeader, draw_routine)       == word(8));
static_assert(offsetof(GaugeHeader, kill_routine)       == word(9));
static_assert(offsetof(GaugeHeader, reserved_10)        == word(10));
static_assert(offsetof(GaugeHeader, default_size)       == word(11));
static_assert(offsetof(GaugeHeader, reserved_12_to_19)  == word(12));
static_assert(offsetof(GaugeHeader, mouse_areas)        == word(20));
static_assert(offsetof(GaugeHeader, gauge_callback)     == word(21));
static_assert(offsetof(GaugeHeader, reserved_22_on)     == word(22));
// clang-format on

// clang-format off
static_assert(sizeof(PixelPoint) == word(2));
static_assert(sizeof(ElementHeader) == word(17));
static_assert(offsetof(ElementHeader, kind)          == word(0));
static_assert(offsetof(ElementHeader, resource_id)   == word(1));
static_assert(offsetof(ElementHeader, position)      == word(2));
static_assert(offsetof(ElementHeader, pivot)         == word(4));
static_assert(offsetof(ElementHeader, owner)         == word(6));
static_assert(offsetof(ElementHeader, next)          == word(7));
static_assert(offsetof(ElementHeader, image_flags)   == word(8));
static_assert(offsetof(ElementHeader, previous)      == word(9));
static_assert(offsetof(ElementHeader, failure_list)  == word(10));
static_assert(offsetof(ElementHeader, special_flags) == word(11));
static_assert(offsetof(ElementHeader, reserved)      == word(12));
static_assert(offsetof(ElementHeader, host_work)     == word(13));
// clang-format on

static_assert(sizeof(StaticImageElement) == word(17));
static_assert(offsetof(StaticImageElement, header) == word(0));

// clang-format off
static_assert(sizeof(IconElement) == word(25));
static_assert(offsetof(IconElement, header)         == word(0));
static_assert(offsetof(IconElement, frame_count)    == word(17));
static_assert(offsetof(IconElement, value)          == word(18));
static_assert(offsetof(IconElement, source)         == word(19));
static_assert(offsetof(IconElement, switching_mode) == word(20));
static_assert(offsetof(IconElement, scale)          == word(21));
static_assert(offsetof(IconElement, offset)         == word(23));
// clang-format on

// clang-format off
static_assert(sizeof(NeedleElement) == word(22));
static_assert(offsetof(NeedleElement, header)              == word(0));
static_assert(offsetof(NeedleElement, value)               == word(17));
static_assert(offsetof(NeedleElement, source)              == word(18));
static_assert(offsetof(NeedleElement, nonlinearity)        == word(19));
static_assert(offsetof(NeedleElement, rotation_rate_limit) == word(20));
// clang-format on

// clang-format off
static_assert(sizeof(TooltipArgument) == word(9));
static_assert(offsetof(TooltipArgument, source)       == word(0));
static_assert(offsetof(TooltipArgument, scale)        == word(1));
static_assert(offsetof(TooltipArgument, lookup_table) == word(3));
static_assert(offsetof(TooltipArgument, value)        == word(4));
static_assert(offsetof(TooltipArgument, reserved)     == word(5));
// clang-format on

// clang-format off
static_assert(sizeof(MouseAction) == word(1));
static_assert(sizeof(MouseRect) == word(11));
static_assert(offsetof(MouseRect, kind)         == word(0));
static_assert(offsetof(MouseRect, x)            == word(1));
static_assert(offsetof(MouseRect, y)            == word(2));
static_assert(offsetof(MouseRect, width)        == word(3));
static_assert(offsetof(MouseRect, height)       == word(4));
static_assert(offsetof(MouseRect, cursor)       == word(5));
static_assert(offsetof(MouseRect, help_id)      == word(6));
static_assert(offsetof(MouseRect, event_mask)   == word(7));
static_assert(offsetof(MouseRect, event_id)     == word(8));
static_assert(offsetof(MouseRect, action)       == word(9));
static_assert(offsetof(MouseRect, tooltip_args) == word(10));
// clang-format on

} // namespace

#endif
