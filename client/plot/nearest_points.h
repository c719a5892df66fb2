// The points nearest a place, found through buckets of a regular grid over the points
// (about two points a bucket), searched ring by ring outward from the place's bucket.
#pragma once

#include <vector>

#include "predicates.h"

namespace lumora::plot {

struct Neighbour {
    int index = 0;
    double distance = 0;
};

class NearestPoints {
  public:
    explicit NearestPoints(const std::vector<Point2>& points);
    // The `count` points nearest p (all of them when there are fewer), nearest first.
    std::vector<Neighbour> nearest(Point2 p, int count) const;

  private:
    int column(double x) const;
    int row(double y) const;
    // How far from p every point outside the block of buckets lies.
    double clear_distance(Point2 p, int c0, int r0, int c1, int r1) const;

    const std::vector<Point2>& points_;
    double x0_ = 0, y0_ = 0, width_ = 1, height_ = 1;
    int columns_ = 1, rows_ = 1;
    std::vector<int> first_;  // per bucket, where its points start in members_
    std::vector<int> members_;
};

}  // namespace lumora::plot
