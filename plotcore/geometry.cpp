#include "geometry.h"

#include <algorithm>
#include <cmath>

namespace lumora::plotcore {

Rect subpage(const Rect& page, int nx, int ny, int n) {
    nx = std::max(nx, 1);
    ny = std::max(ny, 1);
    n = std::clamp(n, 1, nx * ny) - 1;
    const int column = n % nx, row = n / nx;
    const double w = page.width() / nx, h = page.height() / ny;
    const double x0 = page.x0 + column * w, y1 = page.y1 - row * h;
    return {x0, y1 - h, x0 + w, y1};
}

Rect fit_box(const Rect& panel, const Margins& m, bool equal, double x_span, double y_span) {
    Rect box{panel.x0 + m.left, panel.y0 + m.bottom, panel.x1 - m.right, panel.y1 - m.top};
    // A panel too small for its margins still gets a box of a few pixels.
    if (box.x1 - box.x0 < 4) box.x1 = box.x0 + 4;
    if (box.y1 - box.y0 < 4) box.y1 = box.y0 + 4;
    if (!equal || !(x_span > 0) || !(y_span > 0)) return box;
    const double shape = x_span / y_span;
    const double w = box.width(), h = box.height();
    if (w / h > shape) {
        const double inset = (w - h * shape) / 2;
        box.x0 += inset;
        box.x1 -= inset;
    } else {
        const double inset = (h - w / shape) / 2;
        box.y0 += inset;
        box.y1 -= inset;
    }
    return box;
}

double text_height_for(const Rect& panel, double scale, double resolution) {
    const double side = std::min(panel.width(), panel.height());
    return std::round(std::clamp(side / 24.0, 9.0 * resolution, 18.0 * resolution) * scale);
}

Rect beside(const Rect& box, int side, double clear, double gap, double width, double unit) {
    const double from = clear + gap * unit, across = std::max(width, 0.0) * unit;
    switch (side) {
        case kSideLeft:
            return {box.x0 - from - across, box.y0, box.x0 - from, box.y1};
        case kSideAbove:
            return {box.x0, box.y1 + from, box.x1, box.y1 + from + across};
        case kSideBelow:
            return {box.x0, box.y0 - from - across, box.x1, box.y0 - from};
        default:
            return {box.x1 + from, box.y0, box.x1 + from + across, box.y1};
    }
}

}  // namespace lumora::plotcore
