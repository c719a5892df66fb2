// Lines, figures and markers in the display list, with the attributes in force.
#include <new>

#include "core_fixture.h"

namespace luwnd::test {
namespace {

class DrawingTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
    }
    std::vector<std::int32_t> coords(const DrawItem& item) {
        return std::vector<std::int32_t>(item.coords.begin(),
                                         item.coords.begin() + 2 * item.point_count);
    }
};

TEST_F(DrawingTest, LineSequenceDrawsFromEachEndPoint) {
    EXPECT_EQ(slot('A', 1, 20, 5, 5), 1);  // no position yet: only moves
    EXPECT_TRUE(items(1).empty());
    EXPECT_EQ(slot('A', 1, 11, 10, 20), 1);
    EXPECT_EQ(slot('A', 1, 20, 30, 40), 1);
    EXPECT_EQ(slot('A', 1, 20, 50, 10), 1);
    EXPECT_EQ(slot('A', 1, 11, -1, -1), 1);  // the pen's "no position"
    EXPECT_EQ(slot('A', 1, 20, 70, 70), 1);
    EXPECT_EQ(slot('A', 1, 20, 80, -5), 1);  // above the page still draws
    ASSERT_EQ(items(1).size(), 3u);
    EXPECT_EQ(items(1)[0].kind, ItemKind::kLine);
    EXPECT_EQ(coords(items(1)[0]), (std::vector<std::int32_t>{10, 20, 30, 40}));
    EXPECT_EQ(coords(items(1)[1]), (std::vector<std::int32_t>{30, 40, 50, 10}));
    EXPECT_EQ(coords(items(1)[2]), (std::vector<std::int32_t>{70, 70, 80, -5}));
}

TEST_F(DrawingTest, BoxFiguresTakeTheirCornersAndSlots) {
    words(1, layout::kResult1, {10, 20, 5, 1});
    EXPECT_EQ(slot('A', 1, 21), 1);
    EXPECT_EQ(slot('A', 1, 22, -77), 1);
    EXPECT_EQ(slot('A', 1, 23, 60, 40), 1);
    EXPECT_EQ(slot('A', 1, 24), 1);
    EXPECT_EQ(slot('A', 1, 23, -1, 40), 0);
    ASSERT_EQ(items(1).size(), 4u);
    const ItemKind kinds[] = {ItemKind::kBox21, ItemKind::kBox22, ItemKind::kBox23,
                              ItemKind::kBox24};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(items(1)[i].kind, kinds[i]);
        EXPECT_EQ(coords(items(1)[i]), (std::vector<std::int32_t>{10, 20, 5, 1}));  // unsorted
    }
    EXPECT_EQ(items(1)[1].arg1, -77);
    EXPECT_EQ(items(1)[2].arg1, 60);
    EXPECT_EQ(items(1)[2].arg2, 40);
    EXPECT_LT(state(1).position.x, 0);  // figures leave the position alone
}

TEST_F(DrawingTest, ArcFiguresTakeCornersAndBothRayPoints) {
    words(1, layout::kResult1, {0, 0, 100, 50, 530, 25, 50, -455});
    for (int code = 25; code <= 27; ++code) EXPECT_EQ(slot('A', 1, code), 1);
    ASSERT_EQ(items(1).size(), 3u);
    EXPECT_EQ(items(1)[0].kind, ItemKind::kArc25);
    EXPECT_EQ(items(1)[2].kind, ItemKind::kArc27);
    EXPECT_EQ(coords(items(1)[1]), (std::vector<std::int32_t>{0, 0, 100, 50, 530, 25, 50, -455}));
}

TEST_F(DrawingTest, PenChangeMaskAppliesOnlyMarkedValidFields) {
    words(1, layout::kPenStyle, {3, 7, 0x0200FF00, 13});
    layout::write_i32(window_block(1), layout::kChanged, layout::kChangedPenColour);
    EXPECT_EQ(slot('A', 1, 6), 1);
    EXPECT_EQ(state(1).pen.colour, 0x0200FF00);
    EXPECT_EQ(state(1).pen.style, 0);  // not marked
    EXPECT_EQ(state(1).pen.width, 0);
    EXPECT_EQ(word(1, layout::kChanged), layout::kChangedPenColour);  // bits stay set

    words(1, layout::kPenStyle, {10, -4, -999, 32});  // all out of range
    layout::write_i32(window_block(1), layout::kChanged, 0xF);
    EXPECT_EQ(slot('A', 1, 6), 1);
    EXPECT_EQ(state(1).pen, (PenState{0, 0, 0x0200FF00, 0}));

    words(1, layout::kPenStyle, {9, 4, 12, 31});
    words(1, layout::kMarkerType, {5, 12, -1, 8, 3});
    layout::write_i32(window_block(1), layout::kChanged, 0xF | 0x80 | 0x200);
    EXPECT_EQ(slot('A', 1, 6), 1);
    EXPECT_EQ(state(1).pen, (PenState{9, 4, 12, 31}));
    EXPECT_EQ(state(1).marker, (MarkerState{5, 0, -1, 0, 0}));

    words(1, layout::kResult1, {1, 2, 3, 4});
    ASSERT_EQ(slot('A', 1, 21), 1);
    EXPECT_EQ(items(1).back().pen, (PenState{9, 4, 12, 31}));
    EXPECT_EQ(items(1).back().rgb, 0x000080u);  // entry 12 resolved when drawn
}

