// A field as the field operations work on it: nx x ny doubles with i (along x) running
// fastest, whatever the caller's type and layout, and where its values stand in the world.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace lumora::plot {

inline constexpr int kRowMajor = 0, kColumnMajor = 1;
// The most levels a field operation takes, given or automatic.
inline constexpr int kMaxLevels = 10000;

struct Grid {
    int nx = 0, ny = 0;
    std::vector<double> z;  // z[j * nx + i]

    double at(int i, int j) const {
        return z[static_cast<std::size_t>(j) * static_cast<std::size_t>(nx) +
                 static_cast<std::size_t>(i)];
    }
};

// The caller's values in the layout (kRowMajor: values[i * ny + j], kColumnMajor:
// values[i + j * nx]); nothing for a null array, a size below 1 or above what one
// process can hold, or an unknown layout.
template <class Value>
std::optional<Grid> grid_of(const Value* values, int nx, int ny, int layout);

// The world rectangle of a field: value (i, j) at the centre of its cell.
struct Placement2d {
    double x1, y1, x2, y2;
    int nx, ny;
    double x(double i) const { return x1 + (i + 0.5) * (x2 - x1) / nx; }
    double y(double j) const { return y1 + (j + 0.5) * (y2 - y1) / ny; }
};

// The least and greatest values that are not NaN; nothing when every value is NaN.
std::optional<std::pair<double, double>> value_range(const Grid& grid);

// Levels for count given ones (count > 0, sorted copies) or about -count (0: 10) round
// ones: with cover false those strictly between low and high (contour lines), with
// cover true from the round value at or below low to the one at or above high (bands).
// None for a count beyond +-kMaxLevels.
template <class Level>
std::vector<double> levels_of(const Level* given, int count, double low, double high, bool cover);

// Round tick values from low to high inclusive, about `count` (at most kMaxLevels) of
// them, and the step; none when the range's width is not finite.
std::vector<double> round_values(double low, double high, int count, double& step);

}  // namespace lumora::plot
