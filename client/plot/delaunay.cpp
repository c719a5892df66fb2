#include "delaunay.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "insertion_order.h"

namespace lumora::plot {
namespace {

constexpr int kDead = -2;  // v[0] of a triangle slot waiting to be reused

std::size_t at(int k) {
    return static_cast<std::size_t>(k);
}

int after(int k) {
    return k == 2 ? 0 : k + 1;
}

int before(int k) {
    return k == 0 ? 2 : k - 1;
}

// Whether p lies strictly between a and b, three points on one line.
bool inside_segment(Point2 a, Point2 b, Point2 p) {
    if (a.x != b.x) return (p.x > a.x && p.x < b.x) || (p.x < a.x && p.x > b.x);
    return (p.y > a.y && p.y < b.y) || (p.y < a.y && p.y > b.y);
}

// Turns the triangle so that the vertex at infinity, if it has one, comes last.
void put_infinity_last(Triangle& t) {
    while (t.v[0] == kInfinite || t.v[1] == kInfinite) {
        std::rotate(t.v.begin(), t.v.begin() + 1, t.v.end());
        std::rotate(t.next.begin(), t.next.begin() + 1, t.next.end());
    }
}

}  // namespace

Delaunay::Delaunay(std::vector<Point2> points) : points_(std::move(points)) {
    std::vector<int> order = insertion_order(points_);
    if (order.size() < 3) return;
    const Point2 a = points_[at(order[0])], b = points_[at(order[1])];
    std::size_t third = 2;
    while (third < order.size() && orientation(a, b, points_[at(order[third])]) == 0) ++third;
    if (third == order.size()) return;  // all on one line
    std::swap(order[2], order[third]);
    start_of_.assign(points_.size() + 1, -1);
    start_with(order[0], order[1], order[2]);
    for (std::size_t k = 3; k < order.size(); ++k) insert(order[k]);
}

bool Delaunay::alive(int t) const {
    return t >= 0 && at(t) < triangles_.size() && triangles_[at(t)].v[0] != kDead;
}

int Delaunay::new_triangle(const Triangle& t) {
    if (!free_.empty()) {
        const int slot = free_.back();
        free_.pop_back();
        triangles_[at(slot)] = t;
        return slot;
    }
    triangles_.push_back(t);
    mark_.push_back(0);
    return static_cast<int>(triangles_.size() - 1);
}

// The first triangle and its three ghosts, each linked to those it shares a side with.
void Delaunay::start_with(int a, int b, int c) {
    if (orientation(points_[at(a)], points_[at(b)], points_[at(c)]) < 0) std::swap(b, c);
    const std::array<std::array<int, 3>, 4> corners{
        {{a, b, c}, {b, a, kInfinite}, {c, b, kInfinite}, {a, c, kInfinite}}};
    for (const auto& v : corners) new_triangle({v, {-1, -1, -1}});
    for (int t = 0; t < 4; ++t) {
        for (int k = 0; k < 3; ++k) {
            const int p = triangles_[at(t)].v[at(after(k))], q = triangles_[at(t)].v[at(before(k))];
            for (int u = 0; u < 4; ++u) {
                const auto& w = triangles_[at(u)].v;
                const bool has_p = std::find(w.begin(), w.end(), p) != w.end();
                const bool has_q = std::find(w.begin(), w.end(), q) != w.end();
                if (u != t && has_p && has_q) triangles_[at(t)].next[at(k)] = u;
            }
        }
    }
    last_ = 0;
}

bool Delaunay::in_conflict(int t, Point2 p) const {
    const Triangle& tri = triangles_[at(t)];
    const Point2 a = points_[at(tri.v[0])], b = points_[at(tri.v[1])];
    if (tri.ghost()) {
        const double side = orientation(a, b, p);
        return side > 0 || (side == 0 && inside_segment(a, b, p));
    }
    return in_circle(a, b, points_[at(tri.v[2])], p) > 0;
}

std::vector<int> Delaunay::conflicts(Point2 p, int from) const {
    std::vector<int> found;
    if (!alive(from) || !in_conflict(from, p)) return found;
    ++stamp_;
    found.push_back(from);
    mark_[at(from)] = stamp_;
    for (std::size_t k = 0; k < found.size(); ++k) {
        for (int n : triangles_[at(found[k])].next) {
            if (mark_[at(n)] == stamp_) continue;
            mark_[at(n)] = stamp_;
            if (in_conflict(n, p)) found.push_back(n);
        }
    }
    ++stamp_;  // the marks of the triangles looked at and left out are no longer wanted
    for (int t : found) mark_[at(t)] = stamp_;
    return found;
}

// Replaces the triangles in conflict with the new vertex by a fan of triangles from it
// to the sides around them, and links the fan to its neighbours and to itself.
void Delaunay::insert(int vertex) {
    const Point2 p = points_[at(vertex)];
    const std::vector<int> cavity = conflicts(p, locate(p, last_));
    if (cavity.empty()) return;  // only a point already present would find none
    const unsigned in_cavity = stamp_;
    std::vector<int> fan;
    for (int c : cavity) {
        for (int k = 0; k < 3; ++k) {
            const int outside = triangles_[at(c)].next[at(k)];
            if (mark_[at(outside)] == in_cavity) continue;
            const int a = triangles_[at(c)].v[at(after(k))], b = triangles_[at(c)].v[at(before(k))];
            const int t = new_triangle({{a, b, vertex}, {-1, -1, outside}});
            Triangle& across = triangles_[at(outside)];
            for (int m = 0; m < 3; ++m)
                if (across.v[at(m)] != a && across.v[at(m)] != b) across.next[at(m)] = t;
            start_of_[at(a + 1)] = t;
            fan.push_back(t);
        }
    }
    for (int c : cavity) {
        triangles_[at(c)].v[0] = kDead;
        free_.push_back(c);
    }
    for (int t : fan) {
        const int next = start_of_[at(triangles_[at(t)].v[1] + 1)];
        triangles_[at(t)].next[0] = next;
        triangles_[at(next)].next[1] = t;
    }
    for (int t : fan) {
        put_infinity_last(triangles_[at(t)]);
        if (!triangles_[at(t)].ghost()) last_ = t;
    }
}

int Delaunay::locate(Point2 p, int start) const {
    if (!has_area()) return -1;
    if (!alive(start)) start = alive(last_) ? last_ : 0;
    while (!alive(start)) ++start;
    return walk(p, start);
}

// Steps across a side with p strictly beyond it until no side has; the side to try first
// is chosen at random, so the walk cannot circle. Falls back to looking at every
// triangle should it take longer than any walk can.
int Delaunay::walk(Point2 p, int t) const {
    if (triangles_[at(t)].ghost()) t = triangles_[at(t)].next[2];
    const std::size_t limit = 4 * triangles_.size() + 16;
    for (std::size_t step = 0; step < limit; ++step) {
        const Triangle& tri = triangles_[at(t)];
        if (tri.ghost()) return t;
        random_ = random_ * 1103515245u + 12345u;
        const int first = static_cast<int>((random_ >> 16) % 3);
        int moved = -1;
        for (int i = 0; i < 3 && moved < 0; ++i) {
            const int k = (first + i) % 3;
            const Point2 a = points_[at(tri.v[at(after(k))])],
                         b = points_[at(tri.v[at(before(k))])];
            if (orientation(a, b, p) < 0) moved = tri.next[at(k)];
        }
        if (moved < 0) return t;
        t = moved;
    }
    return scan(p);
}

int Delaunay::scan(Point2 p) const {
    int beyond = -1;
    for (std::size_t t = 0; t < triangles_.size(); ++t) {
        const Triangle& tri = triangles_[t];
        if (tri.v[0] == kDead) continue;
        if (tri.ghost()) {
            if (orientation(points_[at(tri.v[0])], points_[at(tri.v[1])], p) > 0)
                beyond = static_cast<int>(t);
            continue;
        }
        bool inside = true;
        for (int k = 0; k < 3 && inside; ++k)
            inside = orientation(points_[at(tri.v[at(after(k))])],
                                 points_[at(tri.v[at(before(k))])], p) >= 0;
        if (inside) return static_cast<int>(t);
    }
    return beyond;
}

std::vector<std::array<int, 3>> Delaunay::real_triangles() const {
    std::vector<std::array<int, 3>> out;
    for (const Triangle& t : triangles_)
        if (t.v[0] != kDead && !t.ghost()) out.push_back(t.v);
    return out;
}

int Delaunay::hull_size() const {
    int count = 0;
    for (const Triangle& t : triangles_)
        if (t.v[0] != kDead && t.ghost()) ++count;
    return count;
}

}  // namespace lumora::plot
