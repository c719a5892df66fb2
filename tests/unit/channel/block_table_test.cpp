// Finding a window process, reading its header, and releasing blocks.
#include "channel_fixture.h"

namespace lumora::test {
namespace {

// Publishes a hand-written header as process block k.
void publish_header(platform::FakePlatform& fake, int k, const char* header) {
    char name[32];
    std::snprintf(name, sizeof name, "LuWnd%d", k);
    std::uint8_t* block = fake.host().create_block(name, 4096);
    ASSERT_NE(block, nullptr);
    std::memcpy(block, header, std::strlen(header) + 1);
}

using BlockTableTest = ChannelTest;

TEST_F(BlockTableTest, HeaderGivesStateHandleIdAndTheWholeVersion) {
    const char text[] = "0,655,7,0,9,9,9a";
    ProcessHeader header;
    ASSERT_TRUE(
        parse_process_header(reinterpret_cast<const unsigned char*>(text), sizeof text, header));
    EXPECT_EQ(header.state, 0);
    EXPECT_EQ(header.handle, 655);
    EXPECT_EQ(header.id, 7);
    EXPECT_STREQ(header.version, "0,9,9,9a");
}

TEST_F(BlockTableTest, HeaderWithoutNulOrWithMissingFieldsIsRefused) {
    const unsigned char unterminated[] = {'0', ',', '1', ',', '2', ',', 'v', '1'};
    ProcessHeader header;
    ASSERT_TRUE(parse_process_header(unterminated, sizeof unterminated, header));
    EXPECT_STREQ(header.version, "v1");  // read up to the end of the block, not past it
    const char three[] = "0,655,7";
    EXPECT_FALSE(
        parse_process_header(reinterpret_cast<const unsigned char*>(three), sizeof three, header));
    const char no_version[] = "0,655,7,\n";
    EXPECT_FALSE(parse_process_header(reinterpret_cast<const unsigned char*>(no_version),
                                      sizeof no_version, header));
    const char huge[] = "0,99999999999999999999,7,x";
    ASSERT_TRUE(
        parse_process_header(reinterpret_cast<const unsigned char*>(huge), sizeof huge, header));
    EXPECT_EQ(header.handle, INT32_MAX);
}

TEST_F(BlockTableTest, VersionIsKeptToTwoHundredFiftyFiveCharacters) {
    std::string text = "0,1,2," + std::string(400, 'v');
    ProcessHeader header;
    ASSERT_TRUE(parse_process_header(reinterpret_cast<const unsigned char*>(text.c_str()),
                                     text.size() + 1, header));
    EXPECT_EQ(std::strlen(header.version), 255u);
}

TEST_F(BlockTableTest, ConnectsToTheFirstIdleProcess) {
    publish_header(fake(), 1, "0,101,11,0,9,9,9a");
    publish_header(fake(), 2, "0,102,12,0,9,9,9a");
    fake().alive = {101, 102};
    EXPECT_EQ(find_window_process(), 11);
    EXPECT_EQ(block_table().process_number, 1);
    EXPECT_EQ(block_table().window_handle, 101);
    EXPECT_STREQ(block_table().block_name, "LuWnd1");
}

TEST_F(BlockTableTest, SkipsBusyCorruptAndTwoLineHeaders) {
    publish_header(fake(), 1, "1,101,11,0,9,9,9a");          // busy
    publish_header(fake(), 2, "garbage");                    // corrupt
    publish_header(fake(), 3, "3,Plot\n0,103,13,0,9,9,9a");  // shows a window: join only
    publish_header(fake(), 5, "0,105,15,0,9,9,9a");
    fake().alive = {101, 103, 105};
    EXPECT_EQ(find_window_process(), 15);
    EXPECT_EQ(block_table().process_number, 5);
    EXPECT_STREQ(block_table().process_version, "0,9,9,9a");
    // Every skipped block was unmapped again; only the chosen one stays mapped.
    EXPECT_EQ(fake().unmapped, 3);
}

// A window process killed while idle leaves its header behind; the next program must
// not connect to it and then end with "The window was closed.".
TEST_F(BlockTableTest, PassesOverAnIdleHeaderWhoseProcessIsGone) {
    publish_header(fake(), 1, "0,101,11,0,9,9,9a");
    publish_header(fake(), 2, "0,102,12,0,9,9,9a");
    fake().alive = {102};
    EXPECT_EQ(find_window_process(), 12);
    EXPECT_EQ(block_table().process_number, 2);
    EXPECT_EQ(block_table().window_handle, 102);
}

TEST_F(BlockTableTest, NoIdleProcessGivesZeroAndTriesSixteenNames) {
    publish_header(fake(), 17, "0,117,17,0,9,9,9a");
    EXPECT_EQ(find_window_process(), 0);
    EXPECT_EQ(block_table().process_block.data, nullptr);
    ASSERT_EQ(fake().opened.size(), 16u);
    EXPECT_EQ(fake().opened.back(), "LuWnd16");
}

TEST_F(BlockTableTest, ReleasingOneWindowKeepsTheOthersButEndsTheConnection) {
    connect();
    const int a = open(2);
    const int b = open(3);
    ASSERT_EQ(a, 2);
    ASSERT_EQ(b, 3);
    release_blocks(3);
    EXPECT_EQ(block_table().blocks[3].data, nullptr);
    EXPECT_NE(block_table().blocks[2].data, nullptr);
    EXPECT_EQ(block_table().open_count, 1);
    EXPECT_EQ(block_table().current_window, 0);
    EXPECT_EQ(block_table().window_handle, 0);
    EXPECT_EQ(block_table().process_block.data, nullptr);
    EXPECT_STREQ(block_table().block_name, "");
    // Not connected now: commands are not sent.
    EXPECT_EQ(deliver_formatted("L,1,"), kNotConnected);
}

TEST_F(BlockTableTest, ReleasingZeroOrMinusOneReleasesEverything) {
    for (int which : {0, -1, 64}) {
        reset_client_state();
        client_state().use_message_box = 0;
        fake().host().destroy_block("LuWnd1");
        connect();
        open(4);
        open(9);
        release_blocks(which);
        EXPECT_EQ(block_table().open_count, 0) << which;
        EXPECT_EQ(block_table().blocks[4].data, nullptr);
        EXPECT_EQ(block_table().blocks[9].data, nullptr);
    }
}

TEST_F(BlockTableTest, MakingAnUnmappedOrOutOfRangeWindowCurrentChangesNothing) {
    connect();
    open(5);
    for (int n : {64, 0, -1, 6}) {
        EXPECT_FALSE(make_current(n));
        EXPECT_EQ(block_table().current_window, 5);
    }
}

TEST_F(BlockTableTest, FailedUnmapIsReportedAndTheReleaseGoesOn) {
    connect();
    open(2);
    fake().fail_unmap = true;
    fake().error = 487;
    release_blocks(-1);
    ASSERT_FALSE(fake().error_lines.empty());
    EXPECT_EQ(fake().error_lines[0], "Failed to UnmapViewOfFile [err=487].");
    EXPECT_EQ(block_table().open_count, 0);
}

TEST_F(BlockTableTest, ViewsOfAVanishedProcessAreLeftAlone) {
    connect();
    open(2);
    fake().dead.insert(block_table().window_handle);
    release_blocks(-1);
    EXPECT_EQ(fake().unmapped, 0);
    EXPECT_TRUE(fake().error_lines.empty());
}

}  // namespace
}  // namespace lumora::test
