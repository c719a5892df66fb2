#include "stroke_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace luwnd::render::raster {
namespace {

// How far an arc's chords may fall inside the arc, in pixels.
constexpr double kArcTolerance = 0.03;
constexpr int kMaxArcSteps = 256;

Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
Point operator*(Point a, double s) {
    return {a.x * s, a.y * s};
}
double cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}
double dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}

class OutlineBuilder {
  public:
    OutlineBuilder(const StrokeStyle& style, std::vector<Point>& out)
        : style_(style), radius_(style.width / 2), out_(out) {}

    // The arc around the centre from the direction `from` (a unit vector) turning by
    // `sweep` radians; its first point is not added, its last is. The chords lie a little
    // outside the circle, so that their figure has the circle's area.
    void arc(Point centre, Point from, double sweep) {
        const double step = 2 * std::acos(std::max(1 - kArcTolerance / radius_, -1.0));
        const int steps = std::clamp(
            static_cast<int>(std::ceil(std::fabs(sweep) / std::max(step, 1e-3))), 1, kMaxArcSteps);
        const double angle = std::fabs(sweep) / steps;
        const double scale = angle < 3 ? std::sqrt(angle / std::sin(angle)) : 1.0;
        const double start = std::atan2(from.y, from.x);
        for (int k = 1; k < steps; ++k) {
            const double a = start + sweep * k / steps;
            out_.push_back(centre + Point{std::cos(a), std::sin(a)} * (radius_ * scale));
        }
        const double end = start + sweep;
        out_.push_back(centre + Point{std::cos(end), std::sin(end)} * radius_);
    }

    // The corner at p from the side of normal a to the side of normal b, where that side
    // is outside the corner and the line turns by `turn` radians.
    void outer_join(Point p, Point a, Point b, double turn) {
        if (style_.join == Join::kRound) {
            arc(p, a, turn);
            return;
        }
        const double half = std::cos(turn / 2);
        if (half > 0 && 1 / half <= style_.miter_limit) {
            const Point bisector = a + b;
            const double length = std::hypot(bisector.x, bisector.y);
            if (length > 0) out_.push_back(p + bisector * (radius_ / half / length));
        }
        out_.push_back(p + b * radius_);
    }

    // One side of the line at the corner p, between the segments of normals a and b
    // (turned to this side), the line turning by `turn` radians towards this side: a
    // turn away from it makes it the outer side.
    void corner(Point p, Point a, Point b, double turn) {
        out_.push_back(p + a * radius_);
        if (turn < 0) {
            outer_join(p, a, b, turn);
        } else {
            if (turn > 0) out_.push_back(p);
            out_.push_back(p + b * radius_);
        }
    }

    void cap(Point p, Point normal) {
        if (style_.cap == Cap::kRound)
            arc(p, normal, -std::numbers::pi);
        else
            out_.push_back(p - normal * radius_);
    }

  private:
    const StrokeStyle& style_;
    double radius_;
    std::vector<Point>& out_;
};

std::vector<Point> distinct_points(std::span<const Point> points, bool closed) {
    std::vector<Point> out;
    out.reserve(points.size());
    for (const Point& p : points)
        if (out.empty() || p != out.back()) out.push_back(p);
    if (closed)
        while (out.size() > 1 && out.back() == out.front()) out.pop_back();
    return out;
}

// The turn from one direction to the next, in radians (0: straight on).
double turn_of(Point a, Point b) {
    return std::atan2(cross(a, b), dot(a, b));
}

void add_dot(Point p, const StrokeStyle& style, CoverageRaster& raster) {
    std::vector<Point> out;
    OutlineBuilder builder(style, out);
    builder.arc(p, {1, 0}, 2 * std::numbers::pi);
    raster.add_polygon(out);
}

}  // namespace

void add_stroke_outline(std::span<const Point> points, bool closed, const StrokeStyle& style,
                        CoverageRaster& raster) {
    if (!(style.width > 0) || !std::isfinite(style.width)) return;
    const std::vector<Point> p = distinct_points(points, closed);
    if (p.size() < 2) {
        if (p.size() == 1 && style.cap == Cap::kRound) add_dot(p[0], style, raster);
        return;
    }
    const std::size_t n = p.size(), segments = closed ? n : n - 1;
    std::vector<Point> normal(segments);
    for (std::size_t i = 0; i < segments; ++i) {
        const Point d = p[(i + 1) % n] - p[i];
        const double length = std::hypot(d.x, d.y);
        normal[i] = {-d.y / length, d.x / length};
    }
    std::vector<Point> out;
    OutlineBuilder builder(style, out);
    const double r = style.width / 2;
    // The turn at each corner. A line that runs straight back turns by pi one way or the
    // other; the two sides must see it turn opposite ways, so that one of them goes round.
    std::vector<double> turn(n, 0.0);
    for (std::size_t j = closed ? 0 : 1; j < (closed ? n : n - 1); ++j)
        turn[j] = turn_of(normal[(j + segments - 1) % segments], normal[j]);
    // Left side forward. In a closed figure every point is a corner.
    if (!closed) out.push_back(p[0] + normal[0] * r);
    for (std::size_t j = closed ? 0 : 1; j < (closed ? n : n - 1); ++j)
        builder.corner(p[j], normal[(j + segments - 1) % segments], normal[j], turn[j]);
    if (closed) {
        raster.add_polygon(out);
        out.clear();
    } else {
        out.push_back(p[n - 1] + normal[segments - 1] * r);
        builder.cap(p[n - 1], normal[segments - 1]);
    }
    // Right side back, the normals turned to that side.
    for (std::size_t k = closed ? n : n - 1; k-- > (closed ? 0 : 1);) {
        const Point a = normal[k % segments] * -1, b = normal[(k + segments - 1) % segments] * -1;
        builder.corner(p[k], a, b, -turn[k]);
    }
    if (!closed) {
        out.push_back(p[0] - normal[0] * r);
        builder.cap(p[0], normal[0] * -1);
    }
    raster.add_polygon(out);
}

}  // namespace luwnd::render::raster
