// Joining a window that a window process offers: the search, the question, the second
// attempt, the description, and what a pending join does to initialize and open_window.
#include "join_fixture.h"

namespace lumora::test {
namespace {

using JoinWindowTest = JoinTest;

TEST_F(JoinWindowTest, OnlyIdleProcessesGiveNothingButAreStillChecked) {
    fake().start_server(quiet_config());
    char description[LU_JOIN_DESCRIPTION_SIZE] = "stale";
    EXPECT_EQ(lu_join_window(0, 0, 1, description), 0);
    EXPECT_STREQ(description, "");
    int probes = 0;
    for (const auto& d : fake().deliveries) probes += d.bytes.at(0) == 'O' ? 1 : 0;
    EXPECT_GT(probes, 0);  // the compatibility checks ran for the idle process
    EXPECT_EQ(block_table().process_number, 0);
    EXPECT_EQ(block_table().process_block.data, nullptr);
    EXPECT_EQ(block_table().window_handle, 0);
    EXPECT_EQ(client_state().join_pending, 0);
    EXPECT_EQ(fake().unmapped, 1);
}

TEST_F(JoinWindowTest, JoinsTheOfferedWindowAndDescribesIt) {
    offer_window_3(quiet_config());
    EXPECT_EQ(process_text(2).substr(0, 7), "3,Plot\n");
    char description[LU_JOIN_DESCRIPTION_SIZE] = {};
    EXPECT_EQ(lu_join_window(0, 0, 1, description), 3);
    EXPECT_STREQ(description, "2:3 Plot");
    EXPECT_EQ(client_state().join_pending, 1);
    EXPECT_EQ(block_table().process_number, 2);
    EXPECT_EQ(block_table().current_window, 3);
    EXPECT_EQ(block_table().open_count, 1);
    EXPECT_EQ(b_commands(3), 0);  // this window process does not ask
}

// The joined window's opacity is whatever its program set: asking for an opaque one
// sends the command, where a window of one's own is known to be opaque.
TEST_F(JoinWindowTest, AJoinedWindowIsToldItsOpacityEvenWhenOpaque) {
    offer_window_3(quiet_config());
    ASSERT_EQ(lu_join_window(0, 0, 1, nullptr), 3);
    EXPECT_EQ(lu_set_alpha(1.0f), 3);
    EXPECT_EQ(lu_set_alpha(1.0f), 3);
    EXPECT_EQ(b_commands(44), 1);
}

TEST_F(JoinWindowTest, APendingJoinTurnsInitializeAndTheFirstOpenIntoSettings) {
    offer_window_3(quiet_config());
    ASSERT_EQ(lu_join_window(0, 2, 1, nullptr), 3);
    fake().deliveries.clear();
    EXPECT_EQ(lu_initialize(8 | 0x70000, -1, -1, -1, -1, -1, -1, -1, -1), 2);
    ASSERT_EQ(fake().deliveries.size(), 2u);  // switches 4 (i) and 16 (l)
    EXPECT_EQ(fake().deliveries[0].param2, 4);
    EXPECT_EQ(fake().deliveries[0].param3, 1);
    EXPECT_EQ(fake().core()->settings().switch_on(4), true);
    fake().deliveries.clear();
    EXPECT_EQ(lu_open_window_full(0, -1, -1, 5, -1, -1, nullptr), 3);
    ASSERT_EQ(fake().deliveries.size(), 1u);
    EXPECT_EQ(fake().deliveries[0].bytes[0], 'A');
    EXPECT_EQ(fake().deliveries[0].param1, 5);
    EXPECT_EQ(client_state().join_pending, 0);
    const int second = lu_open_window(0);
    EXPECT_GT(second, 0);
    EXPECT_NE(second, 3);
    EXPECT_EQ(block_table().open_count, 2);
}

// A position in the first open is not carried over to the joined window; the window
// only gets the position query, and the window keeps the place it has.
TEST_F(JoinWindowTest, APendingJoinAsksThePositionOfAnOpenWithOneAndIgnoresTheAnswer) {
    offer_window_3(quiet_config());
    ASSERT_EQ(lu_join_window(0, 2, 1, nullptr), 3);
    const std::int32_t x = fake().core()->window_state(3)->x;
    fake().deliveries.clear();
    EXPECT_EQ(lu_open_window_full(0, 40, 70, -1, -1, 12, nullptr), 3);
    ASSERT_EQ(fake().deliveries.size(), 2u);
    EXPECT_EQ(sent(0), std::string("E") + static_cast<char>(3 + 32) + '\0');
    EXPECT_EQ(fake().deliveries[0].param1, 4);
    EXPECT_EQ(fake().deliveries[1].bytes[0], 'G');
    EXPECT_EQ(fake().deliveries[1].param1, -2);
    EXPECT_EQ(fake().core()->window_state(3)->x, x);
    EXPECT_EQ(client_state().join_pending, 0);
    EXPECT_EQ(block_table().open_count, 1);

    // Only a position with both coordinates above 0 is asked about.
    for (const auto& p : {std::pair{0, 70}, std::pair{40, 0}, std::pair{-1, -1}}) {
        client_state().join_pending = 1;
        fake().deliveries.clear();
        EXPECT_EQ(lu_open_window_full(0, p.first, p.second, -1, -1, -1, nullptr), 3);
        EXPECT_TRUE(fake().deliveries.empty()) << p.first << "," << p.second;
    }
}

TEST_F(JoinWindowTest, TwoNoAnswersLeaveTheClientUnconnected) {
    luwnd::CoreConfig config = quiet_config();
    config.options = "/i";
    config.answers = "no,no";
    offer_window_3(config);
    std::vector<std::string> questions;
    fake().on_deliver = [&](const platform::Delivery& d) {
        if (d.bytes.size() == 3 && d.bytes[0] == 'B' && d.param1 == 3)
            questions.emplace_back(reinterpret_cast<const char*>(block_table().blocks[3].data) +
                                   layout::kText);
    };
    char description[LU_JOIN_DESCRIPTION_SIZE] = "stale";
    EXPECT_EQ(lu_join_window(3, 0, 1, description), 0);
    ASSERT_EQ(questions.size(), 2u);  // n = 3, then the process's own choice
    EXPECT_EQ(questions[0], "Would you like to draw on ( 'join' to ) [ 2:3 Plot ] ?");
    EXPECT_EQ(questions[1], questions[0]);
    EXPECT_STREQ(description, "");
    EXPECT_EQ(block_table().process_number, 0);
    EXPECT_EQ(block_table().open_count, 0);
    EXPECT_EQ(block_table().current_window, 0);
    EXPECT_EQ(client_state().join_pending, 0);
}

TEST_F(JoinWindowTest, ANoThenAYesJoinsOnTheSecondAttemptAndWithoutNumberThereIsNone) {
    luwnd::CoreConfig config = quiet_config();
    config.options = "/i";
    config.answers = "no,yes,no";
    offer_window_3(config);
    EXPECT_EQ(lu_join_window(3, 0, 1, nullptr), 3);
    EXPECT_EQ(b_commands(3), 2);
    EXPECT_EQ(client_state().join_pending, 1);
    lu_quit_with_flag(0);
    reset_client_state();
    client_state().ansi_code_page = 1252;
    fake().deliveries.clear();
    EXPECT_EQ(lu_join_window(0, 0, 1, nullptr), 0);  // the third answer: no
    EXPECT_EQ(b_commands(3), 1);
}

TEST_F(JoinWindowTest, WhileConnectedNothingHappens) {
    offer_window_3(quiet_config());
    ASSERT_EQ(lu_join_window(0, 0, 1, nullptr), 3);
    fake().deliveries.clear();
    char description[LU_JOIN_DESCRIPTION_SIZE] = "kept";
    EXPECT_EQ(lu_join_window(0, 0, 1, description), 0);
    EXPECT_STREQ(description, "kept");
    EXPECT_TRUE(fake().deliveries.empty());
    EXPECT_EQ(block_table().current_window, 3);
}

TEST_F(JoinWindowTest, AFindOnlyCallDescribesButLeavesNothingPending) {
    offer_window_3(quiet_config());
    char description[LU_JOIN_DESCRIPTION_SIZE] = {};
    EXPECT_EQ(lu_join_window(0, 0, 0, description), 0);
    EXPECT_STREQ(description, "2:3 Plot");
    EXPECT_EQ(client_state().join_pending, 0);
    EXPECT_EQ(block_table().process_number, 0);
    EXPECT_EQ(block_table().blocks[3].data, nullptr);
}

TEST_F(JoinWindowTest, ReferenceFormWritesTheDescriptionOnlyIntoMoreThanTenCharacters) {
    offer_window_3(quiet_config(), "Plotting area");
    const int zero = 0, one = 1;
    int result = -5;
    char ten[10];
    std::memset(ten, 'x', sizeof ten);
    EXPECT_EQ(lu_join_window_(&result, &zero, &zero, &one, ten, sizeof ten), 3);
    EXPECT_EQ(result, 3);
    EXPECT_EQ(std::string(ten, sizeof ten), std::string(10, 'x'));
    lu_quit_with_flag(0);
    reset_client_state();
    client_state().ansi_code_page = 1252;
    char eleven[11];
    std::memset(eleven, 'x', sizeof eleven);
    EXPECT_EQ(lu_join_window_(&result, &zero, &zero, &one, eleven, sizeof eleven), 3);
    EXPECT_STREQ(eleven, "2:3 Plotti");  // cut to fit, with its NUL
}

TEST_F(JoinWindowTest, ALongTitleIsCutInTheDescriptionAndTheQuestion) {
    luwnd::CoreConfig config = quiet_config();
    config.options = "/i";
    offer_window_3(config);
    // A header written by some other window process, with a 600-character title line.
    const std::string header = "3," + std::string(600, 'T') + "\n" +
                               std::to_string(platform::FakePlatform::kServerHandle) +
                               ",1,0,9,9,9a";
    std::size_t size = 0;
    std::uint8_t* block = fake().host().find("LuWnd2", &size);
    std::memcpy(block, header.c_str(), header.size() + 1);
    std::string question;
    fake().on_deliver = [&](const platform::Delivery& d) {
        if (d.bytes.size() == 3 && d.bytes[0] == 'B' && d.param1 == 3)
            question = reinterpret_cast<const char*>(block_table().blocks[3].data) + layout::kText;
    };
    char description[LU_JOIN_DESCRIPTION_SIZE + 8];
    std::memset(description, 'z', sizeof description);
    EXPECT_EQ(lu_join_window(0, 0, 1, description), 3);
    EXPECT_EQ(std::strlen(description), LU_JOIN_DESCRIPTION_SIZE - 1u);
    EXPECT_EQ(description[LU_JOIN_DESCRIPTION_SIZE], 'z');  // nothing written past it
    EXPECT_EQ(question,
              "Would you like to draw on ( 'join' to ) [ 2:3 " + std::string(255, 'T') + " ] ?");
}

TEST_F(JoinWindowTest, WindowNumbersOutsideTheTableEndTheProgram) {
    offer_window_3(quiet_config());
    EXPECT_EQ(exit_status_of([] { lu_join_window(64, 0, 1, nullptr); }), 1);
    EXPECT_EQ(fake().error_lines.at(0), "Failed to do 'join' [ no specified window found ].");
    reset_client_state();
    client_state().ansi_code_page = 1252;
    const std::string header =
        "99,Plot\n" + std::to_string(platform::FakePlatform::kServerHandle) + ",1,0,9,9,9a";
    std::memcpy(fake().host().find("LuWnd2"), header.c_str(), header.size() + 1);
    EXPECT_EQ(exit_status_of([] { lu_join_window(0, 0, 1, nullptr); }), 1);
    EXPECT_EQ(block_table().blocks[0].data, nullptr);
}

}  // namespace
}  // namespace lumora::test
