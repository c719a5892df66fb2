// The entry points of 3-D views: the view on the current frame, its box, and lines and
// points in it.
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "data.h"
#include "entry.h"
#include "fortran_text.h"
#include "plotcore/box3d.h"
#include "plotcore/clip3d.h"
#include "view3d_target.h"

using namespace lumora::plot;
using lumora::plotcore::Point3;
using lumora::plotcore::View3d;
using lumora::plotcore::View3dSetup;

namespace lumora::plot {

DataTarget view_target() {
    DataTarget t = data_target();
    if (t.window == 0) return t;
    if (!t.state->view3d || t.state->view3d_frame != t.frame().id) {
        refuse("window " + std::to_string(t.window) +
               "'s frame has no 3-D view: call lu_plot_view3d first");
        t.window = 0;
    }
    return t;
}

void draw_runs(const Page& page, const Frame& frame, const std::vector<plotcore::Run2>& runs) {
    use_frame_world(page, frame);
    for (const auto& run : runs) {
        std::vector<float> xy;
        xy.reserve(2 * run.size());
        for (const plotcore::Point2& p : run) {
            xy.push_back(static_cast<float>(p.x));
            xy.push_back(static_cast<float>(p.y));
        }
        draw_polyline(xy);
    }
}

}  // namespace lumora::plot

namespace {

constexpr int kViewOptions = LU_VIEW3D_LOG_X | LU_VIEW3D_LOG_Y | LU_VIEW3D_LOG_Z;
constexpr double kMarkerSize = 0.6;  // in text heights, as lu_plot_points draws them

int set_view(View3dSetup setup, int options) {
    const DataTarget t = data_target();
    if (t.window == 0) return 0;
    if ((options & ~kViewOptions) != 0)
        return refuse("options " + std::to_string(options) +
                      " are not a sum of LU_VIEW3D_LOG_X, _Y and _Z");
    const Frame& f = t.frame();
    setup.log_x = (options & LU_VIEW3D_LOG_X) != 0;
    setup.log_y = (options & LU_VIEW3D_LOG_Y) != 0;
    setup.log_z = (options & LU_VIEW3D_LOG_Z) != 0;
    setup.centre_x = f.wx1 / 2 + f.wx2 / 2;
    setup.centre_y = f.wy1 / 2 + f.wy2 / 2;
    const std::string problem = lumora::plotcore::view3d_problem(setup);
    if (!problem.empty()) return refuse(problem);
    t.state->view3d.emplace(setup);
    t.state->view3d_frame = f.id;
    return t.window;
}

struct AxisText {
    const char* options;
    const char* label;
    float step;
    int subticks;
};

int draw_box(const AxisText& x, const AxisText& y, const AxisText& z) {
    const DataTarget t = view_target();
    if (t.window == 0) return 0;
    const View3d& view = *t.state->view3d;
    lumora::plotcore::Box3dAxes axes;
    axes.x = parse_axis_options(x.options, x.step, x.subticks);
    axes.y = parse_axis_options(y.options, y.step, y.subticks);
    axes.z = parse_axis_options(z.options, z.step, z.subticks);
    axes.x.log = view.setup().log_x;
    axes.y.log = view.setup().log_y;
    axes.z.log = view.setup().log_z;
    axes.x_label = text_of(x.label);
    axes.y_label = text_of(y.label);
    axes.z_label = text_of(z.label);
    {
        PenScope pen;
        use_page_world(t.page);
        move_with_frame(t.frame());
        draw_box3d(page_canvas(), t.frame(), view, axes);
    }
    use_frame_world(t.page, t.frame());
    return t.window;
}

template <typename T>
int line3d(int n, const T* x, const T* y, const T* z) {
    if (!has_points(n, 2, {x, y, z}, "lu_plot_points3d")) return 0;
    const DataTarget t = view_target();
    if (t.window == 0) return 0;
    const View3d& view = *t.state->view3d;
    draw_runs(t.page, t.frame(), clip_line3d(view, view_world_points(view, n, x, y, z)));
    return t.window;
}

template <typename T>
int points3d(int n, const T* x, const T* y, const T* z, int marker) {
    if (!has_points(n, 1, {x, y, z})) return 0;
    const DataTarget t = view_target();
    if (t.window == 0) return 0;
    const View3d& view = *t.state->view3d;
    MarkerLook look;
    if (!plot_marker(t.frame(), marker, kMarkerSize * t.frame().text_height, look)) return 0;
    std::vector<double> xy;
    for (const Point3& w : view_world_points(view, n, x, y, z)) {
        if (!view.inside(w)) continue;
        const lumora::plotcore::Point2 p = view.project(w);
        xy.push_back(p.x);
        xy.push_back(p.y);
    }
    use_frame_world(t.page, t.frame());
    draw_markers(xy, look);
    return t.window;
}

}  // namespace

