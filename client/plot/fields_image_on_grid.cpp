// A field as a picture on a grid: each value's cell a quadrilateral between four corner
// positions, in the colour the even picture gives the value. The cells travel as filled
// polygons in the plot batches, a run of cells of one colour along a row as one.
#include <cmath>
#include <string>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "entry.h"
#include "fields_common.h"
#include "grid_positions.h"
#include "page_draw.h"

using namespace lumora::plot;

namespace {

// A window keeps at most this many items; each cell may be one.
constexpr long long kMaxCells = 1000000;

// How far a run reaches into the next cells, in cells: neighbouring cells drawn edge to
// edge let the background through their shared edge where both are smoothed, so each run
// lies half over the cells after it (the next in its row and those of the next row),
// which are drawn later and cover that half again; the grid's edges and the edges beside
// a missing cell stay exact.
constexpr double kOverlap = 0.5;

// The cells of the field and which of them are drawn: those with four known corners,
// and a value unless missing values leave holes (no colour given for them).
struct Cells {
    const Grid& field;
    const Placement2d& corners;
    bool holes = false;

    bool drawn(int i, int j) const {
        if (i < 0 || j < 0 || i + 1 >= corners.nx || j + 1 >= corners.ny) return false;
        if (holes && std::isnan(field.at(i, j))) return false;
        return corners.known(i, j) && corners.known(i + 1, j) && corners.known(i, j + 1) &&
               corners.known(i + 1, j + 1);
    }
};

// Cells i0 ... i1 of row j, and whether the run reaches into the row above (every cell
// above it is known, or none of them).
struct Run {
    int i0, i1, j;
    bool up;
};

// The run's outline along the grid's lines, through every grid point on its way so that
// each stretch lies within one cell.
std::vector<double> run_outline(const Cells& cells, const Run& run) {
    const int j = run.j, end = run.i1 + 1;
    const double ei = cells.drawn(end, j) ? kOverlap : 0;
    const double ej = run.up ? kOverlap : 0;
    std::vector<double> xy;
    const auto put = [&](double a, double b) {
        const WorldPoint p = cells.corners.at(a, b);
        xy.push_back(p.x);
        xy.push_back(p.y);
    };
    for (int i = run.i0; i <= end; ++i) put(i, j);
    if (ei > 0) {
        put(end + ei, j);
        put(end + ei, j + 1);
    }
    if (ei > 0 && ej > 0 && cells.drawn(end, j + 1))
        put(end + ei, j + 1 + ej);
    else
        put(end, j + 1);
    for (int i = end; ej > 0 && i >= run.i0; --i) put(i, j + 1 + ej);
    for (int i = ej > 0 ? run.i0 : end - 1; i >= run.i0; --i) put(i, j + 1);
    return xy;
}

int draw_cells(const Grid& field, const Placement2d& corners) {
    const int window = lu_get_pen(nullptr, nullptr, nullptr, nullptr);
    if (window == 0) return refuse_no_window();
    const ColourMap& map = current_colour_map();
    const std::array<std::int32_t, 256> palette = palette_of(map);
    const Cells cells{field, corners, map.invalid < 0};
    use_field_space(window_view());
    const PenScope pen;
    for (int j = 0; j < field.ny; ++j)
        for (int i = 0; i < field.nx;) {
            if (!cells.drawn(i, j)) {
                ++i;
                continue;
            }
            const std::uint8_t colour = palette_index(map, field.at(i, j));
            Run run{i, i, j, cells.drawn(i, j + 1)};
            while (run.i1 + 1 < field.nx && cells.drawn(run.i1 + 1, j) &&
                   palette_index(map, field.at(run.i1 + 1, j)) == colour &&
                   cells.drawn(run.i1 + 1, j + 1) == run.up)
                ++run.i1;
            if (window_refused(fill_shape(run_outline(cells, run), palette[colour]))) return 0;
            i = run.i1 + 1;
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
