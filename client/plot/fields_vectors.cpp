// Vector fields: an arrow from each cell centre, its head drawn in device space so that it
// keeps its shape whatever the world's aspect.
#include <algorithm>
#include <cmath>

#include "client/include/lumora.h"
#include "entry.h"
#include "fields_common.h"
#include "page_draw.h"

using namespace lumora::plot;

namespace {

constexpr double kCellShare = 0.9;   // the longest arrow with automatic scale
constexpr double kHeadShare = 0.3;   // head length over arrow length
constexpr double kHeadAngle = 0.45;  // radians either side of the shaft
constexpr double kMaxHeadPixels = 12;

double longest(const Grid& u, const Grid& v) {
    double m = 0;
    for (std::size_t k = 0; k < u.z.size(); ++k) {
        double length = std::hypot(u.z[k], v.z[k]);
        if (std::isfinite(length)) m = std::max(m, length);
    }
    return m;
}

// The five points tail, tip, one barb, tip, the other barb, in world coordinates.
std::vector<float> arrow(double x, double y, double dx, double dy, const DeviceScale& s) {
    double px = dx * s.sx, py = dy * s.sy;  // the shaft in device pixels
    double length = std::hypot(px, py);
    double head = std::min(kHeadShare * length, kMaxHeadPixels);
    double back = std::atan2(-py, -px);
    std::vector<float> points{static_cast<float>(x), static_cast<float>(y),
                              static_cast<float>(x + dx), static_cast<float>(y + dy)};
    for (double side : {kHeadAngle, -kHeadAngle}) {
        double bx = head * std::cos(back + side), by = head * std::sin(back + side);
        points.push_back(static_cast<float>(x + dx + bx / s.sx));
        points.push_back(static_cast<float>(y + dy + by / s.sy));
        if (side > 0) {
            points.push_back(static_cast<float>(x + dx));
            points.push_back(static_cast<float>(y + dy));
        }
    }
    return points;
}

template <class Value>
int vectors(const Value* u, const Value* v, int nx, int ny, int layout, double x1, double y1,
            double x2, double y2, double scale) {
    if (!finite_corners(x1, y1, x2, y2)) return 0;
    if (!(scale >= 0) || !std::isfinite(scale)) {
        return refuse("the scale " + number_text(scale) +
                      " is not 0 (automatic) or a finite number above 0");
    }
    std::optional<Grid> gu = grid_of(u, nx, ny, layout), gv = grid_of(v, nx, ny, layout);
    if (!gu || !gv) return 0;
    int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    const Placement2d where = placement_of(*gu, x1, y1, x2, y2);
    DeviceScale device;
    if (window == 0) return refuse_no_window();
    if (!device_scale(where, device)) return refuse("the field's corners make no area on the page");
    use_view_space(window_view());
    double factor = scale;
    if (factor == 0) {
        double cell = std::min(std::abs(double(x2) - x1) / nx, std::abs(double(y2) - y1) / ny);
        double m = longest(*gu, *gv);
        factor = m > 0 ? kCellShare * cell / m : 0;
    }
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            double dx = gu->at(i, j) * factor, dy = gv->at(i, j) * factor;
            if (!std::isfinite(dx) || !std::isfinite(dy) || (dx == 0 && dy == 0)) continue;
            std::vector<float> points = arrow(where.x(i), where.y(j), dx, dy, device);
            if (window_refused(draw_polyline(points))) return 0;
        }
    }
    return window;
}

}  // namespace

extern "C" {

int lu_draw_vectors(const float* u, const float* v, int nx, int ny, int layout, float x1, float y1,
                    float x2, float y2, float scale) {
    return guarded(__func__, [&] { return vectors(u, v, nx, ny, layout, x1, y1, x2, y2, scale); });
}

int lu_draw_vectors_(int* result, const float* u, const float* v, const int* nx, const int* ny,
                     const float* x1, const float* y1, const float* x2, const float* y2,
                     const float* scale) {
    return guarded(__func__, [&] {
        return stored(result, vectors(u, v, arg(nx), arg(ny), kColumnMajor, arg(x1), arg(y1),
                                      arg(x2), arg(y2), arg(scale)));
    });
}

int lu_draw_vectors_double(const double* u, const double* v, int nx, int ny, int layout, double x1,
                           double y1, double x2, double y2, double scale) {
    return guarded(__func__, [&] { return vectors(u, v, nx, ny, layout, x1, y1, x2, y2, scale); });
}

int lu_draw_vectors_double_(int* result, const double* u, const double* v, const int* nx,
                            const int* ny, const double* x1, const double* y1, const double* x2,
                            const double* y2, const double* scale) {
    return guarded(__func__, [&] {
        return stored(result, vectors(u, v, arg(nx), arg(ny), kColumnMajor, arg(x1), arg(y1),
                                      arg(x2), arg(y2), arg(scale)));
    });
}

}  // extern "C"
