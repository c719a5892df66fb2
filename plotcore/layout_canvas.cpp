#include "layout_canvas.h"

namespace lumora::plotcore {
namespace {

constexpr double kExponentScale = 0.7, kExponentRise = 0.45;

}  // namespace

double power_width(LayoutCanvas& canvas, const PowerText& p) {
    canvas.set_text(p.height, 0, kLeftBase, kKeep);
    const double base = canvas.measure_text(p.base).width;
    canvas.set_text(p.height * kExponentScale, 0, kLeftBase, kKeep);
    return base + canvas.measure_text(p.exponent).width;
}

void draw_power(LayoutCanvas& canvas, double x, double y, const PowerText& p, int colour) {
    canvas.set_text(p.height, 0, kLeftBase, colour);
    const double base = canvas.measure_text(p.base).width;
    canvas.draw_text(x, y, p.base);
    canvas.set_text(p.height * kExponentScale, 0, kLeftBase, colour);
    canvas.draw_text(x + base, y + p.height * kExponentRise, p.exponent);
}

}  // namespace lumora::plotcore
