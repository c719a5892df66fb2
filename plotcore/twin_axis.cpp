#include "twin_axis.h"

#include <algorithm>

#include "axes.h"
#include "client/include/lumora_plot.h"
#include "marked_text.h"

namespace lumora::plotcore {
namespace {

constexpr double kLabelGap = 0.5;  // between the numbers and the label, in text heights

}  // namespace

bool has_room_for(const Frame& f, bool x_axis) {
    return (f.setup.options & (x_axis ? LU_PLOT_ROOM_TWIN_X : LU_PLOT_ROOM_TWIN_Y)) != 0;
}

Ends use_twin_world(Frame& f, const TwinAxis& t) {
    double lo = 0, hi = 1;
    const Ends ends = axis_world(t.v1, t.v2, t.log, lo, hi);
    if (ends != Ends::kOk) return ends;
    if (t.x_axis) {
        f.wx1 = lo;
        f.wx2 = hi;
        f.log_x = t.log;
        f.time_x = false;
        f.setup.formats.x = t.format;
    } else {
        f.wy1 = lo;
        f.wy2 = hi;
        f.log_y = t.log;
        f.setup.formats.y = t.format;
    }
    return Ends::kOk;
}

void draw_twin(LayoutCanvas& c, Frame& f, const TwinAxis& t) {
    if (use_twin_world(f, t) != Ends::kOk) return;
    const AxisOptions twin =
        parse_axis_options(t.log ? "cmstl" : "cmst", t.look.step, t.look.subticks);
    const int frame_numbers = f.setup.style.numbers;
    f.setup.style.numbers = own_or_frame(t.look.numbers_colour, frame_numbers);
    draw_box(c, f, t.x_axis ? twin : AxisOptions{}, t.x_axis ? AxisOptions{} : twin,
             f.setup.time_origin);
    f.setup.style.numbers = frame_numbers;
    if (t.label.empty()) return;
    const double h = f.text_height;
    const int colour = own_or_frame(t.look.label_colour, f.setup.style.labels);
    if (t.x_axis) {
        const double base = f.box.y1 + std::max(f.top_numbers_height, 0.3 * h) + 0.4 * h;
        draw_marked_text(c, (f.box.x0 + f.box.x1) / 2, base, t.label,
                         {h, 0, kCentreBottom, colour});
        // The title keeps clear of the label.
        f.top_numbers_height = std::max(f.top_numbers_height, base - f.box.y1 + 1.3 * h);
    } else {
        const double x = f.box.x1 + std::max(f.right_numbers_width, 0.3 * h) + kLabelGap * h;
        draw_marked_text(c, x, (f.box.y0 + f.box.y1) / 2, t.label, {h, 0.25, kCentreTop, colour});
    }
}

}  // namespace lumora::plotcore
