// The inspection on real executables: console and GUI programs built for this test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "client/channel/client_state.h"
#include "client/platform/platform.h"
#include "client/windows/executable_inspection.h"

namespace lumora::test {
namespace {

#ifdef _WIN32

std::string beside_this_test(const std::string& program) {
    char self[1024];
    platform::native().module_file_name(self, sizeof self);
    return (std::filesystem::path(self).parent_path() / program).string();
}

TEST(ProgramKind, GuiAndConsoleProgramsAreTold) {
    reset_client_state();
    EXPECT_EQ(is_gui_program(beside_this_test("launch_probe.exe").c_str()), 1);
    EXPECT_EQ(is_gui_program(beside_this_test("console_probe.exe").c_str()), 0);
    char self[1024];
    platform::native().module_file_name(self, sizeof self);
    EXPECT_EQ(message_box_wanted(self), 0);
}

#else

// A native program is a console program, whatever its file holds.
TEST(ProgramKind, NativeProgramsAreConsolePrograms) {
    char self[1024];
    ASSERT_GT(platform::native().module_file_name(self, sizeof self), 0u);
    EXPECT_EQ(message_box_wanted(self), 0);
}

#endif

}  // namespace
}  // namespace lumora::test
