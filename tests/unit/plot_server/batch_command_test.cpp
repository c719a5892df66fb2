// The plot block and plot batches: the block made once with its size and gone with its
// window, a batch drawn as one display item, and every refused batch drawing nothing.
#include "plot_fixture.h"

namespace luwnd::test {
namespace {

using PlotBlockTest = PlotFixture;

TEST_F(PlotBlockTest, IsMadeOnRequestWithItsSizeAndOnlyOnce) {
    EXPECT_EQ(plot_block(), nullptr);
    ASSERT_EQ(make_block(), 1);
    EXPECT_EQ(word(1, layout::kResult1), static_cast<std::int32_t>(plotcore::kPlotBlockSize));
    std::size_t size = 0;
    std::uint8_t* block = plot_block(1, &size);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(size, plotcore::kPlotBlockSize);
    block[size - 1] = 0x5A;
    words(1, layout::kResult1, {0});
    ASSERT_EQ(make_block(), 1);
    EXPECT_EQ(word(1, layout::kResult1), static_cast<std::int32_t>(plotcore::kPlotBlockSize));
    EXPECT_EQ(plot_block(), block) << "the same block, not a new one";
    EXPECT_EQ(block[size - 1], 0x5A);
}

TEST_F(PlotBlockTest, GoesWithItsWindowAndWithTheProcess) {
    ASSERT_EQ(make_block(), 1);
    ASSERT_EQ(open(), 2);
    ASSERT_EQ(make_block(2), 2);
    ASSERT_EQ(slot('J', 1, 0), 2);
    EXPECT_EQ(plot_block(1), nullptr);
    EXPECT_NE(plot_block(2), nullptr);
    // A window opened again under the number starts without one.
    ASSERT_EQ(open(1), 1);
    EXPECT_EQ(plot_block(1), nullptr);
    core_.reset();
    EXPECT_EQ(plot_block(2), nullptr);
}

TEST_F(PlotBlockTest, AWindowThatIsNotOpenGetsNone) {
    EXPECT_EQ(slot('B', 5, plotcore::kPlotBlock), 0);
    EXPECT_EQ(plot_block(5), nullptr);
}

class BatchTest : public PlotFixture {
  protected:
    void SetUp() override {
        PlotFixture::SetUp();
        ASSERT_EQ(make_block(), 1);
    }
};

TEST_F(BatchTest, IsDrawnAsOneDisplayItemHoldingItsItems) {
    plotcore::Item text;
    text.kind = plotcore::ItemKind::kText;
    text.points = {{5.25f, 7.5f}};
    text.text.bytes = "label";
    const plotcore::Items sent{line(1.5f, 2.25f, 0x123456), text, line(3, 4)};
    ASSERT_EQ(send_batch(sent), 1);
    EXPECT_EQ(word(1, layout::kResult1), 3) << "the plot items drawn";
    ASSERT_EQ(items(1).size(), 1u);
    const DrawItem& item = items(1)[0];
    EXPECT_EQ(item.kind, ItemKind::kBatch);
    EXPECT_EQ(item.element, 0);
    ASSERT_TRUE(item.batch);
    EXPECT_EQ(*item.batch, sent);
    // An empty batch is drawn too: it holds nothing.
    ASSERT_EQ(send_batch({}), 1);
    EXPECT_EQ(word(1, layout::kResult1), 0);
    EXPECT_EQ(items(1).size(), 2u);
}

TEST_F(BatchTest, TakesTheWindowsTransformAndClipAsEveryItem) {
    words(1, layout::kResult1, {10, 20, 110, 90});
    ASSERT_EQ(slot('A', 1, 8, 1), 1);  // clip inside the rectangle
    ASSERT_EQ(send_batch({line(1, 2)}), 1);
    EXPECT_EQ(items(1).back().rectangle.mode, 1);
    EXPECT_EQ(items(1).back().rectangle.x2, 110);
}

// Colour values name the window's colours as it has them when the batch arrives.
TEST_F(BatchTest, ColourValuesAreResolvedWithTheWindowsColours) {
    plotcore::Item red = line(1, 1, plotcore::kColourValueFlag | 2);
    plotcore::Item given = line(2, 2, plotcore::kColourValueFlag | 0x02563412);
    plotcore::Item packed = line(3, 3, 0x00ABCDEF);
    plotcore::Item marks;
    marks.kind = plotcore::ItemKind::kMarkers;
    marks.marker.rgb = plotcore::kColourValueFlag | 4;
    marks.points = {{1, 1}};
    plotcore::Item shape;
    shape.kind = plotcore::ItemKind::kPolygon;
    shape.filled = true;
    shape.fill_rgb = plotcore::kColourValueFlag | 3;
    shape.points = {{0, 0}, {4, 0}, {0, 4}};
    ASSERT_EQ(send_batch({red, given, packed, marks, shape}), 1);
    const plotcore::Items& got = *items(1)[0].batch;
    EXPECT_EQ(got[0].stroke.rgb, 0xFF0000u);
    EXPECT_EQ(got[1].stroke.rgb, 0x123456u);
    EXPECT_EQ(got[2].stroke.rgb, 0xABCDEFu);
    EXPECT_EQ(got[3].marker.rgb, 0x0000FFu);
    EXPECT_EQ(got[4].fill_rgb, 0x00FF00u);
}

TEST_F(BatchTest, MalformedBatchesDrawNothing) {
    plotcore::Bytes good = plotcore::encode_batch({line(1, 2), line(3, 4)});
    plotcore::Bytes magic = good;
    magic[0] ^= 0xFF;
    plotcore::Bytes count = good;
    count[8] = 200;  // more items than the bytes hold
    plotcore::Bytes kind = good;
    kind[plotcore::kHeaderBytes] = 99;
    plotcore::Bytes far = plotcore::encode_batch({line(1e7f, 2)});
    plotcore::Bytes cut(good.begin(), good.end() - 3);
    for (const plotcore::Bytes& bad : {magic, count, kind, far, cut}) EXPECT_EQ(send_bytes(bad), 0);
    EXPECT_TRUE(items(1).empty());
    ASSERT_EQ(send_bytes(good), 1);
    EXPECT_EQ(items(1).size(), 1u);
}

TEST_F(BatchTest, OutOfRangeCountsHandlesAndMissingBlocksAreRefused) {
    const plotcore::Bytes good = plotcore::encode_batch({line(1, 2)});
    std::memcpy(plot_block(), good.data(), good.size());
    const auto beyond = static_cast<std::int32_t>(plotcore::kPlotBlockSize + 1);
    for (std::int32_t bytes : {-1, 0, beyond, INT32_MAX, INT32_MIN}) {
        words(1, layout::kResult1, {0, 0});
        EXPECT_EQ(slot('B', 1, plotcore::kPlotBatch, bytes), 0) << bytes;
    }
    EXPECT_EQ(send_bytes(good, -1), 0);
    EXPECT_EQ(send_bytes(good, plotcore::kMaxElement + 1), 0);
    EXPECT_EQ(send_bytes(good, 3, 2), 0);
    EXPECT_EQ(send_bytes(good, 3, -1), 0);
    EXPECT_TRUE(items(1).empty());
    // A window without a plot block draws no batch.
    ASSERT_EQ(open(), 2);
    words(2, layout::kResult1, {0, 0});
    EXPECT_EQ(slot('B', 2, plotcore::kPlotBatch, static_cast<std::int32_t>(good.size())), 0);
    EXPECT_TRUE(items(2).empty());
}

class SmallListTest : public BatchTest {
  protected:
    SmallListTest() { max_items_ = 2; }
};

TEST_F(SmallListTest, AFullDisplayListRefusesBatches) {
    ASSERT_EQ(send_batch({line(1, 1)}), 1);
    ASSERT_EQ(send_batch({line(2, 2)}, 4), 1);
    EXPECT_EQ(send_batch({line(3, 3)}), 0);
    EXPECT_EQ(send_batch({line(3, 3)}, 4, 1), 0);
    // Replacing the element takes no more room: it is taken.
    EXPECT_EQ(send_batch({line(5, 5)}, 4, 0), 1);
    EXPECT_EQ(starts(), (std::vector<float>{1, 5}));
}

// What a batch holds counts against the process's drawing budget.
class BudgetTest : public BatchTest {
  protected:
    BudgetTest() { max_drawing_bytes_ = 64 * 1024; }
    static plotcore::Items long_line(std::size_t points) {
        plotcore::Item item = line(0, 0);
        item.points.assign(points, {1, 1});
        return {item};
    }
};

TEST_F(BudgetTest, BatchesTakeTheirSizeFromTheBudget) {
    EXPECT_EQ(send_batch(long_line(10000)), 0) << "80 KB of points beyond a 64 KB budget";
    EXPECT_TRUE(items(1).empty());
    for (int i = 0; i < 3; ++i) ASSERT_EQ(send_batch(long_line(2000)), 1);
    EXPECT_EQ(send_batch(long_line(2000)), 0) << "a fourth 16 KB batch no longer fits";
    EXPECT_EQ(send_batch(long_line(2000), 9, 0), 0);
    ASSERT_EQ(slot('B', 1, 4), 1);  // erasing gives it all back
    for (int i = 0; i < 3; ++i) EXPECT_EQ(send_batch(long_line(2000)), 1);
    // An element replaced in place gives back what its old items took.
    ASSERT_EQ(slot('B', 1, 26, 1), 1);
    ASSERT_EQ(send_batch(long_line(2000), 9, 0), 1);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(send_batch(long_line(2000), 9, 0), 1) << i;
}

}  // namespace
}  // namespace luwnd::test
