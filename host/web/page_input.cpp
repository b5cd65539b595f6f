#include "host/web/page_input.h"

#include "host/panel/mouse_areas.h"

void PageInput::apply(BenchSession& session)
{
    // A crashed module is called no more; its picture stays until a new start.
    if (session.crash()) {
        events_.clear();
        return;
    }
    for (const PageEvent& event : events_) {
        switch (event.kind) {
        case PageEventKind::move:
            session.pointer_moved(event.point);
            cursor_ = cursor_name(session.cursor_at(event.point));
            break;
        case PageEventKind::leave:
            session.pointer_left();
            cursor_ = "none";
            break;
        case PageEventKind::down:
            session.pointer_moved(event.point);
            session.button_down(event.point, event.button);
            break;
        case PageEventKind::up:
            session.button_up();
            break;
        case PageEventKind::key:
            session.key(event.key);
            break;
        }
    }
    events_.clear();
}
