// Orientation and in-circle tests whose sign is always right: a floating-point estimate
// when its error bound allows, else the exact value in expansion arithmetic. A wrong
// sign would let a triangulation fold over or loop, so no test may round its way to it.
#pragma once

namespace lumora::plot {

struct Point2 {
    double x = 0, y = 0;
};

// Positive when a, b, c turn counter-clockwise, negative clockwise, 0 on one line.
double orientation(Point2 a, Point2 b, Point2 c);

// Positive when d lies inside the circle through a, b, c (counter-clockwise), negative
// outside, 0 on it.
double in_circle(Point2 a, Point2 b, Point2 c, Point2 d);

}  // namespace lumora::plot