TEST_F(DrawingTest, MarkersCarryTheAppliedMarkerAttributes) {
    words(1, layout::kMarkerType, {3, 40, 1, 2, 9});
    layout::write_i32(window_block(1), layout::kChanged, 0xF80);
    ASSERT_EQ(slot('A', 1, 6), 1);
    EXPECT_EQ(slot('A', 1, 17, 100, 200), 1);
    ASSERT_EQ(items(1).size(), 1u);
    EXPECT_EQ(items(1)[0].kind, ItemKind::kMarker);
    EXPECT_EQ(coords(items(1)[0]), (std::vector<std::int32_t>{100, 200}));
    EXPECT_EQ(items(1)[0].marker, (MarkerState{3, 40, 1, 2, 9}));
}

TEST_F(DrawingTest, TransformIsStoredAndAnsweredInTheSameWords) {
    words(1, layout::kResult1, {65536, -32768, 0, 131072});
    EXPECT_EQ(slot('A', 1, 7, 15, -25), 1);
    words(1, layout::kResult1, {0, 0, 0, 0});
    EXPECT_EQ(slot('B', 1, 30), 1);
    EXPECT_EQ(word(1, layout::kParam2), 15);
    EXPECT_EQ(word(1, layout::kParam3), -25);
    EXPECT_EQ(word(1, layout::kResult1), 65536);
    EXPECT_EQ(word(1, layout::kResult2), -32768);
    EXPECT_EQ(word(1, layout::kResult4), 131072);
    ASSERT_EQ(slot('A', 1, 21), 1);
    EXPECT_EQ(items(1).back().transform, (Transform{15, -25, 65536, -32768, 0, 131072}));
}

TEST_F(DrawingTest, RectangleModeZeroToFour) {
    words(1, layout::kResult1, {1, 2, 3, 4});
    EXPECT_EQ(slot('A', 1, 8, 4), 1);
    EXPECT_EQ(state(1).rectangle, (RectangleMode{1, 2, 3, 4, 4}));
    words(1, layout::kResult1, {9, 9, 9, 9});
    EXPECT_EQ(slot('A', 1, 8, 5), 0);
    EXPECT_EQ(slot('A', 1, 8, -1), 0);
    EXPECT_EQ(state(1).rectangle, (RectangleMode{1, 2, 3, 4, 4}));
}

class CappedDrawingTest : public DrawingTest {
  protected:
    CappedDrawingTest() { max_items_ = 3; }
};

TEST_F(CappedDrawingTest, FullDisplayListRefusesAndKeepsThePosition) {
    ASSERT_EQ(slot('A', 1, 11, 0, 0), 1);
    for (int i = 1; i <= 3; ++i) ASSERT_EQ(slot('A', 1, 20, i, i), 1);
    EXPECT_EQ(slot('A', 1, 20, 9, 9), 0);
    EXPECT_EQ(state(1).position.x, 3);
    EXPECT_EQ(slot('A', 1, 21), 0);
    EXPECT_EQ(slot('A', 1, 17, 1, 1), 0);
    put_text(1, "x");
    EXPECT_EQ(slot('A', 1, 15, 1, 1), 0);
    EXPECT_EQ(items(1).size(), 3u);
    EXPECT_EQ(slot('E', 1, 14), 1);
    EXPECT_EQ(word(1, layout::kResult2), 0);
}

// Every window alone stays within its limit, so the process needs one for all of them: a
// command past it is refused, what is drawn stays, and room comes back with a closed window.
class BudgetedDrawingTest : public DrawingTest {
  protected:
    BudgetedDrawingTest() { max_drawing_bytes_ = 5 * item_cost(0); }
};

TEST_F(BudgetedDrawingTest, TheBudgetIsSharedByAllWindowsOfTheProcess) {
    ASSERT_EQ(open(), 2);
    ASSERT_EQ(slot('A', 1, 11, 0, 0), 1);
    for (int i = 1; i <= 3; ++i) ASSERT_EQ(slot('A', 1, 20, i, i), 1);
    ASSERT_EQ(slot('A', 2, 11, 0, 0), 2);
    for (int i = 1; i <= 2; ++i) ASSERT_EQ(slot('A', 2, 20, i, i), 2);
    EXPECT_EQ(slot('A', 2, 20, 9, 9), 0);
    EXPECT_EQ(slot('A', 1, 20, 9, 9), 0);
    EXPECT_EQ(items(1).size(), 3u);
    EXPECT_EQ(items(2).size(), 2u);
    slot('J', 1, 0);  // closing window 1 gives its share back
    ASSERT_EQ(window_block(1), nullptr);
    EXPECT_EQ(slot('A', 2, 20, 9, 9), 2);
    EXPECT_EQ(items(2).size(), 3u);
}

// A renderer that cannot get memory for a measurement.
class StarvedMeasure : public TextMeasure {
  public:
    std::optional<std::array<std::int32_t, 4>> measure(const FontState&,
                                                       std::string_view) override {
        throw std::bad_alloc();
    }
};

class StarvedDrawingTest : public DrawingTest {
  protected:
    StarvedDrawingTest() { text_measure_ = &starved_; }
    StarvedMeasure starved_;
};

TEST_F(StarvedDrawingTest, NoMemoryForACommandRefusesOnlyThatCommand) {
    put_text(1, "abc");
    EXPECT_EQ(slot('B', 1, 17), 0);
    EXPECT_EQ(slot('A', 1, 11, 0, 0), 1);
    EXPECT_EQ(slot('A', 1, 20, 5, 5), 1);
    EXPECT_EQ(items(1).size(), 1u);
}

}  // namespace
}  // namespace luwnd::test
