// The entry points without logic of their own, and the rules all reference forms share.
#include <climits>

#include "channel_fixture.h"
#include "client/include/lumora.h"

namespace lumora::test {
namespace {

using BindingTest = ChannelTest;

TEST_F(BindingTest, NextWindowWalksTheOpenWindows) {
    connect();
    open(2);
    open(5);
    EXPECT_EQ(lu_next_window(0), 2);
    EXPECT_EQ(lu_next_window(2), 5);
    EXPECT_EQ(lu_next_window(5), 0);
    EXPECT_EQ(lu_next_window(63), 0);
    EXPECT_EQ(lu_next_window(-1), 0);
    EXPECT_EQ(lu_next_window(1000), 0);
    EXPECT_EQ(lu_next_window(INT_MAX), 0);  // n + 1 would overflow
    EXPECT_EQ(lu_first_window(), 2);
    int result = -9;
    const int n = 2;
    EXPECT_EQ(lu_next_window_(&result, &n), 5);
    EXPECT_EQ(result, 5);
    EXPECT_EQ(lu_first_window_(&result), 2);
    EXPECT_EQ(result, 2);
}

TEST_F(BindingTest, CommandBSixteenTakesOneToEight) {
    connect();
    open(2);
    int result = -9;
    for (int v : {0, 9, -1}) {
        EXPECT_EQ(lu_send_command_b16_(&result, &v), 0);
        EXPECT_EQ(result, 0);  // the result variable gets 0 too
    }
    EXPECT_TRUE(fake().deliveries.size() == 1u);  // only the open so far
    fake().results = {31};
    EXPECT_EQ(lu_send_command_b16(8), 31);
    EXPECT_EQ(fake().deliveries.back().param1, 16);
    EXPECT_EQ(fake().deliveries.back().param2, 8);
}

TEST_F(BindingTest, CommandGCodesAreMappedIntoTheirRanges) {
    connect();
    open(2);
    open(4);
    const int cases[][2] = {{0, 0}, {14, 14}, {15, -1}, {-3, -1}};
    for (const auto& c : cases) {
        fake().results = {1};
        lu_send_command_g(c[0]);
        EXPECT_EQ(fake().deliveries.back().param1, c[1]) << c[0];
        EXPECT_EQ(fake().deliveries.back().bytes[1], '$');  // current window 4
    }
    const int g15[][2] = {{0, 15}, {10, 25}, {11, -2}, {-1, -2}};
    for (const auto& c : g15) {
        fake().results = {1};
        int result = 0;
        const int w = 2;
        lu_send_command_g15_(&result, &w, &c[0]);
        EXPECT_EQ(fake().deliveries.back().param1, c[1]) << c[0];
        EXPECT_EQ(fake().deliveries.back().bytes[1], '"');  // window 2
        EXPECT_EQ(result, 1);
    }
}

TEST_F(BindingTest, QueryE14ReadsResultThreeAndOneOnSuccess) {
    connect();
    const int w = open(2);
    layout::write_i32(window_block(w), layout::kResult1, 111);
    layout::write_i32(window_block(w), layout::kResult3, 333);
    int a = 0;
    int b = 0;
    fake().results = {1};
    EXPECT_EQ(lu_query_e14(&a, &b), w);
    EXPECT_EQ(a, 333);
    EXPECT_EQ(b, 111);
    a = b = -1;
    fake().results = {-4};
    EXPECT_EQ(lu_query_e14(&a, &b), -4);
    EXPECT_EQ(a, -1);
    fake().results = {1};
    EXPECT_EQ(lu_query_e14(nullptr, nullptr), w);
}

TEST_F(BindingTest, QuitRunsOnceAndNormalizesItsLogicalFlag) {
    connect();
    open(2);
    int result = -1;
    const int five = 5;
    fake().results = {77};
    EXPECT_EQ(lu_quit_with_flag_(&result, &five), 77);
    EXPECT_EQ(result, 77);
    EXPECT_EQ(sent(fake().deliveries.size() - 1), std::string("L,1,\0", 5));
    EXPECT_EQ(block_table().process_number, 0);
    const std::size_t count = fake().deliveries.size();
    EXPECT_EQ(lu_quit_(&result), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(fake().deliveries.size(), count);
}

TEST_F(BindingTest, QuitWaitsForEnterOnlyInAConsoleProgramStartedQuoted) {
    client_state().quoted_command_line = 1;
    fake().input = "\n";
    EXPECT_EQ(lu_quit(), 0);  // not connected: nothing sent, still waits
    EXPECT_EQ(fake().output, "> ");

    reset_client_state();
    fake().output.clear();
    client_state().use_message_box = 0;
    client_state().quoted_command_line = 1;
    EXPECT_EQ(lu_quit_with_flag(0), 0);
    EXPECT_EQ(fake().output, "");

    reset_client_state();
    client_state().use_message_box = 1;  // a GUI program never waits
    client_state().quoted_command_line = 1;
    EXPECT_EQ(lu_detach(), 0);
    EXPECT_EQ(fake().output, "");
}

TEST_F(BindingTest, KeysComeFromTheConsole) {
    fake().keys = {'x'};
    EXPECT_NE(lu_poll_key(), 0);
    EXPECT_NE(lu_poll_key_(), 0);
    const int no_echo = 0;
    EXPECT_EQ(lu_read_key_(&no_echo), 'x');
    EXPECT_EQ(fake().output, "");
    EXPECT_EQ(lu_poll_key(), 0);
}

}  // namespace
}  // namespace lumora::test
