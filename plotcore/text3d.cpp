#include "text3d.h"

#include <cmath>

#include "batch_format.h"
#include "number_format.h"

namespace lumora::plotcore {
namespace {

constexpr double kHalfCapital = 0.35;  // of the text height, above the baseline
// Drawn only where the picture is safely more than the batch's flattest accepted one.
constexpr double kLeastArea = 2.0 * kMinTextMatrixArea;

Point3 minus(const Point3& a, const Point3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Point3 scaled(double s, const Point3& a) {
    return {s * a.x, s * a.y, s * a.z};
}
double dot(const Point3& a, const Point3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Point3 cross(const Point3& a, const Point3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double length(const Point3& a) {
    return std::sqrt(dot(a, a));
}
bool finite(const Point3& a) {
    return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}
std::string triple(const Point3& a) {
    return message_number(a.x) + ", " + message_number(a.y) + ", " + message_number(a.z);
}

// The step in box units from the text's point along a data step; NaN where there is none.
Point3 box_step(const View3d& v, const Point3& at, const Point3& step) {
    const Point3 from = v.box_units(v.world(at.x, at.y, at.z));
    const Point3 to = v.box_units(v.world(at.x + step.x, at.y + step.y, at.z + step.z));
    return minus(to, from);
}

// The text's up in box units, one long: along the shear, or upright facing the viewer; a
// zero length when the viewer looks along the baseline.
Point3 up_of(const View3d& v, const Point3& along, const Point3& shear, bool sheared) {
    if (sheared) return scaled(1 / length(shear), shear);
    const auto t = v.towards_viewer();
    const Point3 up = cross({t[0], t[1], t[2]}, along);
    const double n = length(up);
    return n > 1e-9 ? scaled(1 / n, up) : Point3{};
}

}  // namespace

Text3dPlacement place_text3d(const Frame& f, const View3d& v, const Text3d& text) {
    Text3dPlacement out;
    const Point3 w = v.world(text.at.x, text.at.y, text.at.z);
    if (!finite(text.at) || !finite(w))
        return out.problem = "the point " + triple(text.at) + " is not in the view's world", out;
    const Point3 along = box_step(v, text.at, text.along);
    const double along_length = length(along);
    if (!finite(along) || !(along_length > 0))
        return out.problem = "the direction " + triple(text.along) + " is not a direction", out;
    const Point3 unit = scaled(1 / along_length, along);
    const bool sheared = text.shear.x != 0 || text.shear.y != 0 || text.shear.z != 0;
    const Point3 shear = box_step(v, text.at, text.shear);
    if (sheared && (!finite(shear) ||
                    !(length(minus(shear, scaled(dot(shear, unit), unit))) > 1e-6 * length(shear))))
        return out.problem = "the shear " + triple(text.shear) + " runs along the baseline", out;
    const Point3 up = up_of(v, unit, shear, sheared);
    // Page pixels per world unit each way, and box units per text pixel so that a text
    // facing the viewer keeps its height.
    const double sx = f.box.width() / (f.wx2 - f.wx1), sy = f.box.height() / (f.wy2 - f.wy1);
    const double k = 1 / std::sqrt(std::fabs(sx * sy));
    const Point2 u = v.project_step(scaled(k, unit)), n = v.project_step(scaled(k, up));
    out.matrix = {sx * u.x, sx * n.x, sy * u.y, sy * n.y};
    const TextMatrix& m = out.matrix;
    for (double e : {m.xx, m.xy, m.yx, m.yy}) {
        if (!(std::fabs(e) <= kMaxTextMatrixEntry))
            return out.problem = "the frame's world stretches a text more than " +
                                 message_number(kMaxTextMatrixEntry) + " times one way",
                   out;
    }
    const Point2 p = v.project(w);
    out.anchor = {f.px(p.x), f.py(p.y)};
    out.seen = std::fabs(m.xx * m.yy - m.xy * m.yx) >= kLeastArea;
    return out;
}

Point2 text3d_start(const Text3dPlacement& placed, double width, double height,
                    double justification) {
    const TextMatrix& m = placed.matrix;
    const double u = -justification * width, v = -kHalfCapital * height;
    return {placed.anchor.x + m.xx * u + m.xy * v, placed.anchor.y + m.yx * u + m.yy * v};
}

}  // namespace lumora::plotcore
