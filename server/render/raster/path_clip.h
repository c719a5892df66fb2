// Cutting lines down to the part of the page they can reach, so that far points, however
// many or however far, cost neither memory nor time in the raster.
#pragma once

#include <cstddef>
#include <functional>
#include <span>

#include "server/render/canvas.h"

namespace luwnd::render::raster {

// The part of the segment from a to b within the box, as fractions of its length from a:
// false when none of it is (or a coordinate is not finite).
bool clip_segment(Point a, Point b, const Box& box, double& t0, double& t1);

// Hands on the pieces of the polyline (closed: with the segment back to its first point)
// that can reach the box: runs of finite points whose segments meet it, cut where they
// leave it and into pieces of at most max_points points that share their end points. A
// closed figure that lies wholly in the box comes as one closed piece.
using PieceSink = std::function<void(std::span<const Point> points, bool closed)>;
void visible_pieces(std::span<const Point> points, bool closed, const Box& box,
                    std::size_t max_points, const PieceSink& piece);

}  // namespace luwnd::render::raster
