// The option text a started window process gets.
#include <gtest/gtest.h>

#include "client/windows/window_options.h"

namespace lumora::test {
namespace {

std::string text_of(WindowOptions o) {
    char out[256];
    format_window_options(o, out, sizeof out);
    return out;
}

TEST(WindowOptions, DefaultsGiveNoText) {
    EXPECT_EQ(text_of({}), "");
}

TEST(WindowOptions, FlagsUpperCaseWhenClearLowerWhenSetSuppressBitsLeaveThemOut) {
    EXPECT_EQ(text_of({.flags = 0}), " /T /B /R /I /L");
    EXPECT_EQ(text_of({.flags = 31}), " /t /b /r /i /l");
    EXPECT_EQ(text_of({.flags = (1 | 2 | 4 | 8) << 16 | 16}), " /l");
    EXPECT_EQ(text_of({.flags = 31 << 16}), "");
    EXPECT_EQ(text_of({.flags = -5}), "");
}

TEST(WindowOptions, NumbersInTableOrderOnlyWhenValid) {
    EXPECT_EQ(text_of({.flags = -1,
                       .x = 0,
                       .y = 0,
                       .width = 640,
                       .height = 480,
                       .a = 4,
                       .m = 0,
                       .z = 1,
                       .dpi = 96}),
              " /p0,0 /s640,480 /a4 /m0 /z1 /dpi96");
    EXPECT_EQ(text_of({.x = 0, .y = -1, .width = 0, .height = 5, .dpi = 1201}), "");
    EXPECT_EQ(text_of({.m = 14}), " /m14");
    EXPECT_EQ(text_of({.a = 5, .m = 15, .z = 0}), "");
}

TEST(WindowOptions, ATextThatWouldBeCutIsLeftOut) {
    char out[12];
    format_window_options({.flags = 0}, out, sizeof out);
    EXPECT_STREQ(out, " /T /B /R");
}

}  // namespace
}  // namespace lumora::test
