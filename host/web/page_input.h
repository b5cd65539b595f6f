// The page's input: the events the page's script hands over as they come
// (pointer, buttons, keys, in panel pixels and the bench's key names), kept
// until the start of the next frame and applied there, in the order they
// came, to the bench session. The one place the page's input reaches the
// panel.
#pragma once

#include <string>
#include <vector>

#include "host/bench/session.h"

enum class PageEventKind { move, leave, down, up, key };

struct PageEvent {
    PageEventKind kind = PageEventKind::move;
    PixelPoint point{};
    MouseButton button = MouseButton::left;
    std::string key; // for PageEventKind::key: "Up", "PgUp", "B", "+", "Esc", ...
};

class PageInput {
public:
    void add(PageEvent event) { events_.push_back(std::move(event)); }
    // Hands every event kept to the session, oldest first, and forgets them.
    void apply(BenchSession& session);
    // The cursor the page shows over the panel: "none", "hand", "up_arrow", ...
    const char* cursor() const { return cursor_; }

private:
    std::vector<PageEvent> events_;
    const char* cursor_ = "none";
};
