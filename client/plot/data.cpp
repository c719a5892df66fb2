#include "data.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "client/include/lumora.h"
#include "data_transform.h"
#include "entry.h"

namespace lumora::plot {
namespace {

double on_axis(double v, bool log) {
    if (!log) return v;
    return v > 0 ? std::log10(v) : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

bool has_points(int n, int least, std::initializer_list<const void*> arrays,
                const char* points_call) {
    if (n < least) {
        const std::string given = "n = " + std::to_string(n);
        if (least == 1) return refuse(given + ": there are no points to draw") != 0;
        return refuse("a line needs at least 2 points, not " + given + " (" + points_call +
                      " draws single points)") != 0;
    }
    for (const void* a : arrays) {
        if (a == nullptr) return refuse("an array of values is a null pointer") != 0;
    }
    return true;
}

DataTarget data_target() {
    DataTarget t;
    t.page = current_page();
    if (!t.page.ok) return refuse_no_window(), t;
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    WindowPlot& s = plot_state(window);
    if (!s.frame.set) return refuse_no_frame(window), t;
    t.window = window;
    t.state = &s;
    return t;
}

double world_x(const Frame& f, double x) {
    return on_axis(x, f.log_x);
}

double world_y(const Frame& f, double y) {
    return on_axis(y, f.log_y);
}

WorldRect world_rect(const Frame& f) {
    return {std::min(f.wx1, f.wx2), std::min(f.wy1, f.wy2), std::max(f.wx1, f.wx2),
            std::max(f.wy1, f.wy2)};
}

WorldRect data_rect(const Frame& f) {
    // Data that go through a transform are cut once they are in the world.
    constexpr double kAll = std::numeric_limits<double>::infinity();
    if (transforming()) return {-kAll, -kAll, kAll, kAll};
    return world_rect(f);
}

double world_dx(const Frame& f, double pixels) {
    return pixels * std::fabs(f.wx2 - f.wx1) / f.box.width();
}

double world_dy(const Frame& f, double pixels) {
    return pixels * std::fabs(f.wy2 - f.wy1) / f.box.height();
}

void draw_world_line(const Frame& f, const std::vector<double>& points) {
    use_frame_space(f);
    for (const std::vector<double>& run : clip_line(data_rect(f), points)) {
        std::vector<float> sent(run.begin(), run.end());
        draw_polyline(sent);
    }
}

bool plot_marker(const Frame& f, int code, double pixels, MarkerLook& look) {
    const int type = code % 10, filled = code / 10;
    if (type < 1 || type > 6 || filled > 1 || code < 0) {
        refuse("marker " + std::to_string(code) +
               " is not a marker code: 1 ... 6, or 11 ... 16 filled");
        return false;
    }
    look = {type, filled == 1, pixels, world_dy(f, pixels)};
    return true;
}

}  // namespace lumora::plot
