#include "surface3d_contours.h"

#include <algorithm>
#include <cmath>

#include "contour_lines.h"

namespace lumora::plot {
namespace {

using plotcore::Point3;

// The cell a place between grid points lies in along one axis, and how far across it.
int cell_along(double place, int points, double& t) {
    const int k = std::clamp(static_cast<int>(std::floor(place)), 0, points - 2);
    t = place - k;
    return k;
}

double between(const std::vector<double>& v, int k, double t) {
    const auto at = static_cast<std::size_t>(k);
    return v[at] + t * (v[at + 1] - v[at]);
}

// A place of the traced line in the view's world at height z.
Point3 world_at(const plotcore::HeightField& field, const GridPoint& p, double z) {
    double ti = 0, tj = 0;
    const int i = cell_along(p.i, field.nx(), ti), j = cell_along(p.j, field.ny(), tj);
    return {between(field.x, i, ti), between(field.y, j, tj), z};
}

}  // namespace

std::vector<plotcore::Run2> base_contours(const plotcore::View3d& view, const Grid& values,
                                          const plotcore::HeightField& field,
                                          const std::vector<double>& levels) {
    std::vector<plotcore::Run2> runs;
    const CellRanges cells = cell_ranges(values);
    const double base = view.end(2, 0);
    for (double level : levels) {
        for (const ContourLine& line : contour_lines(values, cells, level)) {
            std::vector<Point3> world;
            world.reserve(line.points.size());
            for (const GridPoint& p : line.points) world.push_back(world_at(field, p, base));
            for (plotcore::Run2& run : plotcore::clip_line3d(view, world))
                runs.push_back(std::move(run));
        }
    }
    return runs;
}

std::vector<CellContour> surface_contours(const plotcore::View3d& view, const Grid& values,
                                          const plotcore::HeightField& field,
                                          const std::vector<double>& levels) {
    std::vector<CellContour> pieces;
    const CellRanges cells = cell_ranges(values);
    const std::size_t cx = static_cast<std::size_t>(field.nx() - 1);
    for (double level : levels) {
        const double z = view.world(1, 1, level).z;
        for (const ContourLine& line : contour_lines(values, cells, level)) {
            for (std::size_t k = 0; k + 1 < line.points.size(); ++k) {
                const GridPoint &a = line.points[k], &b = line.points[k + 1];
                // Both ends lie on the edges of one cell: its middle tells which.
                double ti = 0, tj = 0;
                const int i = cell_along((a.i + b.i) / 2, field.nx(), ti);
                const int j = cell_along((a.j + b.j) / 2, field.ny(), tj);
                pieces.push_back({static_cast<std::size_t>(j) * cx + static_cast<std::size_t>(i),
                                  world_at(field, a, z), world_at(field, b, z)});
            }
        }
    }
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const CellContour& p, const CellContour& q) { return p.cell < q.cell; });
    return pieces;
}

}  // namespace lumora::plot
