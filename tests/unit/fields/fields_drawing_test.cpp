// The field operations end to end through the drawing operations (a window process
// without plot batches): what the window process receives and keeps.
#include <algorithm>
#include <climits>
#include <cmath>
#include <set>
#include <string>

#include "client/plot/colour_maps.h"
#include "tests/unit/fields/fields_fixture.h"

namespace lumora::test {
namespace {

TEST_F(FieldsTest, AFieldImageCarriesEachValuesColourInBothLayouts) {
    ASSERT_EQ(lu_set_colour_map(LU_MAP_GREY, 0, 1), 1);
    // NaN in a colour of its own: the picture goes whole.
    ASSERT_EQ(lu_set_colour_map_extremes(0x0200FF00, -1, 0x020000FF), 1);
    // Value (i, j) for nx = 3, ny = 2: row j = 0 is 0, 0.5, NaN; row j = 1 is 1, -1, 2.
    const float row_major[] = {0, 1, 0.5f, -1, NAN, 2};
    ASSERT_EQ(lu_draw_field_image(row_major, 3, 2, LU_ROW_MAJOR, 1, 1, 4, 3, 0), window());
    const luwnd::DrawItem& item = items().back();
    ASSERT_EQ(item.kind, luwnd::ItemKind::kImage);
    // The first corner (1, 1) is the cell of value (0, 0): device (60, 540).
    EXPECT_EQ((std::array<std::int32_t, 4>{item.coords[0], item.coords[1], item.coords[2],
                                           item.coords[3]}),
              (std::array<std::int32_t, 4>{60, 540, 240, 420}));
    ASSERT_EQ(item.image->width, 3);
    std::vector<std::uint32_t> want = {plot::map_colour(LU_MAP_GREY, 0.5 / 253),
                                       plot::map_colour(LU_MAP_GREY, 126.5 / 253),
                                       0xFF0000,  // NaN: the colour set
                                       plot::map_colour(LU_MAP_GREY, 252.5 / 253),
                                       0x00FF00,                           // under: the colour set
                                       plot::map_colour(LU_MAP_GREY, 1)};  // over: the last colour
    EXPECT_EQ(item.image->rgb, want);
    // The column-major form and the reference form send the same pixels.
    const double column_major[] = {0, 0.5, NAN, 1, -1, 2};
    ASSERT_EQ(lu_draw_field_image_double(column_major, 3, 2, LU_COLUMN_MAJOR, 1, 1, 4, 3, 0),
              window());
    EXPECT_EQ(items().back().image->rgb, want);
    const float fortran[] = {0, 0.5f, NAN, 1, -1, 2};
    int result = 0, nx = 3, ny = 2, smooth = 0;
    float x1 = 1, y1 = 1, x2 = 4, y2 = 3;
    EXPECT_EQ(lu_draw_field_image_(&result, fortran, &nx, &ny, &x1, &y1, &x2, &y2, &smooth),
              window());
    EXPECT_EQ(items().back().image->rgb, want);
    EXPECT_EQ(lu_draw_field_image(row_major, 3, 2, 7, 1, 1, 4, 3, 0), 0);
    EXPECT_EQ(lu_set_colour_map(9, 0, 1), 0);
}

TEST_F(FieldsTest, MissingValuesLeaveHolesInAFieldImage) {
    // 4 x 3 values, NaN at (1, 0), (2, 0) and (1, 1): rows 0 and 1 differ, row 2 is whole.
    const float nan = NAN;
    const float column_major[] = {0, nan, nan, 3, 4, nan, 6, 7, 8, 9, 10, 11};
    const std::size_t from = items().size();
    ASSERT_EQ(lu_draw_field_image(column_major, 4, 3, LU_COLUMN_MAJOR, 0, 0, 4, 3, 0), window());
    const std::vector<const luwnd::DrawItem*> pieces = of_kind(luwnd::ItemKind::kImage, from);
    // (0, 0 .. 1) as one column, (3, 0), (2, 1 .. 1) with (3, 1), and row 2 whole.
    ASSERT_EQ(pieces.size(), 4u);
    std::size_t pixels = 0;
    for (const luwnd::DrawItem* piece : pieces) {
        pixels += piece->image->rgb.size();
        EXPECT_EQ(std::count(piece->image->rgb.begin(), piece->image->rgb.end(),
                             packed(plot::invalid_colour(plot::current_colour_map()))),
                  0);
    }
    EXPECT_EQ(pixels, 12u - 3u) << "every known value once, no missing one";
    // Pieces side by side share their edges: the world 0 ... 4 spans device 0 ... 4 * 60.
    std::set<std::int32_t> xs;
    for (const luwnd::DrawItem* piece : pieces) xs.insert({piece->coords[0], piece->coords[2]});
    EXPECT_EQ(xs, (std::set<std::int32_t>{0, 60, 120, 180, 240}));
    // All missing: nothing drawn, and no refusal.
    const float none[] = {nan, nan};
    EXPECT_EQ(lu_draw_field_image(none, 2, 1, LU_ROW_MAJOR, 0, 0, 4, 3, 0), window());
    EXPECT_EQ(of_kind(luwnd::ItemKind::kImage, from).size(), 4u);
}

TEST_F(FieldsTest, ContoursOfAPlaneAreStraightPolylinesAtTheirLevels) {
    // z = i for i = 0 ... 10 over the world 0 .. 11: value i at x = i + 0.5.
    std::vector<float> z = ramp(11, 5);
    const float levels[] = {3, 6.5f};
    std::size_t from = items().size();
    ASSERT_EQ(lu_draw_contours(z.data(), 11, 5, LU_ROW_MAJOR, 0, 0, 11, 5, levels, 2, 0), window());
    auto lines = of_kind(luwnd::ItemKind::kPolyline, from);
    ASSERT_EQ(lines.size(), 2u);
    std::vector<std::int32_t> xs;
    for (const auto* line : lines) {
        ASSERT_EQ(line->points.size(), 2u * 5);  // from the bottom row of values to the top
        for (std::size_t k = 0; k < line->points.size(); k += 2) xs.push_back(line->points[k]);
    }
    std::sort(xs.begin(), xs.end());
    EXPECT_EQ(xs.front(), 210);  // x = 3.5
    EXPECT_EQ(xs[4], 210);
    EXPECT_EQ(xs.back(), 420);  // x = 7
    EXPECT_EQ(xs[5], 420);
}

TEST_F(FieldsTest, LabelledContoursWriteTheirLevelInTheLinesGap) {
    std::vector<float> z = ramp(11, 60);
    const float level = 4;
    std::size_t from = items().size();
    ASSERT_EQ(lu_draw_contours(z.data(), 11, 60, LU_ROW_MAJOR, 0, 0, 11, 10, &level, 1, 1),
              window());
    auto texts = of_kind(luwnd::ItemKind::kText, from);
    ASSERT_EQ(texts.size(), 1u);  // a line of 590 pixels: one label in its middle
    EXPECT_EQ(texts[0]->text, "4");
    EXPECT_EQ(texts[0]->font.angle, 900);  // along the vertical line, reading upward
    EXPECT_EQ(of_kind(luwnd::ItemKind::kPolyline, from).size(), 2u);
    // Unlabelled lines leave the font alone; labelled ones leave it at angle 0.
    EXPECT_EQ(fake().core()->window_state(window())->text_font.angle, 0);
}

TEST_F(FieldsTest, FilledContoursPaintOneRegionPerBandAndGiveThePenBack) {
    ASSERT_EQ(lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 10), 1);
    ASSERT_EQ(lu_set_pen(0x020000FF, 2, 3, 0), window());
    std::vector<float> z = ramp(11, 5);
    const float levels[] = {2.5f, 5, 7.5f};
    std::size_t from = items().size();
    ASSERT_EQ(lu_fill_contours(z.data(), 11, 5, LU_ROW_MAJOR, 0, 0, 11, 5, levels, 3), window());
    auto regions = of_kind(luwnd::ItemKind::kPolygon, from);
    ASSERT_EQ(regions.size(), 4u);  // below 2.5, two bands, above 7.5
    const plot::ColourMap& map = plot::current_colour_map();
    EXPECT_EQ(regions[0]->rgb, packed(plot::under_colour(map)));
    EXPECT_EQ(regions[1]->rgb, packed(plot::colour_of(map, 3.75)));
    EXPECT_EQ(regions[2]->rgb, packed(plot::colour_of(map, 6.25)));
    EXPECT_EQ(regions[3]->rgb, packed(plot::over_colour(map)));
    for (const auto* r : regions) {
        EXPECT_EQ(r->pen.style, 5);  // no outline
        EXPECT_EQ(r->arg1, 1);       // even-odd
    }
    int colour = 0, style = 0, width = 0, mix = 0;
    lu_get_pen(&colour, &style, &width, &mix);
    EXPECT_EQ(colour, 0x020000FF);
    EXPECT_EQ(style, 2);
    EXPECT_EQ(width, 3);
}

TEST_F(FieldsTest, VectorsAreArrowsScaledToTheGrid) {
    const float u[] = {1, 2, 0, NAN}, v[] = {0, 0, 0, 1};  // row-major 2 x 2
    std::size_t from = items().size();
    ASSERT_EQ(lu_draw_vectors(u, v, 2, 2, LU_ROW_MAJOR, 0, 0, 4, 4, 0), window());
    auto arrows = of_kind(luwnd::ItemKind::kPolyline, from);
    ASSERT_EQ(arrows.size(), 2u);  // the zero and the NaN vector are left out
    // The longest (2, 0) is 0.9 of a cell of 2 world units: 1.8 units, 108 pixels.
    const auto& longest = arrows[1]->points;  // value (1, 0) at (1, 3)
    EXPECT_EQ(longest[0], 60);
    EXPECT_EQ(longest[2] - longest[0], 108);
    EXPECT_EQ(arrows[0]->points[2] - arrows[0]->points[0], 54);
    EXPECT_EQ(lu_draw_vectors(u, v, 2, 2, LU_ROW_MAJOR, 0, 0, 4, 4, -1), 0);
}

TEST_F(FieldsTest, TheColourBarStandsBesideTheViewportAndPutsItBack) {
    ASSERT_EQ(lu_set_viewport(0.1f, 0.1f, 0.7f, 0.9f), window());
    ASSERT_EQ(lu_set_world(-5, 0, 5, 2), window());
    ASSERT_EQ(lu_set_colour_map(LU_MAP_DIVERGING, -1, 1), 1);
    std::size_t from = items().size();
    ASSERT_EQ(lu_draw_colour_bar(0.05f, 0.05f, nullptr, 0), window());
    auto images = of_kind(luwnd::ItemKind::kImage, from);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0]->image->height, 253);
    // The bar spans 0.75 ... 0.8 of the unit (the window's 480 pixels), as high as the
    // viewport.
    EXPECT_EQ(images[0]->coords[0], 360);
    EXPECT_EQ(images[0]->coords[2], 384);
    EXPECT_EQ(images[0]->coords[1], 432);  // the low value at the bottom
    EXPECT_EQ(images[0]->coords[3], 48);
    auto numbers = of_kind(luwnd::ItemKind::kText, from);
    // Numbered as an axis of 384 pixels in the 16-pixel font would be: every 0.2.
    ASSERT_EQ(numbers.size(), 11u);
    EXPECT_EQ(numbers.front()->text, "-1.0");
    EXPECT_EQ(numbers[5]->text, "0.0");
    EXPECT_EQ(numbers.back()->text, "1.0");
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    lu_get_viewport(&x1, &y1, &x2, &y2);
    EXPECT_FLOAT_EQ(x2, 0.7f);
    lu_get_world(&x1, &y1, &x2, &y2);
    EXPECT_FLOAT_EQ(x1, -5);
    EXPECT_FLOAT_EQ(y2, 2);
    const float bands[] = {-1, 0, 0.5f, 1};
    from = items().size();
    ASSERT_EQ(lu_draw_colour_bar(0.05f, 0.05f, bands, 4), window());
    EXPECT_EQ(of_kind(luwnd::ItemKind::kBox22, from).size(), 3u);
    EXPECT_EQ(of_kind(luwnd::ItemKind::kText, from).size(), 4u);
}

