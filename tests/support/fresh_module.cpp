#include "tests/support/fresh_module.h"

#include <gtest/gtest.h>

namespace {

// The module as if loaded afresh, on a sound platform with nothing in it,
// before each suite (whose set-up may fly a scenario) and each test.
class FreshModuleForEveryTest : public ::testing::EmptyTestEventListener {
    void OnTestSuiteStart(const ::testing::TestSuite&) override { load_afresh(); }
    void OnTestStart(const ::testing::TestInfo&) override { load_afresh(); }

    static void load_afresh() { load_linked_module_afresh(); }
};

const bool listener_installed = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshModuleForEveryTest);
    return true;
}();

} // namespace