extern "C" {

int lu_plot_view3d(float base_width, float base_depth, float height, float x1, float x2, float y1,
                   float y2, float z1, float z2, float altitude, float azimuth, int options) {
    return guarded(__func__, [&] {
        return set_view({base_width, base_depth, height, x1, x2, y1, y2, z1, z2, altitude, azimuth},
                        options);
    });
}

int lu_plot_view3d_(int* result, const float* base_width, const float* base_depth,
                    const float* height, const float* x1, const float* x2, const float* y1,
                    const float* y2, const float* z1, const float* z2, const float* altitude,
                    const float* azimuth, const int* options) {
    return guarded(__func__, [&] {
        return store(result, lu_plot_view3d(at(base_width), at(base_depth), at(height), at(x1),
                                            at(x2), at(y1), at(y2), at(z1), at(z2), at(altitude),
                                            at(azimuth), at(options)));
    });
}

int lu_plot_box3d(const char* x_options, const char* x_label, float x_step, int x_subticks,
                  const char* y_options, const char* y_label, float y_step, int y_subticks,
                  const char* z_options, const char* z_label, float z_step, int z_subticks) {
    return guarded(__func__, [&] {
        return draw_box({x_options, x_label, x_step, x_subticks},
                        {y_options, y_label, y_step, y_subticks},
                        {z_options, z_label, z_step, z_subticks});
    });
}

int lu_plot_box3d_(int* result, const char* x_options, const char* x_label, const float* x_step,
                   const int* x_subticks, const char* y_options, const char* y_label,
                   const float* y_step, const int* y_subticks, const char* z_options,
                   const char* z_label, const float* z_step, const int* z_subticks,
                   size_t x_options_length, size_t x_label_length, size_t y_options_length,
                   size_t y_label_length, size_t z_options_length, size_t z_label_length) {
    return guarded(__func__, [&] {
        const std::string xo = fortran_text(x_options, x_options_length);
        const std::string xl = fortran_text(x_label, x_label_length);
        const std::string yo = fortran_text(y_options, y_options_length);
        const std::string yl = fortran_text(y_label, y_label_length);
        const std::string zo = fortran_text(z_options, z_options_length);
        const std::string zl = fortran_text(z_label, z_label_length);
        return store(result, draw_box({xo.c_str(), xl.c_str(), at(x_step), at(x_subticks)},
                                      {yo.c_str(), yl.c_str(), at(y_step), at(y_subticks)},
                                      {zo.c_str(), zl.c_str(), at(z_step), at(z_subticks)}));
    });
}

int lu_plot_line3d(int n, const float* x, const float* y, const float* z) {
    return guarded(__func__, [&] { return line3d(n, x, y, z); });
}
int lu_plot_line3d_(int* result, const int* n, const float* x, const float* y, const float* z) {
    return guarded(__func__, [&] { return store(result, line3d(at(n), x, y, z)); });
}
int lu_plot_line3d_d(int n, const double* x, const double* y, const double* z) {
    return guarded(__func__, [&] { return line3d(n, x, y, z); });
}
int lu_plot_line3d_d_(int* result, const int* n, const double* x, const double* y,
                      const double* z) {
    return guarded(__func__, [&] { return store(result, line3d(at(n), x, y, z)); });
}

int lu_plot_points3d(int n, const float* x, const float* y, const float* z, int marker) {
    return guarded(__func__, [&] { return points3d(n, x, y, z, marker); });
}
int lu_plot_points3d_(int* result, const int* n, const float* x, const float* y, const float* z,
                      const int* marker) {
    return guarded(__func__, [&] { return store(result, points3d(at(n), x, y, z, at(marker))); });
}
int lu_plot_points3d_d(int n, const double* x, const double* y, const double* z, int marker) {
    return guarded(__func__, [&] { return points3d(n, x, y, z, marker); });
}
int lu_plot_points3d_d_(int* result, const int* n, const double* x, const double* y,
                        const double* z, const int* marker) {
    return guarded(__func__, [&] { return store(result, points3d(at(n), x, y, z, at(marker))); });
}

}  // extern "C"
