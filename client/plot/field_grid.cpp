#include "field_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "entry.h"

namespace lumora::plot {
namespace {

// A field larger than this is refused rather than copied.
constexpr std::int64_t kMaxValues = std::int64_t{64} << 20;
constexpr int kDefaultLevels = 10;

double round_step(double raw) {
    double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (raw <= m * power * (1 + 1e-9)) return m * power;
    return 10 * power;
}

}  // namespace

template <class Value>
std::optional<Grid> grid_of(const Value* values, int nx, int ny, int layout) {
    if (values == nullptr) {
        refuse("the field's values are a null pointer");
        return std::nullopt;
    }
    if (nx < 1 || ny < 1) {
        refuse("a field of " + std::to_string(nx) + " x " + std::to_string(ny) +
               " values: both sides need 1 or more");
        return std::nullopt;
    }
    if (layout != kRowMajor && layout != kColumnMajor) {
        refuse("layout " + std::to_string(layout) +
               " is not LU_ROW_MAJOR (0) or LU_COLUMN_MAJOR (1)");
        return std::nullopt;
    }
    if (std::int64_t{nx} * ny > kMaxValues) {
        refuse("a field of more than 67108864 values");
        return std::nullopt;
    }
    Grid grid;
    grid.nx = nx;
    grid.ny = ny;
    grid.z.resize(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny));
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            double v = static_cast<double>(values[layout_index(i, j, nx, ny, layout)]);
            grid.z[static_cast<std::size_t>(j) * nx + static_cast<std::size_t>(i)] =
                std::isfinite(v) ? v : std::nan("");
        }
    }
    return grid;
}

template std::optional<Grid> grid_of(const float*, int, int, int);
template std::optional<Grid> grid_of(const double*, int, int, int);

std::optional<std::pair<double, double>> value_range(const Grid& grid) {
    double low = INFINITY, high = -INFINITY;
    for (double v : grid.z) {
        if (std::isnan(v)) continue;
        low = std::min(low, v);
        high = std::max(high, v);
    }
    if (low > high) return std::nullopt;
    return std::make_pair(low, high);
}

std::vector<double> round_values(double low, double high, int count, double& step) {
    std::vector<double> values;
    step = 0;
    if (!(high > low) || count < 1 || !std::isfinite(high - low)) return values;
    count = std::min(count, kMaxLevels);
    step = round_step((high - low) / count);
    if (!std::isfinite(step)) {
        step = 0;
        return values;
    }
    // A step is at least a count-th of the range: count + 1 values at most.
    const double first = std::ceil(low / step - 1e-9);
    for (int k = 0; k <= count + 1; ++k) {
        const double at = (first + k) * step;
        if (!(at - high <= step * 1e-9)) break;  // no overflowing high + slack
        // Twelve digits drop the binary noise of the product (0.6000000000000001).
        char text[32];
        std::snprintf(text, sizeof text, "%.12g", at);
        double v = std::strtod(text, nullptr);
        v = std::abs(v) < step * 1e-9 ? 0.0 : v;
        // Ends far larger than the step cannot tell all their multiples apart.
        if (values.empty() || v > values.back()) values.push_back(v);
    }
    return values;
}

template <class Level>
std::vector<double> levels_of(const Level* given, int count, double low, double high, bool cover) {
    std::vector<double> levels;
    if (count > kMaxLevels || count < -kMaxLevels) return levels;
    if (count > 0) {
        if (given == nullptr) return levels;
        for (int k = 0; k < count; ++k)
            if (std::isfinite(given[k])) levels.push_back(static_cast<double>(given[k]));
        std::sort(levels.begin(), levels.end());
        levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
        return levels;
    }
    int wanted = count == 0 ? kDefaultLevels : -count;
    double step = 0;
    std::vector<double> round = round_values(low, high, wanted, step);
    if (step == 0) return round;
    for (double v : round)
        if (cover || (v > low && v < high)) levels.push_back(v);
    if (cover) {
        if (levels.empty() || levels.front() > low)
            levels.insert(levels.begin(), levels.empty() ? low : levels.front() - step);
        if (levels.back() < high) levels.push_back(levels.back() + step);
    }
    return levels;
}

template std::vector<double> levels_of(const float*, int, double, double, bool);
template std::vector<double> levels_of(const double*, int, double, double, bool);

}  // namespace lumora::plot
