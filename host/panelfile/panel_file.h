// A simulator's panel configuration file (panel.cfg), as this host reads it.
// This is the one place that says what the format is.
//
// Lines of text, in sections:
//   [NAME]              starts a section; names and keys compare without
//                       regard to case
//   KEY=VALUE           a key of the section it stands in; blanks around the
//                       key and the value do not count
//   // or ;             starts a comment, to the end of the line
//
// The sections and keys this host reads:
//   [fltsim]
//     alias=FOLDER      the panel is another aircraft's: FOLDER\panel.cfg,
//                       FOLDER counted from the simulator's Aircraft folder;
//                       a simulator reads nothing else of this file
//   [Window Titles]
//     windowNN=TITLE    the windows the panel has; each needs its section
//   [WindowNN]          one panel window
//     file=BITMAP.bmp   the background, in the panel's folder, drawn under
//                       the gauges and stretched over the design space
//     file_1024=BITMAP.bmp  the background on screens at least 1024 pixels
//                       wide (any width: the widest that fits is taken)
//     size_mm=W,H       the design space the gauges' places and sizes are
//                       in; W alone (or a height of 0): the height follows
//                       the background's proportions; 0,0 or absent: the
//                       background's own size, else as far as the gauges
//                       reach; at most panel_side_limit (8192) a side
//     window_size=W,H   the window's share of the screen (0 to 1 each); W
//                       alone leaves the height to the simulator
//     position=N        the window's place on the screen, 0 to 8
//     gaugeNN=MODULE!GAUGE, X, Y[, W[, H[, PARAMETER]]]
//                       a gauge of the module file MODULE (SUB\MODULE: in
//                       the gauges folder's SUB): top-left corner at X, Y;
//                       W alone or an empty H keeps the gauge's own aspect
//                       ratio, no W gives its own size; the parameter is
//                       the rest of the line, for the gauge; W and H at
//                       most 8192, at most window_gauge_limit (10000)
//                       gauges a window. Numbered from
//                       00 without gaps or repeats: a simulator reads the
//                       first line of a number and stops at the first
//                       number missing.
//     (the other keys a window has, such as visible or ident, are known and
//      do not matter to a panel drawn on its own)
//   [VCockpitNN]        gauges drawn onto the aircraft's 3D cockpit: read
//                       and checked as a window's, not drawn by this host
// Any other section is left alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A message about one line (0: about the file as a whole). Problems are
// what keeps a gauge from showing as the file means it; notes are told but
// change nothing.
struct PanelFileMessage {
    int line = 0;
    bool problem = true;
    std::string text;
};

struct PanelGaugeLine {
    int line = 0;
    int number = 0;     // NN of gaugeNN
    std::string module; // file name without its extension
    std::string gauge;
    int x = 0, y = 0;
    std::optional<int> width;
    std::optional<int> height;
    std::string parameter; // empty when none
};

// A side of 0 is not given: it follows the background or the gauges.
struct PanelExtent {
    int width = 0, height = 0;
};

// file= (for every screen) or file_NNNN= (for screens NNNN pixels wide
// and wider).
struct PanelBackground {
    int screen_width = 0;
    std::string file;
    int line = 0;
};

// The screen width the host draws a panel for, as a simulator on a screen
// of this width would: it picks the background files by it.
inline constexpr int bench_screen_width = 1024;

struct PanelWindow {
    std::string name;     // as the section header writes it
    int line = 0;         // of the section header
    bool virtual_cockpit = false; // [VCockpitNN]
    std::vector<PanelBackground> backgrounds;
    std::optional<PanelExtent> size_mm; // never 0 on both sides
    int size_mm_line = 0;
    std::optional<double> window_width, window_height; // window_size=
    std::optional<int> position;
    std::vector<PanelGaugeLine> gauges; // by number, up to the first gap

    // The background a simulator on a screen this wide shows; null if none.
    const PanelBackground* background(int screen_width = bench_screen_width) const;
};

struct PanelFile {
    std::vector<PanelWindow> windows; // in file order, virtual cockpits too
    std::optional<std::string> alias;
    int alias_line = 0;
    std::vector<PanelFileMessage> messages; // by line

    const PanelWindow* window(std::string_view name) const;
    int problems() const;
    // The gauge lines its windows keep, all windows together.
    int gauge_lines() const;
};

// Never fails: what cannot be read gets a message and the rest is read.
// The bytes may be in any encoding an editor saves (host/panelfile/panel_text.h).
PanelFile read_panel_text(std::string_view bytes);
// The same from a file; a file that cannot be read gets a line-0 message.
PanelFile read_panel_file(const std::string& path);

// Gauges a window holds at most; gauge lines numbered from here on are a
// problem and are not read. Each placed gauge keeps its face at its own
// size and at its placed size.
inline constexpr int window_gauge_limit = 10000;

// Panel files bigger than this are not read: no panel has one.
inline constexpr std::size_t panel_file_max_bytes = 16u << 20;
