// The trace: exact lines for the commands of a short session.
#include <filesystem>
#include <fstream>

#include "core_fixture.h"
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
                  "cmd=B win=1 p1=37 p2=0 p3=0 bytes=16 ret=1",
                  "cmd=A win=5 ret=0 err=window",
                  "cmd=E win=0 arg=0 code=1 mask=3 a=-1 b=-1 reply=\"3;640;480;\" ret=1",
                  "cmd=J win=1 ret=0",
                  "cmd=L win=0 mode=1 ret=1",
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

}  // namespace
}  // namespace luwnd::test
