#include "statistics.h"

#include <algorithm>
#include <cmath>

namespace lumora::plot {
namespace {

double quantile(const std::vector<double>& sorted, double p) {
    const double at = p * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

}  // namespace

BoxStatistics box_statistics(std::vector<double> values) {
    BoxStatistics s;
    std::erase_if(values, [](double v) { return !std::isfinite(v); });
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    s.q1 = quantile(values, 0.25);
    s.median = quantile(values, 0.5);
    s.q3 = quantile(values, 0.75);
    const double reach = 1.5 * (s.q3 - s.q1);
    s.low = s.q1;
    s.high = s.q3;
    for (double v : values) {
        if (v < s.q1 - reach || v > s.q3 + reach) {
            s.outliers.push_back(v);
            continue;
        }
        s.low = std::min(s.low, v);
        s.high = std::max(s.high, v);
    }
    s.ok = true;
    return s;
}

}  // namespace lumora::plot
