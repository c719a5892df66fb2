// The entry points of polygons in a 3-D view: outlines with a flag per side, left out
// when the viewer sees their back.
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "entry.h"
#include "plotcore/polygon3d.h"
#include "view3d_target.h"

using namespace lumora::plot;

namespace {

// Which face is the front: 1 counterclockwise, 0 clockwise.
bool facing_known(int counterclockwise) {
    if (counterclockwise == 0 || counterclockwise == 1) return true;
    return refuse("the front " + std::to_string(counterclockwise) +
                  " is neither 1 (counterclockwise) nor 0 (clockwise)") != 0;
}

template <typename T>
int polygon3d(int n, const T* x, const T* y, const T* z, const int* draw, int counterclockwise) {
    if (n < 3) return refuse("a polygon needs at least 3 points, not n = " + std::to_string(n));
    if (!has_points(n, 3, {x, y, z})) return 0;
    if (draw == nullptr) return refuse("the flags of the sides are a null pointer");
    if (!facing_known(counterclockwise)) return 0;
    const DataTarget t = view_target();
    if (t.window == 0) return 0;
    const lumora::plotcore::View3d& view = *t.state->view3d;
    const std::vector<bool> sides(draw, draw + (n - 1));
    const Frame& f = t.frame();
    const lumora::plotcore::Facing facing{counterclockwise == 1,
                                          (f.wx2 < f.wx1) != (f.wy2 < f.wy1)};
    draw_runs(t.page, f, polygon3d_runs(view, view_world_points(view, n, x, y, z), sides, facing));
    return t.window;
}

}  // namespace

extern "C" {

int lu_plot_polygon3d(int n, const float* x, const float* y, const float* z, const int* draw,
                      int counterclockwise) {
    return guarded(__func__, [&] { return polygon3d(n, x, y, z, draw, counterclockwise); });
}
int lu_plot_polygon3d_(int* result, const int* n, const float* x, const float* y, const float* z,
                       const int* draw, const int* counterclockwise) {
    return guarded(__func__, [&] {
        return store(result, polygon3d(at(n), x, y, z, draw, at(counterclockwise)));
    });
}
int lu_plot_polygon3d_d(int n, const double* x, const double* y, const double* z, const int* draw,
                        int counterclockwise) {
    return guarded(__func__, [&] { return polygon3d(n, x, y, z, draw, counterclockwise); });
}
int lu_plot_polygon3d_d_(int* result, const int* n, const double* x, const double* y,
                         const double* z, const int* draw, const int* counterclockwise) {
    return guarded(__func__, [&] {
        return store(result, polygon3d(at(n), x, y, z, draw, at(counterclockwise)));
    });
}

}  // extern "C"
