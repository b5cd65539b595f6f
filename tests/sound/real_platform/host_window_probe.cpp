// Run under a host's executable name with the window class that name should
// lead to: makes main windows of both classes and checks that the lookup
// takes the expected one, and finds nothing once that one is gone.
//
//   <name>.exe EXPECTED_CLASS
#include <cstdio>
#include <cstring>
#include <memory>

#include "sound/host_window.h"
#include "test_host_window.h"

namespace {

constexpr const char* host_window_classes[] = {"FS98MAIN", "MSCFSMAIN"};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: <host name>.exe EXPECTED_CLASS\n");
        return 2;
    }
    const char* expected_class = argv[1];
    std::unique_ptr<TestHostWindow> expected;
    std::unique_ptr<TestHostWindow> other;
    for (const char* window_class : host_window_classes)
        (std::strcmp(window_class, expected_class) == 0 ? expected : other) =
            std::make_unique<TestHostWindow>(window_class);
    if (!expected || !other || expected->handle() == nullptr || other->handle() == nullptr) {
        std::fprintf(stderr, "cannot make the host windows for class %s\n", expected_class);
        return 2;
    }

    int failures = 0;
    const HostWindow found = find_host_window();
    if (found != expected->handle()) {
        std::fprintf(stderr, "found %p, expected the %s window %p (the other is %p)\n", found, expected_class,
                     static_cast<void*>(expected->handle()), static_cast<void*>(other->handle()));
        ++failures;
    }
    expected.reset();
    if (const HostWindow left = find_host_window(); left != nullptr) {
        std::fprintf(stderr, "found %p with no %s window left\n", left, expected_class);
        ++failures;
    }
    std::printf("%s window lookup %s\n", expected_class, failures == 0 ? "passed" : "FAILED");
    return failures == 0 ? 0 : 1;
}
