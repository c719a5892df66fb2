// One band of a field, as a shade plot draws one range of values at a time: the region
// between two levels filled in the pen's colour, or hatched in it with the window's first
// hatch, and nothing else.
#include <cmath>
#include <limits>

#include "client/include/lumora.h"
#include "contour_fill.h"
#include "entry.h"
#include "fields_common.h"
#include "page_draw.h"
#include "plot_state.h"

using namespace lumora::plot;

namespace {

constexpr int kEvenOdd = 0;

// The region at or above low without the one above high, as one even-odd outline: values
// equal to high belong to the band.
std::vector<double> band_outline(const Grid& grid, const Placement2d& where, double low,
                                 double high) {
    const std::vector<GridPoint> outline =
        band_outline(grid, low, std::nextafter(high, std::numeric_limits<double>::infinity()));
    if (outline.empty()) return {};
    const std::vector<float> xy = world_points(outline, where);
    return {xy.begin(), xy.end()};
}

template <class Value>
int band(const Value* values, int nx, int ny, int layout, double x1, double y1, double x2,
         double y2, double low, double high) {
    if (!finite_corners(x1, y1, x2, y2)) return 0;
    if (!std::isfinite(low) || !std::isfinite(high) || !(low <= high)) {
        return refuse("the band " + number_text(low) + " ... " + number_text(high) +
                      " is not two finite levels, the lower first");
    }
    std::optional<Grid> grid = grid_of(values, nx, ny, layout);
    if (!grid) return 0;
    int colour = 0;
    const int window = lu_get_pen(&colour, nullptr, nullptr, nullptr);
    if (window == 0) return refuse_no_window();
    use_field_space(window_view());
    const PenScope pen;
    const std::vector<double> xy =
        band_outline(*grid, placement_of(*grid, x1, y1, x2, y2), low, high);
    if (xy.empty()) return window;
    const Hatch& hatch = hatch_of(plot_state(window), 0);
    const bool ok =
        hatch.empty() ? fill_shape(xy, colour) : draw_hatch(xy, colour, hatch, kEvenOdd);
    return window_refused(ok) ? 0 : window;
}

}  // namespace

extern "C" {

int lu_fill_contour_band(const float* values, int nx, int ny, int layout, float x1, float y1,
                         float x2, float y2, float low, float high) {
    return guarded(__func__,
                   [&] { return band(values, nx, ny, layout, x1, y1, x2, y2, low, high); });
}

int lu_fill_contour_band_(int* result, const float* values, const int* nx, const int* ny,
                          const float* x1, const float* y1, const float* x2, const float* y2,
                          const float* low, const float* high) {
    return guarded(__func__, [&] {
        return stored(result, band(values, arg(nx), arg(ny), kColumnMajor, arg(x1), arg(y1),
                                   arg(x2), arg(y2), arg(low), arg(high)));
    });
}

int lu_fill_contour_band_double(const double* values, int nx, int ny, int layout, double x1,
                                double y1, double x2, double y2, double low, double high) {
    return guarded(__func__,
                   [&] { return band(values, nx, ny, layout, x1, y1, x2, y2, low, high); });
}

int lu_fill_contour_band_double_(int* result, const double* values, const int* nx, const int* ny,
                                 const double* x1, const double* y1, const double* x2,
                                 const double* y2, const double* low, const double* high) {
    return guarded(__func__, [&] {
        return stored(result, band(values, arg(nx), arg(ny), kColumnMajor, arg(x1), arg(y1),
                                   arg(x2), arg(y2), arg(low), arg(high)));
    });
}

}  // extern "C"
