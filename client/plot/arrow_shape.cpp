#include "arrow_shape.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "entry.h"

namespace lumora::plot {
namespace {

constexpr double kHeadAngle = 0.45;  // radians either side of the shaft

}  // namespace

std::vector<double> named_arrow_shape(NamedArrow name) {
    const double back = 0.5 - 0.5 * std::cos(kHeadAngle), side = 0.5 * std::sin(kHeadAngle);
    const double half_width = 0.5 * std::tan(kHeadAngle);
    switch (name) {
        case NamedArrow::kBarbs:
            return {-0.5, 0, 0.5, 0, back, side, 0.5, 0, back, -side};
        case NamedArrow::kTriangle:
            // The shaft runs into the head's base, so that one polygon is the whole arrow.
            return {-0.5, 0, 0, 0, 0, half_width, 0.5, 0, 0, -half_width, 0, 0};
        case NamedArrow::kWhole:
            return {-0.5, 0, 0.5, 0, 0.3, 0.2, 0.5, 0, 0.3, -0.2};
    }
    return {};
}

ArrowStyle default_arrow_style() {
    return {named_arrow_shape(NamedArrow::kBarbs), false, 0.3, 12};
}

ArrowStyle arrow_style_of(std::vector<double> shape, bool filled, double head) {
    const double pixels = head > 0 ? head : std::numeric_limits<double>::infinity();
    return {std::move(shape), filled, 0.5, pixels};
}

template <class Value>
std::string arrow_shape_problem(const Value* x, const Value* y, int n, bool filled) {
    const int least = filled ? 3 : 2;
    if (n < least || n > kMaxArrowPoints) {
        return "a shape of " + std::to_string(n) + " points is not " + std::to_string(least) +
               " ... " + std::to_string(kMaxArrowPoints) + " points" + (filled ? " (filled)" : "");
    }
    for (int k = 0; k < n; ++k) {
        const double px = x[k], py = y[k];
        if (!std::isfinite(px) || !std::isfinite(py) || std::fabs(px) > kMaxArrowCoordinate ||
            std::fabs(py) > kMaxArrowCoordinate) {
            return "the shape's point " + std::to_string(k + 1) + " (" + number_text(px) + ", " +
                   number_text(py) + ") is not a finite number within +-10 arrow lengths";
        }
    }
    return {};
}

template std::string arrow_shape_problem(const float*, const float*, int, bool);
template std::string arrow_shape_problem(const double*, const double*, int, bool);

std::vector<float> arrow_points(const ArrowStyle& style, double x, double y, double dx, double dy,
                                const DeviceScale& s) {
    const double px = dx * s.sx, py = dy * s.sy;  // the shaft in device pixels
    const double length = std::hypot(px, py);
    if (!(length > 0) || !std::isfinite(length)) return {};
    const double front = std::min({style.share * length, style.pixels, 0.5 * length});
    const double ax = px / length, ay = py / length;
    // Across: the world's left of the arrow, whichever way the device's axes run.
    const double turn = s.sx * s.sy < 0 ? -1 : 1;
    const double bx = -ay * turn, by = ax * turn;
    std::vector<float> points;
    points.reserve(style.shape.size());
    for (std::size_t k = 0; k + 1 < style.shape.size(); k += 2) {
        const double u = style.shape[k], v = style.shape[k + 1];
        const double along =
            u >= 0 ? length - front + 2 * u * front : (u + 0.5) * 2 * (length - front);
        const double across = 2 * v * front;
        points.push_back(static_cast<float>(x + (along * ax + across * bx) / s.sx));
        points.push_back(static_cast<float>(y + (along * ay + across * by) / s.sy));
    }
    return points;
}

}  // namespace lumora::plot
