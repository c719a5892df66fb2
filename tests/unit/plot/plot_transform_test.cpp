// The plot transform: lines bent as the transform bends them (within a fraction of a
// pixel, with a bound on the pieces), positions it cannot show left out, data of every
// kind landing where the transform puts them on both roads, the provided transforms'
// known points, and refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "client/plot/transform_refine.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

PlotTransform provided(int code, double p1 = 0, double p2 = 0) {
    PlotTransform t;
    t.code = code;
    t.p1 = p1;
    t.p2 = p2;
    return t;
}

// The runs of a line separated by NaN pairs, as points.
std::vector<std::vector<plotcore::PointF>> runs_of(const std::vector<double>& xy) {
    std::vector<std::vector<plotcore::PointF>> runs(1);
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
        if (std::isnan(xy[i])) {
            runs.emplace_back();
            continue;
        }
        runs.back().push_back({float(xy[i]), float(xy[i + 1])});
    }
    return runs;
}

TEST(TransformRefineTest, PolarRadialStaysStraightAndArcFollowsTheCircle) {
    const PlotTransform polar = provided(LU_TRANSFORM_POLAR);
    const TransformedWorld w{polar, 100, 100};  // 100 pixels a unit
    const std::vector<double> radial = transform_line(w, {0, 30, 2, 30});
    ASSERT_EQ(radial.size(), 4u) << "a straight line needs no pieces between its ends";
    EXPECT_NEAR(radial[2], 2 * std::cos(std::numbers::pi / 6), 1e-12);
    EXPECT_NEAR(radial[3], 1.0, 1e-12);

    const std::vector<double> arc = transform_line(w, {1, 0, 1, 180});
    ASSERT_GT(arc.size(), 2u * 20) << "a half circle of radius 100 pixels in many pieces";
    EXPECT_LT(arc.size(), 2u * 200) << "but not many more than it needs";
    EXPECT_NEAR(arc.front(), 1, 1e-12);
    EXPECT_NEAR(arc[arc.size() - 2], -1, 1e-12);
    for (std::size_t i = 0; i + 3 < arc.size(); i += 2) {
        EXPECT_NEAR(std::hypot(arc[i], arc[i + 1]), 1, 1e-12) << "point " << i / 2;
        // The piece's middle lies within the tolerance of the circle.
        const double mx = (arc[i] + arc[i + 2]) / 2, my = (arc[i + 1] + arc[i + 3]) / 2;
        EXPECT_LE((1 - std::hypot(mx, my)) * 100, 0.25) << "piece " << i / 2;
        EXPECT_GT(arc[i + 3], -1e-12) << "the upper half, in order";
        EXPECT_LT(arc[i + 2], arc[i]) << "in order";
    }
}

// The walls of a pipe narrowing to half at x = 0 (of -10 ... 10).
void narrowed(double x, double y, double* tx, double* ty, void*) {
    *tx = x;
    *ty = y * (3 - std::cos(std::numbers::pi * x / 10)) / 4;
}

TEST(TransformRefineTest, ACurveSymmetricAboutAPieceIsStillFollowed) {
    // Halved, the wall from -10 to 0 bends about its middle, which lies on the straight
    // piece: only the quarters show the bend.
    PlotTransform t;
    t.value = narrowed;
    const std::vector<double> wall = transform_line({t, 30, 30}, {-10, 10, 10, 10});
    ASSERT_GT(wall.size(), 2u * 8);
    for (std::size_t i = 0; i + 3 < wall.size(); i += 2) {
        for (double f : {0.25, 0.5, 0.75}) {
            const double x = wall[i] + f * (wall[i + 2] - wall[i]);
            const double y = wall[i + 1] + f * (wall[i + 3] - wall[i + 1]);
            double cx = 0, cy = 0;
            narrowed(x, 10, &cx, &cy, nullptr);
            EXPECT_LE(std::fabs(y - cy) * 30, 1.0) << "piece " << i / 2 << " at " << f;
        }
    }
}

// The identity, except a band 2 < x < 3 it cannot show.
void banded(double x, double y, double* tx, double* ty, void*) {
    if (x > 2 && x < 3) return;  // nothing written: left out
    *tx = x;
    *ty = y;
}

