#include "arrow_drawing.h"

#include "data_transform.h"
#include "page_draw.h"

namespace lumora::plot {

bool draw_arrow(const ArrowStyle& style, double x, double y, double dx, double dy,
                const DeviceScale& s) {
    if (transforming()) {
        // The tail and the tip go through the transform; the head is made between them.
        double tip_x = x + dx, tip_y = y + dy;
        if (!transformed_position(x, y) || !transformed_position(tip_x, tip_y)) return true;
        const TransformPause pause;
        return draw_arrow(style, x, y, tip_x - x, tip_y - y, s);
    }
    const std::vector<float> points = arrow_points(style, x, y, dx, dy, s);
    return style.filled ? draw_polygon(points, kWindingRule) : draw_polyline(points);
}

}  // namespace lumora::plot
