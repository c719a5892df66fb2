#include "gdi_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "gdi_coordinates.h"
#include "gdi_pen.h"
#include "page_bounds.h"
#include "server/render/gradient_bands.h"
#include "server/render/mix_mode.h"
#include "server/render/raster/antialiased_painter.h"
#include "server/render/raster/ellipse_outline.h"

namespace luwnd::render {
namespace {

int coordinate(double value) {
    return gdi_coordinate(value);
}

POINT point_of(Point p) {
    return {coordinate(p.x), coordinate(p.y)};
}

std::vector<POINT> points_of(std::span<const Point> points) {
    std::vector<POINT> out;
    out.reserve(points.size());
    for (const Point& p : points) out.push_back(point_of(p));
    return out;
}

// The line an outline of the box runs along: through its border pixels (an exact pen:
// along its edges).
Box outline_box(const Box& box, const Pen& pen) {
    if (pen.exact()) return box;
    return {box.left, box.top, box.right - 1, box.bottom - 1};
}

void box_polygon(HDC dc, const Box& box) {
    std::array<POINT, 4> corners{POINT{coordinate(box.left), coordinate(box.top)},
                                 POINT{coordinate(box.right), coordinate(box.top)},
                                 POINT{coordinate(box.right), coordinate(box.bottom)},
                                 POINT{coordinate(box.left), coordinate(box.bottom)}};
    Polygon(dc, corners.data(), 4);
}

std::array<Point, 4> box_corners(const Box& box) {
    return {Point{box.left, box.top}, Point{box.right, box.top}, Point{box.right, box.bottom},
            Point{box.left, box.bottom}};
}

// A point far out on the ray from the box centre in the direction (counterclockwise on
// the screen): GDI's arcs take their ends as such rays.
POINT ray_point(const Box& box, double direction) {
    double cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    double reach = std::max(box.right - box.left, box.bottom - box.top) + 4096;
    return {coordinate(cx + reach * std::cos(direction)),
            coordinate(cy - reach * std::sin(direction))};
}

void arc_shape(HDC dc, const Box& box, double start, double end, ArcShape shape) {
    if (box.right <= box.left || box.bottom <= box.top) return;
    if (!std::isfinite(start) || !std::isfinite(end)) return;
    POINT from = ray_point(box, start), to = ray_point(box, end);
    int l = coordinate(box.left), t = coordinate(box.top);
    int r = coordinate(box.right), b = coordinate(box.bottom);
    if (shape == ArcShape::kOpen) Arc(dc, l, t, r, b, from.x, from.y, to.x, to.y);
    if (shape == ArcShape::kChord) Chord(dc, l, t, r, b, from.x, from.y, to.x, to.y);
    if (shape == ArcShape::kPie) Pie(dc, l, t, r, b, from.x, from.y, to.x, to.y);
}

// Whether every point of the DC's path lies within the coordinate limit.
bool within_limits(HDC dc) {
    int count = GetPath(dc, nullptr, nullptr, 0);
    if (count <= 0) return count == 0;
    std::vector<POINT> points(static_cast<std::size_t>(count));
    std::vector<BYTE> kinds(static_cast<std::size_t>(count));
    if (GetPath(dc, points.data(), kinds.data(), count) != count) return false;
    auto inside = [](LONG v) { return v >= -kGdiCoordinateLimit && v <= kGdiCoordinateLimit; };
    return std::all_of(points.begin(), points.end(),
                       [&](const POINT& p) { return inside(p.x) && inside(p.y); });
}

}  // namespace

COLORREF colour_of(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

GdiCanvas::GdiCanvas(HDC dc, int width, int height, std::optional<raster::PixelTarget> pixels)
    : dc_(dc), width_(width), height_(height), pixels_(pixels), saved_(SaveDC(dc)) {
    SetGraphicsMode(dc_, GM_ADVANCED);
    SetArcDirection(dc_, AD_COUNTERCLOCKWISE);
    SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
}

void GdiCanvas::clear(std::uint32_t rgb) {
    set_transform(Transform{});
    set_clip(Clip{});
    HBRUSH brush = CreateSolidBrush(colour_of(rgb));
    RECT page{0, 0, width_, height_};
    FillRect(dc_, &page, brush);
    DeleteObject(brush);
}

void GdiCanvas::set_transform(const Transform& t) {
    constexpr double kOne = 65536.0;
    transform_ = t;
    xform_.eM11 = static_cast<FLOAT>(t.m11 / kOne);
    xform_.eM21 = static_cast<FLOAT>(t.m12 / kOne);
    xform_.eM12 = static_cast<FLOAT>(t.m21 / kOne);
    xform_.eM22 = static_cast<FLOAT>(t.m22 / kOne);
    xform_.eDx = static_cast<FLOAT>(t.dx);
    xform_.eDy = static_cast<FLOAT>(t.dy);
    double determinant = double(t.m11) * t.m22 - double(t.m12) * t.m21;
    drawable_ = determinant != 0;
}

// The clip is a region in device pixels, so the transform does not move it.
void GdiCanvas::set_clip(const Clip& clip) {
    clip_ = clip;
    SelectClipRgn(dc_, nullptr);
    if (clip.kind == Clip::Kind::kNone) return;
    const Box& b = clip.box;
    HRGN region = CreateRectRgn(coordinate(b.left), coordinate(b.top), coordinate(b.right),
                                coordinate(b.bottom));
    if (clip.kind == Clip::Kind::kOutside) {
        HRGN page = CreateRectRgn(0, 0, width_, height_);
        CombineRgn(region, page, region, RGN_DIFF);
        DeleteObject(page);
    }
    SelectClipRgn(dc_, region);
    DeleteObject(region);
}

// A pen's mitred corners reach at most ten widths beyond the line, GDI's miter limit.
bool GdiCanvas::reaches(std::span<const Point> points, const Pen& pen) const {
    return reaches_page(xform_, points, 0, 10.0 * std::max(pen.width, 1) + 2, width_, height_);
}

bool GdiCanvas::reaches(const Box& box, const Pen& pen) const {
    std::array<Point, 2> corners{Point{box.left, box.top}, Point{box.right, box.bottom}};
    return reaches(corners, pen);
}

bool GdiCanvas::trace(const Shape& shape) const {
    if (!drawable_ || !SetWorldTransform(dc_, &xform_)) return false;
    BeginPath(dc_);
    shape(dc_);
    EndPath(dc_);
    ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);  // the path keeps device points
    if (within_limits(dc_)) return true;
    AbortPath(dc_);
    return false;
}

void GdiCanvas::fill_shape(const Shape& shape, FillRule rule, const Fill& fill) const {
    std::int32_t mix = effective_mix(fill.mix);
    if (mix == kMixNop || !trace(shape)) return;
    SetPolyFillMode(dc_, rule == FillRule::kWinding ? WINDING : ALTERNATE);
    SetROP2(dc_, mix);
    Selected brush(dc_, CreateSolidBrush(colour_of(fill.rgb)));
    if (brush.ok()) FillPath(dc_);
    AbortPath(dc_);
}

void GdiCanvas::stroke_shape(const Shape& shape, const Pen& pen) const {
    std::int32_t mix = effective_mix(pen.mix);
    if (pen.dash == DashStyle::kNone || mix == kMixNop || !trace(shape)) return;
    SetROP2(dc_, mix);
    Selected gdi_pen(dc_, create_pen(pen));
    if (gdi_pen.ok()) StrokePath(dc_);
    AbortPath(dc_);
}

std::vector<Point> GdiCanvas::device_points(std::span<const Point> points) const {
    constexpr double kOne = 65536.0;
    const Transform& t = transform_;
    std::vector<Point> out;
    out.reserve(points.size());
    for (const Point& p : points)
        out.push_back(
            {(t.m11 * p.x + t.m12 * p.y) / kOne + t.dx, (t.m21 * p.x + t.m22 * p.y) / kOne + t.dy});
    return out;
}

bool GdiCanvas::smooth_paints(const Pen& pen, std::int32_t mix) const {
    return pixels_ && pen.exact() && drawable_ && effective_mix(mix) == kMixCopyPen &&
           pen.dash != DashStyle::kAlternate;
}

bool GdiCanvas::smooth_stroke(std::span<const Point> points, bool closed, const Pen& pen) const {
    if (!smooth_paints(pen, pen.mix)) return false;
    if (pen.dash == DashStyle::kNone) return true;
    GdiFlush();  // what GDI drew before lies under this
    raster::AntialiasedPainter(*pixels_, clip_).stroke(device_points(points), closed, pen);
    return true;
}

bool GdiCanvas::smooth_fill(std::span<const Point> points, FillRule rule, const Fill& fill,
                            const Pen& pen) const {
    if (!smooth_paints(pen, fill.mix)) return false;
    GdiFlush();
    return raster::AntialiasedPainter(*pixels_, clip_).fill(device_points(points), rule, fill.rgb);
}

void GdiCanvas::line(Point from, Point to, const Pen& pen) {
    std::array<Point, 2> points{from, to};
    polyline(points, pen);
}

void GdiCanvas::polyline(std::span<const Point> points, const Pen& pen) {
    if (points.size() < 2 || !reaches(points, pen) || smooth_stroke(points, false, pen)) return;
    std::vector<POINT> p = points_of(points);
    stroke_shape([&](HDC dc) { Polyline(dc, p.data(), static_cast<int>(p.size())); }, pen);
}

void GdiCanvas::bezier(std::span<const Point> points, const Pen& pen) {
    if (points.size() < 4 || !reaches(points, pen)) return;
    std::vector<POINT> p = points_of(points.first(1 + (points.size() - 1) / 3 * 3));
    stroke_shape([&](HDC dc) { PolyBezier(dc, p.data(), static_cast<DWORD>(p.size())); }, pen);
}

void GdiCanvas::polygon(std::span<const Point> points, FillRule rule, const Pen& pen,
                        std::optional<Fill> fill) {
    if (points.size() < 2 || !reaches(points, pen)) return;
    std::vector<POINT> p = points_of(points);
    auto shape = [&](HDC dc) { Polygon(dc, p.data(), static_cast<int>(p.size())); };
    if (fill && !smooth_fill(points, rule, *fill, pen)) fill_shape(shape, rule, *fill);
    if (!smooth_stroke(points, true, pen)) stroke_shape(shape, pen);
}

// GDI's GradientFill shades rectangles and triangles between their corners' colours
// only: a gradient of many stops across a polygon at any angle is painted in bands.
void GdiCanvas::gradient_polygon(std::span<const Point> points, FillRule rule,
                                 const lumora::plotcore::Gradient& gradient) {
    paint_gradient_bands(*this, points, rule, gradient, 255, false);
}

void GdiCanvas::rectangle(const Box& box, const Pen& pen, std::optional<Fill> fill) {
    if (!reaches(box, pen)) return;
    const std::array<Point, 4> corners = box_corners(box);
    if (fill && !smooth_fill(corners, FillRule::kWinding, *fill, pen))
        fill_shape([&](HDC dc) { box_polygon(dc, box); }, FillRule::kWinding, *fill);
    if (smooth_stroke(corners, true, pen)) return;  // an exact pen runs along the edges
    Box line = outline_box(box, pen);
    stroke_shape([&](HDC dc) { box_polygon(dc, line); }, pen);
}

void GdiCanvas::rounded_rectangle(const Box& box, double corner_width, double corner_height,
                                  const Pen& pen, std::optional<Fill> fill) {
    if (!reaches(box, pen)) return;
    auto shape = [&](const Box& b) {
        return [&, b](HDC dc) {
            RoundRect(dc, coordinate(b.left), coordinate(b.top), coordinate(b.right),
                      coordinate(b.bottom), coordinate(corner_width), coordinate(corner_height));
        };
    };
    if (fill) fill_shape(shape(box), FillRule::kWinding, *fill);
    stroke_shape(shape(outline_box(box, pen)), pen);
}

void GdiCanvas::ellipse(const Box& box, const Pen& pen, std::optional<Fill> fill) {
    if (!reaches(box, pen)) return;
    if (smooth_paints(pen, pen.mix) && (!fill || smooth_paints(pen, fill->mix))) {
        const double scale = std::max(std::hypot(transform_.m11, transform_.m21),
                                      std::hypot(transform_.m12, transform_.m22)) /
                             65536.0;
        const std::vector<Point> outline = raster::ellipse_outline(box, scale);
        if (outline.empty()) return;
        if ((!fill || smooth_fill(outline, FillRule::kWinding, *fill, pen)) &&
            smooth_stroke(outline, true, pen))
            return;
    }
    auto shape = [](const Box& b) {
        return [b](HDC dc) {
            if (b.right <= b.left || b.bottom <= b.top) return;
            Ellipse(dc, coordinate(b.left), coordinate(b.top), coordinate(b.right),
                    coordinate(b.bottom));
        };
    };
    if (fill) fill_shape(shape(box), FillRule::kWinding, *fill);
    stroke_shape(shape(outline_box(box, pen)), pen);
}

void GdiCanvas::arc(const Box& box, double start, double end, ArcShape shape, const Pen& pen,
                    std::optional<Fill> fill) {
    if (!reaches(box, pen)) return;
    if (fill && shape != ArcShape::kOpen) {
        fill_shape([&](HDC dc) { arc_shape(dc, box, start, end, shape); }, FillRule::kWinding,
                   *fill);
    }
    Box line = outline_box(box, pen);
    stroke_shape([&](HDC dc) { arc_shape(dc, line, start, end, shape); }, pen);
}

}  // namespace luwnd::render