// Along x = 0 ... 1 wildly.
void wild(double x, double y, double* tx, double* ty, void* data) {
    *tx = x;
    *ty = y + std::sin(1e7 * x);
    ++*static_cast<int*>(data);
}

TEST(TransformRefineTest, UnshownPositionsBreakTheLineAtTheirEdges) {
    PlotTransform t;
    t.value = banded;
    const TransformedWorld w{t, 1, 1};
    const auto runs = runs_of(transform_line(w, {0, 0, 5, 0}));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_FLOAT_EQ(runs[0].front().x, 0);
    EXPECT_LE(runs[0].back().x, 2);
    EXPECT_GT(runs[0].back().x, 2 - 5.0 / 512) << "followed up to the band";
    EXPECT_GE(runs[1].front().x, 3);
    EXPECT_LT(runs[1].front().x, 3 + 5.0 / 512);
    EXPECT_FLOAT_EQ(runs[1].back().x, 5);

    // A pair that is not finite breaks the line too; a polygon's outline is not broken.
    EXPECT_EQ(runs_of(transform_line(w, {0, 0, 1, 1, kNaN, 0, 4, 0, 5, 1})).size(), 2u);
    const std::vector<double> outline = transform_outline(w, {0, 0, 5, 0, 5, 5});
    for (double v : outline) EXPECT_FALSE(std::isnan(v));
    EXPECT_GT(outline.size(), 8u) << "the outline goes round the band";

    const std::vector<double> at = transform_positions(t, {1, 1, 2.5, 1, 4, 2});
    EXPECT_EQ(at[0], 1);
    EXPECT_TRUE(std::isnan(at[2]) && std::isnan(at[3]));
    EXPECT_EQ(at[5], 2);
}

TEST(TransformRefineTest, AWildTransformGetsBoundedPieces) {
    int calls = 0;
    PlotTransform t;
    t.value = wild;
    t.data = &calls;
    const std::vector<double> line = transform_line({t, 1000, 1000}, {0, 0, 1, 0});
    EXPECT_LE(line.size() / 2, (1u << kMaxSplitDepth) + 1);
    EXPECT_GT(line.size() / 2, 100u) << "it is split as far as it may be";
    EXPECT_LE(calls, 2 << kMaxSplitDepth);
}

TEST(ProvidedTransformTest, KnownPoints) {
    struct Case {
        int code;
        double p1, p2, x, y, tx, ty;
    };
    const double r = 180 / std::numbers::pi;  // the globe's radius in world units
    const Case cases[] = {
        {LU_TRANSFORM_POLAR, 0, 0, 2, 90, 0, 2},
        {LU_TRANSFORM_POLAR, 2 * std::numbers::pi, 0, 1, std::numbers::pi, -1, 0},
        {LU_TRANSFORM_POLAR, 360, 90, 1, 90, 1, 0},
        {LU_TRANSFORM_MERCATOR, 0, 0, 0, 0, 0, 0},
        {LU_TRANSFORM_MERCATOR, 0, 0, 30, 45, 30, r * std::log(1 + std::sqrt(2.0))},
        {LU_TRANSFORM_MERCATOR, 10, 0, 30, -45, 20, -r * std::log(1 + std::sqrt(2.0))},
        {LU_TRANSFORM_EQUIRECTANGULAR, 0, 60, 10, 20, 5, 20},
        {LU_TRANSFORM_ORTHOGRAPHIC, 0, 0, 90, 0, r, 0},
        {LU_TRANSFORM_ORTHOGRAPHIC, 0, 90, 0, 0, 0, -r},
        {LU_TRANSFORM_ORTHOGRAPHIC, 20, 0, 20, 30, 0, r / 2},
        {LU_TRANSFORM_SINUSOIDAL, 0, 0, 90, 60, 45, 60},
    };
    for (const Case& c : cases) {
        double tx = 0, ty = 0;
        ASSERT_TRUE(provided_transform(c.code, c.p1, c.p2, c.x, c.y, tx, ty)) << c.code;
        EXPECT_NEAR(tx, c.tx, 1e-9) << c.code << " of " << c.x << ", " << c.y;
        EXPECT_NEAR(ty, c.ty, 1e-9) << c.code << " of " << c.x << ", " << c.y;
    }
    double tx = 0, ty = 0;
    EXPECT_FALSE(provided_transform(LU_TRANSFORM_MERCATOR, 0, 0, 0, 90, tx, ty)) << "the pole";
    EXPECT_FALSE(provided_transform(LU_TRANSFORM_ORTHOGRAPHIC, 0, 0, 180, 0, tx, ty))
        << "the far side";
    EXPECT_FALSE(provided_transform(LU_TRANSFORM_SINUSOIDAL, 0, 0, 0, 91, tx, ty));
    EXPECT_FALSE(provided_transform(LU_TRANSFORM_EQUIRECTANGULAR, 0, 0, kNaN, 0, tx, ty));
}

