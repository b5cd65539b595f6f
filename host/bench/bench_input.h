// The person's input as the bench's screen (the window, the web page)
// received it: kept in the order it came until the session takes it at the
// start of the next frame. The screen only queues; nothing it receives
// reaches the panel before then.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/panel/mouse_areas.h"

// ORDER: the web page's script numbers the kinds in this order.
enum class BenchInputKind { move, leave, down, up, key, close };

struct BenchInput {
    BenchInputKind kind = BenchInputKind::move;
    PixelPoint point{}; // in panel pixels
    MouseButton button = MouseButton::left;
    std::string key{}; // as the key table names it: "Up", "PgUp", "B", "+", "Esc", ...
};

class BenchInputQueue {
public:
    void add(BenchInput input) { inputs_.push_back(std::move(input)); }
    void pointer_moved(PixelPoint at) { add({.kind = BenchInputKind::move, .point = at}); }
    void pointer_left() { add({.kind = BenchInputKind::leave}); }
    void button_down(PixelPoint at, MouseButton button)
    {
        add({.kind = BenchInputKind::down, .point = at, .button = button});
    }
    void button_up() { add({.kind = BenchInputKind::up}); }
    void key(std::string name) { add({.kind = BenchInputKind::key, .key = std::move(name)}); }
    void close() { add({.kind = BenchInputKind::close}); }

    // Everything kept, oldest first, and forgotten.
    std::vector<BenchInput> take() { return std::exchange(inputs_, {}); }
    // What another queue kept, after this one's.
    void take_from(BenchInputQueue& other)
    {
        for (BenchInput& input : other.take())
            add(std::move(input));
    }
    bool closing() const
    {
        for (const BenchInput& input : inputs_)
            if (input.kind == BenchInputKind::close)
                return true;
        return false;
    }

private:
    std::vector<BenchInput> inputs_;
};
