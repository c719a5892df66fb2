// World window, viewport, saved views and the refusals before any window is open.
#include "drawing_fixture.h"

namespace lumora::test {
namespace {

using WorldViewportTest = DrawingTest;

TEST_F(WorldViewportTest, SetWorldCoversItsFourCases) {
    set_state({});  // viewport 0..1 by 0..1, unit 600
    answer(3);      // the window process's own updates of the block are not tested here
    std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_set_world(0.0f, 0.0f, 10.0f, 0.0f), window());  // isotropic in y
    float x1, y1, x2, y2;
    lu_get_world(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 0.0f);
    EXPECT_EQ(y1, -5.0f);
    EXPECT_EQ(x2, 10.0f);
    EXPECT_EQ(y2, 5.0f);
    EXPECT_EQ(f32(layout::kXScale), 60.0f);
    EXPECT_EQ(f32(layout::kYScale), 60.0f);
    EXPECT_EQ(commands_since(before), (std::vector<std::pair<char, int>>{{'B', 41}}));

    DrawingState wide;
    wide.view_x2 = 2.0f;
    set_state(wide);
    lu_set_world(3.0f, 0.0f, 3.0f, 4.0f);  // isotropic in x: half = 2 * (4 / 1) / 2
    lu_get_world(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, -1.0f);
    EXPECT_EQ(x2, 7.0f);
    EXPECT_EQ(y2, 4.0f);
    EXPECT_EQ(f32(layout::kXScale), 150.0f);

    int result = 0;
    const float a = 2.0f, b = 1.0f, c = -2.0f, d = 4.0f;
    EXPECT_EQ(lu_set_world_(&result, &a, &b, &c, &d), window());  // plain, mirrored x
    EXPECT_EQ(result, window());
    EXPECT_EQ(f32(layout::kXScale), 2.0f * 600.0f / -4.0f);
    EXPECT_EQ(f32(layout::kYScale), 200.0f);
    EXPECT_EQ(i32(layout::kPixelMode), 0);
}

TEST_F(WorldViewportTest, EqualCornersSelectPixelModeFromTheAreaSize) {
    set_state({});
    reply = [](std::uint8_t* b, const platform::Delivery& d) {
        if (d.bytes[0] == 'E' && d.param1 == 1) {
            layout::write_i32(b, layout::kResult1, 640);
            layout::write_i32(b, layout::kResult2, 480);
        }
    };
    answer(4);
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_set_world(3.0f, 3.0f, 3.0f, 3.0f), window());
    EXPECT_EQ(commands_since(before), (std::vector<std::pair<char, int>>{{'E', 1}, {'B', 41}}));
    float x1, y1, x2, y2;
    lu_get_world(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 0.0f);
    EXPECT_EQ(y1, 0.0f);
    EXPECT_EQ(x2, 639.0f);
    EXPECT_EQ(y2, 479.0f);
    EXPECT_EQ(i32(layout::kPixelMode), 1);
    EXPECT_EQ(f32(layout::kXScale), 0.0f);
    int x = 0;
    int y = 0;
    lu_world_to_device(10.4f, 20.6f, &x, &y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 21);

    // A viewport set in pixel mode is stored, and the scales stay 0.
    lu_set_viewport(0.0f, 0.0f, 0.5f, 0.5f);
    EXPECT_EQ(f32(layout::kViewX2), 0.5f);
    EXPECT_EQ(f32(layout::kYScale), 0.0f);
    lu_set_world(0.0f, 0.0f, 1.0f, 1.0f);  // a real window leaves pixel mode
    EXPECT_EQ(i32(layout::kPixelMode), 0);
    EXPECT_EQ(f32(layout::kXScale), 300.0f);
}

TEST_F(WorldViewportTest, EmptyViewportSelectsTheWholeArea) {
    DrawingState s;
    s.width = 800;
    s.height = 600;
    s.unit = 1;
    set_state(s);
    answer(2);
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_set_viewport(0.0f, 0.0f, 0.0f, 0.0f), window());
    EXPECT_EQ(commands_since(before), (std::vector<std::pair<char, int>>{{'B', 19}}));
    float x1, y1, x2, y2;
    lu_get_viewport(&x1, &y1, &x2, &y2);
    EXPECT_EQ(i32(layout::kUnitLength), 600);
    EXPECT_EQ(x1, 0.0f);
    EXPECT_EQ(y1, 0.0f);
    EXPECT_EQ(x2, 1.3333334f);
    EXPECT_EQ(y2, 1.0f);
    EXPECT_EQ(f32(layout::kXScale), 1.3333334f * 600.0f / 10.0f);

    s.width = 600;
    s.height = 800;
    set_state(s);
    int result = 0;
    const float a = 0.2f, b = 0.3f, c = 0.2f, d = 0.9f;  // zero width counts as empty
    EXPECT_EQ(lu_set_viewport_(&result, &a, &b, &c, &d), window());
    lu_get_viewport(nullptr, nullptr, &x2, &y2);
    EXPECT_EQ(i32(layout::kUnitLength), 600);
    EXPECT_EQ(x2, 1.0f);
    EXPECT_EQ(y2, 1.3333334f);
}