class PlotTransformTest : public ::testing::Test {
  protected:
    PlotTransformTest() { reset_plot_state(); }
    ~PlotTransformTest() override { reset_plot_state(); }
};

// Mirrors x and halves y in a frame of 0 ... 10: a transform that bends nothing.
void mirrored(double x, double y, double* tx, double* ty, void* data) {
    *tx = 10 - x;
    *ty = y / 2 + *static_cast<double*>(data);
}
void mirrored_by_address(const double* x, const double* y, double* tx, double* ty, void* data) {
    mirrored(*x, *y, tx, ty, data);
}

struct Data {
    std::vector<float> x, y;
};
// The data as `mirrored` places them, shifted by 0.5.
Data mirror(const Data& d) {
    Data out = d;
    for (float& x : out.x) x = 10 - x;
    for (float& y : out.y) y = y / 2 + 0.5f;
    return out;
}

// Lines, points, a fill, bars and vectors (the field's corners given) of data.
void data_scene(const Data& line, const Data& fill, float field_x, float field_y) {
    ASSERT_NE(lu_plot_line(int(line.x.size()), line.x.data(), line.y.data()), 0);
    ASSERT_NE(lu_plot_points(int(line.x.size()), line.x.data(), line.y.data(), 13), 0);
    ASSERT_NE(lu_plot_fill(int(fill.x.size()), fill.x.data(), fill.y.data()), 0);
    const float u[] = {1, 0, -1, 0.5f}, v[] = {0, 1, 0.5f, -1};
    ASSERT_NE(
        lu_draw_vectors(u, v, 2, 2, LU_ROW_MAJOR, field_x, field_y, field_x + 4, field_y + 2, 1),
        0);
}

// What a road drew after the frame, as numbers: each item's kind, coordinates and points.
std::vector<int> drawn_numbers(gallery::GalleryWindow& window, std::size_t skip) {
    std::vector<int> out;
    const std::vector<luwnd::DrawItem> items = items_drawn(window.picture());
    for (std::size_t i = skip; i < items.size(); ++i) {
        out.push_back(static_cast<int>(items[i].kind));
        out.insert(out.end(), items[i].coords.begin(), items[i].coords.end());
        out.insert(out.end(), items[i].points.begin(), items[i].points.end());
    }
    return out;
}

// What a road draws of the scene in a frame of 0 ... 10.
template <class Scene>
std::vector<int> drawn_in_frame(bool batches, Scene scene) {
    reset_plot_state();
    gallery::GalleryWindow window(640, 480, 96, batches);
    EXPECT_NE(lu_plot_frame(0, 10, 0, 10, 0), 0);
    const std::size_t framed = items_drawn(window.picture()).size();
    scene();
    EXPECT_EQ(window.errors(), "");
    return drawn_numbers(window, framed);
}

TEST_F(PlotTransformTest, DataLandWhereTheTransformPutsThemOnBothRoads) {
    const Data line{{1, 2, 4, 8}, {2, 6, 3, 9}}, fill{{1, 5, 3}, {1, 1, 7}};
    for (bool batches : {true, false}) {
        std::vector<int> with, without;
        for (bool transformed : {true, false}) {
            double shift = 0.5;
            (transformed ? with : without) = drawn_in_frame(batches, [&] {
                const Data l = transformed ? line : mirror(line);
                const Data f = transformed ? fill : mirror(fill);
                if (transformed) {
                    ASSERT_NE(lu_set_plot_transform(mirrored, &shift), 0);
                }
                ASSERT_NE(lu_plot_line(4, l.x.data(), l.y.data()), 0);
                ASSERT_NE(lu_plot_step(4, l.x.data(), l.y.data()), 0);
                ASSERT_NE(lu_plot_points(4, l.x.data(), l.y.data(), 13), 0);
                ASSERT_NE(lu_plot_fill(3, f.x.data(), f.y.data()), 0);
                ASSERT_NE(lu_plot_hatch(LU_HATCH_UP_45), 0);
                ASSERT_NE(lu_plot_fill(3, f.x.data(), f.y.data()), 0);
            });
        }
        ASSERT_GT(without.size(), 20u);
        EXPECT_EQ(with, without) << (batches ? "batches" : "drawing operations");
    }
}

