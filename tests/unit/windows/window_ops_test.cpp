// Opening, selecting and closing windows against the in-process window process.
#include "../channel/channel_fixture.h"
#include "client/include/lumora.h"
#include "client/platform/conventions.h"

namespace lumora::test {
namespace {

using WindowOpsTest = ChannelTest;

TEST_F(WindowOpsTest, OpenSendsTheShortFormMapsTheReplyAndSavesViewZero) {
    connect();
    EXPECT_EQ(lu_open_window(0), 1);
    ASSERT_GE(fake().deliveries.size(), 2u);
    EXPECT_EQ(sent(0), std::string("I,0,0,0,-1,-1,-1,\0", 18));
    EXPECT_EQ(fake().deliveries[1].bytes[0], 'B');
    EXPECT_EQ(fake().deliveries[1].param1, 24);
    EXPECT_EQ(fake().deliveries[1].param2, 0);
    EXPECT_EQ(block_table().current_window, 1);
    EXPECT_EQ(block_table().open_count, 1);
    EXPECT_NE(block_table().current_block, nullptr);
}

TEST_F(WindowOpsTest, TitlesAreSentAfterTheLastCommaAndTrimmedInTheReferenceForm) {
    connect();
    lu_open_window_full(0, 1, 2, 3, 4, 5, "Plot");
    EXPECT_EQ(sent(0), std::string("I,0,1,2,3,4,5,Plot\0", 19));
    fake().deliveries.clear();
    lu_open_window_full(0, 0, 0, -1, -1, -1, "");
    EXPECT_EQ(sent(0), std::string("I,0,0,0,-1,-1,-1,\0", 18));
    fake().deliveries.clear();
    int result = 0;
    const int zero = 0, minus = -1;
    lu_open_window_full_(&result, &zero, &zero, &zero, &minus, &minus, &minus, "Plot  ", 6);
    EXPECT_EQ(sent(0), std::string("I,0,0,0,-1,-1,-1,Plot\0", 22));
    fake().deliveries.clear();
    lu_open_window_full_(&result, &zero, &zero, &zero, &minus, &minus, &minus, "    ", 4);
    EXPECT_EQ(sent(0), std::string("I,0,0,0,-1,-1,-1,\0", 18));
    fake().deliveries.clear();
    const std::string long_title(300, 'T');
    EXPECT_EQ(exit_status_of([&] {
                  lu_open_window_full_(&result, &zero, &zero, &zero, &minus, &minus, &minus,
                                       long_title.data(), long_title.size());
              }),
              1);  // 259 characters do not fit a 256-byte command: an overflow
    EXPECT_EQ(fake().error_lines.back().rfind("Internal buffer overflow[I,0,0,0,-1,-1,-1,TTT", 0),
              0u);
}

TEST_F(WindowOpsTest, ARefusedOpenIsFatal) {
    connect();
    fake().results = {0};
    EXPECT_EQ(exit_status_of([] { lu_open_window(0); }), 1);
    EXPECT_EQ(fake().error_lines.at(0), "Failed to open a graphics window.");
}

// What the guide's troubleshooting says about opening: a number out of range or in use
// gets the next free window, and only a process with all 63 windows open refuses.
TEST_F(WindowOpsTest, AnUnusableNumberOpensTheNextFreeWindowAndOnlyAFullProcessRefuses) {
    connect();
    EXPECT_EQ(lu_open_window(99), 1);
    EXPECT_EQ(lu_open_window(1), 2);
    for (int n = 3; n <= 63; ++n) ASSERT_EQ(lu_open_window(0), n);
    EXPECT_EQ(exit_status_of([] { lu_open_window(0); }), 1);
    EXPECT_EQ(fake().error_lines.at(0), "Failed to open a graphics window.");
}

// Drawing after lu_quit shows no message: the windows are gone, the calls return 0 and
// send nothing; opening a window connects again.
TEST_F(WindowOpsTest, DrawingAfterQuitDoesNothingAndOpeningConnectsAgain) {
    connect();
    ASSERT_EQ(lu_open_window(0), 1);
    lu_quit();
    fake().deliveries.clear();
    EXPECT_EQ(lu_line_to(1.0f, 1.0f), 0);
    EXPECT_EQ(lu_draw_text(1.0f, 1.0f, "x"), 0);
    EXPECT_TRUE(fake().deliveries.empty());
    EXPECT_TRUE(fake().error_lines.empty());
    if (platform::kProgramsHaveSubsystem) return;  // connecting reads PE headers the fake lacks
    EXPECT_GT(lu_open_window(0), 0);
    EXPECT_NE(block_table().process_number, 0);
}

TEST_F(WindowOpsTest, AReplyNumberOutsideTheTableIsAFailedOpen) {
    connect();
    for (const char* reply : {"64,x", "0,", "-3,"}) {
        fake().on_deliver = [&](const platform::Delivery&) {
            std::strcpy(reinterpret_cast<char*>(block_table().process_block.data), reply);
        };
        fake().results = {5};
        EXPECT_EQ(lu_open_window(0), 0) << reply;
    }
    EXPECT_EQ(fake().error_lines.at(0), "Failed to open new window # 64.");
    EXPECT_EQ(block_table().open_count, 0);
    EXPECT_NE(block_table().process_number, 0);  // the connection is not touched
}

TEST_F(WindowOpsTest, SelectOnlyMakesMappedWindowsCurrent) {
    connect();
    lu_open_window(2);
    lu_open_window(3);
    EXPECT_EQ(lu_select_window(2), 2);
    EXPECT_EQ(lu_select_window(5), 2);
    EXPECT_EQ(lu_select_window(64), 2);
    int n = 3;
    int result = 0;
    EXPECT_EQ(lu_select_window_(&result, &n), 3);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(result, 3);
    n = 9;
    lu_select_window_(&result, &n);
    EXPECT_EQ(n, 3);  // the window number variable receives the current window
}

TEST_F(WindowOpsTest, ClosingAllSendsOneJPerWindowInAscendingOrder) {
    connect();
    lu_open_window(5);
    lu_open_window(2);
    fake().deliveries.clear();
    EXPECT_EQ(lu_close_window(-1), 0);
    ASSERT_EQ(fake().deliveries.size(), 2u);
    EXPECT_EQ(sent(0), std::string("J\"\0", 3));
    EXPECT_EQ(sent(1), std::string("J%\0", 3));
    EXPECT_EQ(block_table().open_count, 0);
    fake().deliveries.clear();
    EXPECT_EQ(lu_close_window(-1), 0);
    EXPECT_TRUE(fake().deliveries.empty());
}

TEST_F(WindowOpsTest, ClosingAWindowThatIsNotOpenStillTellsTheCurrentOne) {
    connect();
    lu_open_window(2);
    fake().deliveries.clear();
    EXPECT_EQ(lu_close_window(3), 2);
    ASSERT_EQ(fake().deliveries.size(), 1u);
    EXPECT_EQ(fake().deliveries[0].bytes[0], 'B');
    EXPECT_EQ(fake().deliveries[0].param1, 22);
}

TEST_F(WindowOpsTest, TheWindowProcessNamesTheNewCurrentWindow) {
    connect();
    lu_open_window(2);
    lu_open_window(4);
    fake().deliveries.clear();
    int n = 0;  // the current window, 4
    int result = 0;
    lu_close_window_(&result, &n);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(block_table().current_block, window_block(2));
    // An answer naming a window this client has not mapped leaves no current block.
    fake().results = {40, 1};
    EXPECT_EQ(lu_close_window(2), 40);
    EXPECT_EQ(block_table().current_block, nullptr);
}

TEST_F(WindowOpsTest, APendingJoinAppliesColoursAndSizeCodeInsteadOfOpening) {
    connect();
    lu_open_window(3);
    client_state().join_pending = 1;
    fake().deliveries.clear();
    EXPECT_EQ(lu_open_window_full(0, -1, -1, 5, -1, -1, nullptr), 3);
    ASSERT_EQ(fake().deliveries.size(), 1u);
    EXPECT_EQ(fake().deliveries[0].param1, 5);
    EXPECT_EQ(fake().deliveries[0].param2, 5);
    EXPECT_EQ(fake().deliveries[0].param3, 1);
    EXPECT_EQ(client_state().join_pending, 0);
    EXPECT_EQ(lu_open_window(0), 1);  // then a normal open
}

}  // namespace
}  // namespace lumora::test