TEST_F(WorldViewportTest, ViewportInWorldCoordinatesGoesThroughDevicePoints) {
    set_state({});                                  // world 0..10 onto 0..600 pixels
    lu_set_viewport_world(2.0f, 1.0f, 8.0f, 9.0f);  // device (120, 540) and (480, 60)
    float x1, y1, x2, y2;
    lu_get_viewport(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 120.0f / 600.0f);
    EXPECT_EQ(y1, 60.0f / 600.0f);
    EXPECT_EQ(x2, 480.0f / 600.0f);
    EXPECT_EQ(y2, 540.0f / 600.0f);
}

TEST_F(WorldViewportTest, SavedViewsComeBackAfterRestore) {
    // The window process keeps the views; here the core itself answers.
    set_state({});
    int result = 0;
    const int one = 1;
    EXPECT_EQ(lu_save_view_(&result, &one), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(fake().deliveries.back().param1, 24);
    EXPECT_EQ(fake().deliveries.back().param2, 1);
    lu_set_world(-1.0f, -1.0f, 1.0f, 1.0f);
    EXPECT_EQ(lu_restore_view(1), window());
    EXPECT_EQ(fake().deliveries.back().param1, 25);
    EXPECT_EQ(fake().deliveries.back().param2, 1);
    EXPECT_EQ(f32(layout::kWorldX1), 0.0f);
    EXPECT_EQ(f32(layout::kXScale), 60.0f);
    fake().results = {0};
    EXPECT_EQ(lu_restore_view_(&result, &one), 0);
    EXPECT_EQ(result, 0);
}

TEST_F(WorldViewportTest, QueryB31CopiesFourWordsOnlyOnSuccess) {
    reply = [](std::uint8_t* b, const platform::Delivery&) {
        for (std::int32_t i = 0; i < 4; ++i) layout::write_i32(b, layout::kResult1 + 4 * i, 10 + i);
    };
    int a = -1, b = -1, c = -1, d = -1;
    fake().results = {0};
    EXPECT_EQ(lu_query_b31(window(), &a, &b, &c, &d), 0);
    EXPECT_EQ(a, -1);
    fake().results = {9};
    int result = 0;
    const int w = window();
    EXPECT_EQ(lu_query_b31_(&result, &w, &a, &b, nullptr, &d), 9);
    EXPECT_EQ(fake().deliveries.back().param1, 31);
    EXPECT_EQ(result, 9);
    EXPECT_EQ(a, 10);
    EXPECT_EQ(b, 11);
    EXPECT_EQ(c, -1);
    EXPECT_EQ(d, 13);
}

TEST_F(WorldViewportTest, NothingHappensBeforeAWindowIsOpen) {
    reset_client_state();
    client_state().use_message_box = 0;
    const std::size_t before = fake().deliveries.size();
    float x = 1.0f;
    int i = 1;
    int result = 5;
    const float one = 1.0f;
    EXPECT_EQ(lu_set_world(0, 0, 1, 1), 0);
    EXPECT_EQ(lu_set_world(1, 1, 1, 1), 0);
    EXPECT_EQ(lu_set_viewport(0, 0, 0, 0), 0);
    EXPECT_EQ(lu_set_viewport_world(0, 0, 1, 1), 0);
    EXPECT_EQ(lu_get_world(&x, &x, &x, &x), 0);
    EXPECT_EQ(lu_get_viewport(&x, &x, &x, &x), 0);
    EXPECT_EQ(lu_world_to_device(1, 1, &i, &i), 0);
    EXPECT_EQ(lu_world_to_device_size(1, 1, &i, &i), 0);
    EXPECT_EQ(lu_get_position(&x, &x), 0);
    EXPECT_EQ(lu_move_to_(&result, &one, &one), 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(lu_line_to(1, 1), 0);
    EXPECT_EQ(lu_draw_line(0, 0, 1, 1), 0);
    EXPECT_EQ(lu_draw_box_a23(0, 0, 1, 1, 1, 1), 0);
    EXPECT_EQ(lu_draw_arc_a25(0, 0, 1, 1, 0, 1), 0);
    EXPECT_EQ(lu_set_pen(1, 1, 1, 1), 0);
    EXPECT_EQ(lu_set_pen(-1, -1, -1, -1), 0);
    EXPECT_EQ(lu_get_pen(&i, &i, &i, &i), 0);
    EXPECT_EQ(lu_set_transform(nullptr), 0);
    float record[6] = {};
    EXPECT_EQ(lu_get_transform(record), 0);
    EXPECT_EQ(lu_set_rectangle_mode(0, 0, 1, 1, 1), 0);
    EXPECT_EQ(lu_save_view(1), 0);
    EXPECT_EQ(x, 1.0f);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(fake().deliveries.size(), before);
}

}  // namespace
}  // namespace lumora::test
