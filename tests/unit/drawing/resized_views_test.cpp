// A window resized on screen between save_view and restore_view: the restored view
// describes the new drawing area, so that a line drawn after it lands where the same
// line lands in a window that was set up the same way and resized without any view.
#include <vector>

#include "client/include/lumora.h"
#include "server/core/display_list.h"
#include "tests/unit/channel/channel_fixture.h"

namespace lumora::test {
namespace {

class ResizedViewsTest : public ChannelTest {
  protected:
    void SetUp() override {
        ChannelTest::SetUp();
        connect();
    }

    // Viewport and world of the fourier program's upper frame.
    static void set_frame() {
        lu_set_viewport(0.1f, 0.55f, 1.2f, 0.95f);
        lu_set_world(-1.0f, -2.0f, 64.0f, 2.0f);
    }

    static void draw_bar() { lu_draw_line(16.0f, 0.0f, 16.0f, 1.5f); }

    // The device coordinates of the last item drawn into window n.
    std::vector<std::int32_t> last_line(int n) {
        const auto& items = fake().core()->window_state(n)->display.items();
        if (items.empty()) return {};
        const luwnd::DrawItem& item = items.back();
        return {item.coords[0], item.coords[1], item.coords[2], item.coords[3]};
    }

    void resize(int n, int width, int height) {
        ASSERT_TRUE(fake().core()->resize_window(n, width, height));
    }
};

TEST_F(ResizedViewsTest, RestoredViewFollowsTheResizeLikeTheCurrentWords) {
    const struct { int width, height; } sizes[] = {{1000, 700}, {300, 900}, {640, 480}};
    for (const auto& size : sizes) {
        const int plain = open();
        set_frame();
        resize(plain, size.width, size.height);
        draw_bar();

        const int viewed = open();
        set_frame();
        lu_save_view(1);
        lu_set_viewport(0.0f, 0.0f, 0.5f, 0.5f);  // another frame is current at the resize
        lu_set_world(0.0f, 0.0f, 1.0f, 1.0f);
        resize(viewed, size.width, size.height);
        ASSERT_EQ(lu_restore_view(1), viewed);
        draw_bar();

        EXPECT_EQ(last_line(viewed), last_line(plain)) << size.width << "x" << size.height;
        for (std::size_t offset = 0; offset < 64; offset += 4) {
            EXPECT_EQ(layout::read_i32(window_block(viewed), offset),
                      layout::read_i32(window_block(plain), offset))
                << "word at " << offset;
        }
    }
}

TEST_F(ResizedViewsTest, SavedPixelViewKeepsItsScalesAndTakesTheNewPage) {
    const int n = open();
    lu_set_world(3.0f, 3.0f, 3.0f, 3.0f);  // pixel mode
    lu_save_view(2);
    lu_set_world(0.0f, 0.0f, 1.0f, 1.0f);
    resize(n, 800, 200);
    ASSERT_EQ(lu_restore_view(2), n);
    EXPECT_EQ(layout::read_i32(window_block(n), layout::kPixelMode), 1);
    EXPECT_EQ(layout::read_i32(window_block(n), layout::kPageHeight), 200);
    EXPECT_EQ(layout::read_i32(window_block(n), layout::kOriginY), 200);
    draw_bar();
    EXPECT_EQ(last_line(n), (std::vector<std::int32_t>{16, 0, 16, 2}));
}

}  // namespace
}  // namespace lumora::test
