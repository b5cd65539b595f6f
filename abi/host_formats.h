// The simulator panel system's record formats and calling convention, as this
// module and our panel host both see them. Plain data only: no logic lives here.
//
// Word order follows the host's published layout wherever it is fixed
// (linkage, import table, gauge header, module-variable record, panel-service
// entry numbers). Element records and mouse-area entries keep the field order
// of the host's element and mouse-rectangle tables.
//
// Words are counted from 0 throughout, as the panel-service entries are: word
// n of a record lies at byte 4n in the 32-bit build. The 32-bit build checks
// the size and every field's offset of every record against these numbers
// (abi/host_format_checks.cpp).
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

// clang-format off
using HeaderRoutine     = void(HOSTCALL*)();
using HeaderRoutineArg  = void(HOSTCALL*)(HostWord value);
using GaugeCallback     = void(HOSTCALL*)(GaugeHeader* gauge, std::int32_t service_code, HostWord extra);
using ValueCallback     = double(HOSTCALL*)(HostWord element);
struct PixelPoint { std::int32_t x; std::int32_t y; };
using MouseCallback     = std::int32_t(HOSTCALL*)(const PixelPoint* point, std::uint32_t event_mask);
// The tooltip-argument callback's arguments fill six host words.
using TooltipCallback   = double(HOSTCALL*)(HostWord, HostWord, HostWord, HostWord, HostWord, HostWord);
// clang-format on

// clang-format off
using ElementListService    = void(HOSTCALL*)(ElementHeader* root);
using ElementListArgService = void(HOSTCALL*)(ElementHeader* root, HostWord value);
using SendKeyEventService   = void(HOSTCALL*)(std::uint32_t event, std::uint32_t argument);
using LookupVariableService = void(HOSTCALL*)(ModuleVar* variable);
using UnusedService         = void*;
// clang-format on

// The host packs its records to 32-bit words; native builds keep their own
// alignment, as only the 32-bit build is held to the host's layout.
#if defined(__i386__)
#pragma pack(push, 4)
#endif

// Module-variable record: the module fixes the token; the host fills the value.
struct ModuleVar {
    // clang-format off
    std::uint32_t token          = 0;   // word 0
    std::uint32_t host_word_1    = 0;   // word 1, host-owned
    std::uint32_t host_word_2    = 0;   // word 2, host-owned
    double        value          = 0.0; // words 3 and 4; valid when the lookup returns
    std::uint32_t host_space[3]  = {};  // words 5 to 7, host-owned, to 32 bytes
    // clang-format on
};

// The host's panel-services table: entry n is word n. Only the entries the
// module calls are named (their numbers: PanelEntry, abi/service_numbers.h);
// the table goes on beyond 40.
struct PanelServices {
    // clang-format off
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
    // clang-format on
};
inline constexpr int panel_services_entry_count = 41;

struct ImportEntry {
    std::uint32_t id;     // word 0
    PanelServices* table; // word 1
};

// The import-table entry that asks for the panel services.
inline constexpr std::uint32_t import_panels_id = 0x0000000F;

// Exported as ImportTable: the host writes its panel services into it at load.
struct ImportTableRecord {
    ImportEntry panels; // words 0 and 1: id import_panels_id, table written by the host
    ImportEntry end;    // words 2 and 3: 0, 0
};

// Element kinds and image flags.
enum ElementKind : std::uint32_t {
    // clang-format off
    element_static_image = 0,
    element_needle       = 1,
    element_icon         = 4,
    // clang-format on
};
// clang-format off
inline constexpr std::uint32_t image_transparent = 0x1;        // pure black not drawn
inline constexpr std::uint32_t image_erase       = 0x2;
inline constexpr std::uint32_t image_bright      = 0x4;        // not darkened with panel lighting
inline constexpr std::uint32_t image_bilinear    = 0x80;
inline constexpr std::uint32_t image_flag_4000   = 0x4000;     // host's own meaning; stored only
inline constexpr std::uint32_t image_hidden      = 0x40000000;
// clang-format on

// Common head of every element record; the host dispatches on `kind`.
// A next-element list is an array of element addresses ending with 0.
struct ElementHeader {
    // clang-format off
    std::uint32_t        kind;              // word 0
    std::uint32_t        resource_id;       // word 1: first frame's bitmap for an icon
    PixelPoint           position;          // words 2, 3: top-left, or the needle's turning point
    PixelPoint           pivot;             // words 4, 5: needle only
    const GaugeHeader*   owner;             // word 6
    ElementHeader* const* next;             // word 7: elements drawn after this one
    std::uint32_t        image_flags;       // word 8
    ElementHeader*       previous;          // word 9: 0
    const void*          failure_list;      // word 10: 0
    std::uint32_t        special_flags;     // word 11: 0
    std::uint32_t        reserved;          // word 12: 0
    std::uint32_t        host_work[4];      // words 13 to 16: the host's drawing state
    // clang-format on
};

