// What the painter asks of the canvas for each kind of drawing the core records.
#include <cstdio>

#include "render_fixture.h"

namespace luwnd::render::test {
namespace {

using Calls = std::vector<std::string>;

class PainterTest : public RenderFixture {
  protected:
    void SetUp() override {
        RenderFixture::SetUp();
        ASSERT_EQ(open(), 1);
    }
};

TEST_F(PainterTest, LinesRunFromTheCurrentPositionWithThePenInForce) {
    pen(1, 2, 1, 3, 0);  // red, dashed, 3 pixels wide
    line(1, 10, 20, 30, 40);
    ASSERT_EQ(slot('A', 1, 20, 50, 40), 1);
    EXPECT_EQ(calls(1), (Calls{"line 10,20 30,40 pen=ff0000/dash/3/0",
                               "line 30,40 50,40 pen=ff0000/dash/3/0"}));
}

TEST_F(PainterTest, PenStylesWidthsAndMixModesMapToTheCanvasPen) {
    const char* names[] = {"solid", "dash",  "dot",      "dashdot",   "dashdotdot",
                           "none",  "solid", "longdash", "alternate", "sparsedot"};
    for (int style = 0; style <= 9; ++style) {
        pen(1, 0, style, 0, 7);
        line(1, 0, style, 5, style);
        EXPECT_EQ(calls(1).back(), std::string("line 0,") + std::to_string(style) + " 5," +
                                       std::to_string(style) + " pen=000000/" + names[style] +
                                       "/1/7");
    }
}

TEST_F(PainterTest, BoxFiguresTakeTheSortedBoxOfTheirCorners) {
    pen(1, 4, 0, 1, 0);
    ASSERT_EQ(figure(1, 21, {50, 40, 10, 20}), 1);
    ASSERT_EQ(figure(1, 22, {10, 20, 50, 40}, 3), 1);     // k = entry 3, green
    ASSERT_EQ(figure(1, 22, {10, 20, 50, 40}, -999), 1);  // not a colour: the pen's
    ASSERT_EQ(figure(1, 23, {10, 20, 50, 40}, 8, 6), 1);
    ASSERT_EQ(figure(1, 24, {10, 20, 50, 40}), 1);
    EXPECT_EQ(calls(1), (Calls{"rect 10,20 50,40 pen=0000ff/solid/1/0 fill=-",
                               "rect 10,20 50,40 pen=0000ff/none/1/0 fill=00ff00/0",
                               "rect 10,20 50,40 pen=0000ff/none/1/0 fill=0000ff/0",
                               "roundrect 10,20 50,40 8x6 pen=0000ff/solid/1/0 fill=-",
                               "ellipse 10,20 50,40 pen=0000ff/solid/1/0 fill=-"}));
}

TEST_F(PainterTest, ArcsTakeTheirAnglesFromTheRayPoints) {
    // Box centre (50, 50); rays to the right and straight up, then up and to the left.
    ASSERT_EQ(figure(1, 25, {0, 0, 100, 100, 1000, 50, 50, -1000}), 1);
    ASSERT_EQ(figure(1, 26, {0, 0, 100, 100, 50, -1000, -1000, 50}), 1);
    ASSERT_EQ(figure(1, 27, {0, 0, 100, 100, 50, 1000, 1000, 50}), 1);
    EXPECT_EQ(calls(1), (Calls{"arc 0,0 100,100 0..90 pen=000000/solid/1/0 fill=-",
                               "chord 0,0 100,100 90..180 pen=000000/solid/1/0 fill=-",
                               "pie 0,0 100,100 -90..0 pen=000000/solid/1/0 fill=-"}));
}

TEST_F(PainterTest, InsideFramePensKeepTheOutlineInsideTheBox) {
    pen(1, 0, 6, 5, 0);
    ASSERT_EQ(figure(1, 21, {10, 10, 50, 50}), 1);
    ASSERT_EQ(figure(1, 24, {10, 10, 13, 13}), 1);  // the inset stops at the centre
    EXPECT_EQ(calls(1), (Calls{"rect 12,12 48,48 pen=000000/solid/5/0 fill=-",
                               "ellipse 11.5,11.5 11.5,11.5 pen=000000/solid/5/0 fill=-"}));
}

TEST_F(PainterTest, TextsCarryHeightAngleAlignmentStyleAndColour) {
    font(1, 24, 900, 5, 3, 4, "Serif");  // 90 degrees, right and baseline, bold italic, blue
    put_text(1, "Hi");
    ASSERT_EQ(slot('A', 1, 15, 100, 200), 1);
    font(1, 12, 0, 7, 0, 0x02000080);  // centre and bottom, RGB red 0x80
    put_text(1, "caf\xE9");            // Latin-1 e acute
    ASSERT_EQ(slot('A', 1, 15, 5, 6), 1);
    EXPECT_EQ(calls(1), (Calls{"text 100,200 \"Hi\" face=Serif/h=24/a=90/al=2,1/st=3/c=0000ff",
                               "text 5,6 \"caf\xE9\" face=Serif/h=12/a=0/al=1,2/st=0/c=800000"}));
}

// Oblique (32) reaches the canvas with the other style bits; 16, which no style is, does not.
TEST_F(PainterTest, ObliqueIsAStyleOfItsOwn) {
    font(1, 12, 0, 0, 32 | 16 | 1, 0);
    put_text(1, "Hi");
    ASSERT_EQ(slot('A', 1, 15, 1, 2), 1);
    EXPECT_EQ(calls(1), (Calls{"text 1,2 \"Hi\" face=/h=12/a=0/al=0,0/st=33/c=000000"}));
}

// The canvas reads the bytes in its platform's encoding, so they reach it unchanged:
// Shift-JIS, and bytes that happen to form UTF-8 too.
TEST_F(PainterTest, TextBytesReachTheCanvasAsTheProgramSentThem) {
    font(1, 12, 0, 0, 0, 0);
    put_text(1, "\x93\xfa\x96\x7b");  // Shift-JIS for two kanji
    ASSERT_EQ(slot('A', 1, 15, 1, 2), 1);
    put_text(1, "caf\xC3\xA9");
    ASSERT_EQ(slot('A', 1, 15, 3, 4), 1);
    const Calls recorded = calls(1);
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(recorded[0].substr(0, 15), "text 1,2 \"\x93\xfa\x96\x7b\"");
    EXPECT_EQ(recorded[1].substr(0, 16), "text 3,4 \"caf\xC3\xA9\"");
}

TEST_F(PainterTest, SymbolsAreOneCharacterOfTheSymbolFont) {
    words(1, layout::kFont2Angle, {0, 0, 30, 0, 0, 2});
    ASSERT_EQ(slot('A', 1, 10, 1), 1);
    put_text(1, "A");
    ASSERT_EQ(slot('A', 1, 16, 7, 8), 1);
    put_text(1, "\x07");  // a control code draws nothing
    ASSERT_EQ(slot('A', 1, 16, 7, 8), 1);
    EXPECT_EQ(calls(1), (Calls{"text 7,8 \"A\" face=/h=30/a=0/al=0,0/st=0/c=ff0000"}));
}

TEST_F(PainterTest, PolygonsFillByTheRuleInForce) {
    pen(1, 3, 0, 1, 0);
    words(1, layout::kFillRule, {2});  // taken when the array is announced
    ASSERT_EQ(array(1, 28, 3, 0, {0, 0, 10, 0, 5, 8}), 1);
    words(1, layout::kFillRule, {1});
    ASSERT_EQ(array(1, 28, 3, 0, {0, 0, 10, 0, 5, 8}), 1);
    EXPECT_EQ(calls(1),
              (Calls{"polygon winding 0,0 10,0 5,8 pen=00ff00/solid/1/0 fill=00ff00/0",
                     "polygon alternate 0,0 10,0 5,8 pen=00ff00/solid/1/0 fill=00ff00/0"}));
}

TEST_F(PainterTest, PolylinesBeziersAndPlots) {
    pen(1, 0, 0, 3, 0);
    ASSERT_EQ(array(1, 30, 2, 0, {1, 2, 3, 4}), 1);
    ASSERT_EQ(array(1, 30, 1, 0, {9, 9}), 1);  // a dot as wide as the pen
    ASSERT_EQ(array(1, 29, 4, 0, {0, 0, 1, 1, 2, 2, 3, 3}), 1);
    ASSERT_EQ(array(1, 32, 3, -1, {50, 60, 70}, {10, 30, 0, 0}), 1);  // a line
    ASSERT_EQ(array(1, 32, -2, 0, {50, 60}, {10, 20, 4, 0}), 1);      // bars along y from x = 0
    ASSERT_EQ(array(1, 32, 2, -2, {50, 60}, {10, 20, 0, 99}), 1);     // impulses from y = 99
    EXPECT_EQ(calls(1), (Calls{"polyline 1,2 3,4 pen=000000/solid/3/0",
                               "rect 8,8 11,11 pen=000000/none/3/0 fill=000000/0",
                               "bezier 0,0 1,1 2,2 3,3 pen=000000/solid/3/0",
                               "polyline 10,50 20,60 30,70 pen=000000/solid/3/0",
                               "rect 0,8 50,12 pen=000000/none/3/0 fill=000000/0",
                               "rect 0,18 60,22 pen=000000/none/3/0 fill=000000/0",
                               "line 10,99 10,50 pen=000000/solid/3/0",
                               "line 20,99 20,60 pen=000000/solid/3/0"}));
}

TEST_F(PainterTest, PlotMarkersGridsAndPoints) {
    ASSERT_EQ(array(1, 32, 2, 4, {50, 60}, {10, 20, 2, 0}), 1);  // diagonal crosses, size 2
    words(1, layout::kResult1, {0, 100, 80});
    ASSERT_EQ(slot('A', 1, 14), 1);  // grid: vertical lines every 100, horizontal every 80
    words(1, layout::kResult1, {2});
    ASSERT_EQ(slot('A', 1, 19, 3, 4), 1);  // a red point
    Calls list = calls(1);
    std::int32_t width = core_->window_state(1)->page_width;
    std::int32_t height = core_->window_state(1)->page_height;
    ASSERT_EQ(list.size(),
              4 + static_cast<std::size_t>((width + 99) / 100 + (height + 79) / 80) + 1);
    EXPECT_EQ(list[0], "line 9,49 11,51 pen=000000/solid/1/0");
    EXPECT_EQ(list[4], "line 0,0 0," + std::to_string(height) + " pen=000000/solid/1/0");
    EXPECT_EQ(list[5], "line 100,0 100," + std::to_string(height) + " pen=000000/solid/1/0");
    EXPECT_EQ(list.back(), "rect 3,4 4,5 pen=ff0000/none/1/0 fill=ff0000/0");
}

TEST_F(PainterTest, MarkersTakeTheirTypeSizeAndColour) {
    words(1, layout::kResult1, {2});
    ASSERT_EQ(slot('A', 1, 18), 1);  // red markers
    // type, size, unused, filled, width
    words(1, layout::kMarkerType, {5, 10, 0, 1, 0});
    words(1, layout::kChanged, {0xF80});
    ASSERT_EQ(slot('A', 1, 6), 1);
    ASSERT_EQ(slot('A', 1, 17, 100, 100), 1);
    words(1, layout::kMarkerType, {1, 4, 0, 0, 2});
    words(1, layout::kChanged, {0xF80});
    ASSERT_EQ(slot('A', 1, 6), 1);
    words(1, layout::kResult1, {-1});
    ASSERT_EQ(slot('A', 1, 18), 1);  // back to the pen colour
    ASSERT_EQ(slot('A', 1, 17, 20, 30), 1);
    EXPECT_EQ(calls(1), (Calls{"rect 95,95 106,106 pen=ff0000/solid/1/0 fill=ff0000/0",
                               "line 18,30 22,30 pen=000000/solid/2/0",
                               "line 20,28 20,32 pen=000000/solid/2/0"}));
}

TEST_F(PainterTest, TransformAndRectangleApplyToTheDrawingsAfterThem) {
    words(1, layout::kResult1, {0, 65536, -65536, 0});
    ASSERT_EQ(slot('A', 1, 7, 5, 6), 1);
    words(1, layout::kResult1, {40, 30, 0, 0});
    ASSERT_EQ(slot('A', 1, 8, 2), 1);
    line(1, 0, 0, 1, 1);
    EXPECT_EQ(calls(1), (Calls{"transform 0 65536 -65536 0 5 6", "clip outside 0,0 40,30",
                               "line 0,0 1,1 pen=000000/solid/1/0"}));
}

// 'B' 44 sets the opacity of what the window draws next; items keep the one they had.
TEST_F(PainterTest, OpacityAppliesToTheDrawingsAfterItAndOnlyWhenSet) {
    line(1, 0, 0, 1, 1);
    EXPECT_EQ(slot('B', 1, 44, 128), 1);
    line(1, 2, 2, 3, 3);
    font(1, 16, 0, 0, 0, 0);
    put_text(1, "A");
    ASSERT_EQ(slot('A', 1, 15, 5, 5), 1);
    EXPECT_EQ(slot('B', 1, 44, 255), 1);
    line(1, 4, 4, 5, 5);
    const Calls drawn = calls(1);
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[0], "line 0,0 1,1 pen=000000/solid/1/0");
    EXPECT_EQ(drawn[1], "opacity 128");
    EXPECT_EQ(drawn[2], "line 2,2 3,3 pen=000000/solid/1/0");
    EXPECT_EQ(drawn[3].substr(0, 13), "text 5,5 \"A\" ");
    EXPECT_EQ(drawn[4], "opacity 255");
    // Erasing keeps the opacity; values beyond 0 .. 255 are refused and change nothing.
    EXPECT_EQ(slot('B', 1, 44, 0), 1);
    EXPECT_EQ(slot('B', 1, 4), 1);
    EXPECT_EQ(slot('B', 1, 44, 256), 0);
    EXPECT_EQ(slot('B', 1, 44, -1), 0);
    line(1, 0, 0, 1, 1);
    EXPECT_EQ(calls(1), (Calls{"opacity 0", "line 0,0 1,1 pen=000000/solid/1/0"}));
}

TEST_F(PainterTest, PicturesGoToTheCanvasWithTheirCornersAndPixels) {
    words(1, layout::kText, {2, 1, 5, 60, 45, 20, 2, 0, 0x020000FF, 0x02FF0000});
    ASSERT_EQ(slot('B', 1, 60, 2, 1), 1);
    std::memcpy(block(1) + layout::kText, "\x01\x00", 2);
    ASSERT_EQ(slot('B', 1, 61, 0, 2), 1);
    ASSERT_EQ(slot('B', 1, 62), 1);
    // Packed words 0x0000FF (blue), 0xFF0000 (red), hashed byte by byte from the low one.
    std::uint32_t hash = 2166136261u;
    for (std::uint32_t rgb : {0x0000FFu, 0xFF0000u})
        for (int shift = 0; shift < 32; shift += 8)
            hash = (hash ^ ((rgb >> shift) & 0xFF)) * 16777619u;
    char sum[9];
    std::snprintf(sum, sizeof sum, "%08x", static_cast<unsigned>(hash));
    EXPECT_EQ(calls(1).back(), std::string("image 5,60 45,20 src=2x1 smooth=1 sum=") + sum);
}

}  // namespace
}  // namespace luwnd::render::test
