// Where places in a field's index space lie in the world.
#include <algorithm>
#include <cmath>

#include "field_grid.h"

namespace lumora::plot {
namespace {

// a + f (b - a) that does not look at b when f is 0 (b may be a missing position).
double towards(double a, double b, double f) {
    return f == 0 ? a : a + f * (b - a);
}

// The cell a place lies in along one side of n points, and where in it (0 ... 1).
std::pair<int, double> cell_of(double at, int n) {
    if (n < 2) return {0, 0.0};
    const int cell = std::clamp(static_cast<int>(std::floor(at)), 0, n - 2);
    return {cell, at - cell};
}

}  // namespace

Placement2d even_placement(double x1, double y1, double x2, double y2, int nx, int ny) {
    return {x1, y1, x2, y2, nx, ny, Placement2d::Kind::kEven, {}, {}};
}

WorldPoint Placement2d::at(double i, double j) const {
    if (kind == Kind::kEven)
        return {x1 + (i + 0.5) * (x2 - x1) / nx, y1 + (j + 0.5) * (y2 - y1) / ny};
    const auto [ci, fi] = cell_of(i, nx);
    const auto [cj, fj] = cell_of(j, ny);
    const auto ui = static_cast<std::size_t>(ci), uj = static_cast<std::size_t>(cj);
    if (kind == Kind::kAxes)
        return {towards(xs[ui], xs[ui + (fi != 0)], fi), towards(ys[uj], ys[uj + (fj != 0)], fj)};
    const auto n = static_cast<std::size_t>(nx);
    const std::size_t k00 = uj * n + ui, k10 = k00 + (fi != 0), k01 = k00 + (fj != 0) * n,
                      k11 = k01 + (fi != 0);
    // Copies: clang 14 cannot capture structured bindings in a lambda.
    const double along_i = fi, along_j = fj;
    const auto bilinear = [&](const std::vector<double>& p) {
        return towards(towards(p[k00], p[k10], along_i), towards(p[k01], p[k11], along_i), along_j);
    };
    return {bilinear(xs), bilinear(ys)};
}

bool Placement2d::known(int i, int j) const {
    if (kind != Kind::kPoints) return true;
    const std::size_t k =
        static_cast<std::size_t>(j) * static_cast<std::size_t>(nx) + static_cast<std::size_t>(i);
    return !std::isnan(xs[k]) && !std::isnan(ys[k]);
}

}  // namespace lumora::plot
