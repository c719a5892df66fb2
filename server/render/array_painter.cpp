#include "array_painter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "marker_painter.h"
#include "painter.h"

namespace luwnd::render {
namespace {

std::vector<Point> points_of(const std::vector<std::int32_t>& values) {
    std::vector<Point> points;
    points.reserve(values.size() / 2);
    for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
        points.push_back({static_cast<double>(values[i]), static_cast<double>(values[i + 1])});
    }
    return points;
}

Pen without_outline(Pen pen) {
    pen.dash = DashStyle::kNone;
    return pen;
}

void paint_polyline(const std::vector<Point>& points, const Pen& pen, Canvas& canvas) {
    if (points.size() != 1) {
        canvas.polyline(points, pen);
        return;
    }
    double half = std::floor(pen.width / 2.0);
    const Point& p = points[0];
    canvas.rectangle({p.x - half, p.y - half, p.x - half + pen.width, p.y - half + pen.width},
                     without_outline(pen), Fill{pen.rgb, pen.mix});
}

void paint_plot(const DrawItem& item, const std::vector<Point>& points, Canvas& canvas) {
    const PlotShape& shape = item.plot;
    Pen pen = pen_of(item.pen, item.rgb);
    double half = std::clamp(shape.size, 0, kMaxDeviceLength) / 2.0;
    double base = shape.base;
    for (const Point& p : points) {
        bool across = shape.runs_along_y;
        switch (shape.style) {
            case PlotStyle::kBars: {
                Box bar =
                    across ? Box{std::min(base, p.x), p.y - half, std::max(base, p.x), p.y + half}
                           : Box{p.x - half, std::min(base, p.y), p.x + half, std::max(base, p.y)};
                canvas.rectangle(bar, without_outline(pen), Fill{pen.rgb, pen.mix});
                break;
            }
            case PlotStyle::kImpulses:
                canvas.line(across ? Point{base, p.y} : Point{p.x, base}, p, pen);
                break;
            case PlotStyle::kMarkers:
                paint_marker(item, p, canvas);
                break;
            default:
                break;
        }
    }
    if (shape.style == PlotStyle::kLine) canvas.polyline(points, pen);
}

void paint_grid(const DrawItem& item, std::int32_t width, std::int32_t height, Canvas& canvas) {
    Pen pen = pen_of(item.pen, item.rgb);
    width = std::clamp(width, 0, kMaxDeviceLength);
    height = std::clamp(height, 0, kMaxDeviceLength);
    if (item.arg1 > 0) {
        for (std::int32_t x = 0; x < width; x += item.arg1)
            canvas.line({double(x), 0}, {double(x), double(height)}, pen);
    }
    if (item.arg2 > 0) {
        for (std::int32_t y = 0; y < height; y += item.arg2)
            canvas.line({0, double(y)}, {double(width), double(y)}, pen);
    }
}

}  // namespace

void paint_array(const DrawItem& item, std::int32_t page_width, std::int32_t page_height,
                 Canvas& canvas) {
    Pen pen = pen_of(item.pen, item.rgb);
    switch (item.kind) {
        case ItemKind::kPolygon:
            canvas.polygon(points_of(item.points),
                           item.arg1 == 2 ? FillRule::kWinding : FillRule::kAlternate, pen,
                           Fill{pen.rgb, pen.mix});
            break;
        case ItemKind::kBezier: {
            std::vector<Point> points = points_of(item.points);
            if (points.size() < 4) break;
            points.resize(1 + (points.size() - 1) / 3 * 3);
            canvas.bezier(points, pen);
            break;
        }
        case ItemKind::kPolyline:
            paint_polyline(points_of(item.points), pen, canvas);
            break;
        case ItemKind::kPlot:
            paint_plot(item, points_of(item.points), canvas);
            break;
        case ItemKind::kGrid:
            paint_grid(item, page_width, page_height, canvas);
            break;
        case ItemKind::kPoint: {
            double x = item.coords[0], y = item.coords[1];
            canvas.rectangle({x, y, x + 1, y + 1}, without_outline(pen),
                             Fill{item.rgb & 0xFFFFFF, 0});
            break;
        }
        default:
            break;
    }
}

}  // namespace luwnd::render
