#include "surface3d.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumora::plotcore {

Point3 HeightField::at(int i, int j) const {
    const std::size_t k = static_cast<std::size_t>(j) * x.size() + static_cast<std::size_t>(i);
    return {x[static_cast<std::size_t>(i)], y[static_cast<std::size_t>(j)], z[k]};
}

std::vector<std::size_t> back_to_front(const View3d& view, const HeightField& field) {
    const int cx = field.nx() - 1, cy = field.ny() - 1;
    if (cx < 1 || cy < 1) return {};
    // Measured at the box's middle height: only the place on the base counts.
    const double mid_z = (view.end(2, 0) + view.end(2, 1)) / 2;
    std::vector<double> near(static_cast<std::size_t>(cx) * static_cast<std::size_t>(cy));
    for (int j = 0; j < cy; ++j) {
        const double y = (field.y[static_cast<std::size_t>(j)] + field.y[std::size_t(j) + 1]) / 2;
        for (int i = 0; i < cx; ++i) {
            const double x =
                (field.x[static_cast<std::size_t>(i)] + field.x[std::size_t(i) + 1]) / 2;
            // A cell without a place (a value <= 0 on a log axis) is left out later;
            // first here, so that the order stays a strict one.
            const double n = view.nearness({x, y, mid_z});
            near[std::size_t(j) * std::size_t(cx) + std::size_t(i)] = std::isnan(n) ? -HUGE_VAL : n;
        }
    }
    std::vector<std::size_t> order(near.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return near[a] < near[b]; });
    return order;
}

// In the box, or beyond it by no more than single precision's rounding of its ends (a
// range given as floats round data in double), so that the extreme cells stay.
bool within_box(const View3d& view, const Point3& p) {
    const double v[3] = {p.x, p.y, p.z};
    for (int a = 0; a < 3; ++a) {
        const double lo = std::fmin(view.end(a, 0), view.end(a, 1));
        const double hi = std::fmax(view.end(a, 0), view.end(a, 1));
        const double slack = 1e-6 * std::fmax(hi - lo, std::fmax(std::fabs(lo), std::fabs(hi)));
        if (!(v[a] >= lo - slack && v[a] <= hi + slack)) return false;
    }
    return true;
}

bool cell_corners(const View3d& view, const HeightField& field, std::size_t cell,
                  std::array<Point3, 4>& corners) {
    const std::size_t cx = field.x.size() - 1;
    const int i = static_cast<int>(cell % cx), j = static_cast<int>(cell / cx);
    corners = {field.at(i, j), field.at(i + 1, j), field.at(i + 1, j + 1), field.at(i, j + 1)};
    return std::all_of(corners.begin(), corners.end(),
                       [&](const Point3& p) { return within_box(view, p); });
}

}  // namespace lumora::plotcore
