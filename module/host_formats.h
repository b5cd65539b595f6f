// The simulator panel system's record formats and calling convention, as this
// module and our panel host both see them. Plain data only: no logic lives here.
//
// Word order follows the host's published layout wherever it is fixed
// (linkage, import table, gauge header, module-variable record, panel-service
// entry numbers). Element records and mouse-area entries keep the field order
// of the host's element and mouse-rectangle tables; the 32-bit build checks
// the offsets.
#pragma once

#include <cstddef>
#include <cstdint>

// Every routine that crosses between host and module uses the host's
// convention: callee pops its arguments on 32-bit x86; nothing elsewhere.
#if defined(_WIN32) && defined(__i386__)
#define HOSTCALL __stdcall
#else
#define HOSTCALL
#endif

// A host word: 32 bits on the real target, pointer-sized in native builds.
using HostWord = std::uintptr_t;

struct GaugeHeader;
struct ElementHeader;
struct ModuleVar;

using HeaderRoutine     = void(HOSTCALL*)();
using HeaderRoutineArg  = void(HOSTCALL*)(HostWord value);
using GaugeCallback     = void(HOSTCALL*)(GaugeHeader* gauge, std::int32_t service_code, HostWord extra);
using ValueCallback     = double(HOSTCALL*)(HostWord element);
struct PixelPoint { std::int32_t x; std::int32_t y; };
using MouseCallback     = std::int32_t(HOSTCALL*)(const PixelPoint* point, std::uint32_t event_mask);
// The tooltip-argument callback's arguments fill six host words.
using TooltipCallback   = double(HOSTCALL*)(HostWord, HostWord, HostWord, HostWord, HostWord, HostWord);

using ElementListService    = void(HOSTCALL*)(ElementHeader* root);
using ElementListArgService = void(HOSTCALL*)(ElementHeader* root, HostWord value);
using SendKeyEventService   = void(HOSTCALL*)(std::uint32_t event, std::uint32_t argument);
using LookupVariableService = void(HOSTCALL*)(ModuleVar* variable);
using UnusedService         = void*;

// The host packs its records to 32-bit words; native builds keep their own
// alignment, as only the 32-bit build is held to the host's layout.
#if defined(__i386__)
#pragma pack(push, 4)
#endif

// Module-variable record: the module fixes the token; the host fills the value.
struct ModuleVar {
    std::uint32_t token          = 0;
    std::uint32_t host_word_1    = 0;   // host-owned
    std::uint32_t host_word_2    = 0;   // host-owned
    double        value          = 0.0; // valid when the lookup returns
    std::uint32_t host_space[3]  = {};  // host-owned, to 32 bytes
};

// The host's panel-services table, entries numbered in 32-bit words from 0.
// Only the entries the module calls are named; the table goes on beyond 40.
struct PanelServices {
    UnusedService         entries_0_to_23[24];
    ElementListService    query_elements;        // 24
    ElementListArgService install_elements;      // 25
    ElementListService    initialize_elements;   // 26
    ElementListService    update_elements;       // 27
    ElementListArgService generate_elements;     // 28
    ElementListService    draw_elements;         // 29
    UnusedService         entry_30;              // 30
    ElementListService    kill_elements;         // 31
    UnusedService         entries_32_to_35[4];
    SendKeyEventService   send_key_event;        // 36
    UnusedService         entries_37_to_39[3];
    LookupVariableService lookup_variable;       // 40
};
inline constexpr int panel_services_entry_count = 41;

struct ImportEntry {
    std::uint32_t  id;
    PanelServices* table;
};

// Exported as ImportTable: the host writes its panel services into it at load.
struct ImportTableRecord {
    ImportEntry panels;     // id 0x0F, table written by the host
    ImportEntry end;        // 0, 0
};

// Element kinds and image flags.
enum ElementKind : std::uint32_t {
    element_static_image = 0,
    element_needle       = 1,
    element_icon         = 4,
};
inline constexpr std::uint32_t image_transparent = 0x1;        // pure black not drawn
inline constexpr std::uint32_t image_erase       = 0x2;
inline constexpr std::uint32_t image_bright      = 0x4;        // not darkened with panel lighting
inline constexpr std::uint32_t image_bilinear    = 0x80;
inline constexpr std::uint32_t image_flag_4000   = 0x4000;     // host's own meaning; stored only
inline constexpr std::uint32_t image_hidden      = 0x40000000;

// Common head of every element record; the host dispatches on `kind`.
// A next-element list is an array of element addresses ending with 0.
struct ElementHeader {
    std::uint32_t        kind;
    std::uint32_t        resource_id;       // first frame's bitmap for an icon
    PixelPoint           position;          // top-left, or the needle's turning point
    PixelPoint           pivot;             // needle only
    const GaugeHeader*   owner;
    ElementHeader* const* next;             // elements drawn after this one
    std::uint32_t        image_flags;
    ElementHeader*       previous;          // 0
    const void*          failure_list;      // 0
    std::uint32_t        special_flags;     // 0
    std::uint32_t        reserved;          // 0
    std::uint32_t        host_work[4];      // the host's drawing state
};