// Counts beyond their limits come back at once with a message naming the operation,
// before anything is drawn or held in memory for them.
TEST_F(FieldsTest, LevelCountsAndFieldSizesBeyondTheirLimitsAreRefusedWithAMessage) {
    const std::vector<float> z = ramp(4, 4);
    const std::vector<float> many(10001, 1.5f);
    const std::size_t from = items().size();
    for (int count : {INT_MIN, -2000000000, -10001, 10001, INT_MAX}) {
        fake().error_lines.clear();
        EXPECT_EQ(lu_draw_contours(z.data(), 4, 4, LU_ROW_MAJOR, 0, 0, 4, 4, many.data(), count, 0),
                  0)
            << count;
        EXPECT_EQ(lu_fill_contours(z.data(), 4, 4, LU_ROW_MAJOR, 0, 0, 4, 4, many.data(), count), 0)
            << count;
        ASSERT_EQ(fake().error_lines.size(), 2u) << count;
        EXPECT_EQ(fake().error_lines[0].rfind("lu_draw_contours: ", 0), 0u);
        EXPECT_EQ(fake().error_lines[1].rfind("lu_fill_contours: ", 0), 0u);
    }
    fake().error_lines.clear();
    EXPECT_EQ(lu_draw_colour_bar(0.05f, 0.05f, many.data(), 10001), 0);
    EXPECT_EQ(lu_draw_colour_bar(0.05f, 0.05f, many.data(), INT_MAX), 0);
    EXPECT_EQ(fake().error_lines.size(), 2u);
    // A field image is one picture: 8192 values a side, 16 777 216 in all.
    fake().error_lines.clear();
    EXPECT_EQ(lu_draw_field_image(z.data(), 8193, 1, LU_ROW_MAJOR, 0, 0, 1, 1, 0), 0);
    EXPECT_EQ(lu_draw_field_image(z.data(), 8192, 8192, LU_ROW_MAJOR, 0, 0, 1, 1, 0), 0);
    EXPECT_EQ(fake().error_lines.size(), 2u);
    EXPECT_EQ(items().size(), from);
    // The limits themselves are taken.
    EXPECT_EQ(lu_draw_contours(z.data(), 4, 4, LU_ROW_MAJOR, 0, 0, 4, 4, many.data(), 10000, 0),
              window());
    EXPECT_EQ(lu_draw_contours(z.data(), 4, 4, LU_ROW_MAJOR, 0, 0, 4, 4, nullptr, -10000, 0),
              window());
    EXPECT_EQ(lu_fill_contours(z.data(), 4, 4, LU_ROW_MAJOR, 0, 0, 4, 4, nullptr, -10000),
              window());
    EXPECT_EQ(lu_draw_colour_bar(0.05f, 0.05f, many.data(), 10000), window());
}

