// The Delaunay triangulation of distinct points in the plane, built by inserting the
// points one by one (Bowyer-Watson) in a randomized, spatially sorted order. The outside
// of the convex hull is covered by ghost triangles (one per hull edge, with the vertex at
// infinity), so that points outside the hull insert and locate like any other.
#pragma once

#include <array>
#include <vector>

#include "predicates.h"

namespace lumora::plot {

// The vertex at infinity of the ghost triangles.
inline constexpr int kInfinite = -1;

// A triangle's vertices counter-clockwise, and the triangle across the side opposite each
// vertex. A ghost keeps the vertex at infinity last: its side v[0] v[1] is a hull edge
// with the hull on its right.
struct Triangle {
    std::array<int, 3> v{};
    std::array<int, 3> next{};
    bool ghost() const { return v[2] == kInfinite; }
};

class Delaunay {
  public:
    // The points must be distinct. With fewer than three, or all on one line, there is no
    // triangle: has_area() is false.
    explicit Delaunay(std::vector<Point2> points);

    bool has_area() const { return !triangles_.empty(); }
    const std::vector<Point2>& points() const { return points_; }
    const Triangle& triangle(int t) const { return triangles_[static_cast<std::size_t>(t)]; }
    // The real triangles, each counter-clockwise.
    std::vector<std::array<int, 3>> real_triangles() const;
    // How many vertices the convex hull has (points on its sides included).
    int hull_size() const;

    // A triangle holding p, on its sides included, or a ghost whose hull edge p lies
    // strictly beyond; the search walks from triangle `start` (any number: one that is no
    // triangle starts anywhere). -1 when there is no area.
    int locate(Point2 p, int start) const;
    // The triangles whose circumcircle holds p strictly (a ghost: p beyond its hull edge or
    // inside that edge), reached from `from`, a triangle found by locate that holds p.
    std::vector<int> conflicts(Point2 p, int from) const;
    // Whether triangle t was among those the last call of conflicts found.
    bool found_in_conflict(int t) const { return mark_[static_cast<std::size_t>(t)] == stamp_; }
    bool in_conflict(int t, Point2 p) const;

  private:
    int new_triangle(const Triangle& t);
    void start_with(int a, int b, int c);
    void insert(int vertex);
    int walk(Point2 p, int start) const;
    int scan(Point2 p) const;
    bool alive(int t) const;

    std::vector<Point2> points_;
    std::vector<Triangle> triangles_;
    std::vector<int> free_;
    std::vector<int> start_of_;  // per vertex + 1: the new triangle whose side starts there
    mutable std::vector<unsigned> mark_;
    mutable unsigned stamp_ = 0;
    mutable unsigned random_ = 12345;
    int last_ = 0;
};

}  // namespace lumora::plot
