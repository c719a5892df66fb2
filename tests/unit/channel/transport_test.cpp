// Command texts as delivered, the special results, and the fatal paths of delivery.
#include "channel_fixture.h"
#include "client/channel/primitives.h"
#include "client/include/lumora.h"
#include "client/platform/conventions.h"

namespace lumora::test {
namespace {

using TransportTest = ChannelTest;

TEST_F(TransportTest, SlotCommandWritesItsSlotsAndDeliversThreeBytes) {
    connect();
    open(3);
    fake().results.push_back(77);
    EXPECT_EQ(command_with_int(3, 'B', 22), 77);
    const auto& d = fake().deliveries.back();
    EXPECT_EQ(d.length, 3u);
    EXPECT_EQ(sent(fake().deliveries.size() - 1), std::string("B#\0", 3));
    EXPECT_EQ(d.tag, 1u);
    EXPECT_EQ(d.param1, 22);

    fake().results.push_back(5);
    command_with_3int(3, 'A', 21, -4, 1 << 20);
    const auto& e = fake().deliveries.back();
    EXPECT_EQ(e.param1, 21);
    EXPECT_EQ(e.param2, -4);
    EXPECT_EQ(e.param3, 1 << 20);
}

TEST_F(TransportTest, CharCommandDeliversFourBytes) {
    connect();
    fake().results.push_back(1);
    command_with_char(0, 'E', ' ');
    EXPECT_EQ(fake().deliveries.back().length, 4u);
    EXPECT_EQ(sent(0), std::string("E  \0", 4));
}

TEST_F(TransportTest, SlotCommandToAWindowThatIsNotMappedIsRefused) {
    connect();
    EXPECT_EQ(command_with_int(7, 'A', 2), 0);
    EXPECT_EQ(command_with_2int(64, 'A', 2, 0), 0);
    EXPECT_TRUE(fake().deliveries.empty());
}

TEST_F(TransportTest, ExactlyTwoHundredFiftySixBytesAreSentOneMoreEndsTheProgram) {
    connect();
    fake().results.push_back(9);
    EXPECT_EQ(deliver_command(256), 9);
    EXPECT_EQ(fake().deliveries.back().length, 256u);

    std::memcpy(client_state().command_buffer, "XYZ", 4);
    EXPECT_EQ(exit_status_of([] { deliver_command(257); }), 1);
    ASSERT_EQ(fake().error_lines.size(), 1u);
    EXPECT_EQ(fake().error_lines[0], "Internal buffer overflow[XYZ]");
    EXPECT_EQ(fake().deliveries.size(), 1u);
    EXPECT_EQ(block_table().process_block.data, nullptr);
}

TEST_F(TransportTest, FormattedTextThatDoesNotFitIsAnOverflow) {
    connect();
    const std::string title(300, 't');
    EXPECT_EQ(exit_status_of([&] { deliver_formatted("I,0,%s", title.c_str()); }), 1);
    ASSERT_EQ(fake().error_lines.size(), 1u);
    EXPECT_EQ(fake().error_lines[0].substr(0, 30), "Internal buffer overflow[I,0,t");
    EXPECT_TRUE(fake().deliveries.empty());
}

TEST_F(TransportTest, OverflowStaysEnglishUnderJapaneseCodePage) {
    connect();
    client_state().ansi_code_page = 932;
    std::memcpy(client_state().command_buffer, "Q", 2);
    exit_status_of([] { deliver_command(300); });
    EXPECT_EQ(fake().error_lines.at(0), "Internal buffer overflow[Q]");
}

TEST_F(TransportTest, NotConnectedGivesTheNotConnectedResultWithoutSending) {
    EXPECT_EQ(deliver_command(3), kNotConnected);
    EXPECT_EQ(check_result(kNotConnected), kNotConnected);
    EXPECT_TRUE(fake().deliveries.empty());
}

TEST_F(TransportTest, OrdinaryAndReservedResultsPassThrough) {
    EXPECT_EQ(check_result(-32767), -32767);
    EXPECT_EQ(check_result(-32768), -32768);
    EXPECT_EQ(check_result(INT32_MIN + 6), INT32_MIN + 6);
    EXPECT_EQ(check_result(0), 0);
    EXPECT_EQ(check_result(kTrue), 1);
}

TEST_F(TransportTest, EndedAbnormallyReportsAndExitsWithOne) {
    connect();
    open(2);
    EXPECT_EQ(exit_status_of([] { check_result(kEndedAbnormally); }), 1);
    EXPECT_EQ(fake().error_lines.at(0), "Ended abnormally.");
    EXPECT_EQ(block_table().open_count, 0);
}

TEST_F(TransportTest, QuitRequestSendsLWithModeZeroAndExitsWithZero) {
    connect();
    open(2);
    client_state().quoted_command_line = 1;
    EXPECT_EQ(exit_status_of([] { check_result(kQuitRequested); }), 0);
    EXPECT_EQ(sent(fake().deliveries.size() - 1), std::string("L,0,\0", 5));
    EXPECT_EQ(fake().output, "");  // mode 0 never waits for Enter
}

TEST_F(TransportTest, ExitRequestReleasesAndExitsWithZero) {
    connect();
    open(2);
    EXPECT_EQ(exit_status_of([] { check_result(kExitRequested); }), 0);
    EXPECT_EQ(block_table().open_count, 0);
    EXPECT_TRUE(fake().error_lines.empty());
}

TEST_F(TransportTest, DisconnectEndsTheConnectionButTheProgramGoesOn) {
    connect();
    open(2);
    fake().results.push_back(kDisconnected);
    EXPECT_EQ(command_with_int(2, 'A', 2), 0);
    EXPECT_EQ(block_table().window_handle, 0);
    EXPECT_EQ(deliver_command(3), kNotConnected);
}

TEST_F(TransportTest, VanishedWindowProcessEndsTheProgram) {
    connect();
    open(2);
    fake().dead.insert(block_table().window_handle);
    EXPECT_EQ(exit_status_of([] { command_with_int(2, 'A', 2); }), 1);
    EXPECT_EQ(fake().error_lines.at(0), "The window was closed.");
    EXPECT_EQ(block_table().process_number, 0);
}

// 0x80000000 is also a result the window process may give: as an answer it is returned
// as it is, whether the window process is still there afterwards or not.
TEST_F(TransportTest, AnAnsweredLowestValueIsReturnedRaw) {
    connect();
    open(2);
    fake().results.push_back(kNotConnected);
    EXPECT_EQ(command_with_int(2, 'A', 2), kNotConnected);
    EXPECT_NE(block_table().window_handle, 0);

    fake().results.push_back(kNotConnected);
    fake().on_deliver = [&](const platform::Delivery&) {
        fake().dead.insert(block_table().window_handle);
    };
    EXPECT_EQ(exit_status_of([] { EXPECT_EQ(command_with_int(2, 'A', 2), kNotConnected); }), -1);
    EXPECT_TRUE(fake().error_lines.empty());
}

TEST_F(TransportTest, ACommandLeftUnansweredEndsTheProgram) {
    connect();
    open(2);
    fake().on_deliver = [&](const platform::Delivery&) {
        fake().dead.insert(block_table().window_handle);
    };
    EXPECT_EQ(exit_status_of([] { command_with_int(2, 'A', 2); }), 1);
    EXPECT_EQ(fake().error_lines.at(0), "The window was closed.");
    EXPECT_EQ(block_table().process_number, 0);
}

// The window process may end once it has 'L': quit returns what it answered and the
// program goes on.
TEST_F(TransportTest, QuitReturnsTheRawAnswerOfAWindowProcessThatEndsAfterIt) {
    connect();
    open(2);
    fake().results.push_back(kNotConnected);
    fake().on_deliver = [&](const platform::Delivery&) {
        fake().dead.insert(block_table().window_handle);
    };
    int result = 0;
    EXPECT_EQ(exit_status_of([&] { result = lu_quit(); }), -1);
    EXPECT_EQ(result, kNotConnected);
    EXPECT_EQ(sent(fake().deliveries.size() - 1), std::string("L,1,\0", 5));
    EXPECT_TRUE(fake().error_lines.empty());
    EXPECT_EQ(block_table().process_number, 0);
}

TEST_F(TransportTest, QuitThatGetsNoAnswerReturnsZeroAndTheProgramGoesOn) {
    connect();
    open(2);
    fake().on_deliver = [&](const platform::Delivery&) {
        fake().dead.insert(block_table().window_handle);
    };
    int result = -1;
    EXPECT_EQ(exit_status_of([&] { lu_quit_(&result); }), -1);
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(fake().deliveries.back().answered);
    EXPECT_TRUE(fake().error_lines.empty());
    EXPECT_EQ(block_table().open_count, 0);
}

TEST_F(TransportTest, VanishedBeforeTheHandshakeNamesTheLaunch) {
    connect();
    fake().dead.insert(block_table().window_handle);
    EXPECT_EQ(exit_status_of([] { deliver_formatted("K,%d,", 1); }), 1);
    const std::string program = platform::kWindowProgramName;
    EXPECT_EQ(fake().error_lines.at(0),
              "Failed to launch " + program + ".\nCheck if " + program + " alives as a zombi!!");
}

}  // namespace
}  // namespace lumora::test
