// A fresh lu_initialize through the fake platform: the search for an idle window process,
// the start when there is none, the checks and the handshake, and its fatal ends.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "../channel/channel_fixture.h"
#include "client/channel/version_checks.h"
#include "client/include/lumora.h"
#include "client/platform/conventions.h"

namespace lumora::test {
namespace {

const std::string kSep(1, platform::kDirectorySeparator);

// The smallest executable image the program-kind check reads: a console program.
std::vector<std::uint8_t> console_image() {
    constexpr std::size_t kNt = 0x80;
    std::vector<std::uint8_t> image(kNt + 4 + 20 + 224, 0);
    image[0] = 'M';
    image[1] = 'Z';
    image[60] = kNt;
    image[kNt] = 'P';
    image[kNt + 1] = 'E';
    image[kNt + 4 + 20 + 68] = 3;  // the console subsystem
    return image;
}

class InitializeTest : public ChannelTest {
  protected:
    void SetUp() override {
        ChannelTest::SetUp();
        program_ = "app" + kSep + "prog.exe";
        fake().module_file = program_;
        fake().files[program_] = console_image();
        fake().existing_paths.insert("app" + kSep + platform::kWindowProgramName);
    }

    // The window program the fake starts publishes its block at once.
    void start_server_on_launch() {
        fake().on_launch = [this](const platform::Launch&) { fake().start_server(); };
    }

    // How many process blocks the client asked for: one search asks LuWnd1 ... until it
    // finds an idle one, all sixteen when there is none.
    int process_block_lookups() {
        int count = 0;
        for (const std::string& name : fake().opened) {
            if (name.find(':') == std::string::npos) ++count;
        }
        return count;
    }

    std::string handshake_text() const {
        return "K," + std::to_string(block_table().connection_id) + ",work;" + program_ +
               ";Version  0.99.9a";
    }

