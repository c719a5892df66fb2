// Texts in a 3-D view through the public interface: a text in each plane of the box as
// the affine picture the batch carries (turned with its projected baseline, foreshortened,
// sheared, nothing edge on), markup runs laid out in the text's own plane, texts beside
// the box's edges, the picture in an SVG, and the arguments refused.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <numbers>
#include <regex>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/plot_state.h"
#include "plotcore/box3d.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"
#ifndef _WIN32
#include "server/render/cairo/picture_file.h"
#endif

namespace lumora::plot {
namespace {

using plotcore::BatchTextMatrix;
using plotcore::Item;
using plotcore::ItemKind;
using plotcore::PointF;

constexpr double kAltitude = 30;

double cross(PointF a, PointF b) {
    return double(a.x) * b.y - double(a.y) * b.x;
}
double norm(PointF a) {
    return std::hypot(a.x, a.y);
}

class PlotText3dTest : public ::testing::Test {
  protected:
    PlotText3dTest() : window_(640, 480, 96, true) { reset_plot_state(); }
    ~PlotText3dTest() override { reset_plot_state(); }

    // A frame with a view of x 0 ... 1, y 10 ... 20 and z 100 ... 200 from the azimuth: one
    // unit of each axis is 1, 0.1 and 0.01 box units.
    void view(float azimuth) {
        ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window_.number());
        ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 100, 200, kAltitude, azimuth, 0),
                  window_.number());
    }
    const WindowPlot& state() { return plot_state(window_.number()); }
    PointF placed(double x, double y, double z) {
        const Frame& f = state().frame;
        const plotcore::Point2 p = state().view3d->project(state().view3d->world(x, y, z));
        return {static_cast<float>(f.px(p.x) + 0.5),
                static_cast<float>(f.page_height - f.py(p.y) + 0.5)};
    }
    // The batch step from a data point to another.
    PointF step(double x, double y, double z, double dx, double dy, double dz) {
        const PointF a = placed(x, y, z), b = placed(x + dx, y + dy, z + dz);
        return {b.x - a.x, b.y - a.y};
    }
    // Page pixels per world unit across over those up.
    double aspect() {
        const Frame& f = state().frame;
        return (f.box.width() / (f.wx2 - f.wx1)) / (f.box.height() / (f.wy2 - f.wy1));
    }
    std::vector<Item> texts() { return batch_items_of(window_.picture(), ItemKind::kText); }
    // The one text drawn by the call, with its matrix.
    BatchTextMatrix matrix_of(int drawn) {
        EXPECT_EQ(drawn, window_.number());
        const auto t = texts();
        EXPECT_FALSE(t.empty());
        if (t.empty() || !t.back().text.matrix) return {0, 0, 0, 0};
        EXPECT_EQ(t.back().text.angle, 0);
        return *t.back().text.matrix;
    }
    gallery::GalleryWindow window_;
};

// Seen from the front, a text in the x-z plane is upright and unsheared, foreshortened
// up the page by the altitude; its baseline follows x across the page.
TEST_F(PlotText3dTest, AFrontTextInTheXzPlaneIsUnshearedAndForeshortened) {
    view(0);
    const BatchTextMatrix m =
        matrix_of(lu_plot_text3d(0.5f, 10, 150, 1, 0, 0, 0, 0, 1, 0, "Front"));
    EXPECT_GT(m.xx, 0);
    EXPECT_NEAR(m.xy, 0, 1e-6);
    EXPECT_NEAR(m.yx, 0, 1e-6);
    EXPECT_NEAR(m.yy / m.xx, std::cos(kAltitude * std::numbers::pi / 180) / aspect(), 1e-5);
    // Where the world's scales differ, the text stretches with the box and keeps its area.
    EXPECT_NEAR(m.xx * m.xx / aspect(), 1, 1e-5);
}

