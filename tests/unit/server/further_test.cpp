// The further window commands: grid, marker colour, points, queries, window settings and
// presets, each with its answer and its refusals.
#include <cstdint>

#include "core_fixture.h"

namespace luwnd::test {
namespace {

class FurtherTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
    }
    std::string text_area(int n) {
        return std::string(reinterpret_cast<const char*>(window_block(n) + layout::kText));
    }
    std::int32_t process(int code) {
        return send({'P', ' ', static_cast<std::uint8_t>((code + 32) & 0xFF), 0});
    }
    void set_pen_colour(std::int32_t colour) {
        layout::write_i32(window_block(1), layout::kPenColour, colour);
        layout::write_i32(window_block(1), layout::kChanged, layout::kChangedPenColour);
        ASSERT_EQ(slot('A', 1, 6), 1);
    }
};

TEST_F(FurtherTest, GridTakesBothSpacingsWithinRange) {
    words(1, layout::kResult2, {20, 0});
    EXPECT_EQ(slot('A', 1, 14), 1);
    ASSERT_EQ(items(1).size(), 1u);
    EXPECT_EQ(items(1)[0].kind, ItemKind::kGrid);
    EXPECT_EQ(items(1)[0].arg1, 20);
    EXPECT_EQ(items(1)[0].arg2, 0);
    for (auto bad : std::vector<std::vector<std::int32_t>>{{0, 0}, {-1, 5}, {5, 16385}}) {
        words(1, layout::kResult2, bad);
        EXPECT_EQ(slot('A', 1, 14), 0);
    }
    EXPECT_EQ(items(1).size(), 1u);
}

TEST_F(FurtherTest, MarkerColourSetReportedAndReturnedToThePen) {
    set_pen_colour(4);  // blue
    words(1, layout::kResult1, {2});
    EXPECT_EQ(slot('A', 1, 18), 1);
    EXPECT_EQ(slot('A', 1, 17, 5, 5), 1);
    ASSERT_EQ(slot('A', 1, 11, 0, 0), 1);
    EXPECT_EQ(slot('A', 1, 20, 9, 9), 1);
    EXPECT_EQ(items(1)[0].rgb, 0xFF0000u);  // the marker in red
    EXPECT_EQ(items(1)[1].rgb, 0x0000FFu);  // the line in the pen
    EXPECT_EQ(slot('B', 1, 28), 1);
    EXPECT_EQ(word(1, layout::kResult1), 2);
    EXPECT_EQ(word(1, layout::kResult2), 0xFF0000);
    EXPECT_EQ(slot('B', 1, 27), 1);  // as the client sends for 'A' 18 with -1
    EXPECT_EQ(slot('B', 1, 28), 1);
    EXPECT_EQ(word(1, layout::kResult1), -1);
    EXPECT_EQ(word(1, layout::kResult2), 0x0000FF);
    EXPECT_EQ(slot('A', 1, 17, 6, 6), 1);
    EXPECT_EQ(items(1).back().rgb, 0x0000FFu);
    words(1, layout::kResult1, {-999});
    EXPECT_EQ(slot('A', 1, 18), 0);
    EXPECT_FALSE(state(1).marker_colour.has_value());
}

TEST_F(FurtherTest, PointsAreSetAndQueriedByPixel) {
    words(1, layout::kResult1, {0x020000FF});  // red
    EXPECT_EQ(slot('A', 1, 19, 5, 6), 1);
    ASSERT_EQ(items(1).size(), 1u);
    EXPECT_EQ(items(1)[0].kind, ItemKind::kPoint);
    EXPECT_EQ(items(1)[0].rgb, 0xFF0000u);
    words(1, layout::kResult1, {0});
    EXPECT_EQ(slot('F', 1, 5, 6), 1);
    EXPECT_EQ(word(1, layout::kResult1), 0x020000FF);
    EXPECT_EQ(slot('F', 1, 6, 5), 0);  // nothing set there
    set_pen_colour(3);
    words(1, layout::kResult1, {-1});  // the pen's green, over the red
    EXPECT_EQ(slot('A', 1, 19, 5, 6), 1);
    EXPECT_EQ(slot('F', 1, 5, 6), 1);
    EXPECT_EQ(word(1, layout::kResult1), 0x0200FF00);
    EXPECT_EQ(slot('A', 1, 19, 640, 0), 0);  // outside the 640 x 480 page
    EXPECT_EQ(slot('F', 1, -1, 0), 0);
    words(1, layout::kResult1, {-999});
    EXPECT_EQ(slot('A', 1, 19, 1, 1), 0);
    EXPECT_EQ(slot('B', 1, 4), 1);  // erased
    EXPECT_EQ(slot('F', 1, 5, 6), 0);
}

