// The entry points of surfaces and meshes in a 3-D view: the grid taken and checked, its
// cells ordered from the farthest to the nearest and painted in that order, so that
// nearer cells cover what lies behind them.
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "entry.h"
#include "field_grid.h"
#include "fields_common.h"
#include "plotcore/surface3d.h"
#include "view3d_target.h"

using namespace lumora::plot;
using lumora::plotcore::HeightField;
using lumora::plotcore::Point3;
using lumora::plotcore::View3d;

namespace {

constexpr int kSurfaceOptions = LU_SURFACE_FACETS | LU_SURFACE_MAP_RANGE;
constexpr int kMeshOptions = LU_MESH_X | LU_MESH_Y;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// The grid positions along one axis: there, finite, and strictly rising or falling.
template <typename T>
bool axis_taken(const T* v, int n, const char* name) {
    const std::string what = std::string("the grid's ") + name;
    if (v == nullptr) return refuse(what + " are a null pointer") != 0;
    double step = 0;
    for (int k = 0; k < n; ++k) {
        if (!std::isfinite(static_cast<double>(v[k])))
            return refuse(what + " are not all finite numbers") != 0;
        if (k == 0) continue;
        const double d = static_cast<double>(v[k]) - static_cast<double>(v[k - 1]);
        if (d == 0 || d * step < 0) return refuse(what + " do not strictly rise or fall") != 0;
        step = d;
    }
    return true;
}

// The values and the grid checked; nothing (refused) when they cannot be drawn.
template <typename T>
std::optional<Grid> taken(const T* z, int nx, int ny, int layout, const T* x, const T* y) {
    std::optional<Grid> grid = grid_of(z, nx, ny, layout);
    if (!grid) return grid;
    if (nx < 2 || ny < 2) {
        refuse("a grid of " + std::to_string(nx) + " x " + std::to_string(ny) +
               " points: both sides need 2 or more");
        return std::nullopt;
    }
    if (!axis_taken(x, nx, "x values") || !axis_taken(y, ny, "y values")) return std::nullopt;
    return grid;
}

template <typename T>
HeightField height_field(const View3d& view, const Grid& grid, const T* x, const T* y) {
    HeightField f;
    for (int i = 0; i < grid.nx; ++i) f.x.push_back(view.world(double(x[i]), 1, 1).x);
    for (int j = 0; j < grid.ny; ++j) f.y.push_back(view.world(1, double(y[j]), 1).y);
    f.z.reserve(grid.z.size());
    for (double v : grid.z) f.z.push_back(view.world(1, 1, v).z);
    return f;
}

std::vector<double> projected(const View3d& view, const std::array<Point3, 4>& corners) {
    std::vector<double> xy;
    xy.reserve(8);
    for (const Point3& c : corners) {
        const lumora::plotcore::Point2 p = view.project(c);
        xy.push_back(p.x);
        xy.push_back(p.y);
    }
    return xy;
}

// The map the surface's cells take their colours from, and what a cell's value is: the
// mean of its corners' z in the view's world, over the view's z range; or, over the
// map's own range, that mean in data values.
struct Colouring {
    ColourMap map;
    bool log_data = false;
    std::int32_t of(const std::array<Point3, 4>& c) const {
        const double mean = (c[0].z + c[1].z + c[2].z + c[3].z) / 4;
        return colour_of(map, log_data ? std::pow(10.0, mean) : mean);
    }
};

Colouring colouring(const View3d& view, int options) {
    Colouring c{current_colour_map()};
    if ((options & LU_SURFACE_MAP_RANGE) != 0) {
        c.log_data = view.setup().log_z;
    } else {
        c.map.low = view.end(2, 0);
        c.map.high = view.end(2, 1);
    }
    return c;
}

bool line_between(const std::vector<double>& xy, int a, int b) {
    return draw_polyline(
        {float(xy[2 * a]), float(xy[2 * a + 1]), float(xy[2 * b]), float(xy[2 * b + 1])});
}

// A mesh cell: white, with its lines along x (its edges at its two y values) or along y.
bool mesh_cell(const std::vector<double>& xy, int options) {
    const std::int32_t white = colour_value_of(kWhite);
    if (options == kMeshOptions) return fill_outlined(xy, white);
    {
        const PenScope pen;
        if (!fill_shape(xy, white)) return false;
    }
    if (options == LU_MESH_X) return line_between(xy, 0, 1) && line_between(xy, 3, 2);
    return line_between(xy, 0, 3) && line_between(xy, 1, 2);
}

bool surface_cell(const std::vector<double>& xy, int options, std::int32_t colour) {
    return (options & LU_SURFACE_FACETS) != 0 ? fill_outlined(xy, colour) : fill_shape(xy, colour);
}

template <typename T>
int draw_cells(const T* z, int nx, int ny, int layout, const T* x, const T* y, int options,
               bool mesh) {
    const std::optional<Grid> grid = taken(z, nx, ny, layout, x, y);
    if (!grid) return 0;
    const DataTarget t = view_target();
    if (t.window == 0) return 0;
    const View3d& view = *t.state->view3d;
    const HeightField field = height_field(view, *grid, x, y);
    const Colouring colours = colouring(view, options);
    use_frame_world(t.page, t.frame());
    const PenScope pen;
    std::array<Point3, 4> corners;
    for (std::size_t cell : lumora::plotcore::back_to_front(view, field)) {
        if (!cell_corners(view, field, cell, corners)) continue;
        const std::vector<double> xy = projected(view, corners);
        const bool ok =
            mesh ? mesh_cell(xy, options) : surface_cell(xy, options, colours.of(corners));
        if (window_refused(ok)) return 0;
    }
    return t.window;
}

template <typename T>
int surface(const T* z, int nx, int ny, int layout, const T* x, const T* y, int options) {
    if ((options & ~kSurfaceOptions) != 0)
        return refuse("options " + std::to_string(options) +
                      " are not a sum of LU_SURFACE_FACETS and LU_SURFACE_MAP_RANGE");
    return draw_cells(z, nx, ny, layout, x, y, options, false);
}

template <typename T>
int mesh(const T* z, int nx, int ny, int layout, const T* x, const T* y, int options) {
    if (options != LU_MESH_X && options != LU_MESH_Y && options != kMeshOptions)
        return refuse("options " + std::to_string(options) +
                      " are not LU_MESH_X, LU_MESH_Y or their sum");
    return draw_cells(z, nx, ny, layout, x, y, options, true);
}

}  // namespace