// Twice as far from the origin: arrows twice as long, their heads as large as before.
void doubled(double x, double y, double* tx, double* ty, void*) {
    *tx = 2 * x;
    *ty = 2 * y;
}

TEST_F(PlotTransformTest, VectorsContoursAndTheFieldsOnGridsMoveWithTheTransform) {
    const float values[] = {0, 1, 2, 1, 2, 3, 2, 3, 4};
    const float u[] = {1, 0, -1, 0.5f, 1, 1, 0, 0, 1}, v[] = {0, 1, 0.5f, -1, 1, 0, 1, 1, 1};
    float u2[9], v2[9];
    for (int i = 0; i < 9; ++i) u2[i] = 2 * u[i], v2[i] = 2 * v[i];
    const float levels[] = {1.5f, 2.5f};
    for (bool batches : {true, false}) {
        std::vector<int> with, without;
        for (bool transformed : {true, false}) {
            const float k = transformed ? 1 : 2, x0 = k, x1 = 4 * k;
            (transformed ? with : without) = drawn_in_frame(batches, [&] {
                if (transformed) {
                    ASSERT_NE(lu_set_plot_transform(doubled, nullptr), 0);
                }
                ASSERT_NE(lu_draw_vectors(transformed ? u : u2, transformed ? v : v2, 3, 3,
                                          LU_ROW_MAJOR, x0, x0, x1, x1, 1),
                          0);
                ASSERT_NE(
                    lu_draw_contours(values, 3, 3, LU_ROW_MAJOR, x0, x0, x1, x1, levels, 2, 0), 0);
                ASSERT_NE(lu_fill_contours(values, 3, 3, LU_ROW_MAJOR, x0, x0, x1, x1, levels, 2),
                          0);
            });
        }
        ASSERT_GT(without.size(), 50u);
        // Arrows are made in single precision: a corner may round to the next pixel.
        ASSERT_EQ(with.size(), without.size()) << (batches ? "batches" : "drawing operations");
        for (std::size_t i = 0; i < with.size(); ++i)
            ASSERT_NEAR(with[i], without[i], 1) << i << (batches ? " batches" : " operations");
    }
}

// The recorded polylines' points (batch coordinates).
std::vector<plotcore::PointF> polyline_points(gallery::GalleryWindow& window) {
    std::vector<plotcore::PointF> out;
    for (plotcore::ItemKind kind : {plotcore::ItemKind::kPolyline, plotcore::ItemKind::kSegments})
        for (const plotcore::Item& item : batch_items_of(window.picture(), kind))
            out.insert(out.end(), item.points.begin(), item.points.end());
    return out;
}

TEST_F(PlotTransformTest, APolarCircleIsRefinedOnThePage) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.2f, LU_PLOT_EQUAL), 0);
    ASSERT_NE(lu_set_plot_transform_code(LU_TRANSFORM_POLAR, 0, 0), 0);
    const float r[] = {1, 1}, angle[] = {0, 360};
    ASSERT_NE(lu_plot_line(2, r, angle), 0);
    const float zero = 0;
    ASSERT_NE(lu_plot_points(1, &zero, &zero, 1), 0);
    EXPECT_EQ(window.errors(), "");
    const std::vector<plotcore::Item> centre =
        batch_items_of(window.picture(), plotcore::ItemKind::kMarkers);
    ASSERT_EQ(centre.size(), 1u);
    const plotcore::PointF c = centre[0].points.at(0);
    const Frame& f = plot_state(window.number()).frame;
    const double radius = f.box.width() / (f.wx2 - f.wx1);
    const std::vector<plotcore::PointF> circle =
        batch_items_of(window.picture(), plotcore::ItemKind::kPolyline).back().points;
    ASSERT_GT(circle.size(), 40u);
    for (std::size_t i = 0; i < circle.size(); ++i) {
        EXPECT_NEAR(std::hypot(circle[i].x - c.x, circle[i].y - c.y), radius, 0.01) << i;
        if (i == 0) continue;
        const double mx = (circle[i].x + circle[i - 1].x) / 2,
                     my = (circle[i].y + circle[i - 1].y) / 2;
        EXPECT_LE(radius - std::hypot(mx - c.x, my - c.y), 0.3) << "piece " << i;
    }
}

