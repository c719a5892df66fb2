// start_window_process hands the option text and the located window program to the
// platform, and locates the program only when the platform starts it.
#include <cstring>

#include "client/channel/launcher.h"
#include "launch_fixture.h"

namespace lumora::test {
namespace {

using LauncherTest = LaunchTest;

TEST_F(LauncherTest, StartsTheLocatedWindowProgramWithTheOptions) {
    const std::string program = "D" + kSep + platform::kWindowProgramName;
    fake().environment["LUMORADIR"] = "D";
    fake().existing_paths = {program};
    std::strcpy(client_state().window_command_line, " /t /B /a4");
    std::size_t probes_at_launch = 0;
    fake().on_launch = [&](const platform::Launch&) {
        probes_at_launch = fake().probed_paths.size();
    };

    EXPECT_EQ(start_window_process(), 0);
    ASSERT_EQ(fake().launches.size(), 1u);
    EXPECT_EQ(fake().launches[0].program, program);
    EXPECT_EQ(fake().launches[0].options, " /t /B /a4");
    EXPECT_EQ(probes_at_launch, 1u);
}

TEST_F(LauncherTest, AProgramNotFoundEndsTheRunBeforeAnythingStarts) {
    fake().environment["PATH"] = "F";
    EXPECT_EQ(exit_status_of([] { start_window_process(); }), 1);
    EXPECT_TRUE(fake().launches.empty());
    const std::string searched = platform::kSearchesCurrentDirectory ? "., F" : "F";
    EXPECT_EQ(message(),
              std::string(platform::kWindowProgramName) + ": not found on the search path." +
                  (platform::kNativeSearch.lists_places_searched ? "\nSearched: " + searched : ""));
}

}  // namespace
}  // namespace lumora::test