// From an azimuth, a text in each plane of the box lies along the projection of its
// baseline and of its up; a shear slants its up along the shear's projection.
TEST_F(PlotText3dTest, InEachPlaneTheColumnsFollowTheProjectedDirections) {
    view(30);
    struct Plane {
        const char* name;
        double along[3], up[3];
    };
    const Plane planes[] = {{"x-y", {1, 0, 0}, {0, 10, 0}},
                            {"x-z", {1, 0, 0}, {0, 0, 100}},
                            {"y-z", {0, 10, 0}, {0, 0, 100}},
                            {"x-z sheared", {1, 0, 0}, {1, 0, 100}}};
    for (const Plane& p : planes) {
        const BatchTextMatrix m = matrix_of(
            lu_plot_text3d(0.5f, 15, 150, float(p.along[0]), float(p.along[1]), float(p.along[2]),
                           float(p.up[0]), float(p.up[1]), float(p.up[2]), 0, p.name));
        const PointF baseline{m.xx, m.yx}, down{m.xy, m.yy};
        const PointF along = step(0.5, 15, 150, p.along[0], p.along[1], p.along[2]);
        const PointF up = step(0.5, 15, 150, p.up[0], p.up[1], p.up[2]);
        EXPECT_NEAR(cross(baseline, along) / (norm(baseline) * norm(along)), 0, 1e-5) << p.name;
        EXPECT_GT(baseline.x * along.x + baseline.y * along.y, 0) << p.name;
        // The text's own y runs down: against its up.
        EXPECT_NEAR(cross(down, up) / (norm(down) * norm(up)), 0, 1e-5) << p.name;
        EXPECT_LT(down.x * up.x + down.y * up.y, 0) << p.name;
    }
    // The sheared one's up leans half way to the baseline, a text height long.
    const auto t = texts();
    const BatchTextMatrix upright = *t[1].text.matrix, sheared = *t[3].text.matrix;
    EXPECT_NEAR(sheared.xy, (upright.xy - upright.xx) / std::sqrt(2), 1e-5);
    EXPECT_NEAR(sheared.yy, (upright.yy - upright.yx) / std::sqrt(2), 1e-5);
}

// A shear leaning towards the baseline flattens the text; so far that it would be a sliver,
// it is left out (no refusal).
TEST_F(PlotText3dTest, AShearNearTheBaselineFlattensTheText) {
    view(0);
    const BatchTextMatrix upright =
        matrix_of(lu_plot_text3d(0.5f, 10, 150, 1, 0, 0, 0, 0, 100, 0, "Upright"));
    const BatchTextMatrix leaning =
        matrix_of(lu_plot_text3d(0.5f, 10, 150, 1, 0, 0, 1, 0, 10, 0, "Leaning"));
    const double area = [](const BatchTextMatrix& m) { return m.xx * m.yy - m.xy * m.yx; }(upright);
    EXPECT_NEAR(leaning.xx * leaning.yy - leaning.xy * leaning.yx, area * 0.1 / std::hypot(1, 0.1),
                1e-4);
    ASSERT_EQ(lu_plot_text3d(0.5f, 10, 150, 1, 0, 0, 1, 0, 1e-3f, 0, "Sliver"), window_.number());
    EXPECT_EQ(texts().size(), 2u);
    EXPECT_EQ(window_.errors().find("lu_plot_text3d"), std::string::npos) << window_.errors();
}

// The y-z plane seen from the front is edge on: nothing is drawn, and that is no refusal.
// A shear of 0 stands the text upright facing the viewer, at its full height.
TEST_F(PlotText3dTest, EdgeOnTextsAreLeftOutAndNoShearFacesTheViewer) {
    view(0);
    EXPECT_EQ(lu_plot_text3d(0.5f, 15, 150, 0, 1, 0, 0, 0, 1, 0, "Edge on"), window_.number());
    EXPECT_TRUE(texts().empty());
    const BatchTextMatrix m =
        matrix_of(lu_plot_text3d(0.5f, 15, 150, 1, 0, 0, 0, 0, 0, 0.5f, "Facing"));
    EXPECT_NEAR(m.xy, 0, 1e-6);
    EXPECT_NEAR(m.yx, 0, 1e-6);
    EXPECT_NEAR(m.yy * m.yy * aspect(), 1, 1e-5);
    EXPECT_EQ(window_.errors().find("lu_plot_text3d"), std::string::npos) << window_.errors();
}

