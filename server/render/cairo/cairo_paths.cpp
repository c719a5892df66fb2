#include "cairo_paths.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace luwnd::render {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

// Parameter angle of the ellipse point that lies in the direction (counterclockwise on
// the screen) seen from the centre.
double parameter_of(double direction, double rx, double ry) {
    return std::atan2(std::sin(direction) / ry, std::cos(direction) / rx);
}

}  // namespace

Box shifted(const Box& box, double offset) {
    return {box.left + offset, box.top + offset, box.right + offset, box.bottom + offset};
}

void points_path(cairo_t* cr, std::span<const Point> points, double offset, bool close) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i == 0) {
            cairo_move_to(cr, points[i].x + offset, points[i].y + offset);
        } else {
            cairo_line_to(cr, points[i].x + offset, points[i].y + offset);
        }
    }
    if (close && !points.empty()) cairo_close_path(cr);
}

void bezier_path(cairo_t* cr, std::span<const Point> points, double offset) {
    if (points.empty()) return;
    cairo_move_to(cr, points[0].x + offset, points[0].y + offset);
    for (std::size_t i = 1; i + 2 < points.size(); i += 3) {
        cairo_curve_to(cr, points[i].x + offset, points[i].y + offset, points[i + 1].x + offset,
                       points[i + 1].y + offset, points[i + 2].x + offset,
                       points[i + 2].y + offset);
    }
}

void ellipse_path(cairo_t* cr, const Box& box) {
    double rx = (box.right - box.left) / 2, ry = (box.bottom - box.top) / 2;
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, box.left + rx, box.top + ry);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, kTurn);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void rounded_path(cairo_t* cr, const Box& box, double corner_width, double corner_height) {
    double rx = std::min(corner_width, box.right - box.left) / 2;
    double ry = std::min(corner_height, box.bottom - box.top) / 2;
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
        return;
    }
    // Corners clockwise from the top right; each is a quarter of the corner ellipse.
    const double centres[4][2] = {{box.right - rx, box.top + ry},
                                  {box.right - rx, box.bottom - ry},
                                  {box.left + rx, box.bottom - ry},
                                  {box.left + rx, box.top + ry}};
    cairo_new_sub_path(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, centres[i][0], centres[i][1]);
        cairo_scale(cr, rx, ry);
        double from = -std::numbers::pi / 2 + i * std::numbers::pi / 2;
        cairo_arc(cr, 0, 0, 1, from, from + std::numbers::pi / 2);
        cairo_restore(cr);
    }
    cairo_close_path(cr);
}

void arc_path(cairo_t* cr, const Box& box, double start, double end, ArcShape shape) {
    double rx = (box.right - box.left) / 2, ry = (box.bottom - box.top) / 2;
    if (rx <= 0 || ry <= 0) return;
    double from = parameter_of(start, rx, ry), to = parameter_of(end, rx, ry);
    if (!std::isfinite(from) || !std::isfinite(to)) return;
    if (to <= from) to += kTurn;  // both lie in -pi .. pi; equal: the whole ellipse
    cairo_save(cr);
    cairo_translate(cr, box.left + rx, box.top + ry);
    cairo_scale(cr, rx, -ry);  // y up, so that growing angles run counterclockwise
    cairo_new_sub_path(cr);
    if (shape == ArcShape::kPie) cairo_move_to(cr, 0, 0);
    cairo_arc(cr, 0, 0, 1, from, to);
    if (shape != ArcShape::kOpen) cairo_close_path(cr);
    cairo_restore(cr);
}

}  // namespace luwnd::render
