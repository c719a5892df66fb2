#include "frame_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "time_format.h"

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

namespace {

// A value in the digits that one pixel's step (in the axis's world) still changes.
std::string readout_value(double world, double step, bool log) {
    char text[64];
    if (log) {
        // A step of s in log10 is a relative change of s ln 10.
        const int digits = std::clamp(
            static_cast<int>(std::ceil(-std::log10(std::fabs(step) * 2.302585))) + 1, 1, 15);
        std::snprintf(text, sizeof text, "%.*g", digits, std::pow(10.0, world));
        return text;
    }
    const double size = std::max(std::fabs(world), std::fabs(step));
    const int digits =
        std::clamp(static_cast<int>(std::ceil(std::log10(size / std::fabs(step)))) + 1, 1, 15);
    std::snprintf(text, sizeof text, "%.*g", digits, world == 0 ? 0.0 : world);
    return text;
}

}  // namespace

std::string point_readout(const Frame& f, double x, double y) {
    if (f.box.width() <= 0 || f.box.height() <= 0) return {};
    const Span sx = x_span(f), sy = y_span(f);
    const double wx = world_at(sx, f.box.x0, f.box.x1, x), wy = world_at(sy, f.box.y0, f.box.y1, y);
    const double step_x = (sx.hi - sx.lo) / f.box.width(),
                 step_y = (sy.hi - sy.lo) / f.box.height();
    if (!std::isfinite(wx) || !std::isfinite(wy) || step_x == 0 || step_y == 0) return {};
    std::string text = "x = ";
    if (f.time_x) {
        const std::string& own = f.setup.formats.time;
        const bool usable_format = !own.empty() && time_format_problem(own).empty();
        text += format_time(usable_format ? own : "%Y-%m-%d %H:%M:%S", f.setup.time_origin + wx,
                            std::fabs(step_x));
    } else {
        text += readout_value(wx, step_x, f.log_x);
    }
    return text + "  y = " + readout_value(wy, step_y, f.log_y);
}

}  // namespace lumora::plotcore
