// Texts in the block, chunked data transfer, the process-block exchange and the
// channel test.
#include <vector>

#include "channel_fixture.h"
#include "client/channel/primitives.h"

namespace lumora::test {
namespace {

using PrimitivesTest = ChannelTest;

const char* area(int window) {
    return reinterpret_cast<const char*>(window_block(window) + layout::kText);
}

// The (offset, length) of every 'B' 36 chunk, and the sub-codes of every 'B' command.
std::vector<std::pair<int, int>> chunks_of(const platform::FakePlatform& fake) {
    std::vector<std::pair<int, int>> chunks;
    for (const auto& d : fake.deliveries) {
        if (d.bytes.at(0) == 'B' && d.param1 == 36) chunks.emplace_back(d.param2, d.param3);
    }
    return chunks;
}

std::vector<int> b_codes(const platform::FakePlatform& fake) {
    std::vector<int> codes;
    for (const auto& d : fake.deliveries) {
        if (d.bytes.at(0) == 'B') codes.push_back(d.param1);
    }
    return codes;
}

TEST_F(PrimitivesTest, FortranTextDropsTrailingBlanksOnly) {
    connect();
    const int w = open();
    EXPECT_STREQ(put_block_fortran_text(w, "AB  C     ", 10), "AB  C");
    EXPECT_STREQ(put_block_fortran_text(w, "          ", 10), "");
    EXPECT_STREQ(put_block_fortran_text(w, "tab\t  ", 6), "tab\t");  // only blanks go
    EXPECT_STREQ(put_block_fortran_text(w, "ab\0cd  ", 7), "ab");
    EXPECT_EQ(put_block_fortran_text(w, nullptr, 5), nullptr);
    EXPECT_STREQ(area(w), "");
}

TEST_F(PrimitivesTest, FortranTextKeepsAtMost2047Characters) {
    connect();
    const int w = open();
    std::string long_text(3000, 'x');
    long_text[2046] = 'y';
    const char* copied = put_block_fortran_text(w, long_text.data(), long_text.size());
    ASSERT_EQ(std::strlen(copied), 2047u);
    EXPECT_EQ(copied[2046], 'y');
}

TEST_F(PrimitivesTest, BlockTextCopiesAndCounts) {
    connect();
    const int w = open();
    EXPECT_EQ(put_block_text(w, "hello"), 5);
    EXPECT_STREQ(area(w), "hello");
    EXPECT_EQ(put_block_text(w, area(w)), 5);  // the area itself stays in place
    EXPECT_EQ(put_block_text(w, nullptr), 0);
    EXPECT_STREQ(area(w), "");
    const std::string huge(5000, 'q');
    EXPECT_EQ(put_block_text(w, huge.c_str()), 2047);
    EXPECT_EQ(put_block_formatted(w, "%d-%s", 42, "x"), 4);
    EXPECT_STREQ(area(w), "42-x");
    EXPECT_EQ(put_block_formatted(w, "%s", huge.c_str()), 2047);
}

TEST_F(PrimitivesTest, FiveThousandBytesTravelInThreeChunks) {
    connect();
    const int w = open();
    std::vector<std::uint8_t> data(5000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7);
    fake().deliveries.clear();
    fake().results = {1, 1, 1};
    EXPECT_EQ(send_block_data(w, data.data(), 5000), w);
    const std::vector<std::pair<int, int>> want = {{0, 2048}, {2048, 2048}, {4096, 904}};
    EXPECT_EQ(chunks_of(fake()), want);
    // The last chunk's bytes are what the area holds now.
    EXPECT_EQ(std::memcmp(area(w), data.data() + 4096, 904), 0);
}

TEST_F(PrimitivesTest, ExactlyOneChunkFor2048BytesAndNoneForNothing) {
    connect();
    const int w = open();
    std::vector<std::uint8_t> data(2048, 0xAB);
    fake().deliveries.clear();
    fake().results = {1};
    EXPECT_EQ(send_block_data(w, data.data(), 2048), w);
    EXPECT_EQ(chunks_of(fake()).size(), 1u);
    fake().deliveries.clear();
    EXPECT_EQ(send_block_data(w, data.data(), 0), w);
    EXPECT_EQ(send_block_data(w, data.data(), -5), w);
    EXPECT_TRUE(fake().deliveries.empty());
}

TEST_F(PrimitivesTest, RefusedChunkAbandonsTheTransfer) {
    connect();
    const int w = open();
    std::vector<std::uint8_t> data(5000);
    fake().deliveries.clear();
    fake().results = {1, 0, 1};
    EXPECT_EQ(send_block_data(w, data.data(), 5000), 0);
    EXPECT_EQ(b_codes(fake()), (std::vector<int>{36, 36, 38}));
}

TEST_F(PrimitivesTest, ArrayCommandWithAFailedChunkAbandonsTwice) {
    connect();
    const int w = open();
    std::vector<std::uint8_t> data(16);
    fake().deliveries.clear();
    fake().results = {1, 0, 1, 1};
    EXPECT_EQ(command_with_data(w, 30, data.data(), 16), 0);
    ASSERT_EQ(fake().deliveries.size(), 4u);
    EXPECT_EQ(fake().deliveries[0].bytes[0], 'N');
    EXPECT_EQ(fake().deliveries[0].param1, 30);
    EXPECT_EQ(b_codes(fake()), (std::vector<int>{36, 38, 38}));
}

TEST_F(PrimitivesTest, ArrayCommandTravelsEndToEndThroughTheCore) {
    connect();
    const int w = open();
    std::vector<std::int32_t> points = {10, 20, 30, 40};
    layout::write_i32(window_block(w), layout::kParam2, 2);
    fake().deliveries.clear();
    EXPECT_EQ(command_with_data(w, 30, points.data(), 16), w);
    EXPECT_EQ(b_codes(fake()), (std::vector<int>{36, 37}));
    EXPECT_EQ(chunks_of(fake()), (std::vector<std::pair<int, int>>{{0, 16}}));
}

TEST_F(PrimitivesTest, RefusedAnnounceSendsNothingMore) {
    connect();
    const int w = open();
    fake().deliveries.clear();
    fake().results = {0};
    std::uint8_t data[8] = {};
    EXPECT_EQ(command_with_data(w, 30, data, 8), 0);
    EXPECT_EQ(fake().deliveries.size(), 1u);
}

TEST_F(PrimitivesTest, ExchangeWritesTheRequestAndReadsTheReply) {
    connect();
    std::uint8_t* mailbox = block_table().process_block.data;
    fake().results = {1};
    EXPECT_EQ(exchange_process_block(5, nullptr, nullptr), 0);  // the reply is not ours
    EXPECT_EQ(std::string(reinterpret_cast<char*>(mailbox)).substr(0, 8), "5;0;0;0;");
    EXPECT_EQ(sent(0), std::string("E  \0", 4));

    // Code 2 asks the core for the screen size; it answers "3;1280;1024;".
    int a = 11;
    int b = 22;
    EXPECT_GT(exchange_process_block(2, &a, &b), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(mailbox)), "3;1280;1024;");
    EXPECT_EQ(a, 1280);
    EXPECT_EQ(b, 1024);
    int only_a = 0;
    EXPECT_GT(exchange_process_block(2, &only_a, nullptr), 0);
    EXPECT_EQ(only_a, 1280);
}

TEST_F(PrimitivesTest, ExchangeWithAHalfReplyStoresWhatWasReadAndFails) {
    connect();
    std::uint8_t* mailbox = block_table().process_block.data;
    int a = 0;
    int b = 7;
    fake().on_deliver = [&](const platform::Delivery&) { std::memcpy(mailbox, "3;12;x", 7); };
    fake().results = {1};
    EXPECT_EQ(exchange_process_block(1, &a, &b), 0);
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, 7);
    fake().on_deliver = [&](const platform::Delivery&) { std::memcpy(mailbox, "2;5;6;", 7); };
    fake().results = {1};
    EXPECT_EQ(exchange_process_block(1, &a, &b), 0);  // not a reply to this request
    EXPECT_EQ(a, 12);
    fake().on_deliver = nullptr;
    fake().results = {-3};
    EXPECT_EQ(exchange_process_block(-1, &a, nullptr), -3);  // negative codes: no reply read
    EXPECT_EQ(std::string(reinterpret_cast<char*>(mailbox)), "-1;1;12;0;");
}

TEST_F(PrimitivesTest, ExchangeWithoutAProcessBlockIsFatal) {
    EXPECT_EQ(exit_status_of([] { exchange_process_block(1, nullptr, nullptr); }), 1);
    EXPECT_EQ(fake().error_lines.at(0), "Failed to communicate with the graphics window.");
}

TEST_F(PrimitivesTest, ChannelTestNeedsAWindowAndPassesAgainstTheCore) {
    connect();
    EXPECT_EQ(test_channel(), -1);
    EXPECT_TRUE(fake().deliveries.empty());
    open();
    fake().deliveries.clear();
    EXPECT_EQ(test_channel(), 0);
    ASSERT_EQ(fake().deliveries.size(), 2u);
    EXPECT_EQ(fake().deliveries[0].param1, 1);
    EXPECT_EQ(fake().deliveries[1].param1, 2);
    fake().results = {5};
    EXPECT_EQ(test_channel(), 1);
    fake().results = {kEndedAbnormally, 0};
    EXPECT_EQ(test_channel(), 2);
}

}  // namespace
}  // namespace lumora::test
