// Paths of the figures on a Cairo context, in the context's user space. Boxes here are
// the lines the path runs along (not pixel edges).
#pragma once

#include <cairo.h>

#include <span>

#include "server/render/canvas.h"

namespace luwnd::render {

// Moves the box corners and points by the offset in x and y.
Box shifted(const Box& box, double offset);
void points_path(cairo_t* cr, std::span<const Point> points, double offset, bool close);
void bezier_path(cairo_t* cr, std::span<const Point> points, double offset);
void ellipse_path(cairo_t* cr, const Box& box);
void rounded_path(cairo_t* cr, const Box& box, double corner_width, double corner_height);
// The arc from the direction start counterclockwise to end (radians, counterclockwise on
// the screen), closed as a chord or through the centre as a pie.
void arc_path(cairo_t* cr, const Box& box, double start, double end, ArcShape shape);

}  // namespace luwnd::render
