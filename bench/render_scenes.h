// The two pictures the rendering benchmarks draw, the same for every library: a noisy
// sine of one million points and one hundred thousand short separate lines at random,
// all in a world of kPageWidth x kPageHeight units that fills a page of that many pixels.
#pragma once

#include <chrono>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

namespace bench {

inline constexpr int kPageWidth = 1000;
inline constexpr int kPageHeight = 800;
inline constexpr int kPolylinePoints = 1000000;
inline constexpr int kLineCount = 100000;

// x, y pairs.
using Pairs = std::vector<double>;

// A value in [0, 1) from the raw generator output, which unlike the standard
// distributions is the same with every library implementation.
inline double unit(std::mt19937& random) {
    return static_cast<double>(random()) / 4294967296.0;
}

// Five periods of a sine across the page, with noise of +-15 units on every point.
inline Pairs noisy_sine() {
    std::mt19937 random(20240601u);
    Pairs points(2 * kPolylinePoints);
    for (int i = 0; i < kPolylinePoints; ++i) {
        double t = static_cast<double>(i) / (kPolylinePoints - 1);
        points[2 * i] = t * (kPageWidth - 20) + 10;
        points[2 * i + 1] = kPageHeight / 2.0 + 300 * std::sin(2 * std::numbers::pi * 5 * t) +
                            30 * (unit(random) - 0.5);
    }
    return points;
}

// Four values per line: x1, y1, x2, y2. The first end lies anywhere on the page, the
// second up to 40 units away in each direction, so that the lines stay visible apart.
inline Pairs random_lines() {
    std::mt19937 random(7u);
    Pairs ends(4 * static_cast<std::size_t>(kLineCount));
    for (std::size_t i = 0; i < ends.size(); i += 4) {
        ends[i] = unit(random) * kPageWidth;
        ends[i + 1] = unit(random) * kPageHeight;
        ends[i + 2] = ends[i] + 80 * (unit(random) - 0.5);
        ends[i + 3] = ends[i + 1] + 80 * (unit(random) - 0.5);
    }
    return ends;
}

// The field picture: kFieldSide x kFieldSide values of sin x cos y with a Gaussian bump
// over -3 ... 3, value (i, j) at i * kFieldSide + j (x index first), shown as a picture
// of one pixel a value in the sequential colour map, filling the page.
inline constexpr int kFieldSide = 1000;

inline std::vector<double> field_values() {
    std::vector<double> z(static_cast<std::size_t>(kFieldSide) * kFieldSide);
    for (int i = 0; i < kFieldSide; ++i) {
        for (int j = 0; j < kFieldSide; ++j) {
            double x = -3 + 6 * (i + 0.5) / kFieldSide, y = -3 + 6 * (j + 0.5) / kFieldSide;
            double dx = x - 1, dy = y + 1;
            z[static_cast<std::size_t>(i) * kFieldSide + j] =
                std::sin(x) * std::cos(y) + 1.2 * std::exp(-(dx * dx + dy * dy));
        }
    }
    return z;
}

using Clock = std::chrono::steady_clock;

inline double ms_between(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

}  // namespace bench