// The point lies `justification` along the text and half a capital above its baseline:
// the batch places the text's start back from it along both of the text's own axes.
TEST_F(PlotText3dTest, TheJustificationAndTheMiddleLinePlaceTheText) {
    view(0);
    const float h = static_cast<float>(state().frame.text_height);
    ASSERT_EQ(lu_plot_text3d(0.5f, 10, 150, 1, 0, 0, 0, 0, 1, 0, "Start"), window_.number());
    ASSERT_EQ(lu_plot_text3d(0.5f, 10, 150, 1, 0, 0, 0, 0, 1, 1, "Start"), window_.number());
    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    const BatchTextMatrix m = *t[0].text.matrix;
    const PointF at = placed(0.5, 10, 150);
    EXPECT_NEAR(t[0].points[0].x, at.x, 1e-3);
    EXPECT_NEAR(t[0].points[0].y, at.y + 0.35f * h * m.yy, 1e-3);
    EXPECT_EQ(t[0].text.h_align, plotcore::HAlign::kLeft);
    EXPECT_EQ(t[0].text.v_align, plotcore::VAlign::kBaseline);
    // Justified at its end it starts its width before the point.
    EXPECT_LT(t[1].points[0].x, at.x - 1.5f * h * m.xx);
    EXPECT_NEAR(t[1].points[0].y, t[0].points[0].y, 1e-3);
}

// Markup runs are laid out in the text's own plane: each run carries the same matrix, and
// the subscript stands after the base, lower in the text's own axes.
TEST_F(PlotText3dTest, MarkupRunsAreLaidOutBeforeThePicture) {
    view(40);
    ASSERT_EQ(lu_plot_text3d(0.5f, 15, 150, 1, 0, 0, 0, 0, 100, 0, "$E_{kin}$"), window_.number());
    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    ASSERT_TRUE(t[0].text.matrix && t[1].text.matrix);
    EXPECT_EQ(*t[0].text.matrix, *t[1].text.matrix);
    EXPECT_LT(t[1].text.height, t[0].text.height);
    // The step from the base's start to the subscript's in the text's own axes.
    const BatchTextMatrix& m = *t[0].text.matrix;
    const double dx = t[1].points[0].x - t[0].points[0].x, dy = t[1].points[0].y - t[0].points[0].y;
    const double det = double(m.xx) * m.yy - double(m.xy) * m.yx;
    const double u = (m.yy * dx - m.xy * dy) / det, w = (-m.yx * dx + m.xx * dy) / det;
    EXPECT_GT(u, 0.3 * t[0].text.height) << "after the E";
    EXPECT_GT(w, 0.05 * t[0].text.height) << "lowered";
}

// A text beside an edge runs along it, its displacement in text heights out from it the
// way the edge's ticks point: across the base for x, sideways for z.
TEST_F(PlotText3dTest, EdgeTextsRunAlongTheirEdgeAtTheirDisplacement) {
    view(30);
    const double h = state().frame.text_height;
    ASSERT_EQ(lu_plot_edge_text3d("xp", 2, 0.5f, 0.5f, "Along x"), window_.number());
    ASSERT_EQ(lu_plot_edge_text3d("ZS", 1.5f, 0, 0, "Up z"), window_.number());
    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    const auto& v = *state().view3d;
    const auto b = plotcore::base_corners(v);
    // x primary: through the front corner, along x.
    const plotcore::Point3 front = v.corner(b.front);
    const PointF a = placed(0, front.y, 100), e = placed(1, front.y, 100);
    const PointF dir{e.x - a.x, e.y - a.y};
    const double turned = -std::atan2(dir.y, dir.x);  // counterclockwise on the page
    EXPECT_NEAR(std::remainder(t[0].text.angle - turned, std::numbers::pi), 0, 1e-4);
    EXPECT_FALSE(t[0].text.matrix.has_value());
    const PointF p = t[0].points[0];
    const PointF across = step(0, front.y, 100, 0, front.y == 10 ? 10 : -10, 0);
    const double off = std::fabs(cross({p.x - a.x, p.y - a.y}, dir)) / norm(dir);
    EXPECT_NEAR(off, 2 * h * std::fabs(cross(across, dir)) / (norm(across) * norm(dir)), 0.01);
    // z secondary: over the rightmost corner, upright, starting at its lower end.
    const plotcore::Point3 right = v.corner(b.right);
    const PointF low = placed(right.x, right.y, 100);
    EXPECT_NEAR(t[1].text.angle, std::numbers::pi / 2, 1e-6);
    EXPECT_NEAR(t[1].points[0].y, low.y, 1e-3);
    EXPECT_NEAR(t[1].points[0].x, low.x + 1.5 * h, 0.01);
}

