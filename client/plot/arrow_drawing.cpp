#include "arrow_drawing.h"

#include "page_draw.h"

namespace lumora::plot {

bool draw_arrow(const ArrowStyle& style, double x, double y, double dx, double dy,
                const DeviceScale& s) {
    const std::vector<float> points = arrow_points(style, x, y, dx, dy, s);
    return style.filled ? draw_polygon(points, kWindingRule) : draw_polyline(points);
}

}  // namespace lumora::plot
