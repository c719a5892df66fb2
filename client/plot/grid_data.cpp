#include "grid_data.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "delaunay.h"
#include "natural_neighbour.h"
#include "nearest_points.h"
#include "point_bounds.h"

namespace lumora::plot {
namespace {

constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

std::size_t at(int k) {
    return static_cast<std::size_t>(k);
}

double weighted(const std::vector<Weight>& weights, const std::vector<double>& values) {
    if (weights.empty()) return kMissing;
    double sum = 0;
    for (const Weight& w : weights) sum += w.weight * values[at(w.index)];
    return sum;
}

double inverse_distance(const std::vector<Neighbour>& near, const std::vector<double>& values,
                        double power) {
    if (near.empty()) return kMissing;
    if (near.front().distance == 0) return values[at(near.front().index)];
    double sum = 0, total = 0;
    for (const Neighbour& n : near) {
        const double w = std::pow(n.distance / near.front().distance, -power);
        sum += w * values[at(n.index)];
        total += w;
    }
    return sum / total;
}

// Scales every coordinate by one power of two (exactly) so that the largest is about 1:
// the exact predicates then neither overflow nor underflow, whatever the caller's units.
void normalize(Samples& samples, std::vector<double>& xg, std::vector<double>& yg) {
    double largest = 0;
    for (const Point2& p : samples.points)
        largest = std::max({largest, std::fabs(p.x), std::fabs(p.y)});
    if (largest == 0) return;
    int exponent = 0;
    std::frexp(largest, &exponent);
    for (Point2& p : samples.points) p = {std::ldexp(p.x, -exponent), std::ldexp(p.y, -exponent)};
    for (double& x : xg) x = std::ldexp(x, -exponent);
    for (double& y : yg) y = std::ldexp(y, -exponent);
}

template <class Evaluate>
std::vector<double> each_point(const std::vector<double>& xg, const std::vector<double>& yg,
                               Evaluate&& evaluate) {
    std::vector<double> out(xg.size() * yg.size(), kMissing);
    for (std::size_t j = 0; j < yg.size(); ++j) {
        for (std::size_t i = 0; i < xg.size(); ++i) {
            // Along every other row backwards, so that each point is near the one before.
            const std::size_t k = j % 2 == 0 ? i : xg.size() - 1 - i;
            if (std::isfinite(xg[k]) && std::isfinite(yg[j]))
                out[j * xg.size() + k] = evaluate(Point2{xg[k], yg[j]});
        }
    }
    return out;
}

}  // namespace

template <class Value>
Samples samples_of(const Value* x, const Value* y, const Value* z, int n) {
    std::vector<int> order;
    for (int k = 0; k < n; ++k)
        if (std::isfinite(x[k]) && std::isfinite(y[k]) && std::isfinite(z[k])) order.push_back(k);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return x[a] < x[b] || (x[a] == x[b] && y[a] < y[b]); });
    Samples out;
    for (std::size_t k = 0; k < order.size();) {
        const int first = order[k];
        double sum = 0;
        std::size_t count = 0;
        for (; k < order.size() && x[order[k]] == x[first] && y[order[k]] == y[first]; ++k, ++count)
            sum += static_cast<double>(z[order[k]]);
        out.points.push_back({static_cast<double>(x[first]), static_cast<double>(y[first])});
        out.values.push_back(sum / static_cast<double>(count));
    }
    return out;
}

template Samples samples_of(const float*, const float*, const float*, int);
template Samples samples_of(const double*, const double*, const double*, int);

bool has_area(const Samples& samples) {
    const auto& p = samples.points;
    for (std::size_t k = 2; k < p.size(); ++k)
        if (orientation(p[0], p[1], p[k]) != 0) return true;
    return false;
}

std::vector<double> grid_values(Samples samples, std::vector<double> xg, std::vector<double> yg,
                                GridMethod method, double parameter) {
    normalize(samples, xg, yg);
    const std::vector<double>& values = samples.values;
    if (method == GridMethod::nearest || method == GridMethod::inverse_distance) {
        const NearestPoints index(samples.points);
        if (method == GridMethod::nearest) {
            return each_point(xg, yg, [&](Point2 p) {
                const std::vector<Neighbour> near = index.nearest(p, 1);
                return near.empty() ? kMissing : values[at(near.front().index)];
            });
        }
        const double power = parameter == 0 ? 2 : parameter;
        return each_point(xg, yg, [&](Point2 p) {
            return inverse_distance(index.nearest(p, kInverseDistanceNeighbours), values, power);
        });
    }
    const Delaunay mesh(samples.points);
    int hint = 0;
    if (method == GridMethod::linear)
        return each_point(
            xg, yg, [&](Point2 p) { return weighted(linear_weights(mesh, p, hint), values); });
    return each_point(xg, yg, [&](Point2 p) {
        return weighted(natural_neighbour_weights(mesh, p, hint), values);
    });
}

}  // namespace lumora::plot