TEST_F(PlotText3dTest, RefusedArgumentsDrawNothingAndSayWhy) {
    ASSERT_EQ(lu_plot_frame(-1, 1, -1, 1, LU_PLOT_NO_BOX), window_.number());
    EXPECT_EQ(lu_plot_text3d(0, 10, 100, 1, 0, 0, 0, 0, 1, 0, "x"), 0);
    EXPECT_EQ(lu_plot_edge_text3d("xp", 1, 0.5f, 0.5f, "x"), 0);
    ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 10, 20, 100, 200, 30, 30, LU_VIEW3D_LOG_Z),
              window_.number());
    EXPECT_EQ(lu_plot_text3d(NAN, 10, 100, 1, 0, 0, 0, 0, 1, 0, "x"), 0);
    EXPECT_EQ(lu_plot_text3d(0, 10, -100, 1, 0, 0, 0, 0, 1, 0, "x"), 0);
    EXPECT_EQ(lu_plot_text3d(0, 10, 100, 0, 0, 0, 0, 0, 1, 0, "x"), 0);
    EXPECT_EQ(lu_plot_text3d(0, 10, 100, 1, 0, 0, 2, 0, 0, 0, "x"), 0);
    EXPECT_EQ(lu_plot_text3d(0, 10, 100, 1, 0, 0, 0, 0, 1, INFINITY, "x"), 0);
    EXPECT_EQ(lu_plot_edge_text3d("xq", 1, 0.5f, 0.5f, "x"), 0);
    EXPECT_EQ(lu_plot_edge_text3d(nullptr, 1, 0.5f, 0.5f, "x"), 0);
    EXPECT_EQ(lu_plot_edge_text3d("zp", 1, NAN, 0.5f, "x"), 0);
    EXPECT_TRUE(texts().empty());
    // NULL and empty texts draw nothing and are no fault.
    EXPECT_EQ(lu_plot_text3d(0, 10, 150, 1, 0, 0, 0, 0, 1, 0, nullptr), window_.number());
    EXPECT_EQ(lu_plot_edge_text3d("yp", 1, 0.5f, 0.5f, ""), window_.number());
    EXPECT_TRUE(texts().empty());
    const std::string errors = window_.errors();
    for (const char* cause : {
             "lu_plot_text3d: window 1's frame has no 3-D view",
             "lu_plot_edge_text3d: window 1's frame has no 3-D view",
             "lu_plot_text3d: the point NaN, 10, 100 is not in the view's world",
             "lu_plot_text3d: the point 0, 10, -100 is not in the view's world",
             "lu_plot_text3d: the direction 0, 0, 0 is not a direction",
             "lu_plot_text3d: the shear 2, 0, 0 runs along the baseline",
             "lu_plot_text3d: the justification infinity is not finite",
             "lu_plot_edge_text3d: the edge \"xq\" is not one of xp, xs, yp, ys, zp, zs",
             "lu_plot_edge_text3d: the edge \"\" is not one of",
             "lu_plot_edge_text3d: the displacement, position and justification 1, NaN, 0.5 are "
             "not all finite",
         })
        EXPECT_NE(errors.find(cause), std::string::npos) << cause << "\n" << errors;
}