TEST_F(FurtherTest, ProcessQueriesAnswerForTheWholeProcess) {
    ASSERT_EQ(open(5), 5);
    EXPECT_EQ(process(1), 2);
    EXPECT_EQ(process(2), 1);
    EXPECT_EQ(process(3), 5);
    EXPECT_EQ(process(4), 0);
    EXPECT_EQ(process(0), 0);
    EXPECT_EQ(process(-32), 0);              // the NUL character
    EXPECT_EQ(send({'P', '!', '!', 0}), 0);  // only the process as a whole
}

TEST_F(FurtherTest, WindowQueryAnswersByKindInTheLastThreeWords) {
    words(1, layout::kResult1, {77});
    EXPECT_EQ(slot('B', 1, 1, 128), 1);
    EXPECT_EQ(word(1, layout::kResult2), 640);
    EXPECT_EQ(word(1, layout::kResult3), 480);
    EXPECT_EQ(word(1, layout::kResult4), 480);
    EXPECT_EQ(slot('B', 1, 1, 64), 1);
    EXPECT_EQ(word(1, layout::kResult4), 0);  // no position yet
    ASSERT_EQ(slot('A', 1, 11, 10, 20), 1);
    ASSERT_EQ(slot('A', 1, 20, 30, 40), 1);
    EXPECT_EQ(slot('B', 1, 1, 64), 1);
    EXPECT_EQ(word(1, layout::kResult2), 30);
    EXPECT_EQ(word(1, layout::kResult3), 40);
    EXPECT_EQ(word(1, layout::kResult4), 1);
    EXPECT_EQ(slot('B', 1, 1, 32), 1);
    EXPECT_EQ(word(1, layout::kResult2), 1);
    EXPECT_EQ(word(1, layout::kResult3), static_cast<std::int32_t>(DisplayList::kMaxItems - 1));
    EXPECT_EQ(slot('B', 1, 1, 5), 0);  // a kind the client passes unmapped
    EXPECT_EQ(word(1, layout::kResult1), 77);
}

TEST_F(FurtherTest, ValueQueryRepliesWithATextTheClientReads) {
    EXPECT_EQ(slot('B', 1, 15, 1), 1);
    EXPECT_EQ(text_area(1), "640,480");
    EXPECT_EQ(slot('B', 1, 15, 2), 1);
    EXPECT_EQ(text_area(1), "none");  // a letter: the client answers 0
    ASSERT_EQ(slot('A', 1, 11, 12, 34), 1);
    EXPECT_EQ(slot('B', 1, 15, 2), 1);
    EXPECT_EQ(text_area(1), "12,34");
    EXPECT_EQ(slot('B', 1, 15, 3), 1);
    EXPECT_EQ(text_area(1), "0,1000000");
    EXPECT_EQ(slot('B', 1, 6, 0), 1);
    EXPECT_EQ(slot('B', 1, 29, 1), 1);
    EXPECT_EQ(slot('B', 1, 15, 5), 1);
    EXPECT_EQ(text_area(1), "0,1");
    EXPECT_EQ(slot('B', 1, 15, 0), 0);
    EXPECT_EQ(slot('B', 1, 15, 6), 0);
}

TEST_F(FurtherTest, WindowSettingsTakeValidValuesOnly) {
    EXPECT_EQ(slot('B', 1, 5, 100, 200), 1);
    EXPECT_EQ(slot('B', 1, 5, -1, 200), 0);
    EXPECT_EQ(state(1).x, 100);
    EXPECT_EQ(state(1).y, 200);
    EXPECT_EQ(slot('B', 1, 6, 2), 0);
    EXPECT_TRUE(state(1).shown);
    EXPECT_EQ(slot('B', 1, 29, -1), 0);
    EXPECT_FALSE(state(1).on_top);
    EXPECT_EQ(slot('B', 1, 34, 2), 1);
    EXPECT_EQ(slot('B', 1, 34, 4), 0);
    EXPECT_EQ(state(1).picture_format, 2);
}

TEST_F(FurtherTest, CompositingIsKeptByWhatIsDrawnNextAndSurvivesAnErase) {
    ASSERT_EQ(slot('A', 1, 11, 0, 0), 1);
    ASSERT_EQ(slot('A', 1, 20, 5, 5), 1);
    EXPECT_EQ(slot('B', 1, 47, 2), 1);
    ASSERT_EQ(slot('B', 1, 44, 77), 1);
    ASSERT_EQ(slot('A', 1, 20, 9, 9), 1);
    for (std::int32_t bad : {-1, 3, 255, INT32_MIN}) EXPECT_EQ(slot('B', 1, 47, bad), 0) << bad;
    EXPECT_EQ(state(1).compose, 2);
    ASSERT_EQ(items(1).size(), 2u);
    EXPECT_EQ(items(1)[0].compose, 0) << "drawn before";
    EXPECT_EQ(items(1)[1].compose, 2);
    EXPECT_EQ(items(1)[1].alpha, 77);
    ASSERT_EQ(slot('B', 1, 4), 1);
    EXPECT_EQ(state(1).compose, 2) << "erasing keeps it";
    EXPECT_EQ(slot('B', 1, 47, 0), 1);
    ASSERT_EQ(slot('A', 1, 20, 1, 1), 1);
    EXPECT_EQ(items(1).back().compose, 0);
}

