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

// Where a field's values stand in the world, and the world point of a place between them
// in index space (value (i, j) at (i, j)). Even: the centres of nx x ny cells over the
// rectangle (x1, y1) .. (x2, y2). On a grid: the given positions, a place between them
// interpolated bilinearly within its cell, so that what is computed in index space
// follows the grid; x1 .. y2 are then the positions' extent.
struct WorldPoint {
    double x = 0, y = 0;
};
struct Placement2d {
    enum class Kind { kEven, kAxes, kPoints };
    double x1 = 0, y1 = 0, x2 = 1, y2 = 1;
    int nx = 1, ny = 1;
    Kind kind = Kind::kEven;
    // kAxes: nx x values and ny y values; kPoints: nx x ny of each, [j * nx + i], NaN for a
    // missing point.
    std::vector<double> xs, ys;

    WorldPoint at(double i, double j) const;
    // Whether the grid point (i, j) has a position (always on an even placement).
    bool known(int i, int j) const;
};

// The even placement of a field of nx x ny values over a rectangle.
Placement2d even_placement(double x1, double y1, double x2, double y2, int nx, int ny);

// Where value (i, j) of an nx x ny array in the layout is held.
inline std::size_t layout_index(int i, int j, int nx, int ny, int layout) {
    return layout == kColumnMajor ? static_cast<std::size_t>(j) * static_cast<std::size_t>(nx) +
                                        static_cast<std::size_t>(i)
                                  : static_cast<std::size_t>(i) * static_cast<std::size_t>(ny) +
                                        static_cast<std::size_t>(j);
}

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