    std::string program_;
};

TEST_F(InitializeTest, ProbesComeBeforeTheHandshakeWithItsExactBytes) {
    fake().start_server();
    EXPECT_EQ(lu_initialize_defaults(), 1);
    const auto& d = fake().deliveries;
    ASSERT_EQ(d.size(), 5u);
    const std::vector<std::vector<std::uint8_t>> probes = {
        {'O', ',', '0', 0, 0x00, 0x09, 0x00, 0x00},  // 2304, the window block's size
        {'O', ',', '1', 0, 0xD8, 0x0F, 0x49, 0xC0},
        {'O', ',', '2', 0, 0x18, 0x2D, 0x44, 0x54, 0xFB, 0x21, 0x09, 0xC0},
        {'O', ',', '3', 0, 0xE4, 0xE9, 0x1D, 0x41},
    };
    for (std::size_t i = 0; i < probes.size(); ++i) {
        EXPECT_EQ(d[i].bytes, probes[i]) << "probe " << i;
        EXPECT_EQ(d[i].tag, kCopyDataTag);
    }
    const std::string text = handshake_text();
    EXPECT_EQ(sent(4), text + '\0');
    EXPECT_EQ(d[4].length, text.size() + 1);
    EXPECT_EQ(d[4].result, block_table().connection_id);
    EXPECT_TRUE(fake().launches.empty());
    EXPECT_STREQ(client_state().program_file_name, program_.c_str());
    EXPECT_TRUE(fake().core()->client_connected());
}

TEST_F(InitializeTest, ASecondCallWhileConnectedReturnsZeroAndSendsNothing) {
    fake().start_server();
    ASSERT_EQ(lu_initialize_defaults(), 1);
    fake().deliveries.clear();
    fake().opened.clear();
    EXPECT_EQ(lu_initialize(31, 0, 0, 640, 480, 4, 0, 1, 96), 0);
    EXPECT_TRUE(fake().deliveries.empty());
    EXPECT_TRUE(fake().opened.empty());
    EXPECT_TRUE(fake().launches.empty());
    EXPECT_EQ(block_table().process_number, 1);
}

TEST_F(InitializeTest, AnIdleProcessIsUsedAndNothingIsStarted) {
    // Process 1 is taken by another program; process 2 is idle.
    std::uint8_t* busy = fake().host().create_block("LuWnd1", 4096);
    ASSERT_NE(busy, nullptr);
    std::memcpy(busy, "1,77,5,0,9,9,9a", 16);
    ASSERT_EQ(fake().start_server(), 2);
    EXPECT_EQ(lu_initialize(31, 0, 0, 640, 480, -1, -1, -1, -1), 2);
    EXPECT_TRUE(fake().launches.empty());
    EXPECT_EQ(process_block_lookups(), 2);
    EXPECT_EQ(fake().deliveries.size(), 5u);  // the options are not passed on as commands
}

TEST_F(InitializeTest, ALaunchIsFollowedByExactlyOneSearch) {
    start_server_on_launch();
    EXPECT_EQ(lu_initialize(0, -1, -1, 320, 200, -1, -1, -1, -1), 1);
    ASSERT_EQ(fake().launches.size(), 1u);
    EXPECT_EQ(fake().launches[0].program, "app" + kSep + platform::kWindowProgramName);
    EXPECT_EQ(fake().launches[0].options, " /T /B /R /I /L /s320,200");
    EXPECT_EQ(process_block_lookups(), 16 + 1);  // none at first, then the new one at once
    EXPECT_EQ(sent(fake().deliveries.size() - 1), handshake_text() + '\0');
}

TEST_F(InitializeTest, NoProcessAfterTheStartEndsTheRunWithoutWaiting) {
    EXPECT_EQ(exit_status_of([] { lu_initialize_defaults(); }), 1);
    EXPECT_EQ(fake().launches.size(), 1u);
    EXPECT_EQ(process_block_lookups(), 16 + 16);  // one search before, one after
    ASSERT_EQ(fake().error_lines.size(), 1u);
    EXPECT_EQ(fake().error_lines[0], std::string("Cannot execute ") + platform::kWindowProgramName +
                                         " to open the graphics window.");
    EXPECT_TRUE(fake().deliveries.empty());
    EXPECT_EQ(block_table().process_number, 0);
}

TEST_F(InitializeTest, AHandshakeAnsweredWithAnotherNumberEndsTheRun) {
    fake().start_server();
    fake().on_deliver = [this](const platform::Delivery& d) {
        if (!d.bytes.empty() && d.bytes[0] == 'K') fake().results.push_back(12345);
    };
    EXPECT_EQ(exit_status_of([] { lu_initialize_defaults(); }), 1);
    ASSERT_EQ(fake().error_lines.size(), 1u);
    EXPECT_EQ(fake().error_lines[0], "Failed to initialize the graphics window.");
    EXPECT_EQ(fake().deliveries.back().bytes[0], 'K');
    EXPECT_EQ(block_table().process_number, 0);
    EXPECT_EQ(block_table().process_block.data, nullptr);
}

TEST_F(InitializeTest, AQuotedCommandLineIsNotedAndNeverForgotten) {
    fake().start_server();
    fake().command = "prog.exe \"quoted later\"";
    ASSERT_EQ(lu_initialize_defaults(), 1);
    EXPECT_EQ(client_state().quoted_command_line, 0);
    release_blocks(-1);
    fake().core()->client_gone();  // idle again for the next connection

    fake().command = "\"C:\\some dir\\prog.exe\" arg";
    ASSERT_EQ(lu_initialize_defaults(), 1);
    EXPECT_EQ(client_state().quoted_command_line, 1);
    release_blocks(-1);
    fake().core()->client_gone();

    fake().command = "prog.exe";
    ASSERT_EQ(lu_initialize_defaults(), 1);
    EXPECT_EQ(client_state().quoted_command_line, 1);
}

}  // namespace
}  // namespace lumora::test
