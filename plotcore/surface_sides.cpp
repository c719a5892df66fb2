#include "surface_sides.h"

#include <cmath>

namespace lumora::plotcore {
namespace {

// Whether the border at grid index `edge` of an axis (its first or last) faces the
// viewer: its outward step in box units goes the way the viewer stands.
bool faces_viewer(const View3d& view, const std::vector<double>& along, int axis, bool last) {
    const std::size_t n = along.size();
    const double outer = last ? along[n - 1] : along[0], inner = last ? along[n - 2] : along[1];
    Point3 a, b;
    (axis == 0 ? a.x : a.y) = outer;
    (axis == 0 ? b.x : b.y) = inner;
    const Point3 ua = view.box_units(a), ub = view.box_units(b);
    const double outward = axis == 0 ? ua.x - ub.x : ua.y - ub.y;
    // Seen straight from above, the rounding of the angle leaves a trace of a component.
    constexpr double kEdgeOn = 1e-9;
    const double towards = view.towards_viewer()[static_cast<std::size_t>(axis)];
    return std::fabs(towards) > kEdgeOn && outward * towards > 0;
}

void add_border(const View3d& view, const HeightField& field, bool along_x, int at,
                std::vector<SidePiece>& pieces) {
    const int n = along_x ? field.nx() : field.ny();
    const double base = view.end(2, 0);
    for (int k = 0; k + 1 < n; ++k) {
        const Point3 a = along_x ? field.at(k, at) : field.at(at, k);
        const Point3 b = along_x ? field.at(k + 1, at) : field.at(at, k + 1);
        if (!within_box(view, a) || !within_box(view, b)) continue;
        pieces.push_back({a, b, Point3{b.x, b.y, base}, Point3{a.x, a.y, base}});
    }
}

}  // namespace

std::vector<SidePiece> front_sides(const View3d& view, const HeightField& field) {
    std::vector<SidePiece> pieces;
    if (field.nx() < 2 || field.ny() < 2) return pieces;
    for (bool last : {false, true}) {
        if (faces_viewer(view, field.x, 0, last))
            add_border(view, field, false, last ? field.nx() - 1 : 0, pieces);
        if (faces_viewer(view, field.y, 1, last))
            add_border(view, field, true, last ? field.ny() - 1 : 0, pieces);
    }
    return pieces;
}

}  // namespace lumora::plotcore
