// Cairo's and fontconfig's caches given back once every test has drawn,
// as the timeline tool does at exit, so that the leak checker of the
// sanitized build sees only what the tests themselves leave.
#include <gtest/gtest.h>

#include <cairo.h>
#include <fontconfig/fontconfig.h>

namespace {

class FontCaches : public ::testing::Environment {
public:
    void TearDown() override
    {
        cairo_debug_reset_static_data();
        FcFini();
    }
};

const auto* const font_caches = ::testing::AddGlobalTestEnvironment(new FontCaches);

} // namespace