// Labels of one level are measured once, whatever the number of its lines: a question
// to the window for each line made many short lines cost twice.
TEST_F(FieldsTest, LabelledLevelsAskForTheirTextsExtentOnce) {
    std::vector<float> bumps;  // row-major: four bumps, a ring around each at 0.5
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 40; ++j)
            bumps.push_back(static_cast<float>(std::cos(i * 0.3) * std::cos(j * 0.3)));
    const float levels[] = {0.5f, 0.7f};
    const std::size_t from = fake().deliveries.size();
    const std::size_t items_from = items().size();
    ASSERT_EQ(lu_draw_contours(bumps.data(), 40, 40, LU_ROW_MAJOR, 0, 0, 8, 8, levels, 2, 1),
              window());
    EXPECT_GT(of_kind(luwnd::ItemKind::kPolyline, items_from).size(), 8u);
    std::size_t extents = 0;
    for (std::size_t i = from; i < fake().deliveries.size(); ++i)
        if (fake().deliveries[i].bytes.at(0) == 'B' && fake().deliveries[i].param1 == 17) ++extents;
    EXPECT_EQ(extents, 2u);
}

// Levels computed by the program (-0.6 + 3 * 0.2 is 1.1e-16 in double precision) are
// labelled as the program means them: "0", not "1.11022e-16".
TEST_F(FieldsTest, ALevelWithinRoundingOfZeroIsLabelledZero) {
    std::vector<float> bumps;
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 40; ++j)
            bumps.push_back(static_cast<float>(std::cos(i * 0.3) * std::cos(j * 0.3)));
    float levels[5];
    for (int k = 0; k < 5; ++k) levels[k] = static_cast<float>(-0.6 + 0.2 * (k + 1));
    ASSERT_NE(levels[2], 0.0f);
    ASSERT_LT(std::fabs(levels[2]), 1e-6f);
    const std::size_t from = items().size();
    ASSERT_EQ(lu_draw_contours(bumps.data(), 40, 40, LU_ROW_MAJOR, 0, 0, 8, 8, levels, 5, 1),
              window());
    std::set<std::string> texts;
    for (const luwnd::DrawItem* text : of_kind(luwnd::ItemKind::kText, from))
        texts.insert(text->text);
    EXPECT_TRUE(texts.contains("0")) << ::testing::PrintToString(texts);
    EXPECT_TRUE(texts.contains("-0.2") && texts.contains("0.4"));
    for (const std::string& t : texts) EXPECT_EQ(t.find('e'), std::string::npos) << t;
}

