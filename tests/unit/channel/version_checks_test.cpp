// The version comparison and the four compatibility probes.
#include "client/channel/version_checks.h"
#include "channel_fixture.h"
#include "client/platform/conventions.h"

namespace lumora::test {
namespace {

using VersionTest = ChannelTest;

int check_against(const char* version) {
    std::snprintf(block_table().process_version, sizeof block_table().process_version, "%s",
                  version);
    return check_window_program_version();
}

TEST_F(VersionTest, EqualOrOnlyLastNumberDifferentGivesNoWarning) {
    EXPECT_EQ(check_against("0,9,9,9a"), 0);
    EXPECT_EQ(check_against("0,9,9,9b"), 1);
    EXPECT_EQ(check_against("0,9,9,8"), 1);
    EXPECT_TRUE(fake().error_lines.empty());
}

TEST_F(VersionTest, OlderProgramNewerProgramAndFieldCountWarn) {
    EXPECT_EQ(check_against("0,9,8,9"), 0);
    EXPECT_EQ(check_against("0,9,10,0"), 0);
    EXPECT_EQ(check_against("0,9,9"), 0);
    // The messages name the program this system runs: luwnd.exe or luwnd.
    const std::string program = platform::kWindowProgramName;
    const std::vector<std::string> want = {
        "WARNING:  " + program + " [0,9,8,9] is older than the linked Lumora library [0,9,9,9a].",
        "WARNING:  The linked Lumora library [0,9,9,9a] is older than " + program + " [0,9,10,0].",
        "WARNING:  " + program + " is older than the linked Lumora library [0,9,9,9a].",
    };
    EXPECT_EQ(fake().error_lines, want);
}

TEST_F(VersionTest, JapaneseWarningsTakeTheirArgumentsInTheirOwnOrder) {
    client_state().ansi_code_page = 932;
    check_against("0,9,8,9");
    check_against("0,9,10,0");
    check_against("1");
    ASSERT_EQ(fake().error_lines.size(), 3u);
    // Each begins with the argument its wording puts first.
    EXPECT_EQ(fake().error_lines[0].rfind("\x83\x89\x83"
                                          "C\x83u\x83\x89\x83\x8a [0,9,9,9a]",
                                          0),
              0u);
    EXPECT_EQ(
        fake().error_lines[1].rfind(std::string(platform::kWindowProgramName) + " [0,9,10,0]", 0),
        0u);
    EXPECT_NE(fake().error_lines[2].find("[0,9,9,9a]"), std::string::npos);
}

TEST_F(VersionTest, ProbesPassAgainstTheCoreAndSetTheCopyDataRecord) {
    fake().start_server();
    ASSERT_NE(find_window_process(), 0);
    check_system_compatibility();
    EXPECT_EQ(client_state().copy_data.tag, 1u);
    ASSERT_EQ(fake().deliveries.size(), 4u);
    EXPECT_EQ(fake().deliveries[0].length, 8u);
    EXPECT_EQ(fake().deliveries[2].length, 12u);
    const std::uint8_t probe0[] = {'O', ',', '0', 0, 0x00, 0x09, 0, 0};
    EXPECT_EQ(fake().deliveries[0].bytes, std::vector<std::uint8_t>(probe0, probe0 + 8));
    const std::uint8_t probe2[] = {'O',  ',',  '2',  0,    0x18, 0x2D,
                                   0x44, 0x54, 0xFB, 0x21, 0x09, 0xC0};
    EXPECT_EQ(fake().deliveries[2].bytes, std::vector<std::uint8_t>(probe2, probe2 + 12));
    EXPECT_TRUE(fake().error_lines.empty());
}

TEST_F(VersionTest, EachFailedProbeHasItsOutcome) {
    struct Case {
        std::deque<std::int32_t> results;
        int status;
        const char* text;
    };
    const Case cases[] = {
        {{0}, 1, "Incompatible library version."},
        {{224, 0}, 1, "This system is not supported (reason code = 1)."},
        {{224, 256, 0}, 1, "This system is not supported (reason code = 2)."},
        {{224, 256, INT32_MAX, 0}, -1, "This system is not supported (reason code = 3)."},
    };
    for (const Case& c : cases) {
        reset_client_state();
        client_state().use_message_box = 0;
        fake().host().destroy_block("LuWnd1");
        fake().error_lines.clear();
        connect();
        fake().results = c.results;
        EXPECT_EQ(exit_status_of([] { check_system_compatibility(); }), c.status) << c.text;
        ASSERT_EQ(fake().error_lines.size(), 1u);
        EXPECT_EQ(fake().error_lines[0], c.text);
    }
}

TEST_F(VersionTest, NotConnectedFailsTheFirstProbe) {
    EXPECT_EQ(exit_status_of([] { check_system_compatibility(); }), 1);
    EXPECT_EQ(fake().error_lines.at(0), "Incompatible library version.");
}

}  // namespace
}  // namespace lumora::test
