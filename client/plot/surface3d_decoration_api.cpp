// The entry points that dress the surfaces and meshes a window draws from now on: their
// contour levels and the light that shades them.
#include <cmath>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "entry.h"
#include "field_grid.h"
#include "plot_state.h"

using namespace lumora::plot;

namespace {

constexpr int kPlaces = LU_CONTOURS3D_BASE | LU_CONTOURS3D_SURFACE;

template <typename T>
int set_contours(int n, const T* levels, int where) {
    if (n < 0 || n > kMaxLevels)
        return refuse("n = " + std::to_string(n) + ": the levels are 0 ... " +
                      std::to_string(kMaxLevels));
    if ((where & ~kPlaces) != 0 || (n > 0 && where == 0))
        return refuse("places " + std::to_string(where) +
                      " are not LU_CONTOURS3D_BASE, LU_CONTOURS3D_SURFACE or their sum");
    if (n > 0 && levels == nullptr) return refuse("the levels are a null pointer");
    std::vector<double> taken;
    for (int k = 0; k < n; ++k) {
        const double level = static_cast<double>(levels[k]);
        if (!std::isfinite(level))
            return refuse("level " + number_text(level) + " is not a finite number");
        taken.push_back(level);
    }
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    WindowPlot& s = plot_state(window);
    s.contours3d = std::move(taken);
    s.contours3d_places = n > 0 ? where : 0;
    return window;
}

int set_light(float x, float y, float z) {
    for (float v : {x, y, z})
        if (!std::isfinite(v))
            return refuse("the light's position has " + number_text(v) + ", not a finite number");
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    plot_state(window).light3d = {double(x), double(y), double(z)};
    return window;
}

}  // namespace

extern "C" {

int lu_plot_contours3d(int n, const float* levels, int where) {
    return guarded(__func__, [&] { return set_contours(n, levels, where); });
}
int lu_plot_contours3d_(int* result, const int* n, const float* levels, const int* where) {
    return guarded(__func__, [&] { return store(result, set_contours(at(n), levels, at(where))); });
}
int lu_plot_contours3d_d(int n, const double* levels, int where) {
    return guarded(__func__, [&] { return set_contours(n, levels, where); });
}
int lu_plot_contours3d_d_(int* result, const int* n, const double* levels, const int* where) {
    return guarded(__func__, [&] { return store(result, set_contours(at(n), levels, at(where))); });
}

int lu_plot_light3d(float x, float y, float z) {
    return guarded(__func__, [&] { return set_light(x, y, z); });
}
int lu_plot_light3d_(int* result, const float* x, const float* y, const float* z) {
    return guarded(__func__, [&] { return store(result, set_light(at(x), at(y), at(z))); });
}

}  // extern "C"
