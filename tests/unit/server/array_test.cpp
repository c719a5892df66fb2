// Arrays announced with 'N' and sent in chunks with 'B' 36, 37 and 38.
#include "core_fixture.h"

namespace luwnd::test {
namespace {

class ArrayTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
    }
    // Puts the values into the text area and sends 'B' 36 for them at the byte offset.
    std::int32_t chunk(std::int32_t offset, const std::vector<std::int32_t>& values) {
        std::uint8_t* b = window_block(1);
        for (std::size_t i = 0; i < values.size(); ++i)
            layout::write_i32(b, layout::kText + 4 * i, values[i]);
        return slot('B', 1, 36, offset, static_cast<std::int32_t>(4 * values.size()));
    }
    std::vector<std::int32_t> received() {
        const ArrayData* array = core_->completed_array(1);
        std::vector<std::int32_t> values;
        if (array == nullptr) return values;
        for (std::size_t i = 0; i + 4 <= array->bytes.size(); i += 4)
            values.push_back(layout::read_i32(array->bytes.data(), i));
        return values;
    }
};

TEST_F(ArrayTest, TwoPointPolylineInOneChunk) {
    EXPECT_EQ(slot('N', 1, 30, 2), 1);
    EXPECT_EQ(chunk(0, {10, 20, 30, 40}), 1);
    EXPECT_EQ(slot('B', 1, 37), 1);
    EXPECT_EQ(received(), (std::vector<std::int32_t>{10, 20, 30, 40}));
    EXPECT_EQ(core_->completed_array(1)->kind, 30);
    EXPECT_EQ(core_->completed_array(1)->count, 2);
}

TEST_F(ArrayTest, ThreeHundredPointsInTwoChunks) {
    EXPECT_EQ(slot('N', 1, 30, 300), 1);
    std::vector<std::int32_t> first(512), second(88);
    for (int i = 0; i < 512; ++i) first[static_cast<std::size_t>(i)] = i;
    for (int i = 0; i < 88; ++i) second[static_cast<std::size_t>(i)] = 512 + i;
    EXPECT_EQ(chunk(0, first), 1);
    EXPECT_EQ(chunk(2048, second), 1);
    EXPECT_EQ(slot('B', 1, 37), 1);
    std::vector<std::int32_t> values = received();
    ASSERT_EQ(values.size(), 600u);
    for (int i = 0; i < 600; ++i) ASSERT_EQ(values[static_cast<std::size_t>(i)], i);
}

TEST_F(ArrayTest, PlotKeepsItsModeWordsAndTakesFourBytesPerValue) {
    std::uint8_t* b = window_block(1);
    for (int i = 0; i < 4; ++i) layout::write_i32(b, layout::kResult1 + 4 * i, 100 + i);
    EXPECT_EQ(slot('N', 1, 32, -3, -1), 1);
    EXPECT_EQ(chunk(0, {7, 8, 9}), 1);
    EXPECT_EQ(slot('B', 1, 37), 1);
    const ArrayData* array = core_->completed_array(1);
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->mode, -1);
    EXPECT_EQ(array->words, (std::array<std::int32_t, 4>{100, 101, 102, 103}));
    EXPECT_EQ(received(), (std::vector<std::int32_t>{7, 8, 9}));
}

TEST_F(ArrayTest, AbsurdAnnouncementsAreRefused) {
    EXPECT_EQ(slot('N', 1, 30, 0), 0);
    EXPECT_EQ(slot('N', 1, 28, -5), 0);
    EXPECT_EQ(slot('N', 1, 32, 0), 0);
    EXPECT_EQ(slot('N', 1, 30, 3000000), 0);  // 24 MB
    EXPECT_EQ(slot('N', 1, 32, INT32_MIN), 0);
    EXPECT_EQ(slot('N', 1, 31, 5), 0);
    EXPECT_EQ(slot('N', 1, 29, 4), 1);
}

TEST_F(ArrayTest, ChunksOutsideTheAnnouncedSizeAreRefused) {
    EXPECT_EQ(slot('N', 1, 30, 2), 1);
    EXPECT_EQ(chunk(4, {1, 2, 3, 4}), 0);  // one word too far
    EXPECT_EQ(slot('B', 1, 36, -4, 8), 0);
    EXPECT_EQ(slot('B', 1, 36, 0, 0), 0);
    EXPECT_EQ(slot('B', 1, 36, 0, 2049), 0);
    EXPECT_EQ(slot('B', 1, 36, INT32_MAX, INT32_MAX), 0);
    EXPECT_EQ(slot('B', 1, 36, 16, 4), 0);
}

TEST_F(ArrayTest, ChunkOrCompletionBeforeAnnouncementIsRefused) {
    EXPECT_EQ(chunk(0, {1, 2}), 0);
    EXPECT_EQ(slot('B', 1, 37), 0);
    EXPECT_EQ(slot('B', 1, 38), 0);
}

TEST_F(ArrayTest, CompletionWithMissingBytesFailsAndEndsTheTransfer) {
    EXPECT_EQ(slot('N', 1, 30, 2), 1);
    EXPECT_EQ(chunk(0, {1, 2, 3}), 1);
    EXPECT_EQ(slot('B', 1, 37), 0);
    EXPECT_EQ(core_->completed_array(1), nullptr);
    EXPECT_EQ(chunk(12, {4}), 0);  // the transfer is over
}

TEST_F(ArrayTest, OverlappingChunksDoNotCountTwice) {
    EXPECT_EQ(slot('N', 1, 30, 2), 1);
    EXPECT_EQ(chunk(0, {1, 2}), 1);
    EXPECT_EQ(chunk(0, {1, 2}), 1);
    EXPECT_EQ(slot('B', 1, 37), 0);
}

TEST_F(ArrayTest, DiscardAbandonsTheTransfer) {
    EXPECT_EQ(slot('N', 1, 30, 2), 1);
    EXPECT_EQ(chunk(0, {1, 2}), 1);
    EXPECT_EQ(slot('B', 1, 38), 1);
    EXPECT_EQ(slot('B', 1, 38), 0);  // the client's second 38 finds nothing
    EXPECT_EQ(chunk(8, {3, 4}), 0);
    EXPECT_EQ(slot('B', 1, 37), 0);
}

TEST_F(ArrayTest, NewAnnouncementReplacesAnUnfinishedOne) {
    EXPECT_EQ(slot('N', 1, 30, 4), 1);
    EXPECT_EQ(chunk(0, {1, 2}), 1);
    EXPECT_EQ(slot('N', 1, 30, 1), 1);
    EXPECT_EQ(chunk(0, {5, 6}), 1);
    EXPECT_EQ(slot('B', 1, 37), 1);
    EXPECT_EQ(received(), (std::vector<std::int32_t>{5, 6}));
}

TEST_F(ArrayTest, ClientGoneDropsTheTransfer) {
    EXPECT_EQ(slot('N', 1, 30, 1), 1);
    core_->client_gone();
    EXPECT_EQ(chunk(0, {5, 6}), 0);
}

}  // namespace
}  // namespace luwnd::test