extern "C" {

int lu_plot_surface3d(const float* z, int nx, int ny, int layout, const float* x, const float* y,
                      int options) {
    return guarded(__func__, [&] { return surface(z, nx, ny, layout, x, y, options); });
}
int lu_plot_surface3d_(int* result, const float* z, const int* nx, const int* ny, const float* x,
                       const float* y, const int* options) {
    return guarded(__func__, [&] {
        return store(result, surface(z, at(nx), at(ny), kColumnMajor, x, y, at(options)));
    });
}
int lu_plot_surface3d_d(const double* z, int nx, int ny, int layout, const double* x,
                        const double* y, int options) {
    return guarded(__func__, [&] { return surface(z, nx, ny, layout, x, y, options); });
}
int lu_plot_surface3d_d_(int* result, const double* z, const int* nx, const int* ny,
                         const double* x, const double* y, const int* options) {
    return guarded(__func__, [&] {
        return store(result, surface(z, at(nx), at(ny), kColumnMajor, x, y, at(options)));
    });
}

int lu_plot_mesh3d(const float* z, int nx, int ny, int layout, const float* x, const float* y,
                   int options) {
    return guarded(__func__, [&] { return mesh(z, nx, ny, layout, x, y, options); });
}
int lu_plot_mesh3d_(int* result, const float* z, const int* nx, const int* ny, const float* x,
                    const float* y, const int* options) {
    return guarded(__func__, [&] {
        return store(result, mesh(z, at(nx), at(ny), kColumnMajor, x, y, at(options)));
    });
}
int lu_plot_mesh3d_d(const double* z, int nx, int ny, int layout, const double* x, const double* y,
                     int options) {
    return guarded(__func__, [&] { return mesh(z, nx, ny, layout, x, y, options); });
}
int lu_plot_mesh3d_d_(int* result, const double* z, const int* nx, const int* ny, const double* x,
                      const double* y, const int* options) {
    return guarded(__func__, [&] {
        return store(result, mesh(z, at(nx), at(ny), kColumnMajor, x, y, at(options)));
    });
}

}  // extern "C"
