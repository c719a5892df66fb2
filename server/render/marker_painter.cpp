#include "marker_painter.h"

#include <algorithm>
#include <array>

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
    Box box{p.x - r, p.y - r, p.x + r + 1, p.y + r + 1};
    switch (marker.type) {
        case kDot: {
            Pen none = pen;
            none.dash = DashStyle::kNone;
            if (r < 1) {
                canvas.rectangle({p.x, p.y, p.x + 1, p.y + 1}, none, Fill{rgb, pen.mix});
            } else {
                canvas.ellipse(box, none, Fill{rgb, pen.mix});
            }
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

}  // namespace luwnd::render
