// 'B' 50: the window's picture written to the file the text area names; a save that
// fails answers 0 and leaves the reason for the client.
#include <cstdio>
#include <fstream>

#include "core_fixture.h"

namespace luwnd::test {
namespace {

// Records what the core asked for and answers as told.
class FakeSaver : public PictureSaver {
  public:
    bool save(int window, const std::string& path, std::string& error) override {
        calls.push_back({window, path});
        if (!ok) error = reason;
        return ok;
    }
    struct Call {
        int window;
        std::string path;
    };
    std::vector<Call> calls;
    bool ok = true;
    std::string reason = "the folder \"x\" does not exist";
};

class PictureSaveTest : public CoreFixture {
  protected:
    PictureSaveTest() : CoreFixture(trace_file()) {}
    static std::string trace_file() { return ::testing::TempDir() + "picture_save_trace.txt"; }
    void SetUp() override {
        std::remove(trace_file().c_str());
        picture_saver_ = &saver_;
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
        ASSERT_EQ(open(), 2);
    }
    std::string text_area(int n) {
        return std::string(reinterpret_cast<const char*>(window_block(n) + layout::kText));
    }
    std::string last_trace_line() {
        std::ifstream in(trace_file());
        std::string line, last;
        while (std::getline(in, line)) last = line;
        return last;
    }
    FakeSaver saver_;
};

TEST_F(PictureSaveTest, SavesTheNamedWindowToTheNamedFile) {
    put_text(1, "out/plot.svg");
    EXPECT_EQ(slot('B', 1, 50), 1);
    put_text(2, "two.png");
    EXPECT_EQ(slot('B', 2, 50), 2);
    ASSERT_EQ(saver_.calls.size(), 2u);
    EXPECT_EQ(saver_.calls[0].window, 1);
    EXPECT_EQ(saver_.calls[0].path, "out/plot.svg");
    EXPECT_EQ(saver_.calls[1].window, 2);
    EXPECT_EQ(saver_.calls[1].path, "two.png");
    EXPECT_NE(last_trace_line().find("cmd=B win=2 p1=50 p2=0 p3=0 text=\"two.png\" ret=2"),
              std::string::npos)
        << last_trace_line();
}

TEST_F(PictureSaveTest, AFailedSaveAnswersZeroWithTheReasonInTheTextArea) {
    saver_.ok = false;
    put_text(1, "x/plot.png");
    EXPECT_EQ(slot('B', 1, 50), 0);
    EXPECT_EQ(text_area(1), saver_.reason);
    EXPECT_NE(last_trace_line().find("ret=0 err=file"), std::string::npos) << last_trace_line();
    // A saver that gives no reason still leaves one.
    saver_.reason.clear();
    put_text(1, "x/plot.png");
    EXPECT_EQ(slot('B', 1, 50), 0);
    EXPECT_FALSE(text_area(1).empty());
    EXPECT_NE(text_area(1), "x/plot.png");
}

TEST_F(PictureSaveTest, NoNameNoWindowOrNoSaverSaveNothing) {
    put_text(1, "");
    EXPECT_EQ(slot('B', 1, 50), 0);
    EXPECT_EQ(text_area(1), "no file name given");
    put_text(1, "a.png");
    EXPECT_EQ(slot('B', 5, 50), 0);  // window 5 is not open
    EXPECT_TRUE(saver_.calls.empty());
    // The reserved codes after it are refused.
    for (int code = 51; code <= 59; ++code) EXPECT_EQ(slot('B', 1, code), 0) << code;
    EXPECT_TRUE(saver_.calls.empty());
}

TEST_F(PictureSaveTest, AnUnterminatedNameIsBoundedToTheTextArea) {
    std::uint8_t* b = window_block(1);
    std::memset(b + layout::kText, 'a', layout::kTextSize);
    EXPECT_EQ(slot('B', 1, 50), 1);
    ASSERT_EQ(saver_.calls.size(), 1u);
    EXPECT_EQ(saver_.calls[0].path.size(), layout::kTextSize);
}

class NoSaverTest : public CoreFixture {};

TEST_F(NoSaverTest, AWindowProcessWithoutWriterSaysSo) {
    ASSERT_EQ(open(), 1);
    put_text(1, "a.png");
    EXPECT_EQ(slot('B', 1, 50), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(window_block(1) + layout::kText)),
              "this window process cannot write pictures");
}

}  // namespace
}  // namespace luwnd::test
