#include "view3d.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "number_format.h"

namespace lumora::plotcore {
namespace {

std::string size_problem(const char* what, double v) {
    if (std::isfinite(v) && v > 0) return {};
    return std::string("the ") + what + " " + message_number(v) + " is not a finite number above 0";
}

std::string range_problem(const char* axis, double a, double b, bool log) {
    const std::string range =
        std::string("the ") + axis + " range " + message_number(a) + " ... " + message_number(b);
    if (!std::isfinite(a) || !std::isfinite(b)) return range + " is not finite";
    if (log && (!(a > 0) || !(b > 0))) return range + " of a log axis is not above 0";
    const double lo = log ? std::log10(a) : a, hi = log ? std::log10(b) : b;
    if (lo == hi) return range + " is empty: its ends are equal";
    if (!std::isfinite(hi - lo)) return range + " is too wide";
    return {};
}

double on_axis(double v, bool log) {
    if (!log) return v;
    return v > 0 ? std::log10(v) : std::numeric_limits<double>::quiet_NaN();
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

}  // namespace

std::string view3d_problem(const View3dSetup& s) {
    for (const std::string& p :
         {size_problem("base width", s.base_width), size_problem("base depth", s.base_depth),
          size_problem("height", s.height), range_problem("x", s.x1, s.x2, s.log_x),
          range_problem("y", s.y1, s.y2, s.log_y), range_problem("z", s.z1, s.z2, s.log_z)}) {
        if (!p.empty()) return p;
    }
    if (!(s.altitude > 0 && s.altitude <= 90))
        return "the altitude " + message_number(s.altitude) +
               " is not above 0 and at most 90 degrees";
    if (!std::isfinite(s.azimuth))
        return "the azimuth " + message_number(s.azimuth) + " is not finite";
    if (!std::isfinite(s.centre_x) || !std::isfinite(s.centre_y))
        return "the frame's world has no finite middle";
    return {};
}

View3d::View3d(const View3dSetup& s) : setup_(s) {
    const double given[3][2] = {{s.x1, s.x2}, {s.y1, s.y2}, {s.z1, s.z2}};
    const bool log[3] = {s.log_x, s.log_y, s.log_z};
    for (int a = 0; a < 3; ++a)
        for (int e = 0; e < 2; ++e) ends_[a][e] = on_axis(given[a][e], log[a]);
    // The azimuth is taken modulo a turn first, so that a huge one keeps its precision.
    const double az = radians(std::fmod(s.azimuth, 360.0)), alt = radians(s.altitude);
    sin_az_ = std::sin(az);
    cos_az_ = std::cos(az);
    sin_alt_ = std::sin(alt);
    cos_alt_ = std::cos(alt);
    towards_ = {-sin_az_ * cos_alt_, -cos_az_ * cos_alt_, sin_alt_};
}

Point3 View3d::world(double x, double y, double z) const {
    return {on_axis(x, setup_.log_x), on_axis(y, setup_.log_y), on_axis(z, setup_.log_z)};
}

Point3 View3d::corner(const Corner& c) const {
    return {ends_[0][c.i], ends_[1][c.j], ends_[2][c.k]};
}

bool View3d::inside(const Point3& w) const {
    const double v[3] = {w.x, w.y, w.z};
    for (int a = 0; a < 3; ++a) {
        const double lo = std::fmin(ends_[a][0], ends_[a][1]);
        const double hi = std::fmax(ends_[a][0], ends_[a][1]);
        if (!(v[a] >= lo && v[a] <= hi)) return false;
    }
    return true;
}

Point3 View3d::box_units(const Point3& w) const {
    auto along = [&](int a, double v, double size) {
        const double lo = ends_[a][0], hi = ends_[a][1];
        return (v - (lo + hi) / 2) / (hi - lo) * size;
    };
    return {along(0, w.x, setup_.base_width), along(1, w.y, setup_.base_depth),
            along(2, w.z, setup_.height)};
}

// The box turns counterclockwise by the azimuth as seen from above (the viewer goes
// round it clockwise); the viewer looks from the side of the first y end, so that at
// azimuth 0 x runs to the right. The altitude tilts the line of sight down onto the box:
// 90 looks straight down, with y running up the page.
Point2 View3d::project(const Point3& w) const {
    const Point3 b = box_units(w);
    const double across = b.x * cos_az_ - b.y * sin_az_;
    const double away = b.x * sin_az_ + b.y * cos_az_;
    return {setup_.centre_x + across, setup_.centre_y + away * sin_alt_ + b.z * cos_alt_};
}

Point2 View3d::project_step(const Point3& b) const {
    const double across = b.x * cos_az_ - b.y * sin_az_;
    const double away = b.x * sin_az_ + b.y * cos_az_;
    return {across, away * sin_alt_ + b.z * cos_alt_};
}

double View3d::nearness(const Point3& w) const {
    const Point3 b = box_units(w);
    return b.x * towards_[0] + b.y * towards_[1] + b.z * towards_[2];
}

}  // namespace lumora::plotcore
