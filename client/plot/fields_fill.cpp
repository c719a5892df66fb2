// Filled contours. Regions are painted from the lowest up, each the part of the field at
// or above its level, so that every later region covers the earlier ones and no seam
// stays between neighbouring bands: first the whole field in the colour below the first
// level (when some value lies below it), then the region at or above each level in the
// colour of its band, and last the region above the last level in the colour above.
// With hatches (lu_plot_hatch), band k from the lowest drawn takes hatch k of the window's
// in turn and is drawn alone, so that no band's lines show through another's.
#include <algorithm>
#include <cmath>
#include <limits>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "contour_fill.h"
#include "entry.h"
#include "fields_common.h"
#include "grid_positions.h"
#include "page_draw.h"
#include "plot_state.h"

using namespace lumora::plot;

namespace {

constexpr int kPenStyleNone = 5;
constexpr int kEvenOdd = 0;

struct Region {
    double level;
    std::int32_t colour;
};

std::vector<Region> regions_of(const std::vector<double>& levels, double low, double high,
                               const ColourMap& map) {
    std::vector<Region> regions;
    if (levels.empty()) return regions;
    if (low < levels.front())
        regions.push_back({-std::numeric_limits<double>::infinity(), under_colour(map)});
    for (std::size_t k = 0; k + 1 < levels.size(); ++k)
        regions.push_back({levels[k], colour_of(map, (levels[k] + levels[k + 1]) / 2)});
    if (high > levels.back()) regions.push_back({levels.back(), over_colour(map)});
    return regions;
}

bool fill_region(const Grid& grid, const Placement2d& where, const Region& region) {
    std::vector<GridPoint> outline = bridged_outline(region_pieces(grid, region.level));
    if (outline.size() < 3) return true;
    if (!set_pen(region.colour, kPenStyleNone, -1)) return false;
    return draw_polygon(world_points(outline, where), kEvenOdd);
}

// Region k without the regions above it, the band alone (hatch lines must not show
// through the bands drawn over it): its outline and the next region's, which the even-odd
// rule leaves out. Hatched with lines of the band's colour, or filled.
bool draw_band(const Grid& grid, const Placement2d& where, const std::vector<Region>& regions,
               std::size_t k, const Hatch& hatch) {
    const double above =
        k + 1 < regions.size() ? regions[k + 1].level : std::numeric_limits<double>::infinity();
    const std::vector<GridPoint> band = band_outline(grid, regions[k].level, above);
    if (band.empty()) return true;
    const std::vector<float> xy = world_points(band, where);
    if (!hatch.empty())
        return draw_hatch({xy.begin(), xy.end()}, regions[k].colour, hatch, kEvenOdd);
    if (!set_pen(regions[k].colour, kPenStyleNone, -1)) return false;
    return draw_polygon(xy, kEvenOdd);
}

bool hatched(const WindowPlot& s) {
    return std::any_of(s.hatches.begin(), s.hatches.end(),
                       [](const Hatch& h) { return !h.empty(); });
}

template <class Level>
int fill_placed(const Grid& grid, const Placement2d& where, const Level* given, int count) {
    const int window = lu_get_pen(nullptr, nullptr, nullptr, nullptr);
    if (window == 0) return refuse_no_window();
    auto range = value_range(grid);
    if (!range) return window;
    std::vector<double> levels = levels_of(given, count, range->first, range->second, true);
    use_field_space(window_view());
    const PenScope pen;
    const std::vector<Region> regions =
        regions_of(levels, range->first, range->second, current_colour_map());
    const WindowPlot& s = plot_state(window);
    for (std::size_t k = 0; k < regions.size(); ++k) {
        const bool ok = hatched(s) ? draw_band(grid, where, regions, k, hatch_of(s, k))
                                   : fill_region(grid, where, regions[k]);
        if (window_refused(ok)) return 0;
    }
    return window;
}

template <class Value, class Level>
int fill(const Value* values, int nx, int ny, int layout, double x1, double y1, double x2,
         double y2, const Level* given, int count) {
    if (!finite_corners(x1, y1, x2, y2) || !level_count_taken(count)) return 0;
    std::optional<Grid> grid = grid_of(values, nx, ny, layout);
    if (!grid) return 0;
    return fill_placed(*grid, placement_of(*grid, x1, y1, x2, y2), given, count);
}

template <class Value>
int fill_on_grid(const Value* values, int nx, int ny, int layout, const Value* xg, const Value* yg,
                 int grid, const Value* given, int count) {
    if (!level_count_taken(count)) return 0;
    std::optional<PlacedField> field = field_on_grid(values, nx, ny, layout, xg, yg, grid);
    if (!field) return 0;
    return fill_placed(field->grid, field->where, given, count);
}

}  // namespace

extern "C" {

int lu_fill_contours(const float* values, int nx, int ny, int layout, float x1, float y1, float x2,
                     float y2, const float* levels, int count) {
    return guarded(__func__,
                   [&] { return fill(values, nx, ny, layout, x1, y1, x2, y2, levels, count); });
}

int lu_fill_contours_(int* result, const float* values, const int* nx, const int* ny,
                      const float* x1, const float* y1, const float* x2, const float* y2,
                      const float* levels, const int* count) {
    return guarded(__func__, [&] {
        return stored(result, fill(values, arg(nx), arg(ny), kColumnMajor, arg(x1), arg(y1),
                                   arg(x2), arg(y2), levels, arg(count)));
    });
}

int lu_fill_contours_double(const double* values, int nx, int ny, int layout, double x1, double y1,
                            double x2, double y2, const double* levels, int count) {
    return guarded(__func__,
                   [&] { return fill(values, nx, ny, layout, x1, y1, x2, y2, levels, count); });
}

int lu_fill_contours_double_(int* result, const double* values, const int* nx, const int* ny,
                             const double* x1, const double* y1, const double* x2, const double* y2,
                             const double* levels, const int* count) {
    return guarded(__func__, [&] {
        return stored(result, fill(values, arg(nx), arg(ny), kColumnMajor, arg(x1), arg(y1),
                                   arg(x2), arg(y2), levels, arg(count)));
    });
}

int lu_fill_contours_on_grid(const float* values, int nx, int ny, int layout, const float* xg,
                             const float* yg, int grid, const float* levels, int count) {
    return guarded(__func__, [&] {
        return fill_on_grid(values, nx, ny, layout, xg, yg, grid, levels, count);
    });
}

int lu_fill_contours_on_grid_(int* result, const float* values, const int* nx, const int* ny,
                              const float* xg, const float* yg, const int* grid,
                              const float* levels, const int* count) {
    return guarded(__func__, [&] {
        return stored(result, fill_on_grid(values, arg(nx), arg(ny), kColumnMajor, xg, yg,
                                           arg(grid), levels, arg(count)));
    });
}

int lu_fill_contours_on_grid_double(const double* values, int nx, int ny, int layout,
                                    const double* xg, const double* yg, int grid,
                                    const double* levels, int count) {
    return guarded(__func__, [&] {
        return fill_on_grid(values, nx, ny, layout, xg, yg, grid, levels, count);
    });
}

int lu_fill_contours_on_grid_double_(int* result, const double* values, const int* nx,
                                     const int* ny, const double* xg, const double* yg,
                                     const int* grid, const double* levels, const int* count) {
    return guarded(__func__, [&] {
        return stored(result, fill_on_grid(values, arg(nx), arg(ny), kColumnMajor, xg, yg,
                                           arg(grid), levels, arg(count)));
    });
}

}  // extern "C"
