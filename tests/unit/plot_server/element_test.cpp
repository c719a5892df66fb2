// Elements: a first batch replaces the element's items where they stand, a continued one
// goes right after them, 'B' 74 removes them; erasing and undoing treat batch items like
// every other item.
#include "plot_fixture.h"

namespace luwnd::test {
namespace {

class ElementTest : public PlotFixture {
  protected:
    void SetUp() override {
        PlotFixture::SetUp();
        ASSERT_EQ(make_block(), 1);
    }
    std::int32_t draw(float x, std::int32_t h = 0, std::int32_t c = 0) {
        return send_batch({line(x, 0)}, h, c);
    }
    std::int32_t remove(std::int32_t h) { return slot('B', 1, plotcore::kRemoveElement, h); }
    std::vector<std::int32_t> elements() {
        std::vector<std::int32_t> out;
        for (const DrawItem& item : items(1)) out.push_back(item.element);
        return out;
    }
};

TEST_F(ElementTest, AFirstBatchReplacesTheElementWhereItStands) {
    ASSERT_EQ(draw(1), 1);
    ASSERT_EQ(draw(2, 5), 1);  // element 5 has no items yet: at the end
    ASSERT_EQ(slot('A', 1, 11, 0, 0), 1);
    ASSERT_EQ(slot('A', 1, 20, 9, 9), 1);  // a line of the window commands
    ASSERT_EQ(draw(3), 1);
    ASSERT_EQ(draw(4, 5, 1), 1);
    EXPECT_EQ(starts(), (std::vector<float>{1, 2, 4, -1, 3}));
    ASSERT_EQ(draw(6, 5, 0), 1);
    EXPECT_EQ(starts(), (std::vector<float>{1, 6, -1, 3}));
    EXPECT_EQ(elements(), (std::vector<std::int32_t>{0, 5, 0, 0}));
}

TEST_F(ElementTest, AContinuedBatchFollowsTheElementsLastItem) {
    ASSERT_EQ(draw(1, 7), 1);
    ASSERT_EQ(draw(2, 8), 1);
    ASSERT_EQ(draw(3, 7, 1), 1);
    ASSERT_EQ(draw(4, 7, 1), 1);
    EXPECT_EQ(starts(), (std::vector<float>{1, 3, 4, 2}));
    // An element with nothing yet starts at the end, continued or not.
    ASSERT_EQ(draw(5, 9, 1), 1);
    EXPECT_EQ(elements(), (std::vector<std::int32_t>{7, 7, 7, 8, 9}));
    ASSERT_EQ(draw(6, 7), 1);
    EXPECT_EQ(starts(), (std::vector<float>{6, 2, 5}));
}

TEST_F(ElementTest, RemovingAnElementLeavesTheRest) {
    ASSERT_EQ(draw(1, 3), 1);
    ASSERT_EQ(draw(2), 1);
    ASSERT_EQ(draw(3, 3, 1), 1);
    ASSERT_EQ(draw(4, 4), 1);
    EXPECT_EQ(remove(3), 1);
    EXPECT_EQ(starts(), (std::vector<float>{2, 4}));
    EXPECT_EQ(remove(3), 0) << "none left";
    for (std::int32_t h : {0, -1, plotcore::kMaxElement + 1}) EXPECT_EQ(remove(h), 0) << h;
    EXPECT_EQ(starts(), (std::vector<float>{2, 4}));
    // Gone means gone: the next first batch of the element comes at the end.
    ASSERT_EQ(draw(5, 3), 1);
    EXPECT_EQ(starts(), (std::vector<float>{2, 4, 5}));
}

TEST_F(ElementTest, EraseAndUndoTreatBatchesAsItems) {
    ASSERT_EQ(draw(1, 2), 1);
    ASSERT_EQ(draw(2), 1);
    ASSERT_EQ(draw(3, 2, 1), 1);
    EXPECT_EQ(starts(), (std::vector<float>{1, 3, 2}));
    ASSERT_EQ(slot('B', 1, 26, 2), 1);  // the last two: the plain batch and the continuation
    EXPECT_EQ(starts(), (std::vector<float>{1}));
    ASSERT_EQ(draw(4, 2, 1), 1);
    EXPECT_EQ(starts(), (std::vector<float>{1, 4}));
    ASSERT_EQ(slot('B', 1, 4), 1);
    EXPECT_TRUE(items(1).empty());
    EXPECT_EQ(remove(2), 0);
    ASSERT_EQ(draw(5, 2, 0), 1);
    EXPECT_EQ(starts(), (std::vector<float>{5}));
}

// Elements belong to their window.
TEST_F(ElementTest, WindowsKeepTheirOwnElements) {
    ASSERT_EQ(draw(1, 6), 1);
    ASSERT_EQ(open(), 2);
    ASSERT_EQ(make_block(2), 2);
    ASSERT_EQ(send_bytes(plotcore::encode_batch({line(9, 0)}), 6, 0, 2), 2);
    EXPECT_EQ(starts(1), (std::vector<float>{1}));
    EXPECT_EQ(starts(2), (std::vector<float>{9}));
    EXPECT_EQ(slot('B', 2, plotcore::kRemoveElement, 6), 2);
    EXPECT_EQ(starts(1), (std::vector<float>{1}));
}

}  // namespace
}  // namespace luwnd::test
