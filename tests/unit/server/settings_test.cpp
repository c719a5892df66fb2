// The options the window process is started with, and the 'B' 10 switches.
#include "server/core/settings.h"
#include "core_fixture.h"

namespace luwnd::test {
namespace {

TEST(OptionsText, SwitchesLowerCaseOnUpperCaseOff) {
    ProcessSettings s = parse_options(" /t /B /r /I /l");
    EXPECT_TRUE(s.switch_on(1));
    EXPECT_FALSE(s.switch_on(2));
    EXPECT_TRUE(s.switch_on(3));
    EXPECT_FALSE(s.switch_on(4));
    EXPECT_TRUE(s.switch_on(5));
    EXPECT_FALSE(s.switch_on(0));
    EXPECT_FALSE(s.switch_on(6));
    EXPECT_FALSE(parse_options("").switch_on(1));
    EXPECT_FALSE(parse_options(" /t /T").switch_on(1));  // the later one wins
}

TEST(OptionsText, AllValueOptionsAsTheClientWritesThem) {
    ProcessSettings s = parse_options(" /p0,0 /s640,480 /a4 /m0 /z1 /dpi96");
    ASSERT_TRUE(s.position && s.size && s.a && s.m && s.z && s.dpi);
    EXPECT_EQ(s.position->x, 0);
    EXPECT_EQ(s.position->y, 0);
    EXPECT_EQ(s.size->x, 640);
    EXPECT_EQ(s.size->y, 480);
    EXPECT_EQ(*s.a, 4);
    EXPECT_EQ(*s.m, 0);
    EXPECT_EQ(*s.z, 1);
    EXPECT_EQ(*s.dpi, 96);
    EXPECT_EQ(s.initial_g_code(), 11);
    EXPECT_EQ(parse_options("/m14").initial_g_code(), 14);
    EXPECT_EQ(parse_options("").initial_g_code(), -1);
}

TEST(OptionsText, MalformedUnknownAndOutOfRangeOptionsAreIgnored) {
    ProcessSettings s = parse_options(
        " /p-1,0 /s0,480 /s640 /a5 /a0 /m15 /z0 /z5 /dpi1201 /dpi0 /dpi /x /q7 t /s1,2x "
        "/p3,4,5 /a99999999999 /m1x //t");
    EXPECT_FALSE(s.position);
    EXPECT_FALSE(s.size);
    EXPECT_FALSE(s.a);
    EXPECT_FALSE(s.m);
    EXPECT_FALSE(s.z);
    EXPECT_FALSE(s.dpi);
    for (int code = 1; code <= 5; ++code) EXPECT_FALSE(s.switch_on(code));
    ProcessSettings edges = parse_options("/dpi1200 /m14 /z4 /a1 /p7,9\t/s16384,1");
    EXPECT_EQ(*edges.dpi, 1200);
    EXPECT_EQ(*edges.m, 14);
    EXPECT_EQ(*edges.z, 4);
    EXPECT_EQ(*edges.a, 1);
    EXPECT_EQ(edges.position->y, 9);
    EXPECT_EQ(edges.size->x, 16384);
}

class StartedWithOptions : public CoreFixture {
  protected:
    StartedWithOptions() { options_ = "/t /I /p10,20 /s800,600 /a3 /m2 /dpi120"; }
};

TEST_F(StartedWithOptions, SizePositionAndResolutionBecomeTheMetricsOfNewWindows) {
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(word(1, layout::kPageWidth), 800);
    EXPECT_EQ(word(1, layout::kPageHeight), 600);
    EXPECT_EQ(word(1, layout::kUnitLength), 600);
    EXPECT_EQ(slot('E', 1, 4), 1);
    EXPECT_EQ(word(1, layout::kResult1), 10);
    EXPECT_EQ(word(1, layout::kResult2), 20);
    EXPECT_EQ(slot('E', 1, 10), 1);
    EXPECT_EQ(word(1, layout::kResult2), 120);
    EXPECT_EQ(state(1).b16_value, 3);
    EXPECT_EQ(state(1).g_code, 2);
    EXPECT_EQ(state(1).text_font.size, 20);  // a thirtieth of the page height
}

TEST_F(StartedWithOptions, SwitchesAreQueriedAndSetWithB10) {
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(slot('B', 1, 10, 1, -1), 1);
    EXPECT_EQ(slot('B', 1, 10, 4, -1), 0);
    EXPECT_EQ(slot('B', 1, 10, 4, 1), 1);
    EXPECT_EQ(slot('B', 1, 10, 4, -1), 1);
    EXPECT_TRUE(core_->settings().switch_on(4));
    EXPECT_EQ(slot('B', 1, 10, 1, 0), 1);
    EXPECT_EQ(slot('B', 1, 10, 1, -1), 0);
    EXPECT_EQ(slot('B', 1, 10, 0, 1), 0);
    EXPECT_EQ(slot('B', 1, 10, 6, -1), 0);
    EXPECT_EQ(slot('B', 1, 10, 2, 2), 0);
    EXPECT_FALSE(core_->settings().switch_on(2));
}

}  // namespace
}  // namespace luwnd::test
