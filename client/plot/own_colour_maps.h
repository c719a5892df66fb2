// Colour maps a program defines from colours at positions, blended between them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lumora::plot {

// How the colours between two control points are blended.
enum class Blend { kRgb = 0, kHls = 1, kOklab = 2 };

inline constexpr int kOwnMapBase = 100, kOwnMaps = 32;  // own maps kOwnMapBase + 1 ...
inline constexpr int kMaxControlPoints = 256;

struct ControlPoint {
    double position;    // 0 ... 1 once normalised
    std::uint32_t rgb;  // packed RGB
};

// The map's 256 colours (packed RGB) from control points sorted by position, the first
// at 0 and the last at 1; equal positions make a step.
std::array<std::uint32_t, 256> blended_map(const std::vector<ControlPoint>& points, Blend blend);

// Why the positions cannot place n control points ("" when they can): each finite, none
// below the one before it, the last above the first. Null positions are evenly spaced.
std::string positions_problem(const float* positions, int n);
// The control points of n colours at the positions, normalised to 0 ... 1.
std::vector<ControlPoint> control_points(const float* positions, const std::uint32_t* rgb, int n);

// Keeps the table of own map number `map` (kOwnMapBase + 1 ... kOwnMapBase + kOwnMaps).
void define_own_map(int map, const std::array<std::uint32_t, 256>& table);
// The table of an own map, or nullptr when that map is not defined.
const std::array<std::uint32_t, 256>* own_map(int map);
// Forgets every own map (tests).
void forget_own_maps();

}  // namespace lumora::plot