// The identity, except that x = 2 is not shown.
void hole_at_two(double x, double y, double* tx, double* ty, void*) {
    *tx = x == 2 ? kNaN : x;
    *ty = y;
}

TEST_F(PlotTransformTest, APositionNotShownBreaksTheLine) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(0, 4, 0, 4, 0), 0);
    const std::size_t before =
        batch_items_of(window.picture(), plotcore::ItemKind::kPolyline).size();
    ASSERT_NE(lu_set_plot_transform(hole_at_two, nullptr), 0);
    const float x[] = {0, 1, 2, 3, 4}, y[] = {1, 2, 3, 2, 1};
    ASSERT_NE(lu_plot_line(5, x, y), 0);
    EXPECT_EQ(window.errors(), "");
    const std::vector<plotcore::Item> lines =
        batch_items_of(window.picture(), plotcore::ItemKind::kPolyline);
    ASSERT_EQ(lines.size(), before + 2) << "two runs either side of x = 2";
}

// Every plot item of the picture's batches.
std::vector<plotcore::Item> batch_items(const luwnd::render::Picture& picture) {
    std::vector<plotcore::Item> out;
    for (const auto& op : picture.items)
        if (op.item.kind == luwnd::ItemKind::kBatch && op.item.batch)
            out.insert(out.end(), op.item.batch->begin(), op.item.batch->end());
    return out;
}

TEST_F(PlotTransformTest, OffAgainDrawsAsBefore) {
    const Data line{{1, 2, 4, 8}, {2, 6, 3, 9}}, fill{{1, 5, 3}, {1, 1, 7}};
    std::vector<plotcore::Item> drawn[3];
    for (int way = 0; way < 3; ++way) {
        reset_plot_state();
        gallery::GalleryWindow window(640, 480);
        int result = -1;
        const int off = 0;
        const float zero = 0;
        if (way == 1) {
            ASSERT_NE(lu_set_plot_transform_code(LU_TRANSFORM_POLAR, 0, 0), 0);
            ASSERT_NE(lu_set_plot_transform(nullptr, nullptr), 0);
        } else if (way == 2) {
            ASSERT_NE(lu_set_plot_transform_(&result, mirrored_by_address, nullptr), 0);
            ASSERT_NE(lu_set_plot_transform_code_(&result, &off, &zero, &zero), 0);
            EXPECT_EQ(result, window.number());
        }
        ASSERT_NE(lu_plot_frame(0, 10, 0, 10, 0), 0);
        data_scene(line, fill, 2, 2);
        EXPECT_EQ(window.errors(), "");
        drawn[way] = batch_items(window.picture());
    }
    ASSERT_FALSE(drawn[0].empty());
    EXPECT_TRUE(drawn[1] == drawn[0]) << "off with NULL";
    EXPECT_TRUE(drawn[2] == drawn[0]) << "off with code 0";
}

TEST_F(PlotTransformTest, FramesLegendsPiesAndColourBarsStayAsTheyAre) {
    const float levels[] = {0, 1, 2}, values[] = {1, 2, 3};
    for (bool batches : {true, false}) {
        std::vector<int> drawn[2];
        for (bool transformed : {false, true}) {
            reset_plot_state();
            gallery::GalleryWindow window(640, 480, 96, batches);
            if (transformed) {
                ASSERT_NE(lu_set_plot_transform_code(LU_TRANSFORM_ORTHOGRAPHIC, 10, 20), 0);
            }
            ASSERT_NE(lu_plot_subpages(2, 1), 0);
            ASSERT_NE(lu_plot_frame(0, 10, 0, 10, LU_PLOT_GRID | LU_PLOT_ROOM_RIGHT), 0);
            ASSERT_NE(lu_plot_labels("x", "y", "title"), 0);
            ASSERT_NE(lu_draw_colour_bar(0.02f, 0.03f, levels, 3), 0);
            ASSERT_NE(lu_plot_legend_entry("entry", -1, 0, 0), 0);
            ASSERT_NE(lu_plot_legend(1), 0);
            ASSERT_NE(lu_plot_pie(3, values), 0);
            EXPECT_EQ(window.errors(), "");
            drawn[transformed ? 1 : 0] = drawn_numbers(window, 0);
        }
        ASSERT_GT(drawn[0].size(), 100u);
        EXPECT_EQ(drawn[1], drawn[0]) << (batches ? "batches" : "drawing operations");
    }
}