// The first drawing command the window refuses ends the operation with a message: a
// full window refuses everything after, and sending it all the same took minutes.
TEST_F(FieldsTest, ContoursAndVectorsStopAtTheFirstRefusal) {
    const std::vector<float> z = ramp(11, 4);
    const float levels[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::size_t from = fake().deliveries.size();
    fake().results.push_back(0);  // the first line's announcement
    EXPECT_EQ(lu_draw_contours(z.data(), 11, 4, LU_ROW_MAJOR, 0, 0, 11, 4, levels, 9, 0), 0);
    EXPECT_EQ(fake().deliveries.size(), from + 1);
    ASSERT_EQ(fake().error_lines.size(), 1u);
    EXPECT_EQ(fake().error_lines[0],
              "lu_draw_contours: the window refused to draw (a window keeps at most 1 000 000 "
              "items)");
    const std::vector<float> u(44, 1.0f);
    const std::size_t vectors_from = fake().deliveries.size();
    fake().results.push_back(0);
    EXPECT_EQ(lu_draw_vectors(u.data(), u.data(), 11, 4, LU_ROW_MAJOR, 0, 0, 11, 4, 0), 0);
    EXPECT_EQ(fake().deliveries.size(), vectors_from + 1);
    EXPECT_EQ(fake().error_lines.size(), 2u);
}

// However many levels, the bar's bands of one colour are one box: a few hundred boxes
// at most, each run meeting the next, from the first level to the last.
TEST_F(FieldsTest, AColourBarOfManyLevelsDrawsABoxPerColour) {
    ASSERT_EQ(lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 1), 1);
    std::vector<float> levels;
    for (int k = 0; k <= 9999; ++k) levels.push_back(static_cast<float>(k) / 9999.0f);
    const std::size_t from = items().size();
    ASSERT_EQ(lu_draw_colour_bar(0.05f, 0.05f, levels.data(), 10000), window());
    const auto boxes = of_kind(luwnd::ItemKind::kBox22, from);
    ASSERT_GE(boxes.size(), 200u);
    EXPECT_LE(boxes.size(), 260u);
    for (std::size_t k = 1; k < boxes.size(); ++k) {
        EXPECT_EQ(boxes[k]->coords[1], boxes[k - 1]->coords[3]);  // y downward: bottom = top
        EXPECT_NE(boxes[k]->arg1, boxes[k - 1]->arg1);            // neighbours differ
    }
}

}  // namespace
}  // namespace lumora::test
