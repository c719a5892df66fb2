// The trace: exact lines for the commands of a short session.
#include <filesystem>
#include <fstream>

#include "core_fixture.h"
#include "server/core/checksum.h"
#include "server/core/trace.h"

namespace luwnd::test {
namespace {

std::string trace_file_path() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return (std::filesystem::temp_directory_path() /
            (std::string("luwnd-trace-") + info->name() + ".txt"))
        .string();
}

class TraceTest : public CoreFixture {
  protected:
    TraceTest() : CoreFixture(trace_file_path()) { std::filesystem::remove(trace_path_); }
    ~TraceTest() override {
        core_.reset();
        std::filesystem::remove(trace_path_);
    }
    std::vector<std::string> lines() {
        std::ifstream in(trace_path_);
        std::vector<std::string> result;
        for (std::string line; std::getline(in, line);) result.push_back(line);
        return result;
    }
};

TEST_F(TraceTest, OneLinePerCommandWithItsFields) {
    std::vector<std::uint8_t> probe = {'O', ',', '0', 0, 0, 9, 0, 0};
    send(probe);
    send_text("K,4711,C:\\work;prog;Version  0.99.9a");
    open(0, "Plot \"1\"\t");
    slot('B', 1, 24, 0);
    slot('N', 1, 30, 2);
    slot('B', 1, 36, 0, 16);
    slot('B', 1, 37);
    slot('A', 5, 2);
    std::memcpy(process_block(), "1;3;-1;-1;", 11);
    send({'E', ' ', ' ', 0});
    slot('J', 1, 0);
    send_text("L,1,");
    EXPECT_EQ(lines(),
              (std::vector<std::string>{
                  "cmd=O win=0 probe=0 ret=224",
                  "cmd=K win=0 id=4711 text=\"C:\\\\work;prog;Version  0.99.9a\" ret=4711",
                  "cmd=I win=0 p1=0 p2=0 p3=-1 p4=-1 p5=-1 text=\"Plot \\\"1\\\"\\x09\" ret=1",
                  "cmd=B win=1 p1=24 p2=0 p3=0 ret=1",
                  "cmd=N win=1 p1=30 p2=2 p3=0 bytes=16 ret=1",
                  "cmd=B win=1 p1=36 p2=0 p3=16 off=0 bytes=16 ret=1",
                  "cmd=B win=1 p1=37 p2=0 p3=0 bytes=16 sum=69691905 ret=1",
                  "cmd=A win=5 ret=0 err=window",
                  "cmd=E win=0 arg=0 code=1 mask=3 a=-1 b=-1 reply=\"3;640;480;\" ret=1",
                  "cmd=J win=1 ret=0",
                  "cmd=L win=0 mode=1 ret=1",
              }));
}

TEST_F(TraceTest, DrawingCommandsTraceTheirFields) {
    open();
    std::uint8_t* b = window_block(1);
    words(1, layout::kPenStyle, {1, 2, 0x02FF8000, 3});
    layout::write_i32(b, layout::kChanged, 0x5);
    slot('A', 1, 6);
    slot('A', 1, 5, 0x020080FF, 20);
    slot('B', 1, 9, 20);
    slot('A', 1, 11, 10, 20);
    slot('A', 1, 20, 30, 40);
    words(1, layout::kResult1, {1, 2, 3, 4, 5, 6, 7, 8});
    slot('A', 1, 25);
    words(1, layout::kFontAngle, {900, 20, 1, 0, 2});
    put_text(1, "Arial");
    slot('A', 1, 9, 3);
    put_text(1, "a\"b");
    slot('A', 1, 15, 5, 6);
    slot('B', 1, 17);
    slot('B', 1, 3);
    layout::write_f32(b, layout::kViewX1, 0.5f);
    slot('B', 1, 19);
    slot('B', 1, 10, 4, -1);
    slot('A', 1, 23, -1, 0);  // the corners are the replies of 'B' 3 and 'B' 17 now
    EXPECT_EQ(lines(),
              (std::vector<std::string>{
                  "cmd=I win=0 p1=0 p2=0 p3=-1 p4=-1 p5=-1 text=\"\" ret=1",
                  "cmd=A win=1 p1=6 p2=0 p3=0 mask=5 applied=5 ret=1",
                  "cmd=A win=1 p1=5 p2=33587455 p3=20 rgb=#FF8000 ret=1",
                  "cmd=B win=1 p1=9 p2=20 p3=0 rgb=#FF8000 ret=1",
                  "cmd=A win=1 p1=11 p2=10 p3=20 ret=1",
                  "cmd=A win=1 p1=20 p2=30 p3=40 x1=10 y1=20 ret=1",
                  "cmd=A win=1 p1=25 p2=0 p3=0 x1=1 y1=2 x2=3 y2=4 xs=5 ys=6 xe=7 ye=8 ret=1",
                  "cmd=A win=1 p1=9 p2=3 p3=0 angle=900 size=20 align=1 style=0 colour=2 "
                  "face=\"Arial\" ret=1",
                  "cmd=A win=1 p1=15 p2=5 p3=6 text=\"a\\\"b\" ret=1",
                  "cmd=B win=1 p1=17 p2=0 p3=0 text=\"a\\\"b\" r1=36 r2=20 r3=12 r4=16 ret=1",
                  "cmd=B win=1 p1=3 p2=0 p3=0 text=\"a\\\"b\" answer=6 ret=1",
                  "cmd=B win=1 p1=19 p2=0 p3=0 unit=480 x0=240 y0=480 ret=1",
                  "cmd=B win=1 p1=10 p2=4 p3=-1 state=0 ret=0",
                  "cmd=A win=1 p1=23 p2=-1 p3=0 x1=6 y1=20 x2=12 y2=16 ret=0 err=value",
              }));
}

TEST_F(TraceTest, ArraysAndFurtherCommandsTraceTheirFields) {
    open();
    layout::write_i32(window_block(1), layout::kFillRule, 2);
    slot('N', 1, 28, 3);
    words(1, layout::kResult1, {10, 20, 4, 300});
    slot('N', 1, 32, -2, 9);
    words(1, layout::kResult1, {2, 20, 0});
    slot('A', 1, 14);
    slot('A', 1, 18);
    slot('A', 1, 19, 3, 4);
    slot('F', 1, 3, 4);
    slot('B', 1, 28);
    slot('B', 1, 1, 128);
    slot('B', 1, 15, 1);
    slot('B', 1, 26, 1);
    slot('B', 1, 23, 4, 1);
    put_text(1, "T");
    slot('B', 1, 12);
    words(1, layout::kResult3, {-1, -1});
    slot('B', 1, 32, 1);
    send({'P', ' ', '$', 0});
    EXPECT_EQ(lines(),
              (std::vector<std::string>{
                  "cmd=I win=0 p1=0 p2=0 p3=-1 p4=-1 p5=-1 text=\"\" ret=1",
                  "cmd=N win=1 p1=28 p2=3 p3=0 rule=2 bytes=24 ret=1",
                  "cmd=N win=1 p1=32 p2=-2 p3=9 run1=10 run2=20 size=4 base=300 ret=0 err=value",
                  "cmd=A win=1 p1=14 p2=0 p3=0 gx=20 gy=0 ret=1",
                  "cmd=A win=1 p1=18 p2=0 p3=0 colour=2 rgb=#FF0000 ret=1",
                  "cmd=A win=1 p1=19 p2=3 p3=4 value=2 rgb=#FF0000 ret=1",
                  "cmd=F win=1 p1=3 p2=4 p3=0 r1=33554687 ret=1",
                  "cmd=B win=1 p1=28 p2=0 p3=0 r1=2 r2=16711680 ret=1",
                  "cmd=B win=1 p1=1 p2=128 p3=0 r2=640 r3=480 r4=480 ret=1",
                  "cmd=B win=1 p1=15 p2=1 p3=0 reply=\"640,480\" ret=1",
                  "cmd=B win=1 p1=26 p2=1 p3=0 removed=1 ret=1",
                  "cmd=B win=1 p1=23 p2=4 p3=1 rgb=#0000FF removed=1 ret=1",
                  "cmd=B win=1 p1=12 p2=0 p3=0 text=\"T\" ret=1",
                  "cmd=B win=1 p1=32 p2=1 p3=0 r2=1 r3=0 r4=0 ret=1",
                  "cmd=P win=0 arg=4 ret=1",
              }));
}

TEST_F(TraceTest, RefusedAndMalformedCommandsAreTracedToo) {
    send({});
    send({0x01, 0x02});
    send({'K', ',', '1'});  // unterminated
    send({'K', ',', 0});    // a slot command to window 12
    send({'Q', '!', 0});
    send_text("K,1,x");
    EXPECT_EQ(lines(), (std::vector<std::string>{
                           "cmd=none ret=0 err=length",
                           "cmd=\\x01 ret=0 err=length",
                           "cmd=K ret=0 err=length",
                           "cmd=K win=12 ret=0 err=window",
                           "cmd=Q win=1 ret=0 err=window",
                           "cmd=K win=0 id=1 text=\"x\" ret=0 err=value",
                       }));
}

TEST(TraceText, QuotingEscapesQuotesBackslashesAndBytesOutsideAscii) {
    std::string out;
    append_quoted(out, std::string("a\"b\\c\n\xff ", 8));
    EXPECT_EQ(out, "\"a\\\"b\\\\c\\x0A\\xFF \"");
}

TEST(TraceText, NoFileNoTrace) {
    TraceFile file("");
    EXPECT_FALSE(file.enabled());
    TraceLine line;
    line.add("cmd", 1);
    file.write(line);  // harmless
}

TEST_F(TraceTest, CompositingIsTracedWithItsSlots) {
    open();
    slot('B', 1, 47, 1);
    slot('B', 1, 47, 7);
    EXPECT_EQ(lines().back(), "cmd=B win=1 p1=47 p2=7 p3=0 ret=0 err=value");
    EXPECT_EQ(lines()[lines().size() - 2], "cmd=B win=1 p1=47 p2=1 p3=0 ret=1");
}

TEST_F(TraceTest, PicturesTraceTheirHeaderChunksAndSum) {
    open();
    words(1, layout::kText, {1, 1, 10, 20, 30, 40, 0, 0});
    slot('B', 1, 60, 1, 2);
    std::memcpy(window_block(1) + layout::kText, "\x01\x02\x03\x04\x05\x06", 6);
    slot('B', 1, 61, 0, 6);
    slot('B', 1, 62);
    slot('B', 1, 60, 0, 2);
    slot('B', 1, 63);
    std::vector<std::string> got = lines();
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[1],
              "cmd=B win=1 p1=60 p2=1 p3=2 fmt=1 smooth=1 x1=10 y1=20 x2=30 y2=40 colours=0 "
              "bytes=6 ret=1");
    EXPECT_EQ(got[2], "cmd=B win=1 p1=61 p2=0 p3=6 off=0 bytes=6 ret=1");
    EXPECT_EQ(got[3], "cmd=B win=1 p1=62 p2=0 p3=0 bytes=6 sum=" + fnv1a_hex({1, 2, 3, 4, 5, 6}) +
                          " ret=1");
    EXPECT_EQ(got[4], "cmd=B win=1 p1=60 p2=0 p3=2 ret=0 err=value");
    EXPECT_EQ(got[5], "cmd=B win=1 p1=63 p2=0 p3=0 ret=0 err=order");
}

}  // namespace
}  // namespace luwnd::test
