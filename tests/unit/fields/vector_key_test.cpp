// Arrow styles and key arrows through the drawing operations (a window process without
// plot batches): what the window keeps.
#include <cmath>
#include <string>
#include <vector>

#include "client/channel/block_layout.h"
#include "client/channel/client_state.h"
#include "client/plot/plot_lane.h"
#include "client/plot/plot_state.h"
#include "server/core/core.h"
#include "tests/unit/arrays/arrays_fixture.h"

namespace lumora::test {
namespace {

class ArrowsTest : public ArraysTest {
  protected:
    void SetUp() override {
        server_config_.plot_extension = false;
        ArraysTest::SetUp();
        plot::reset_plot_state();  // no arrows drawn, the first style
        ASSERT_FALSE(plot::plot_lane_open(window()));
    }
    void TearDown() override {
        plot::reset_plot_state();
        ArraysTest::TearDown();
    }
    // The items of one kind drawn since item `from`.
    std::vector<luwnd::DrawItem> drawn(luwnd::ItemKind kind, std::size_t from) {
        const auto& all = fake().core()->window_state(window())->display.items();
        std::vector<luwnd::DrawItem> out;
        for (std::size_t k = from; k < all.size(); ++k)
            if (all[k].kind == kind) out.push_back(all[k]);
        return out;
    }
    std::size_t count() { return fake().core()->window_state(window())->display.items().size(); }
    // The arrows of a 2 x 2 field: (1, 0) at (1, 1) and the longest, (2, 0), at (1, 3).
    std::vector<luwnd::DrawItem> field(luwnd::ItemKind kind) {
        const std::size_t from = count();
        const float u[] = {1, 2, 0, NAN}, v[] = {0, 0, 0, 1};
        EXPECT_EQ(lu_draw_vectors(u, v, 2, 2, LU_ROW_MAJOR, 0, 0, 4, 4, 0), window());
        return drawn(kind, from);
    }
    // The polylines and texts a key draws.
    struct Key {
        std::vector<luwnd::DrawItem> lines, texts;
    };
    Key key(float x, float y, float value, int where) {
        const std::size_t from = count();
        EXPECT_EQ(lu_draw_vector_key(x, y, value, where), window()) << value;
        return {drawn(luwnd::ItemKind::kPolyline, from), drawn(luwnd::ItemKind::kText, from)};
    }
    bool refused(int result, const char* entry) {
        const bool told = !fake().error_lines.empty() &&
                          fake().error_lines.back().rfind(std::string(entry) + ": ", 0) == 0;
        fake().error_lines.clear();
        return result == 0 && told;
    }
};

TEST_F(ArrowsTest, TheKeyArrowIsAsLongAsAnArrowOfItsValue) {
    const std::vector<luwnd::DrawItem> arrows = field(luwnd::ItemKind::kPolyline);
    ASSERT_EQ(arrows.size(), 2u);
    const std::vector<std::int32_t>& longest = arrows[1].points;  // 108 pixels
    Key k = key(0.5f, 0.5f, 2, LU_KEY_WORLD);
    ASSERT_EQ(k.lines.size(), 1u);
    const std::vector<std::int32_t>& drawn_key = k.lines[0].points;
    ASSERT_EQ(drawn_key.size(), 10u);
    EXPECT_EQ(std::vector<std::int32_t>(drawn_key.begin(), drawn_key.begin() + 4),
              (std::vector<std::int32_t>{30, 570, 138, 570}));
    // Its barbs are the longest arrow's, 30 pixels left and 150 down (within rounding).
    for (std::size_t i = 4; i < 10; i += 2) {
        EXPECT_NEAR(drawn_key[i], longest[i] - 30, 1) << i;
        EXPECT_NEAR(drawn_key[i + 1], longest[i + 1] + 150, 1) << i;
    }
    ASSERT_EQ(k.texts.size(), 1u);
    EXPECT_EQ(k.texts[0].text, "2");
    EXPECT_GT(k.texts[0].coords[0], 138);  // beside the tip, its baseline below the shaft
    EXPECT_GT(k.texts[0].coords[1], 570);
    // A negative value points left, its text right of the tail.
    k = key(2, 0.5f, -1.5f, LU_KEY_WORLD);
    EXPECT_EQ(k.lines[0].points[2], 120 - 81);
    EXPECT_EQ(k.texts[0].text, "-1.5");
    EXPECT_GT(k.texts[0].coords[0], 120);
    // The viewport's normalized corners are the world window's.
    float vx1 = 0, vy1 = 0, vx2 = 0, vy2 = 0, wx1 = 0, wy1 = 0, wx2 = 0, wy2 = 0;
    lu_get_viewport(&vx1, &vy1, &vx2, &vy2);
    lu_get_world(&wx1, &wy1, &wx2, &wy2);
    EXPECT_EQ(key(vx1, vy1, 2, LU_KEY_NORMALIZED).lines[0].points,
              key(wx1, wy1, 2, LU_KEY_WORLD).lines[0].points);
    EXPECT_EQ(key(vx2, vy2, 1, LU_KEY_NORMALIZED).lines[0].points,
              key(wx2, wy2, 1, LU_KEY_WORLD).lines[0].points);
}

// In a frame, the key writes its value in the frame's x number format and keeps the scale
// of the arrows drawn there.
TEST_F(ArrowsTest, AKeyInAFrameTakesTheFramesNumberFormat) {
    ASSERT_EQ(lu_plot_set_number_format(LU_PLOT_X_NUMBERS, "%.1f m/s"), window());
    ASSERT_EQ(lu_plot_frame(0, 4, 0, 4, 0), window());
    const std::vector<luwnd::DrawItem> arrows = field(luwnd::ItemKind::kPolyline);
    ASSERT_EQ(arrows.size(), 2u);
    const Key k = key(1, 1, 2, LU_KEY_WORLD);
    ASSERT_EQ(k.texts.size(), 1u);
    EXPECT_EQ(k.texts[0].text, "2.0 m/s");
    EXPECT_EQ(k.lines[0].points[2] - k.lines[0].points[0],
              arrows[1].points[2] - arrows[1].points[0]);
}

TEST_F(ArrowsTest, StylesReachTheArrowsAndNoShapeBringsBackTheDefault) {
    const std::vector<luwnd::DrawItem> plain = field(luwnd::ItemKind::kPolyline);
    ASSERT_EQ(lu_set_arrow_style(LU_ARROW_TRIANGLE, 0, nullptr, nullptr, 1, 8), window());
    std::size_t from = count();
    const std::vector<luwnd::DrawItem> triangles = field(luwnd::ItemKind::kPolygon);
    ASSERT_EQ(triangles.size(), 2u);
    EXPECT_EQ(triangles[1].points.size(), 12u);
    EXPECT_EQ(triangles[1].points[6], plain[1].points[2]);  // the tip where the barbs meet
    EXPECT_EQ(drawn(luwnd::ItemKind::kPolyline, from).size(), 0u);
    // Own points, as a line; the key draws in the same style.
    const float x[] = {-0.5f, 0.5f, 0.4f}, y[] = {0, 0, 0.1f};
    ASSERT_EQ(lu_set_arrow_style(0, 3, x, y, 0, 0), window());
    EXPECT_EQ(field(luwnd::ItemKind::kPolyline)[0].points.size(), 6u);
    EXPECT_EQ(key(1, 1, 1, LU_KEY_WORLD).lines[0].points.size(), 6u);
    // No shape: the barbs exactly as before, with NULL points or a count of 0.
    ASSERT_EQ(lu_set_arrow_style(0, 0, x, y, 1, 5), window());
    EXPECT_EQ(field(luwnd::ItemKind::kPolyline)[1].points, plain[1].points);
    ASSERT_EQ(lu_set_arrow_style(LU_ARROW_WHOLE, 0, nullptr, nullptr, 0, 0), window());
    ASSERT_EQ(lu_set_arrow_style(0, 3, nullptr, nullptr, 0, 0), window());
    EXPECT_EQ(field(luwnd::ItemKind::kPolyline)[1].points, plain[1].points);
    // The Fortran form takes the same arguments by address.
    int result = -1, shape = LU_ARROW_TRIANGLE, n = 0, fill = 1;
    float head = 0;
    ASSERT_EQ(lu_set_arrow_style_(&result, &shape, &n, nullptr, nullptr, &fill, &head), window());
    EXPECT_EQ(result, window());
    from = count();
    EXPECT_EQ(field(luwnd::ItemKind::kPolygon).size(), 2u);
}

// Each refusal names the call and its cause and changes nothing: the arrows keep their
// style.
TEST_F(ArrowsTest, StylesAndKeysRefuseWhatTheyCannotUse) {
    EXPECT_TRUE(refused(lu_draw_vector_key(1, 1, 1, LU_KEY_WORLD), "lu_draw_vector_key"));
    const std::vector<luwnd::DrawItem> plain = field(luwnd::ItemKind::kPolyline);
    const float nan = NAN, inf = INFINITY;
    const float x[] = {-0.5f, nan, 0.5f}, y[] = {0, 0, 0};
    const std::vector<float> many(65, 0.1f);
    EXPECT_TRUE(refused(lu_set_arrow_style(0, 3, x, y, 0, 0), "lu_set_arrow_style"));
    EXPECT_TRUE(
        refused(lu_set_arrow_style(0, 65, many.data(), many.data(), 0, 0), "lu_set_arrow_style"));
    EXPECT_TRUE(refused(lu_set_arrow_style(0, 2, y, y, 1, 0), "lu_set_arrow_style"));
    EXPECT_TRUE(refused(lu_set_arrow_style(0, -1, y, y, 0, 0), "lu_set_arrow_style"));
    EXPECT_TRUE(refused(lu_set_arrow_style(0, 3, y, nullptr, 0, 0), "lu_set_arrow_style"));
    EXPECT_TRUE(refused(lu_set_arrow_style(4, 0, nullptr, nullptr, 0, 0), "lu_set_arrow_style"));
    EXPECT_TRUE(refused(lu_set_arrow_style(-1, 0, nullptr, nullptr, 0, 0), "lu_set_arrow_style"));
    EXPECT_TRUE(refused(lu_set_arrow_style(LU_ARROW_BARBS, 3, y, y, 0, 0), "lu_set_arrow_style"));
    EXPECT_TRUE(refused(lu_set_arrow_style(LU_ARROW_BARBS, 0, nullptr, nullptr, 2, 0),
                        "lu_set_arrow_style"));
    for (float head : {nan, inf, -1.0f, 1001.0f})
        EXPECT_TRUE(refused(lu_set_arrow_style(LU_ARROW_BARBS, 0, nullptr, nullptr, 0, head),
                            "lu_set_arrow_style"))
            << head;
    EXPECT_EQ(field(luwnd::ItemKind::kPolyline)[1].points, plain[1].points);
    for (float value : {nan, inf, 0.0f})
        EXPECT_TRUE(refused(lu_draw_vector_key(1, 1, value, LU_KEY_WORLD), "lu_draw_vector_key"))
            << value;
    EXPECT_TRUE(refused(lu_draw_vector_key(nan, 1, 1, LU_KEY_WORLD), "lu_draw_vector_key"));
    EXPECT_TRUE(refused(lu_draw_vector_key(1, inf, 1, LU_KEY_WORLD), "lu_draw_vector_key"));
    EXPECT_TRUE(refused(lu_draw_vector_key(1, 1, 1, 2), "lu_draw_vector_key"));
    EXPECT_TRUE(refused(lu_draw_vector_key(1, 1, 1e30f, LU_KEY_WORLD), "lu_draw_vector_key"));
    EXPECT_TRUE(refused(lu_draw_vector_key_double(1, 1, -1e300, LU_KEY_WORLD),
                        "lu_draw_vector_key_double"));
    EXPECT_TRUE(refused(lu_draw_vector_key_(nullptr, nullptr, nullptr, nullptr, nullptr),
                        "lu_draw_vector_key"));
}

// Each window keeps its own arrows: a style and a scale set in one are not another's.
TEST_F(ArrowsTest, EachWindowKeepsItsOwnStyleAndScale) {
    ASSERT_EQ(lu_set_arrow_style(LU_ARROW_TRIANGLE, 0, nullptr, nullptr, 1, 0), window());
    ASSERT_EQ(field(luwnd::ItemKind::kPolygon).size(), 2u);
    const int second = lu_open_window(0);
    ASSERT_GT(second, 0);
    ASSERT_NE(second, window());
    EXPECT_TRUE(refused(lu_draw_vector_key(1, 1, 1, LU_KEY_WORLD), "lu_draw_vector_key"));
    const float u[] = {1, 2, 0, NAN}, v[] = {0, 0, 0, 1};
    ASSERT_EQ(lu_draw_vectors(u, v, 2, 2, LU_ROW_MAJOR, 0, 0, 4, 4, 0), second);
    std::size_t lines = 0, polygons = 0;
    for (const luwnd::DrawItem& item : fake().core()->window_state(second)->display.items()) {
        lines += item.kind == luwnd::ItemKind::kPolyline;
        polygons += item.kind == luwnd::ItemKind::kPolygon;
    }
    EXPECT_EQ(lines, 2u);
    EXPECT_EQ(polygons, 0u);
    EXPECT_EQ(lu_close_window(second), window());
    EXPECT_EQ(field(luwnd::ItemKind::kPolygon).size(), 2u);
}

TEST_F(ArrowsTest, TheKeyPutsTheFontsAngleAndAlignmentBack) {
    field(luwnd::ItemKind::kPolyline);
    ASSERT_NE(lu_set_font(-1, 0.125f, 7, -1, -1, nullptr), 0);
    key(1, 1, 1, LU_KEY_WORLD);
    const std::uint8_t* block = window_block(window());
    EXPECT_EQ(layout::read_i32(block, layout::kFontAngle), 450);
    EXPECT_EQ(layout::read_i32(block, layout::kFontAlign), 7);
}

}  // namespace
}  // namespace lumora::test
