#include "frame_view.h"

#include <algorithm>
#include <cmath>

namespace lumora::plotcore {
namespace {

// Spans narrower than this part of their ends' size cannot be told apart by the numbers.
constexpr double kLeastRelativeSpan = 1e-9;

struct Span {
    double lo, hi;  // world values at the box's left (bottom) and right (top) edges
};

Span x_span(const Frame& f) {
    return {f.wx1, f.wx2};
}
Span y_span(const Frame& f) {
    return {f.wy1, f.wy2};
}

double world_at(const Span& s, double edge0, double edge1, double p) {
    return s.lo + (p - edge0) / (edge1 - edge0) * (s.hi - s.lo);
}

bool usable(const Span& s) {
    const double size = std::max({std::fabs(s.lo), std::fabs(s.hi), 1e-300});
    return std::isfinite(s.lo) && std::isfinite(s.hi) &&
           std::fabs(s.hi - s.lo) > kLeastRelativeSpan * size;
}

// The data ranges of world spans in the frame's own order, if the frame can show them.
std::optional<Ranges> ranges_for(const Frame& f, const Span& x, const Span& y) {
    if (!usable(x) || !usable(y)) return std::nullopt;
    const auto data = [](double w, bool log) { return log ? std::pow(10.0, w) : w; };
    Ranges r{data(x.lo, f.log_x), data(x.hi, f.log_x), data(y.lo, f.log_y), data(y.hi, f.log_y)};
    Frame check;
    if (frame_world(with_ranges(f.setup, r), check) != Ends::kOk) return std::nullopt;
    return r;
}

}  // namespace

Ranges ranges_of(const FrameSetup& setup) {
    return {setup.x1, setup.x2, setup.y1, setup.y2};
}

FrameSetup with_ranges(FrameSetup setup, const Ranges& r) {
    setup.x1 = r.x1;
    setup.x2 = r.x2;
    setup.y1 = r.y1;
    setup.y2 = r.y2;
    return setup;
}

std::optional<Ranges> zoom_about(const Frame& f, double x, double y, double factor) {
    if (!(factor > 0) || !std::isfinite(factor) || f.box.width() <= 0 || f.box.height() <= 0)
        return std::nullopt;
    const auto about = [factor](const Span& s, double at) {
        return Span{at + (s.lo - at) / factor, at + (s.hi - at) / factor};
    };
    const Span sx = x_span(f), sy = y_span(f);
    return ranges_for(f, about(sx, world_at(sx, f.box.x0, f.box.x1, x)),
                      about(sy, world_at(sy, f.box.y0, f.box.y1, y)));
}

std::optional<Ranges> pan_by(const Frame& f, double dx, double dy) {
    if (f.box.width() <= 0 || f.box.height() <= 0) return std::nullopt;
    const Span sx = x_span(f), sy = y_span(f);
    const double wx = dx / f.box.width() * (sx.hi - sx.lo);
    const double wy = dy / f.box.height() * (sy.hi - sy.lo);
    return ranges_for(f, {sx.lo - wx, sx.hi - wx}, {sy.lo - wy, sy.hi - wy});
}

std::optional<Ranges> zoom_to(const Frame& f, const Rect& r) {
    if (f.box.width() <= 0 || f.box.height() <= 0 || !(r.width() > 0) || !(r.height() > 0))
        return std::nullopt;
    const Span sx = x_span(f), sy = y_span(f);
    return ranges_for(
        f, {world_at(sx, f.box.x0, f.box.x1, r.x0), world_at(sx, f.box.x0, f.box.x1, r.x1)},
        {world_at(sy, f.box.y0, f.box.y1, r.y0), world_at(sy, f.box.y0, f.box.y1, r.y1)});
}

}  // namespace lumora::plotcore