// The reference forms read blank-padded Fortran texts and draw what the value forms draw.
TEST_F(PlotText3dTest, TheReferenceFormsDrawTheSame) {
    view(30);
    ASSERT_EQ(lu_plot_text3d(0.5f, 15, 150, 1, 0, 0, 0, 0, 100, 0.5f, "Same"), window_.number());
    ASSERT_EQ(lu_plot_edge_text3d("yp", 1, 0.25f, 0, "Side"), window_.number());
    const float x = 0.5f, y = 15, z = 150, one = 1, none = 0, up = 100, half = 0.5f,
                quarter = 0.25f;
    int result = -1;
    lu_plot_text3d_(&result, &x, &y, &z, &one, &none, &none, &none, &none, &up, &half, "Same  ", 6);
    EXPECT_EQ(result, window_.number());
    lu_plot_edge_text3d_(&result, "yp ", &one, &quarter, &none, "Side   ", 3, 7);
    EXPECT_EQ(result, window_.number());
    const auto t = texts();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[2], t[0]);
    EXPECT_EQ(t[3], t[1]);
}

// A window that takes no plot batches draws a text in 3-D with the drawing operations,
// turned along its projected baseline.
TEST(PlotText3dRoadsTest, WithoutBatchesTheTextIsTurnedAlongItsBaseline) {
    reset_plot_state();
    gallery::GalleryWindow window(640, 480, 96, false);
    ASSERT_EQ(lu_plot_frame(-1.2f, 1.2f, -1.2f, 1.5f, LU_PLOT_NO_BOX), window.number());
    ASSERT_EQ(lu_plot_view3d(1, 1, 1, 0, 1, 0, 1, 0, 1, 30, 30, 0), window.number());
    ASSERT_EQ(lu_plot_text3d(0.5f, 0.5f, 0, 1, 0, 0, 0, 1, 0, 0, "Flat"), window.number());
    const Frame& f = plot_state(window.number()).frame;
    const auto& v = *plot_state(window.number()).view3d;
    const plotcore::Point2 a = v.project(v.world(0, 0, 0)), b = v.project(v.world(1, 0, 0));
    const double turns =
        std::atan2(f.py(b.y) - f.py(a.y), f.px(b.x) - f.px(a.x)) / (2 * std::numbers::pi);
    std::vector<luwnd::DrawItem> texts;
    for (const luwnd::DrawItem& item : items_drawn(window.picture()))
        if (item.kind == luwnd::ItemKind::kText) texts.push_back(item);
    reset_plot_state();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Flat");
    const double drawn = texts[0].font.angle / 3600.0;
    EXPECT_NEAR(std::remainder(drawn - turns, 1.0), 0, 1.0 / 3600);
}

#ifndef _WIN32
// Cairo's SVG keeps the text with its picture as the text's transform.
TEST_F(PlotText3dTest, AnSvgKeepsTheTextsPicture) {
    view(30);
    ASSERT_EQ(lu_plot_text3d(0.5f, 15, 150, 1, 0, 0, 1, 0, 100, 0, "Slanted"), window_.number());
    const BatchTextMatrix m = *texts().back().text.matrix;
    const std::string path = testing::TempDir() + "plot_text3d_test.svg";
    std::string error;
    ASSERT_TRUE(luwnd::render::write_picture(window_.picture(), path,
                                             luwnd::render::PictureFormat::kSvg, error))
        << error;
    std::ifstream file(path);
    const std::string svg((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    const std::regex text(
        R"re(<text [^>]*transform="matrix\(([-0-9.e]+) ([-0-9.e]+) ([-0-9.e]+) ([-0-9.e]+) [^>]*>Slanted</text>)re");
    std::smatch found;
    ASSERT_TRUE(std::regex_search(svg, found, text)) << svg.substr(0, 2000);
    EXPECT_NEAR(std::stod(found[1]), m.xx, 1e-3);
    EXPECT_NEAR(std::stod(found[2]), m.yx, 1e-3);
    EXPECT_NEAR(std::stod(found[3]), m.xy, 1e-3);
    EXPECT_NEAR(std::stod(found[4]), m.yy, 1e-3);
}
#endif

}  // namespace
}  // namespace lumora::plot