TEST_F(FurtherTest, TitleComesFromOpenAndFromTheTextArea) {
    ASSERT_EQ(open(2, "Spectrum"), 2);
    EXPECT_EQ(state(2).title, "Spectrum");
    put_text(2, "Coefficients");
    EXPECT_EQ(slot('B', 2, 12), 2);
    EXPECT_EQ(state(2).title, "Coefficients");
    put_text(2, std::string(256, 'x'));
    EXPECT_EQ(slot('B', 2, 12), 0);
    std::memset(window_block(2) + layout::kText, 'y', layout::kTextSize);  // no NUL at all
    EXPECT_EQ(slot('B', 2, 12), 0);
    EXPECT_EQ(state(2).title, "Coefficients");
}

TEST_F(FurtherTest, BackgroundEraseAndRemovalOfTheLastItems) {
    ASSERT_EQ(slot('A', 1, 11, 0, 0), 1);
    for (int i = 1; i <= 3; ++i) ASSERT_EQ(slot('A', 1, 20, i, i), 1);
    EXPECT_EQ(slot('B', 1, 26, 2), 1);
    ASSERT_EQ(items(1).size(), 1u);
    EXPECT_EQ(items(1)[0].coords[2], 1);
    EXPECT_EQ(slot('B', 1, 26, 2), 0);
    EXPECT_EQ(slot('B', 1, 26, 0), 0);
    EXPECT_EQ(slot('B', 1, 23, 5, 0), 1);
    EXPECT_EQ(items(1).size(), 1u);
    EXPECT_EQ(state(1).background, 5);
    EXPECT_EQ(slot('B', 1, 23, -999, 0), 0);
    EXPECT_EQ(slot('B', 1, 23, 3, 2), 0);
    EXPECT_EQ(slot('B', 1, 23, 3, 1), 1);
    EXPECT_TRUE(items(1).empty());
    EXPECT_EQ(state(1).background, 3);
}

TEST_F(FurtherTest, PresetsSavedInOneWindowApplyInAnother) {
    words(1, layout::kPenStyle, {2, 3, 4, 0});
    words(1, layout::kMarkerType, {5, 9, 1, 1, 1});
    layout::write_i32(window_block(1), layout::kChanged, 0xF8F);
    ASSERT_EQ(slot('A', 1, 6), 1);
    words(1, layout::kResult3, {-1, 11});
    EXPECT_EQ(slot('B', 1, 32, 16), 1);
    EXPECT_EQ(word(1, layout::kResult2), 1);   // presets saved
    EXPECT_EQ(word(1, layout::kResult3), 3);   // its pen width
    EXPECT_EQ(word(1, layout::kResult4), 11);  // its marker size, replaced
    EXPECT_EQ(state(1).marker.size, 9);        // the window keeps its own
    ASSERT_EQ(open(2), 2);
    words(2, layout::kResult3, {7, -1});
    EXPECT_EQ(slot('B', 2, 33, 16), 2);
    EXPECT_EQ(state(2).pen, (PenState{2, 7, 4, 0}));
    EXPECT_EQ(state(2).marker, (MarkerState{5, 11, 1, 1, 1}));
    EXPECT_EQ(word(2, layout::kPenWidth), 7);  // the block shows what is in force
    EXPECT_EQ(word(2, layout::kMarkerType), 5);
    EXPECT_EQ(word(2, layout::kResult2), 16);
    EXPECT_EQ(process(4), 1);
    words(2, layout::kResult3, {-1, -1});
    EXPECT_EQ(slot('B', 2, 33, 15), 0);  // never saved
    EXPECT_EQ(slot('B', 2, 32, 17), 0);
    EXPECT_EQ(slot('B', 2, 32, 0), 0);
    words(2, layout::kResult3, {-2, -1});
    EXPECT_EQ(slot('B', 2, 32, 1), 0);
    words(2, layout::kResult3, {-1, 16385});
    EXPECT_EQ(slot('B', 2, 33, 16), 0);
    EXPECT_EQ(process(4), 1);
}

}  // namespace
}  // namespace luwnd::test