struct StaticImageElement {
    ElementHeader header;
};

struct IconElement {
    // clang-format off
    ElementHeader    header;            // words 0 to 16
    std::uint32_t    frame_count;       // word 17
    ValueCallback    value;             // word 18
    const ModuleVar* source;            // word 19: 0, the callback alone supplies the value
    std::uint32_t    switching_mode;    // word 20: 0, the value is the frame index
    double           scale;             // words 21, 22
    double           offset;            // words 23, 24
    // clang-format on
};

struct NeedleElement {
    // clang-format off
    ElementHeader    header;            // words 0 to 16
    ValueCallback    value;             // word 17: angle in degrees, clockwise
    const ModuleVar* source;            // word 18: 0
    const void*      nonlinearity;      // word 19: 0
    double           rotation_rate_limit; // words 20, 21
    // clang-format on
};

// Mouse-area list entries, read in order up to the end-of-list entry.
enum MouseRectKind : std::uint32_t {
    // clang-format off
    mouse_end          = 0,
    mouse_region_open  = 1,
    mouse_click_area   = 2,
    mouse_region_close = 3,
    mouse_tooltip      = 4,
    // clang-format on
};
enum HostCursor : std::int32_t {
    // clang-format off
    cursor_none       = -1,
    cursor_up_arrow   = 1,
    cursor_down_arrow = 2,
    cursor_hand       = 5,
    // clang-format on
};
// clang-format off
inline constexpr std::uint32_t mouse_left_single  = 0x20000000;
inline constexpr std::uint32_t mouse_right_single = 0x80000000;
inline constexpr std::uint32_t mouse_repeat       = 0x00200000;
// clang-format on

struct TooltipArgument {
    // clang-format off
    const ModuleVar* source;            // word 0: 0, none
    double           scale;             // words 1, 2
    const void*      lookup_table;      // word 3: 0, none
    TooltipCallback  value;             // word 4
    std::uint32_t    reserved[4];       // words 5 to 8
    // clang-format on
};
// A tooltip argument list ends with an all-zero record.

union MouseAction {
    MouseCallback click;      // click area
    const char* tooltip_text; // tooltip
};

struct MouseRect {
    // clang-format off
    std::uint32_t          kind;            // word 0
    std::int32_t           x, y, width, height; // words 1 to 4
    std::int32_t           cursor;          // word 5
    std::uint32_t          help_id;         // word 6
    std::uint32_t          event_mask;      // word 7
    std::uint32_t          event_id;        // word 8
    MouseAction            action;          // word 9
    const TooltipArgument* tooltip_args;    // word 10: tooltip only
    // clang-format on
};

inline constexpr std::uint32_t gauge_header_version = 800;

struct GaugeHeader {
    // clang-format off
    std::uint32_t          header_version;      // word 0
    const char*            name;                // word 1
    ElementHeader* const*  element_list;        // word 2: exactly one root element
    HeaderRoutine          query_routine;       // word 3
    HeaderRoutineArg       install_routine;     // word 4
    HeaderRoutine          initialize_routine;  // word 5
    HeaderRoutine          update_routine;      // word 6
    HeaderRoutineArg       generate_routine;    // word 7
    HeaderRoutine          draw_routine;        // word 8
    HeaderRoutine          kill_routine;        // word 9
    std::uint32_t          reserved_10;         // word 10
    std::uint32_t          default_size;        // word 11
    std::uint32_t          reserved_12_to_19[8]; // words 12 to 19
    const MouseRect*       mouse_areas;         // word 20
    GaugeCallback          gauge_callback;      // word 21
    std::uint32_t          reserved_22_on[8];   // words 22 to 29
    // clang-format on
};

using ModuleRoutine = void(HOSTCALL*)();

// What a module of this kind states in its Linkage.
inline constexpr std::uint32_t module_identifier = 0x13;
inline constexpr std::uint32_t module_version = 0x0800;

// Exported as Linkage: which gauges the module offers.
struct LinkageRecord {
    // clang-format off
    std::uint32_t       module_id;              // word 0: module_identifier
    ModuleRoutine       module_init;            // word 1
    ModuleRoutine       module_deinit;          // word 2
    std::uint32_t       flags;                  // word 3
    std::uint32_t       reserved;               // word 4
    std::uint32_t       module_version;         // word 5
    const GaugeHeader*  gauge_table[5];         // words 6 to 10: four gauges, then 0
    // clang-format on
};

#if defined(__i386__)
#pragma pack(pop)
#endif
