#include "batch_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "marker_painter.h"
#include "painter.h"
#include "plotcore/batch_format.h"
#include "plotcore/hatch.h"

namespace luwnd::render {
namespace {

namespace plotcore = lumora::plotcore;

Point point_of(plotcore::PointF p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

std::vector<Point> points_of(const std::vector<plotcore::PointF>& points) {
    std::vector<Point> out;
    out.reserve(points.size());
    for (plotcore::PointF p : points) out.push_back(point_of(p));
    return out;
}

// A filled circle of that diameter centred on the point.
void dot(Point at, double diameter, std::uint32_t rgb, Canvas& canvas) {
    Pen none{rgb, DashStyle::kNone, 1, 0, diameter};
    const double r = diameter / 2;
    canvas.ellipse({at.x - r, at.y - r, at.x + r, at.y + r}, none, Fill{rgb, 0});
}

void polyline(const plotcore::Item& item, Canvas& canvas) {
    const Pen pen = pen_of(item.stroke);
    if (item.points.size() == 1) {
        dot(point_of(item.points[0]), pen.exact_width, pen.rgb, canvas);
        return;
    }
    canvas.polyline(points_of(item.points), pen);
}

void segments(const plotcore::Item& item, Canvas& canvas) {
    const Pen pen = pen_of(item.stroke);
    for (std::size_t i = 0; i + 1 < item.points.size(); i += 2)
        canvas.line(point_of(item.points[i]), point_of(item.points[i + 1]), pen);
}

void polygon(const plotcore::Item& item, std::uint8_t alpha, Canvas& canvas) {
    Pen pen = pen_of(item.stroke);
    const FillRule rule = item.nonzero ? FillRule::kWinding : FillRule::kAlternate;
    const bool translucent = item.filled && item.fill_alpha != 255;
    if (translucent) {
        // The fill alone in its own share of the item's opacity, then the outline whole.
        Pen none = pen;
        none.dash = DashStyle::kNone;
        canvas.set_opacity(static_cast<std::uint8_t>(alpha * item.fill_alpha / 255));
        canvas.polygon(points_of(item.points), rule, none, Fill{item.fill_rgb & 0xFFFFFF, 0});
        canvas.set_opacity(alpha);
    }
    if (!item.outlined) pen.dash = DashStyle::kNone;
    std::optional<Fill> fill;
    if (item.filled && !translucent) fill = Fill{item.fill_rgb & 0xFFFFFF, 0};
    if (item.outlined || fill) canvas.polygon(points_of(item.points), rule, pen, fill);
}

void hatch(const plotcore::Item& item, Canvas& canvas) {
    const Pen pen = pen_of(item.stroke);
    const std::vector<plotcore::PointF> ends =
        plotcore::hatch_segments(item.points, item.nonzero, item.hatch);
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2)
        canvas.line(point_of(ends[i]), point_of(ends[i + 1]), pen);
}

void gradient(const plotcore::Item& item, Canvas& canvas) {
    canvas.gradient_polygon(points_of(item.points),
                            item.nonzero ? FillRule::kWinding : FillRule::kAlternate,
                            item.gradient);
}

void text(const plotcore::Item& item, Canvas& canvas) {
    const plotcore::TextLook& look = item.text;
    if (item.points.empty()) return;
    TextStyle style;
    style.height = look.height;
    style.angle = look.angle;
    if (look.matrix)
        style.shape = TextShape{look.matrix->xx, look.matrix->xy, look.matrix->yx, look.matrix->yy};
    style.h_align = static_cast<HAlign>(look.h_align);
    style.v_align = static_cast<VAlign>(look.v_align);
    style.style = look.style & (kTextBold | kTextItalic);
    if ((look.style & plotcore::kTextUtf8Bytes) != 0) style.style |= kTextUtf8;
    style.rgb = look.rgb & 0xFFFFFF;
    canvas.text(point_of(item.points[0]), look.bytes, style);
}

void markers(const plotcore::Item& item, Canvas& canvas) {
    for (plotcore::PointF p : item.points) paint_plot_marker(item.marker, point_of(p), canvas);
}

void coloured_markers(const plotcore::Item& item, Canvas& canvas) {
    plotcore::MarkerShape shape = item.marker;
    for (std::size_t i = 0; i < item.points.size(); ++i) {
        shape.size = item.sizes[i];
        shape.rgb = item.colours[i];
        paint_plot_marker(shape, point_of(item.points[i]), canvas);
    }
}

// The box in device pixels that the transform takes the page box into (the bounds of its
// corners, for a transform that turns it).
Box device_box(const plotcore::BoxF& box, const Transform& t) {
    constexpr double kOne = 65536.0;
    const std::array<Point, 4> corners{Point{box.left, box.top}, Point{box.right, box.top},
                                       Point{box.right, box.bottom}, Point{box.left, box.bottom}};
    constexpr double kFar = std::numeric_limits<double>::infinity();
    Box out{kFar, kFar, -kFar, -kFar};
    for (const Point& c : corners) {
        const double x = (t.m11 * c.x + t.m12 * c.y) / kOne + t.dx;
        const double y = (t.m21 * c.x + t.m22 * c.y) / kOne + t.dy;
        out = {std::min(out.left, x), std::min(out.top, y), std::max(out.right, x),
               std::max(out.bottom, y)};
    }
    return out;
}

// The clip of a clip item within the window's clip. A window clip that keeps what lies
// outside its box cannot be combined with a box: the item's box alone applies then.
Clip clip_within(const plotcore::Item& item, const Clip& window, const Transform& transform) {
    if (!item.clip_on) return window;
    Clip clip{Clip::Kind::kInside, device_box(item.clip, transform)};
    if (window.kind == Clip::Kind::kInside) {
        Box& b = clip.box;
        b = {std::max(b.left, window.box.left), std::max(b.top, window.box.top),
             std::min(b.right, window.box.right), std::min(b.bottom, window.box.bottom)};
        b.right = std::max(b.right, b.left);
        b.bottom = std::max(b.bottom, b.top);
    }
    return clip;
}

}  // namespace

Pen pen_of(const plotcore::Stroke& stroke) {
    const double width = stroke.width;
    Pen pen;
    pen.rgb = stroke.rgb & 0xFFFFFF;
    pen.dash = static_cast<DashStyle>(stroke.dash);  // solid .. dash-dot-dot in both
    pen.width = static_cast<std::int32_t>(
        std::clamp(std::lround(width), 1L, static_cast<long>(kMaxDeviceLength)));
    pen.exact_width = width;
    return pen;
}

void paint_batch(const DrawItem& item, Canvas& canvas) {
    if (!item.batch) return;
    const Clip window = clip_of(item.rectangle);
    // The clip of the part being painted: the window's, or the box an anchor carries when
    // the window shows its frame zoomed.
    Clip part = window;
    bool zoomed = false, clipped = false;
    for (const plotcore::Item& plot : *item.batch) {
        switch (plot.kind) {
            case plotcore::ItemKind::kPolyline:
                polyline(plot, canvas);
                break;
            case plotcore::ItemKind::kSegments:
                segments(plot, canvas);
                break;
            case plotcore::ItemKind::kPolygon:
                polygon(plot, item.alpha, canvas);
                break;
            case plotcore::ItemKind::kHatch:
                hatch(plot, canvas);
                break;
            case plotcore::ItemKind::kGradient:
                gradient(plot, canvas);
                break;
            case plotcore::ItemKind::kText:
                text(plot, canvas);
                break;
            case plotcore::ItemKind::kMarkers:
                markers(plot, canvas);
                break;
            case plotcore::ItemKind::kColouredMarkers:
                coloured_markers(plot, canvas);
                break;
            case plotcore::ItemKind::kClip:
                canvas.set_clip(clip_within(plot, part, item.transform));
                clipped = plot.clip_on || zoomed;
                break;
            default:  // what a part was laid out from draws nothing, but may clip its part
                if (plot.kind == plotcore::ItemKind::kAnchor && plot.clip_on) {
                    part = clip_within(plot, window, item.transform);
                    canvas.set_clip(part);
                    zoomed = clipped = true;
                } else if (zoomed) {
                    part = window;
                    canvas.set_clip(window);
                    zoomed = clipped = false;
                }
                break;
        }
    }
    if (clipped) canvas.set_clip(window);
}

}  // namespace luwnd::render
