#include "natural_neighbour.h"

#include <cmath>
#include <cstddef>

namespace lumora::plot {
namespace {

std::size_t at(int k) {
    return static_cast<std::size_t>(k);
}

int after(int k) {
    return k == 2 ? 0 : k + 1;
}

Point2 minus(Point2 a, Point2 b) {
    return {a.x - b.x, a.y - b.y};
}

// The centre of the circle through a, b and the origin.
Point2 circumcentre(Point2 a, Point2 b) {
    const double d = 2 * (a.x * b.y - a.y * b.x);
    const double la = a.x * a.x + a.y * a.y, lb = b.x * b.x + b.y * b.y;
    return {(b.y * la - a.y * lb) / d, (a.x * lb - b.x * la) / d};
}

Point2 circumcentre(Point2 a, Point2 b, Point2 c) {
    const Point2 centre = circumcentre(minus(a, c), minus(b, c));
    return {centre.x + c.x, centre.y + c.y};
}

// Twice the signed area of a polygon.
double twice_area(const std::vector<Point2>& polygon) {
    double sum = 0;
    for (std::size_t k = 0; k < polygon.size(); ++k) {
        const Point2 a = polygon[k], b = polygon[(k + 1) % polygon.size()];
        sum += a.x * b.y - a.y * b.x;
    }
    return sum;
}

class Cavity {
  public:
    Cavity(const Delaunay& mesh, Point2 p) : mesh_(mesh), p_(p) {}

    // What the cell of p takes from the vertex a side of the cavity ends in: the polygon
    // from the side's new Voronoi vertex through the old ones of the cavity's triangles
    // around the vertex to the new Voronoi vertex of the side starting there.
    Weight stolen(int t, int k) const {
        const Triangle& first = mesh_.triangle(t);
        const int vertex = first.v[at(k == 0 ? 2 : k - 1)];
        std::vector<Point2> polygon{new_vertex(first.v[at(after(k))], vertex)};
        for (;;) {
            const Triangle& tri = mesh_.triangle(t);
            const Point2 a = local(tri.v[0]), b = local(tri.v[1]), c = local(tri.v[2]);
            polygon.push_back(circumcentre(a, b, c));
            int m = 0;
            while (tri.v[at(m)] != vertex) ++m;
            const int across = tri.next[at(after(after(m)))];
            if (!inside(across)) {
                polygon.push_back(new_vertex(vertex, tri.v[at(after(m))]));
                break;
            }
            t = across;
        }
        return {vertex, twice_area(polygon)};
    }

    bool inside(int t) const { return mesh_.found_in_conflict(t); }

  private:
    Point2 local(int vertex) const { return minus(mesh_.points()[at(vertex)], p_); }
    Point2 new_vertex(int a, int b) const { return circumcentre(local(a), local(b)); }

    const Delaunay& mesh_;
    Point2 p_;
};

}  // namespace

std::vector<Weight> linear_weights(const Delaunay& mesh, Point2 p, int& hint) {
    const int t = mesh.locate(p, hint);
    if (t < 0 || mesh.triangle(t).ghost()) return {};
    hint = t;
    const Triangle& tri = mesh.triangle(t);
    const Point2 a = mesh.points()[at(tri.v[0])], b = mesh.points()[at(tri.v[1])],
                 c = mesh.points()[at(tri.v[2])];
    const double whole = orientation(a, b, c);
    const double wa = orientation(p, b, c) / whole, wb = orientation(a, p, c) / whole;
    return {{tri.v[0], wa}, {tri.v[1], wb}, {tri.v[2], 1 - wa - wb}};
}

std::vector<Weight> natural_neighbour_weights(const Delaunay& mesh, Point2 p, int& hint) {
    const int t = mesh.locate(p, hint);
    if (t < 0 || mesh.triangle(t).ghost()) return {};
    hint = t;
    for (int v : mesh.triangle(t).v)
        if (mesh.points()[at(v)].x == p.x && mesh.points()[at(v)].y == p.y) return {{v, 1}};
    const std::vector<int> triangles = mesh.conflicts(p, t);
    for (int c : triangles)
        if (mesh.triangle(c).ghost()) return linear_weights(mesh, p, hint);  // on the hull
    const Cavity cavity(mesh, p);
    std::vector<Weight> weights;
    double total = 0;
    for (int c : triangles) {
        for (int k = 0; k < 3; ++k) {
            if (cavity.inside(mesh.triangle(c).next[at(k)])) continue;
            weights.push_back(cavity.stolen(c, k));
            total += weights.back().weight;
        }
    }
    for (Weight& w : weights) w.weight /= total;
    return weights;
}

}  // namespace lumora::plot