// The identity, keeping the x values it is given.
void keeping_x(double x, double y, double* tx, double* ty, void* data) {
    static_cast<std::vector<double>*>(data)->push_back(x);
    *tx = x;
    *ty = y;
}

TEST_F(PlotTransformTest, OnALogAxisTheTransformTakesTheLogarithm) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(1, 1000, 0, 1, LU_PLOT_LOG_X), 0);
    std::vector<double> given;
    ASSERT_NE(lu_set_plot_transform(keeping_x, &given), 0);
    const float x[] = {10, 100, -1}, y[] = {0.5f, 0.5f, 0.5f};
    ASSERT_NE(lu_plot_points(3, x, y, 1), 0);
    EXPECT_EQ(given, (std::vector<double>{1, 2})) << "log10, and nothing for a value <= 0";
}

TEST_F(PlotTransformTest, TheReferenceFormsTransformAsTheValueForms) {
    std::vector<int> drawn[2];
    for (bool by_address : {false, true}) {
        reset_plot_state();
        gallery::GalleryWindow window(640, 480);
        ASSERT_NE(lu_plot_frame(0, 10, 0, 10, 0), 0);
        double shift = 1;
        int result = 0;
        if (by_address) {
            lu_set_plot_transform_(&result, mirrored_by_address, &shift);
            EXPECT_EQ(result, window.number());
        } else {
            ASSERT_NE(lu_set_plot_transform(mirrored, &shift), 0);
        }
        const float x[] = {1, 3, 9}, y[] = {1, 5, 2};
        ASSERT_NE(lu_plot_line(3, x, y), 0);
        drawn[by_address ? 1 : 0] = drawn_numbers(window, 0);
    }
    EXPECT_EQ(drawn[1], drawn[0]);
}

TEST_F(PlotTransformTest, RefusalsSayWhyAndChangeNothing) {
    gallery::GalleryWindow window(640, 480);
    ASSERT_NE(lu_plot_frame(-2, 2, -2, 2, 0), 0);
    ASSERT_NE(lu_set_plot_transform_code(LU_TRANSFORM_POLAR, 0, 0), 0);
    const float nan = std::nanf("");
    EXPECT_EQ(lu_set_plot_transform_code(99, 0, 0), 0);
    EXPECT_EQ(lu_set_plot_transform_code(LU_TRANSFORM_POLAR, -1, 0), 0);
    EXPECT_EQ(lu_set_plot_transform_code(LU_TRANSFORM_MERCATOR, 0, 5), 0);
    EXPECT_EQ(lu_set_plot_transform_code(LU_TRANSFORM_ORTHOGRAPHIC, 0, 91), 0);
    EXPECT_EQ(lu_set_plot_transform_code(LU_TRANSFORM_EQUIRECTANGULAR, 0, 90), 0);
    int result = -1;
    const int code = LU_TRANSFORM_SINUSOIDAL;
    EXPECT_EQ(lu_set_plot_transform_code_(&result, &code, &nan, &nan), 0);
    EXPECT_EQ(result, 0);
    const std::string errors = window.errors();
    for (const char* cause :
         {"lu_set_plot_transform_code: transform 99 is none of LU_TRANSFORM_POLAR",
          "a full turn (p1) must be above 0", "transform 23 with p1 = 0, p2 = 5: p2 must be 0",
          "the centre's latitude p2 must be -90 ... 90",
          "the true-scale latitude p2 must be -89 ... 89", "the parameters must be finite"})
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << " in " << errors;
    // Still polar: a line of radius 1 is bent into an arc.
    const float r[] = {1, 1}, angle[] = {0, 90};
    ASSERT_NE(lu_plot_line(2, r, angle), 0);
    EXPECT_GT(polyline_points(window).size(), 10u);
}

}  // namespace
}  // namespace lumora::plot
