#include "marker_painter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "painter.h"

namespace luwnd::render {
namespace {

enum MarkerType : std::int32_t {
    kDot = 0,
    kPlus = 1,
    kAsterisk = 2,
    kCircle = 3,
    kCross = 4,
    kSquare = 5,
    kTriangle = 6,
};

void plus(Canvas& canvas, Point p, double r, const Pen& pen) {
    canvas.line({p.x - r, p.y}, {p.x + r, p.y}, pen);
    canvas.line({p.x, p.y - r}, {p.x, p.y + r}, pen);
}

void cross(Canvas& canvas, Point p, double r, const Pen& pen) {
    canvas.line({p.x - r, p.y - r}, {p.x + r, p.y + r}, pen);
    canvas.line({p.x - r, p.y + r}, {p.x + r, p.y - r}, pen);
}

// The marker of that type centred on p, r either side of it; box: where circles and
// squares lie (the dot fills it).
void shape(std::int32_t type, Point p, double r, const Box& box, const Pen& pen,
           const std::optional<Fill>& fill, Canvas& canvas) {
    switch (type) {
        case kDot: {
            Pen none = pen;
            none.dash = DashStyle::kNone;
            canvas.ellipse(box, none, Fill{pen.rgb, pen.mix});
            break;
        }
        case kPlus:
            plus(canvas, p, r, pen);
            break;
        case kAsterisk:
            plus(canvas, p, r, pen);
            cross(canvas, p, r, pen);
            break;
        case kCircle:
            canvas.ellipse(box, pen, fill);
            break;
        case kCross:
            cross(canvas, p, r, pen);
            break;
        case kSquare:
            canvas.rectangle(box, pen, fill);
            break;
        case kTriangle: {
            std::array<Point, 3> corners{Point{p.x, p.y - r}, Point{p.x + r, p.y + r},
                                         Point{p.x - r, p.y + r}};
            canvas.polygon(corners, FillRule::kAlternate, pen, fill);
            break;
        }
        default:
            break;
    }
}

}  // namespace

void paint_marker(const DrawItem& item, Canvas& canvas) {
    paint_marker(item, {static_cast<double>(item.coords[0]), static_cast<double>(item.coords[1])},
                 canvas);
}

void paint_marker(const DrawItem& item, Point p, Canvas& canvas) {
    const MarkerState& marker = item.marker;
    std::uint32_t rgb = item.rgb & 0xFFFFFF;
    Pen pen{rgb, DashStyle::kSolid, std::clamp(marker.attr3, 1, 64), item.pen.mix};
    std::optional<Fill> fill;
    if (marker.attr2 != 0) fill = Fill{rgb, pen.mix};
    // Whole pixels either side, so that the marker is centred on the pixel at p.
    double r = std::clamp(marker.size, 0, kMaxDeviceLength) / 2;
    if (marker.type == kDot && r < 1) {
        Pen none = pen;
        none.dash = DashStyle::kNone;
        canvas.rectangle({p.x, p.y, p.x + 1, p.y + 1}, none, Fill{rgb, pen.mix});
        return;
    }
    shape(marker.type, p, r, {p.x - r, p.y - r, p.x + r + 1, p.y + r + 1}, pen, fill, canvas);
}

void paint_plot_marker(const lumora::plotcore::MarkerShape& marker, Point p, Canvas& canvas) {
    const std::uint32_t rgb = marker.rgb & 0xFFFFFF;
    Pen pen{rgb, DashStyle::kSolid,
            static_cast<std::int32_t>(std::clamp(std::lround(marker.line_width), 1L, 64L)), 0,
            marker.line_width};
    std::optional<Fill> fill;
    if (marker.filled) fill = Fill{rgb, 0};
    const double r = marker.size / 2.0;
    if (marker.filled && marker.type == kCircle) {
        // A filled circle and its outline of the same colour cover one disc half the
        // pen wider: one fill paints it, where a fill and a stroke took three times as long.
        const double outer = r + marker.line_width / 2.0;
        Pen none = pen;
        none.dash = DashStyle::kNone;
        canvas.ellipse({p.x - outer, p.y - outer, p.x + outer, p.y + outer}, none, fill);
        return;
    }
    shape(marker.type, p, r, {p.x - r, p.y - r, p.x + r, p.y + r}, pen, fill, canvas);
}

}  // namespace luwnd::render
