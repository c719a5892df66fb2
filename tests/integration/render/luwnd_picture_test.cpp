// Runs the real luwnd without a display, draws through the raw protocol, quits, and
// reads back the picture files it wrote; and with a display, where the picture shows.
#include <cairo.h>

#include <iterator>

#include "luwnd_fixture.h"
#include "virtual_display.h"

namespace lumora::test {
namespace {

using LuwndPictureTest = LuwndTest;

std::uint32_t pixel(cairo_surface_t* image, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(image);
    std::uint32_t value;
    std::memcpy(&value, data + y * cairo_image_surface_get_stride(image) + 4 * x, 4);
    return value & 0xFFFFFF;
}

TEST_F(LuwndPictureTest, QuitWritesEveryWindowAsPng) {
    start("png");
    open_window();
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
    quit();

    cairo_surface_t* image = cairo_image_surface_create_from_png(picture("png").c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), 300);
    EXPECT_EQ(cairo_image_surface_get_height(image), 200);
    EXPECT_EQ(pixel(image, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(pixel(image, 150, 50), 0xFF0000u);
    EXPECT_EQ(pixel(image, 150, 51), 0xFFFFFFu);
    EXPECT_EQ(pixel(image, 150, 125), 0x0000FFu);
    int dark = 0;
    for (int y = 160; y < 190; ++y)
        for (int x = 10; x < 100; ++x) dark += pixel(image, x, y) < 0x404040 ? 1 : 0;
    EXPECT_GT(dark, 30);
    cairo_surface_destroy(image);
}

TEST_F(LuwndPictureTest, TheFormatComesFromTheEnvironment) {
    start(".SVG");
    open_window();
    ASSERT_EQ(slot('A', 11, 10, 10), 1);
    ASSERT_EQ(slot('A', 20, 100, 100), 1);
    quit();
    std::ifstream file(picture("svg"));
    std::string head(5, '\0');
    file.read(head.data(), 5);
    EXPECT_EQ(head, "<?xml");
    EXPECT_FALSE(fs::exists(picture("png")));
}

// Texts in an SVG picture can be selected and searched: each is a <text> element too,
// its bytes read as on screen (here a Latin-1 byte that is no UTF-8).
TEST_F(LuwndPictureTest, SvgPicturesHoldTheirTextsAsText) {
    start("svg");
    open_window();
    words(layout::kFontAngle, {0, 24, 0, 0, 0});
    ASSERT_EQ(slot('A', 9, 1), 1);
    const char bytes[] = "Caf\xE9 <&>";
    std::memcpy(block_ + layout::kText, bytes, sizeof bytes);
    ASSERT_EQ(slot('A', 15, 10, 160), 1);
    quit();
    std::ifstream file(picture("svg"));
    const std::string svg((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(svg.find("<use"), std::string::npos);  // the glyphs are drawn as before
    const std::size_t text = svg.find("<text x=\"10\"");
    ASSERT_NE(text, std::string::npos);
    const std::string expected = "Caf\xC3\xA9 &lt;&amp;&gt;</text>";
    EXPECT_EQ(svg.substr(svg.find('>', text) + 1, expected.size()), expected);
}

// A program that quits and goes on working (its connection still open) finds its
// pictures written already.
TEST_F(LuwndPictureTest, ThePicturesAreWrittenAtTheQuitNotAtTheDisconnection) {
    start("png");
    open_window();
    ASSERT_EQ(slot('A', 11, 10, 10), 1);
    ASSERT_EQ(slot('A', 20, 100, 100), 1);
    ASSERT_EQ(text("L,1,"), 1);
    EXPECT_TRUE(fs::exists(picture("png")));
    close(socket_);
    socket_ = -1;
    expect_luwnd_ends();
}

TEST_F(LuwndPictureTest, AClosedWindowIsWrittenWhenItCloses) {
    start("png");
    open_window();
    ASSERT_EQ(request({'J', 1 + 32, 0}), 0);
    EXPECT_TRUE(fs::exists(picture("png")));
    quit();
}

TEST_F(LuwndPictureTest, WithADisplayTheWindowShowsThePictureAndOutlivesTheQuit) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name());
    open_window();
    words(layout::kResult1, {20, 20, 120, 80});
    ASSERT_EQ(slot('A', 22, 4), 1);  // filled in blue
    EXPECT_TRUE(display.wait_for(70, 50, 0x0000FF));
    EXPECT_EQ(display.pixel(200, 150), 0xFFFFFFu);  // the page around it
    ASSERT_EQ(text("L,1,"), 1);
    close(socket_);
    socket_ = -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(waitpid(pid_, nullptr, WNOHANG), 0) << "the window went away with the program";
    EXPECT_EQ(display.pixel(70, 50), 0x0000FFu);
    kill(pid_, SIGTERM);
    EXPECT_EQ(waitpid(pid_, nullptr, 0), pid_);
    pid_ = -1;
    EXPECT_FALSE(fs::exists(picture("png")));  // with a display only chosen formats are written
}

// Asked to, it stays off the screen although a display is there, and writes pictures.
TEST_F(LuwndPictureTest, AskedForHeadlessItWritesPicturesDespiteADisplay) {
    VirtualDisplay display;
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    start("png", display.name(), true);
    open_window();
    words(layout::kResult1, {20, 20, 120, 80});
    ASSERT_EQ(slot('A', 22, 4), 1);
    quit();
    EXPECT_NE(display.pixel(70, 50), 0x0000FFu);  // nothing was put on the screen
    cairo_surface_t* image = cairo_image_surface_create_from_png(picture("png").c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(pixel(image, 70, 50), 0x0000FFu);
    cairo_surface_destroy(image);
}

}  // namespace
}  // namespace lumora::test
