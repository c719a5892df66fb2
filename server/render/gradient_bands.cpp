#include "gradient_bands.h"

#include <algorithm>
#include <vector>

#include "plotcore/gradient.h"

namespace luwnd::render {

namespace plotcore = lumora::plotcore;

void paint_gradient_bands(Canvas& canvas, std::span<const Point> points, FillRule rule,
                          const plotcore::Gradient& gradient, std::uint8_t opacity,
                          bool translucent) {
    std::vector<plotcore::PointF> polygon;
    polygon.reserve(points.size());
    for (const Point& p : points)
        polygon.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
    const Pen none{0, DashStyle::kNone, 1, 0, 0};
    const bool varies = std::any_of(gradient.stops.begin(), gradient.stops.end(),
                                    [](const plotcore::GradientStop& s) { return s.alpha != 255; });
    std::vector<Point> band_points;
    for (const plotcore::GradientBand& band : plotcore::gradient_bands(polygon, gradient, 1.0)) {
        if (translucent && varies)
            canvas.set_opacity(static_cast<std::uint8_t>(opacity * band.colour.alpha / 255));
        band_points.clear();
        for (plotcore::PointF p : band.points) band_points.push_back({p.x, p.y});
        canvas.polygon(band_points, rule, none, Fill{band.colour.rgb, 0});
    }
    if (translucent && varies) canvas.set_opacity(opacity);
}

}  // namespace luwnd::render
