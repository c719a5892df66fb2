// Lines cut to a rectangle of the world before they are sent, so that points far outside
// the box (beyond what device coordinates hold) never reach the drawing operations.
#pragma once

#include <vector>

namespace lumora::plot {

struct WorldRect {
    double x0, y0, x1, y1;  // x0 <= x1, y0 <= y1
};

// The part of the segment inside the rectangle; false when none is.
bool clip_segment(const WorldRect& r, double& ax, double& ay, double& bx, double& by);

// The runs of a line through the points (x, y pairs; a NaN coordinate breaks the line)
// that lie inside the rectangle, each as x, y pairs of at least two points.
std::vector<std::vector<double>> clip_line(const WorldRect& r, const std::vector<double>& points);

}  // namespace lumora::plot
