// Cutting a polyline into its dashes: the pattern runs on along the whole line, across its
// corners, from the start of its first segment; each dash keeps the corners within it.
#pragma once

#include <functional>
#include <span>

#include "server/render/canvas.h"

namespace luwnd::render::raster {

// Shortest dash or gap taken, in pixels: shorter lengths are drawn this long, so that a
// line cannot fall into countless pieces.
inline constexpr double kShortestDash = 0.05;

// Hands on each dash of the polyline (closed: with the segment back to its first point)
// under the pattern (on and off lengths in pixels, in turn), as a polyline of its own.
// Only dashes within the box are handed on: the pattern runs on through the rest, and
// through points that are not finite, which end the dash they fall in.
using DashSink = std::function<void(std::span<const Point> dash)>;
void split_dashes(std::span<const Point> points, bool closed, std::span<const double> pattern,
                  const Box& box, const DashSink& dash);

}  // namespace luwnd::render::raster
