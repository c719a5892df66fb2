// Vector fields: an arrow from each value's point in the window's arrow style.
#include <algorithm>
#include <cmath>

#include "arrow_drawing.h"
#include "client/include/lumora.h"
#include "entry.h"
#include "fields_common.h"
#include "grid_positions.h"
#include "page_draw.h"

using namespace lumora::plot;

namespace {

constexpr double kCellShare = 0.9;  // the longest arrow with automatic scale

double longest(const Grid& u, const Grid& v) {
    double m = 0;
    for (std::size_t k = 0; k < u.z.size(); ++k) {
        double length = std::hypot(u.z[k], v.z[k]);
        if (std::isfinite(length)) m = std::max(m, length);
    }
    return m;
}

bool scale_taken(double scale) {
    if (scale >= 0 && std::isfinite(scale)) return true;
    refuse("the scale " + number_text(scale) + " is not 0 (automatic) or a finite number above 0");
    return false;
}

// The arrows from each placed point; scale 0: the longest kCellShare of the grid's spacing.
int draw_vectors(const Grid& u, const Grid& v, const Placement2d& where, double scale) {
    int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    DeviceScale device;
    if (window == 0) return refuse_no_window();
    if (!device_scale(where, device)) return refuse("the field's corners make no area on the page");
    use_field_space(window_view());
    double factor = scale;
    if (factor == 0) {
        double m = longest(u, v);
        factor = m > 0 ? kCellShare * grid_spacing(where) / m : 0;
    }
    plot_state(window).vector_scale = factor;
    const ArrowStyle style = plot_state(window).arrow;
    for (int j = 0; j < u.ny; ++j) {
        for (int i = 0; i < u.nx; ++i) {
            double dx = u.at(i, j) * factor, dy = v.at(i, j) * factor;
            if (!std::isfinite(dx) || !std::isfinite(dy) || (dx == 0 && dy == 0)) continue;
            const WorldPoint from = where.at(i, j);
            if (window_refused(draw_arrow(style, from.x, from.y, dx, dy, device))) return 0;
        }
    }
    return window;
}

template <class Value>
int vectors(const Value* u, const Value* v, int nx, int ny, int layout, double x1, double y1,
            double x2, double y2, double scale) {
    if (!finite_corners(x1, y1, x2, y2) || !scale_taken(scale)) return 0;
    std::optional<Grid> gu = grid_of(u, nx, ny, layout), gv = grid_of(v, nx, ny, layout);
    if (!gu || !gv) return 0;
    return draw_vectors(*gu, *gv, placement_of(*gu, x1, y1, x2, y2), scale);
}

template <class Value>
int vectors_on_grid(const Value* u, const Value* v, int nx, int ny, int layout, const Value* xg,
                    const Value* yg, int grid, double scale) {
    if (!scale_taken(scale)) return 0;
    std::optional<PlacedField> gu = field_on_grid(u, nx, ny, layout, xg, yg, grid);
    if (!gu) return 0;
    std::optional<Grid> gv = grid_of(v, nx, ny, layout);
    if (!gv) return 0;
    return draw_vectors(gu->grid, *gv, gu->where, scale);
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

int lu_draw_vectors_on_grid(const float* u, const float* v, int nx, int ny, int layout,
                            const float* xg, const float* yg, int grid, float scale) {
    return guarded(__func__,
                   [&] { return vectors_on_grid(u, v, nx, ny, layout, xg, yg, grid, scale); });
}

int lu_draw_vectors_on_grid_(int* result, const float* u, const float* v, const int* nx,
                             const int* ny, const float* xg, const float* yg, const int* grid,
                             const float* scale) {
    return guarded(__func__, [&] {
        return stored(result, vectors_on_grid(u, v, arg(nx), arg(ny), kColumnMajor, xg, yg,
                                              arg(grid), arg(scale)));
    });
}

int lu_draw_vectors_on_grid_double(const double* u, const double* v, int nx, int ny, int layout,
                                   const double* xg, const double* yg, int grid, double scale) {
    return guarded(__func__,
                   [&] { return vectors_on_grid(u, v, nx, ny, layout, xg, yg, grid, scale); });
}

int lu_draw_vectors_on_grid_double_(int* result, const double* u, const double* v, const int* nx,
                                    const int* ny, const double* xg, const double* yg,
                                    const int* grid, const double* scale) {
    return guarded(__func__, [&] {
        return stored(result, vectors_on_grid(u, v, arg(nx), arg(ny), kColumnMajor, xg, yg,
                                              arg(grid), arg(scale)));
    });
}

}  // extern "C"