struct StaticImageElement {
    ElementHeader header;
};

struct IconElement {
    ElementHeader    header;
    std::uint32_t    frame_count;
    ValueCallback    value;
    const ModuleVar* source;            // 0: the callback alone supplies the value
    std::uint32_t    switching_mode;    // 0: the value is the frame index
    double           scale;
    double           offset;
};

struct NeedleElement {
    ElementHeader    header;
    ValueCallback    value;             // angle in degrees, clockwise
    const ModuleVar* source;            // 0
    const void*      nonlinearity;      // 0
    double           rotation_rate_limit;
};

// Mouse-area list entries, read in order up to the end-of-list entry.
enum MouseRectKind : std::uint32_t {
    mouse_end          = 0,
    mouse_region_open  = 1,
    mouse_click_area   = 2,
    mouse_region_close = 3,
    mouse_tooltip      = 4,
};
enum HostCursor : std::int32_t {
    cursor_none       = -1,
    cursor_up_arrow   = 1,
    cursor_down_arrow = 2,
    cursor_hand       = 5,
};
inline constexpr std::uint32_t mouse_left_single  = 0x20000000;
inline constexpr std::uint32_t mouse_right_single = 0x80000000;
inline constexpr std::uint32_t mouse_repeat       = 0x00200000;

struct TooltipArgument {
    const ModuleVar* source;            // 0: none
    double           scale;
    const void*      lookup_table;      // 0: none
    TooltipCallback  value;
    std::uint32_t    reserved[4];
};
// A tooltip argument list ends with an all-zero record.

union MouseAction {
    MouseCallback click;                // click area
    const char*   tooltip_text;         // tooltip
};

struct MouseRect {
    std::uint32_t          kind;
    std::int32_t           x, y, width, height;
    std::int32_t           cursor;
    std::uint32_t          help_id;
    std::uint32_t          event_mask;
    std::uint32_t          event_id;
    MouseAction            action;
    const TooltipArgument* tooltip_args;    // tooltip only
};

inline constexpr std::uint32_t gauge_header_version = 800;

struct GaugeHeader {
    std::uint32_t          header_version;      // 1
    const char*            name;                // 2
    ElementHeader* const*  element_list;        // 3: exactly one root element
    HeaderRoutine          query_routine;       // 4
    HeaderRoutineArg       install_routine;     // 5
    HeaderRoutine          initialize_routine;  // 6
    HeaderRoutine          update_routine;      // 7
    HeaderRoutineArg       generate_routine;    // 8
    HeaderRoutine          draw_routine;        // 9
    HeaderRoutine          kill_routine;        // 10
    std::uint32_t          reserved_11;
    std::uint32_t          default_size;        // 12
    std::uint32_t          reserved_13_to_20[8];
    const MouseRect*       mouse_areas;         // 21
    GaugeCallback          gauge_callback;      // 22
    std::uint32_t          reserved_23_on[8];
};

using ModuleRoutine = void(HOSTCALL*)();

// Exported as Linkage: which gauges the module offers.
struct LinkageRecord {
    std::uint32_t       module_id;              // 0x13
    ModuleRoutine       module_init;
    ModuleRoutine       module_deinit;
    std::uint32_t       flags;
    std::uint32_t       reserved;
    std::uint32_t       module_version;         // 0x0800
    const GaugeHeader*  gauge_table[5];         // four gauges, then 0
};

#if defined(__i386__)
#pragma pack(pop)
#endif

#if defined(_WIN32) && defined(__i386__)
static_assert(sizeof(ModuleVar) == 32);
static_assert(offsetof(ModuleVar, value) == 12);
static_assert(offsetof(PanelServices, query_elements) == 24 * 4);
static_assert(offsetof(PanelServices, kill_elements) == 31 * 4);
static_assert(offsetof(PanelServices, send_key_event) == 36 * 4);
static_assert(offsetof(PanelServices, lookup_variable) == 40 * 4);
static_assert(sizeof(ImportTableRecord) == 16);
static_assert(offsetof(LinkageRecord, gauge_table) == 6 * 4);
static_assert(sizeof(LinkageRecord) == 11 * 4);
static_assert(offsetof(GaugeHeader, query_routine) == 3 * 4);
static_assert(offsetof(GaugeHeader, default_size) == 11 * 4);
static_assert(offsetof(GaugeHeader, mouse_areas) == 20 * 4);
static_assert(offsetof(GaugeHeader, gauge_callback) == 21 * 4);
#endif
