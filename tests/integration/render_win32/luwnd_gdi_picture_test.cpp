// Starts the real luwnd.exe without a display, draws through the raw protocol
// (file mappings and WM_COPYDATA), and reads back the PNG files it writes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../support/child_process.h"
#include "../support/png_reader.h"
#include "client/channel/block_layout.h"
#include "raw_client.h"

namespace lumora::test {
namespace {

namespace layout = lumora::layout;

class LuwndGdiPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string ns = "gp" + std::to_string(GetCurrentProcessId()) +
                         ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ns = ns.substr(0, 30);
        output_ = temp_path(ns);
        ASSERT_TRUE(CreateDirectoryA(output_.c_str(), nullptr));
        ASSERT_TRUE(client_.start(native_path(LUWND_PATH), "/s300,200", ns, output_))
            << "cannot start " << LUWND_PATH;
        ASSERT_EQ(client_.open_window("Picture"), 1);
        block_ = client_.block();
    }
    void TearDown() override {
        std::remove(picture().c_str());
        RemoveDirectoryA(output_.c_str());
    }

    std::int32_t send(const std::vector<std::uint8_t>& bytes) { return client_.send(bytes); }
    void words(std::size_t offset, const std::vector<std::int32_t>& values) {
        client_.words(offset, values);
    }
    std::int32_t slot(char letter, std::int32_t p1, std::int32_t p2 = 0, std::int32_t p3 = 0) {
        return client_.slot(letter, p1, p2, p3);
    }
    // 'L', then the process must end by itself with its pictures written.
    void quit() {
        ASSERT_EQ(client_.text("L,1,"), 1);
        EXPECT_EQ(client_.wait_for_exit(20000), 0) << "luwnd did not end well";
    }
    std::string picture() const { return output_ + "\\luwnd-1-1.png"; }

    RawClient client_;
    std::string output_;
    std::uint8_t* block_ = nullptr;
};

TEST_F(LuwndGdiPictureTest, QuitWritesTheWindowAsPng) {
    words(layout::kPenStyle, {0, 1, 2, 0});  // red pen
    words(layout::kChanged, {0xF});
    ASSERT_EQ(slot('A', 6), 1);
    ASSERT_EQ(slot('A', 11, 10, 50), 1);
    ASSERT_EQ(slot('A', 20, 290, 50), 1);
    words(layout::kResult1, {100, 100, 200, 150});
    ASSERT_EQ(slot('A', 22, 4), 1);  // filled in blue
    words(layout::kFontAngle, {0, 24, 0, 0, 0});
    ASSERT_EQ(slot('A', 9, 1), 1);
    std::memcpy(block_ + layout::kText, "Lumora", 7);
    ASSERT_EQ(slot('A', 15, 10, 160), 1);
    EXPECT_EQ(GetFileAttributesA(picture().c_str()), INVALID_FILE_ATTRIBUTES);
    quit();

    PngImage image = read_png(picture());
    ASSERT_TRUE(image.loaded()) << picture();
    EXPECT_EQ(image.width, 300);
    EXPECT_EQ(image.height, 200);
    EXPECT_EQ(image.at(5, 5), 0xFFFFFFu);
    EXPECT_EQ(image.at(150, 50), 0xFF0000u);
    EXPECT_EQ(image.at(150, 51), 0xFFFFFFu);
    EXPECT_EQ(image.at(150, 125), 0x0000FFu);
    EXPECT_EQ(image.at(200, 125), 0xFFFFFFu);
    int dark = 0;
    for (int y = 160; y < 190; ++y)
        for (int x = 10; x < 100; ++x) dark += image.at(x, y) < 0x404040 ? 1 : 0;
    EXPECT_GT(dark, 30);
}

TEST_F(LuwndGdiPictureTest, AClosedWindowIsWrittenWhenItCloses) {
    words(layout::kResult1, {0, 0, 300, 200});
    ASSERT_EQ(slot('A', 22, 13), 1);  // the whole page in olive
    ASSERT_EQ(send({'J', 1 + 32, 0}), 0);
    PngImage image = read_png(picture());
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.at(150, 100), 0x808000u);
    quit();
}

// Headless, a window is offered for joining only when asked: a quit with mode 0 ends the
// process with its pictures written.
TEST_F(LuwndGdiPictureTest, AQuitWithModeZeroEndsTheProcessWithoutAnOffer) {
    ASSERT_EQ(client_.text("L,0,"), 1);
    EXPECT_EQ(client_.header().substr(0, 2), "2,");  // ending, not offering
    EXPECT_EQ(client_.wait_for_exit(20000), 0);
    EXPECT_TRUE(read_png(picture()).loaded());
}

}  // namespace
}  // namespace lumora::test
