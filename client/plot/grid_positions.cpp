#include "grid_positions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "entry.h"

namespace lumora::plot {
namespace {

template <class Position>
bool axis_taken(const Position* axis, int n, const char* name, std::vector<double>& out) {
    out.resize(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        out[static_cast<std::size_t>(k)] = static_cast<double>(axis[k]);
        if (!std::isfinite(out[static_cast<std::size_t>(k)])) {
            refuse(std::string("the grid's ") + name + " positions are not all finite numbers");
            return false;
        }
    }
    const bool rising =
        std::adjacent_find(out.begin(), out.end(), std::greater_equal<>()) == out.end();
    const bool falling =
        std::adjacent_find(out.begin(), out.end(), std::less_equal<>()) == out.end();
    if (rising || falling) return true;
    refuse(std::string("the grid's ") + name +
           " positions are neither strictly rising nor strictly falling");
    return false;
}

template <class Position>
bool points_taken(const Position* points, int nx, int ny, int layout, const char* name,
                  std::vector<double>& out) {
    out.resize(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny));
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            const auto v = static_cast<double>(points[layout_index(i, j, nx, ny, layout)]);
            if (std::isinf(v)) {
                refuse(std::string("the grid's ") + name +
                       " positions hold an infinity (NaN marks a missing point)");
                return false;
            }
            out[static_cast<std::size_t>(j) * static_cast<std::size_t>(nx) +
                static_cast<std::size_t>(i)] = v;
        }
    return true;
}

// The extent of the known positions.
void set_extent(Placement2d& where) {
    double x1 = std::numeric_limits<double>::infinity(), x2 = -x1, y1 = x1, y2 = -x1;
    const bool points = where.kind == Placement2d::Kind::kPoints;
    for (std::size_t k = 0; k < where.xs.size(); ++k) {
        if (points && std::isnan(where.ys[k])) continue;
        x1 = std::min(x1, where.xs[k]);
        x2 = std::max(x2, where.xs[k]);
    }
    for (std::size_t k = 0; k < where.ys.size(); ++k) {
        if (points && std::isnan(where.xs[k])) continue;
        y1 = std::min(y1, where.ys[k]);
        y2 = std::max(y2, where.ys[k]);
    }
    if (x1 > x2 || y1 > y2) x1 = x2 = y1 = y2 = 0;  // no point known
    where.x1 = x1;
    where.x2 = x2;
    where.y1 = y1;
    where.y2 = y2;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    auto middle = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), middle, v.end());
    return *middle;
}

// The median distance from each point to its neighbour di, dj further on.
double median_step(const Placement2d& where, int di, int dj) {
    std::vector<double> steps;
    for (int j = 0; j + dj < where.ny; ++j)
        for (int i = 0; i + di < where.nx; ++i) {
            const WorldPoint a = where.at(i, j), b = where.at(i + di, j + dj);
            const double d = std::hypot(b.x - a.x, b.y - a.y);
            if (std::isfinite(d)) steps.push_back(d);
        }
    return median(std::move(steps));
}

}  // namespace

template <class Position>
std::optional<Placement2d> grid_placement(const Position* xg, const Position* yg, int nx, int ny,
                                          int layout, int grid) {
    if (grid != kGridAxes && grid != kGridPoints) {
        refuse("grid " + std::to_string(grid) + " is not LU_GRID_AXES (1) or LU_GRID_POINTS (2)");
        return std::nullopt;
    }
    if (xg == nullptr || yg == nullptr) {
        refuse(std::string("the grid's positions ") + (xg == nullptr ? "xg" : "yg") +
               " are a null pointer");
        return std::nullopt;
    }
    Placement2d where;
    where.nx = nx;
    where.ny = ny;
    if (grid == kGridAxes) {
        where.kind = Placement2d::Kind::kAxes;
        if (!axis_taken(xg, nx, "x", where.xs) || !axis_taken(yg, ny, "y", where.ys))
            return std::nullopt;
    } else {
        where.kind = Placement2d::Kind::kPoints;
        if (!points_taken(xg, nx, ny, layout, "x", where.xs) ||
            !points_taken(yg, nx, ny, layout, "y", where.ys))
            return std::nullopt;
    }
    set_extent(where);
    return where;
}

template std::optional<Placement2d> grid_placement(const float*, const float*, int, int, int, int);
template std::optional<Placement2d> grid_placement(const double*, const double*, int, int, int,
                                                   int);

void drop_unplaced(Grid& grid, const Placement2d& where) {
    if (where.kind != Placement2d::Kind::kPoints) return;
    for (int j = 0; j < grid.ny; ++j)
        for (int i = 0; i < grid.nx; ++i)
            if (!where.known(i, j))
                grid.z[static_cast<std::size_t>(j) * static_cast<std::size_t>(grid.nx) +
                       static_cast<std::size_t>(i)] = std::nan("");
}

template <class Value>
std::optional<PlacedField> field_on_grid(const Value* values, int nx, int ny, int layout,
                                         const Value* xg, const Value* yg, int grid) {
    std::optional<Grid> field = grid_of(values, nx, ny, layout);
    if (!field) return std::nullopt;
    std::optional<Placement2d> where = grid_placement(xg, yg, nx, ny, layout, grid);
    if (!where) return std::nullopt;
    drop_unplaced(*field, *where);
    return PlacedField{std::move(*field), std::move(*where)};
}

template std::optional<PlacedField> field_on_grid(const float*, int, int, int, const float*,
                                                  const float*, int);
template std::optional<PlacedField> field_on_grid(const double*, int, int, int, const double*,
                                                  const double*, int);

double grid_spacing(const Placement2d& where) {
    if (where.kind == Placement2d::Kind::kEven)
        return std::min(std::abs(where.x2 - where.x1) / where.nx,
                        std::abs(where.y2 - where.y1) / where.ny);
    const double along_i = where.nx > 1 ? median_step(where, 1, 0) : 0;
    const double along_j = where.ny > 1 ? median_step(where, 0, 1) : 0;
    if (along_i > 0 && along_j > 0) return std::min(along_i, along_j);
    return std::max(along_i, along_j);
}

}  // namespace lumora::plot
