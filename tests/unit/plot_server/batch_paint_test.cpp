// What the painter asks of a canvas for plot batches: coordinates and widths as they came,
// fractions included, and clips that hold within their batch.
#include <gtest/gtest.h>

#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "plotcore/items.h"
#include "server/core/display_list.h"
#include "server/render/gradient_bands.h"
#include "server/render/painter.h"
#include "server/render/record/recording_canvas.h"

namespace luwnd::test {
namespace {

namespace plotcore = lumora::plotcore;
using Calls = std::vector<std::string>;

DrawItem batch(plotcore::Items items) {
    DrawItem item;
    item.kind = ItemKind::kBatch;
    item.batch = std::make_shared<const plotcore::Items>(std::move(items));
    return item;
}

Calls calls_of(const DrawItem& item) {
    render::RecordingCanvas canvas;
    render::paint(render::PaintItem{item, std::nullopt}, 640, 480, canvas);
    return canvas.calls();
}

plotcore::Item stroked(plotcore::ItemKind kind, std::vector<plotcore::PointF> points,
                       plotcore::Stroke stroke) {
    plotcore::Item item;
    item.kind = kind;
    item.points = std::move(points);
    item.stroke = stroke;
    return item;
}

plotcore::Item clip(bool on, plotcore::BoxF box = {}) {
    plotcore::Item item;
    item.kind = plotcore::ItemKind::kClip;
    item.clip_on = on;
    item.clip = box;
    return item;
}

TEST(BatchPaint, LinesKeepTheirCoordinatesAndFractionalWidths) {
    const Calls calls = calls_of(batch({
        stroked(plotcore::ItemKind::kPolyline, {{10.25f, 20.5f}, {30.75f, 40.125f}},
                {0xFF0000, 1.5f, plotcore::Dash::kDash}),
        stroked(plotcore::ItemKind::kSegments, {{1.5f, 2.5f}, {3.5f, 4.5f}, {5, 6}, {7, 8}},
                {0x00FF00, 0.25f, plotcore::Dash::kDot}),
        stroked(plotcore::ItemKind::kPolyline, {{5.5f, 6.5f}},
                {0x0000FF, 3, plotcore::Dash::kSolid}),
        stroked(plotcore::ItemKind::kPolyline, {{1000.125f, 0.0625f}, {2, 3}},
                {0, 2.75f, plotcore::Dash::kDashDotDot}),
    }));
    EXPECT_EQ(calls, (Calls{
                         "polyline 10.25,20.5 30.75,40.125 pen=ff0000/dash/1.5/0/exact",
                         "line 1.5,2.5 3.5,4.5 pen=00ff00/dot/0.25/0/exact",
                         "line 5,6 7,8 pen=00ff00/dot/0.25/0/exact",
                         // A line of one point: a dot as wide as the stroke.
                         "ellipse 4,5 7,8 pen=0000ff/none/3/0/exact fill=0000ff/0",
                         "polyline 1000.125,0.0625 2,3 pen=000000/dashdotdot/2.75/0/exact",
                     }));
}

TEST(BatchPaint, PolygonsTextsAndMarkers) {
    plotcore::Item filled =
        stroked(plotcore::ItemKind::kPolygon, {{0.5f, 0.5f}, {9.75f, 0.5f}, {5, 8}},
                {0x102030, 1.25f, plotcore::Dash::kSolid});
    filled.filled = true;
    filled.fill_rgb = 0xABCDEF;
    filled.nonzero = true;
    plotcore::Item bare = filled;
    bare.outlined = true;
    bare.filled = false;
    bare.nonzero = false;
    plotcore::Item unlined = filled;
    unlined.outlined = false;
    plotcore::Item text;
    text.kind = plotcore::ItemKind::kText;
    text.points = {{5.5f, 6.25f}};
    text.text = {12.5f,
                 std::numbers::pi_v<float> / 2,
                 plotcore::HAlign::kCentre,
                 plotcore::VAlign::kBottom,
                 3,
                 0x112233,
                 "Hi",
                 {}};
    plotcore::Item circles;
    circles.kind = plotcore::ItemKind::kMarkers;
    circles.marker = {3, true, 5, 0.5f, 0x0000FF};
    circles.points = {{10.5f, 20.25f}};
    plotcore::Item pluses = circles;
    pluses.marker = {1, false, 3, 1.5f, 0xFF00FF};
    pluses.points = {{1, 1}, {4.5f, 4}};
    const Calls calls = calls_of(batch({filled, bare, unlined, text, circles, pluses}));
    EXPECT_EQ(
        calls,
        (Calls{
            "polygon winding 0.5,0.5 9.75,0.5 5,8 pen=102030/solid/1.25/0/exact fill=abcdef/0",
            "polygon alternate 0.5,0.5 9.75,0.5 5,8 pen=102030/solid/1.25/0/exact fill=-",
            "polygon winding 0.5,0.5 9.75,0.5 5,8 pen=102030/none/1.25/0/exact fill=abcdef/0",
            "text 5.5,6.25 \"Hi\" face=/h=12.5/a=90/al=1,2/st=3/c=112233",
            // A filled circle is one disc as wide as circle and outline together.
            "ellipse 7.75,17.5 13.25,23 pen=0000ff/none/0.5/0/exact fill=0000ff/0",
            "line -0.5,1 2.5,1 pen=ff00ff/solid/1.5/0/exact",
            "line 1,-0.5 1,2.5 pen=ff00ff/solid/1.5/0/exact",
            "line 3,4 6,4 pen=ff00ff/solid/1.5/0/exact",
            "line 4.5,2.5 4.5,5.5 pen=ff00ff/solid/1.5/0/exact",
        }));
}

// A translucent fill goes alone in its share of the item's opacity; the outline stays whole.
TEST(BatchPaint, ATranslucentFillLeavesItsOutlineOpaque) {
    plotcore::Item box = stroked(plotcore::ItemKind::kPolygon, {{1, 1}, {9, 1}, {9, 5}},
                                 {0x102030, 1, plotcore::Dash::kSolid});
    box.filled = true;
    box.fill_rgb = 0xE0E0E0;
    box.fill_alpha = 128;
    plotcore::Item fill_only = box;
    fill_only.outlined = false;
    DrawItem item = batch({box, fill_only});
    item.alpha = 200;
    const std::string points = " 1,1 9,1 9,5 pen=102030/";
    EXPECT_EQ(calls_of(item), (Calls{
                                  "opacity 200",
                                  "opacity 100",
                                  "polygon alternate" + points + "none/1/0/exact fill=e0e0e0/0",
                                  "opacity 200",
                                  "polygon alternate" + points + "solid/1/0/exact fill=-",
                                  "opacity 100",
                                  "polygon alternate" + points + "none/1/0/exact fill=e0e0e0/0",
                                  "opacity 200",
                              }));
}

plotcore::Item short_line(float x) {
    return stroked(plotcore::ItemKind::kPolyline, {{x, 1}, {x, 2}}, {0, 1, plotcore::Dash::kSolid});
}

TEST(BatchPaint, AClipHoldsWithinItsBatchOnly) {
    DrawItem item = batch({clip(true, {20, 15, 40.25f, 30}), short_line(1), clip(false),
                           short_line(2), clip(true, {5, 6, 7, 8}), short_line(3)});
    const std::string pen = " pen=000000/solid/1/0/exact";
    EXPECT_EQ(calls_of(item), (Calls{"clip inside 20,15 40.25,30", "polyline 1,1 1,2" + pen,
                                     "clip none", "polyline 2,1 2,2" + pen, "clip inside 5,6 7,8",
                                     "polyline 3,1 3,2" + pen, "clip none"}));
    // Within the window's clip, boxes in device pixels under the window's transform (the
    // canvas writes down only the clips that change something).
    item.rectangle = {10, 20, 110, 90, 1};
    item.transform.m11 = item.transform.m22 = 2 * 65536;
    EXPECT_EQ(calls_of(item), (Calls{"transform 131072 0 0 131072 0 0", "clip inside 10,20 110,90",
                                     "clip inside 40,30 80.5,60", "polyline 1,1 1,2" + pen,
                                     "clip inside 10,20 110,90", "polyline 2,1 2,2" + pen,
                                     "clip inside 10,20 14,20", "polyline 3,1 3,2" + pen,
                                     "clip inside 10,20 110,90"}));
}

TEST(BatchPaint, AnAnchorZoomedOnScreenKeepsItsPartInsideItsBox) {
    plotcore::Item zoomed;
    zoomed.kind = plotcore::ItemKind::kAnchor;
    zoomed.clip_on = true;
    zoomed.clip = {20, 15, 40, 30};
    plotcore::Item next;
    next.kind = plotcore::ItemKind::kLabels;
    DrawItem item = batch({zoomed, short_line(1), clip(true, {0, 0, 100, 20}), short_line(2),
                           clip(false), short_line(3), next, short_line(4)});
    const std::string pen = " pen=000000/solid/1/0/exact";
    // The part's own clips only narrow the box; the next part is free of it.
    EXPECT_EQ(calls_of(item),
              (Calls{"clip inside 20,15 40,30", "polyline 1,1 1,2" + pen, "clip inside 20,15 40,20",
                     "polyline 2,1 2,2" + pen, "clip inside 20,15 40,30", "polyline 3,1 3,2" + pen,
                     "clip none", "polyline 4,1 4,2" + pen}));
    // An anchor the window does not zoom changes nothing.
    zoomed.clip_on = false;
    EXPECT_EQ(calls_of(batch({zoomed, short_line(1)})), (Calls{"polyline 1,1 1,2" + pen}));
}

plotcore::Item graded() {
    plotcore::Item item;
    item.kind = plotcore::ItemKind::kGradient;
    item.nonzero = true;
    item.points = {{0, 0}, {4, 0}, {4, 2}, {0, 2}};
    item.gradient = {{0, 1}, {4, 1}, {{0, 0xFF0000, 255}, {1, 0x0000FF, 55}}};
    return item;
}

TEST(BatchPaint, AGradientGoesToTheCanvasWhole) {
    EXPECT_EQ(calls_of(batch({graded()})),
              (Calls{"gradient winding 0,0 4,0 4,2 0,2 axis=0,1 4,1 0:ff0000/255 1:0000ff/55"}));
}

TEST(BatchPaint, BandsOfAGradientTakeTheirStopsOpacityWhereTheCanvasDrawsIt) {
    const plotcore::Item g = graded();
    const std::vector<render::Point> points = {{0, 0}, {4, 0}, {4, 2}, {0, 2}};
    render::RecordingCanvas translucent;
    render::paint_gradient_bands(translucent, points, render::FillRule::kWinding, g.gradient, 200,
                                 true);
    // Four bands a pixel wide, each in its middle's colour at its opacity under 200, and
    // the canvas's opacity back at the end.
    EXPECT_EQ(
        translucent.calls(),
        (Calls{"opacity 180", "polygon winding 0,0 1,0 1,2 0,2 pen=000000/none/1/0 fill=df0020/0",
               "opacity 141", "polygon winding 1,0 2,0 2,2 1,2 pen=000000/none/1/0 fill=9f0060/0",
               "opacity 101", "polygon winding 2,0 3,0 3,2 2,2 pen=000000/none/1/0 fill=60009f/0",
               "opacity 62", "polygon winding 3,0 4,0 4,2 3,2 pen=000000/none/1/0 fill=2000df/0",
               "opacity 200"}));
    render::RecordingCanvas opaque;
    render::paint_gradient_bands(opaque, points, render::FillRule::kWinding, g.gradient, 255,
                                 false);
    ASSERT_EQ(opaque.calls().size(), 4u);
    EXPECT_EQ(opaque.calls()[0].rfind("polygon", 0), 0u) << "no opacity set";
}

TEST(BatchPaint, CompositingPaintsTheBackgroundShapeFirst) {
    DrawItem square = batch({graded()});
    square.alpha = 100;
    const auto calls = [&](std::uint8_t mode) {
        square.compose = mode;
        render::RecordingCanvas canvas;
        render::paint(render::PaintItem{square, std::nullopt}, 640, 480, canvas, 0x102030);
        return canvas.calls();
    };
    const std::string shape = "polygon winding 0,0 4,0 4,2 0,2 pen=102030/none/1/0 fill=102030/0";
    const std::string drawn =
        "gradient winding 0,0 4,0 4,2 0,2 axis=0,1 4,1 0:ff0000/255 1:0000ff/55";
    EXPECT_EQ(calls(0), (Calls{"opacity 100", drawn}));
    EXPECT_EQ(calls(1), (Calls{shape, "opacity 100", drawn})) << "replacing: opaque first";
    EXPECT_EQ(calls(2), (Calls{"opacity 100", shape})) << "xor: the shape at the opacity only";
}

}  // namespace
}  // namespace luwnd::test
