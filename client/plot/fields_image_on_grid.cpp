// A field as a picture on a grid: each value's cell a quadrilateral between four corner
// positions, in the colour the even picture gives the value. The cells travel as filled
// polygons in the plot batches (one item each), not as one command a cell.
#include <string>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "entry.h"
#include "fields_common.h"
#include "grid_positions.h"
#include "page_draw.h"

using namespace lumora::plot;

namespace {

// A window keeps at most this many items; each cell is one.
constexpr long long kMaxCells = 1000000;

// How far a cell reaches into the next one, in cells: neighbouring cells drawn edge to
// edge let the background through their shared edge where both are smoothed, so each cell
// lies half over the next cells, which are drawn after it and cover that half again; only
// the cells at the grid's edge and beside a missing cell keep to their own corners.
constexpr double kOverlap = 0.5;

bool cell_known(const Placement2d& corners, int i, int j) {
    if (i + 1 >= corners.nx || j + 1 >= corners.ny) return false;
    return corners.known(i, j) && corners.known(i + 1, j) && corners.known(i, j + 1) &&
           corners.known(i + 1, j + 1);
}

// The outline of cell (i, j) with its reach into the next cells, along the grid's lines
// so that every stretch lies within one cell; none when a corner has no position.
std::vector<double> cell_outline(const Placement2d& corners, int i, int j) {
    if (!cell_known(corners, i, j)) return {};
    const double ei = cell_known(corners, i + 1, j) ? kOverlap : 0;
    const double ej = cell_known(corners, i, j + 1) ? kOverlap : 0;
    const bool diagonal = ei > 0 && ej > 0 && cell_known(corners, i + 1, j + 1);
    std::vector<double> xy;
    const auto put = [&](double a, double b) {
        const WorldPoint p = corners.at(a, b);
        xy.push_back(p.x);
        xy.push_back(p.y);
    };
    put(i, j);
    put(i + 1, j);
    if (ei > 0) {
        put(i + 1 + ei, j);
        put(i + 1 + ei, j + 1);
    }
    if (diagonal)
        put(i + 1 + ei, j + 1 + ej);
    else
        put(i + 1, j + 1);
    if (ej > 0) {
        put(i + 1, j + 1 + ej);
        put(i, j + 1 + ej);
    }
    put(i, j + 1);
    return xy;
}

int draw_cells(const Grid& field, const Placement2d& corners) {
    const int window = lu_get_pen(nullptr, nullptr, nullptr, nullptr);
    if (window == 0) return refuse_no_window();
    const ColourMap& map = current_colour_map();
    const std::array<std::int32_t, 256> palette = palette_of(map);
    use_view_space(window_view());
    const PenScope pen;
    for (int j = 0; j < field.ny; ++j)
        for (int i = 0; i < field.nx; ++i) {
            const std::vector<double> xy = cell_outline(corners, i, j);
            if (xy.empty()) continue;
            if (window_refused(fill_shape(xy, palette[palette_index(map, field.at(i, j))])))
                return 0;
        }
    return window;
}

template <class Value>
int image_on_grid(const Value* values, int nx, int ny, int layout, const Value* xg, const Value* yg,
                  int grid) {
    if (nx > 0 && ny > 0 && static_cast<long long>(nx) * ny > kMaxCells)
        return refuse("a field image on a grid of " + std::to_string(nx) + " x " +
                      std::to_string(ny) + " values: more cells than a window keeps (1000000)");
    std::optional<Grid> field = grid_of(values, nx, ny, layout);
    if (!field) return 0;
    std::optional<Placement2d> corners = grid_placement(xg, yg, nx + 1, ny + 1, layout, grid);
    if (!corners) return 0;
    return draw_cells(*field, *corners);
}

}  // namespace

extern "C" {

int lu_draw_field_image_on_grid(const float* values, int nx, int ny, int layout, const float* xg,
                                const float* yg, int grid) {
    return guarded(__func__, [&] { return image_on_grid(values, nx, ny, layout, xg, yg, grid); });
}

int lu_draw_field_image_on_grid_(int* result, const float* values, const int* nx, const int* ny,
                                 const float* xg, const float* yg, const int* grid) {
    return guarded(__func__, [&] {
        return stored(result,
                      image_on_grid(values, arg(nx), arg(ny), kColumnMajor, xg, yg, arg(grid)));
    });
}

int lu_draw_field_image_on_grid_double(const double* values, int nx, int ny, int layout,
                                       const double* xg, const double* yg, int grid) {
    return guarded(__func__, [&] { return image_on_grid(values, nx, ny, layout, xg, yg, grid); });
}

int lu_draw_field_image_on_grid_double_(int* result, const double* values, const int* nx,
                                        const int* ny, const double* xg, const double* yg,
                                        const int* grid) {
    return guarded(__func__, [&] {
        return stored(result,
                      image_on_grid(values, arg(nx), arg(ny), kColumnMajor, xg, yg, arg(grid)));
    });
}

}  // extern "C"
