// The transforms lu_set_plot_transform_code provides: polar coordinates and map
// projections of longitude and latitude in degrees, one world unit a degree along the
// equator.
#include <cmath>
#include <numbers>

#include "entry.h"
#include "plot_transform.h"

namespace lumora::plot {
namespace {

constexpr double kRadian = std::numbers::pi / 180;
constexpr double kDegreesPerRadian = 180 / std::numbers::pi;  // the sphere's radius

bool polar(double turn, double zero, double r, double angle, double& tx, double& ty) {
    const double a = (angle - zero) / (turn == 0 ? 360 : turn) * 2 * std::numbers::pi;
    tx = r * std::cos(a);
    ty = r * std::sin(a);
    return true;
}

bool on_globe(double lat) {
    return std::fabs(lat) <= 90;
}

bool orthographic(double lon0, double lat0, double lon, double lat, double& tx, double& ty) {
    const double dl = (lon - lon0) * kRadian, phi = lat * kRadian, phi0 = lat0 * kRadian;
    // The far side of the globe, where the cosine of the distance from the centre is < 0.
    const double near =
        std::sin(phi0) * std::sin(phi) + std::cos(phi0) * std::cos(phi) * std::cos(dl);
    if (!on_globe(lat) || near < 0) return false;
    tx = kDegreesPerRadian * std::cos(phi) * std::sin(dl);
    ty = kDegreesPerRadian *
         (std::cos(phi0) * std::sin(phi) - std::sin(phi0) * std::cos(phi) * std::cos(dl));
    return true;
}

bool mercator(double lon0, double lon, double lat, double& tx, double& ty) {
    if (!(std::fabs(lat) < 90)) return false;
    tx = lon - lon0;
    ty = kDegreesPerRadian * std::log(std::tan(std::numbers::pi / 4 + lat * kRadian / 2));
    return true;
}

bool latitude_in(double v, double bound) {
    return std::isfinite(v) && std::fabs(v) <= bound;
}

}  // namespace

std::string transform_code_problem(int code, double p1, double p2) {
    const std::string given = "transform " + std::to_string(code) +
                              " with p1 = " + number_text(p1) + ", p2 = " + number_text(p2);
    if (code < LU_TRANSFORM_POLAR || code > LU_TRANSFORM_SINUSOIDAL)
        return "transform " + std::to_string(code) +
               " is none of LU_TRANSFORM_POLAR ... LU_TRANSFORM_SINUSOIDAL (21 ... 25), or 0 "
               "for none";
    if (!std::isfinite(p1) || !std::isfinite(p2)) return given + ": the parameters must be finite";
    switch (code) {
        case LU_TRANSFORM_POLAR:
            return p1 >= 0 ? "" : given + ": a full turn (p1) must be above 0, or 0 for 360";
        case LU_TRANSFORM_EQUIRECTANGULAR:
            return latitude_in(p2, 89) ? ""
                                       : given + ": the true-scale latitude p2 must be -89 ... 89";
        case LU_TRANSFORM_ORTHOGRAPHIC:
            return latitude_in(p2, 90) ? ""
                                       : given + ": the centre's latitude p2 must be -90 ... 90";
        default:
            return p2 == 0 ? "" : given + ": p2 must be 0";
    }
}

bool provided_transform(int code, double p1, double p2, double x, double y, double& tx,
                        double& ty) {
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    switch (code) {
        case LU_TRANSFORM_POLAR:
            return polar(p1, p2, x, y, tx, ty);
        case LU_TRANSFORM_EQUIRECTANGULAR:
            if (!on_globe(y)) return false;
            tx = (x - p1) * std::cos(p2 * kRadian), ty = y;
            return true;
        case LU_TRANSFORM_MERCATOR:
            return mercator(p1, x, y, tx, ty);
        case LU_TRANSFORM_ORTHOGRAPHIC:
            return orthographic(p1, p2, x, y, tx, ty);
        case LU_TRANSFORM_SINUSOIDAL:
            if (!on_globe(y)) return false;
            tx = (x - p1) * std::cos(y * kRadian), ty = y;
            return true;
        default:
            return false;
    }
}

}  // namespace lumora::plot
