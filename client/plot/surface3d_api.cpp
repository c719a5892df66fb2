// The entry points of surfaces and meshes in a 3-D view: the grid taken and checked, its
// cells ordered from the farthest to the nearest and painted in that order, so that
// nearer cells cover what lies behind them.
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "entry.h"
#include "field_grid.h"
#include "fields_common.h"
#include "plot_state.h"
#include "plotcore/surface3d.h"
#include "surface3d_painter.h"
#include "view3d_target.h"

using namespace lumora::plot;
using lumora::plotcore::HeightField;
using lumora::plotcore::Point3;
using lumora::plotcore::View3d;

namespace {

constexpr int kSurfaceOptions =
    LU_SURFACE_FACETS | LU_SURFACE_MAP_RANGE | LU_SURFACE_SIDES | LU_SURFACE_LIT;
constexpr int kMeshLines = LU_MESH_X | LU_MESH_Y;
constexpr int kMeshExtras = LU_MESH_COLOURED | LU_SURFACE_MAP_RANGE | LU_SURFACE_SIDES;

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

// The light's point in the view's world; refused (nothing, and false) when a log axis
// cannot take it.
bool light_of(const View3d& view, const WindowPlot& s, std::optional<Point3>& light) {
    if (!s.light3d) return true;
    const auto& [x, y, z] = *s.light3d;
    const Point3 w = view.world(x, y, z);
    if (std::isnan(w.x) || std::isnan(w.y) || std::isnan(w.z))
        return refuse("the light's position is not above 0 on a log axis of the view") != 0;
    light = w;
    return true;
}

template <typename T>
int draw_cells(const T* z, int nx, int ny, int layout, const T* x, const T* y, int options,
               bool mesh) {
    const std::optional<Grid> grid = taken(z, nx, ny, layout, x, y);
    if (!grid) return 0;
    const DataTarget t = view_target();
    if (t.window == 0) return 0;
    const View3d& view = *t.state->view3d;
    SurfaceLook look;
    look.mesh = mesh;
    look.options = options;
    look.colours = colouring(view, options);
    if ((options & LU_SURFACE_LIT) != 0 && !light_of(view, *t.state, look.light)) return 0;
    look.levels = t.state->contours3d;
    look.places = t.state->contours3d_places;
    const HeightField field = height_field(view, *grid, x, y);
    use_frame_world(t.page, t.frame());
    const PenScope pen;
    return paint_surface(view, *grid, field, look) ? t.window : 0;
}

template <typename T>
int surface(const T* z, int nx, int ny, int layout, const T* x, const T* y, int options) {
    if ((options & ~kSurfaceOptions) != 0)
        return refuse("options " + std::to_string(options) +
                      " are not a sum of LU_SURFACE_FACETS, LU_SURFACE_MAP_RANGE, "
                      "LU_SURFACE_SIDES and LU_SURFACE_LIT");
    return draw_cells(z, nx, ny, layout, x, y, options, false);
}

template <typename T>
int mesh(const T* z, int nx, int ny, int layout, const T* x, const T* y, int options) {
    if ((options & kMeshLines) == 0 || (options & ~(kMeshLines | kMeshExtras)) != 0)
        return refuse("options " + std::to_string(options) +
                      " are not LU_MESH_X, LU_MESH_Y or their sum, with any of "
                      "LU_MESH_COLOURED, LU_SURFACE_MAP_RANGE and LU_SURFACE_SIDES added");
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
