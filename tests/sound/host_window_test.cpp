// Which main window the host's executable name leads to.
#include "sound/host_window.h"
#include "sound_test_fixture.h"

namespace {

using HostWindowLookup = SoundTest;

struct NameCase {
    const char* file_name;
    const char* window_class;
};

// The rules are tried in order: the fourth character '2', the first 'C',
// the third '2', and otherwise the classic class.
TEST_F(HostWindowLookup, TheExecutableNameChoosesTheWindowClass)
{
    const NameCase cases[] = {
        {"AB12", "MSCFSMAIN"},  {"Cabin", "MSCFSMAIN"}, {"AB2X", "FS98MAIN"}, {"host", "FS98MAIN"},

        {"C2X2", "MSCFSMAIN"}, // fourth character before first
        {"C12", "MSCFSMAIN"},  // first character before third
        {"X2X2", "MSCFSMAIN"}, // fourth character before third

        {"cabin", "FS98MAIN"}, // compared exactly
        {"AB12x", "MSCFSMAIN"}, {"XY2", "FS98MAIN"},    {"AB", "FS98MAIN"},   {"C", "MSCFSMAIN"},
        {"", "FS98MAIN"},       {"2222", "MSCFSMAIN"},
    };
    platform.windows["MSCFSMAIN"] = later_window;
    for (const NameCase& name_case : cases) {
        SCOPED_TRACE(name_case.file_name);
        platform.executable_path = std::string("E:\\Games\\") + name_case.file_name + ".exe";

        EXPECT_EQ(find_host_window(), platform.windows.at(name_case.window_class));
    }
}

TEST_F(HostWindowLookup, OnlyTheFileNameCounts)
{
    platform.windows["MSCFSMAIN"] = later_window;
    platform.executable_path = "C:\\X2\\C2\\host.exe";
    EXPECT_EQ(find_host_window(), classic_window);

    platform.executable_path = "D:\\Sim\\AB12.C2X2";
    EXPECT_EQ(find_host_window(), later_window);
}

TEST_F(HostWindowLookup, AWindowOfTheOtherClassIsNotTaken)
{
    platform.windows = {{"MSCFSMAIN", later_window}};
    EXPECT_EQ(find_host_window(), nullptr);
}

TEST_F(HostWindowLookup, AnExecutablePathThatCannotBeReadWholeStillLooksForTheClassicWindow)
{
    platform.windows["MSCFSMAIN"] = later_window;
    platform.executable_path = "D:\\" + std::string(300, 'a') + "\\AB12.exe";
    EXPECT_EQ(find_host_window(), classic_window);

    platform.executable_path = "D:\\Sim\\AB12.exe";
    platform.fail_next(SoundCall::executable_path);
    EXPECT_EQ(find_host_window(), classic_window);
}

} // namespace
