// The entry point of polar grids: the ring and spoke steps and colours of the polar frames
// made after it in its window, and their options.
#include <cmath>
#include <string>

#include "client/include/lumora.h"
#include "entry.h"
#include "plot_state.h"

using namespace lumora::plot;

namespace {

int set_polar_grid(float ring_step, int spoke_step, int ring_colour, int spoke_colour) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    if (!(ring_step >= 0) || !std::isfinite(ring_step))
        return refuse("the ring step " + number_text(ring_step) +
                      " is not 0 (the radius ticks) or a finite number above 0");
    if (spoke_step < 0 || spoke_step > 360)
        return refuse("the spoke step " + std::to_string(spoke_step) +
                      " is not within 0 ... 360 degrees");
    for (int colour : {ring_colour, spoke_colour}) {
        if (!colour_or_minus_one(colour))
            return refuse(std::to_string(colour) + " is no colour value (-1: the grid's colour)");
    }
    PolarGrid& grid = plot_state(window).polar_grid;
    grid = {ring_step, spoke_step == 0 ? kDefaultSpokeStep : spoke_step, ring_colour, spoke_colour,
            grid.options};
    return window;
}

constexpr int kPolarOptions = LU_POLAR_SPOKES_OVER_RINGS | LU_POLAR_NO_RADIUS_NUMBERS;

int set_polar_options(int options) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    if ((options & ~kPolarOptions) != 0)
        return refuse("the options " + std::to_string(options) +
                      " are no sum of LU_POLAR_SPOKES_OVER_RINGS and LU_POLAR_NO_RADIUS_NUMBERS");
    plot_state(window).polar_grid.options = options;
    return window;
}

}  // namespace

extern "C" {

int lu_plot_polar_grid(float ring_step, int spoke_step, int ring_colour, int spoke_colour) {
    return guarded(
        __func__, [&] { return set_polar_grid(ring_step, spoke_step, ring_colour, spoke_colour); });
}
int lu_plot_polar_grid_(int* result, const float* ring_step, const int* spoke_step,
                        const int* ring_colour, const int* spoke_colour) {
    return guarded(__func__, [&] {
        return store(result, set_polar_grid(at(ring_step), at(spoke_step), at(ring_colour),
                                            at(spoke_colour)));
    });
}

int lu_plot_polar_options(int options) {
    return guarded(__func__, [&] { return set_polar_options(options); });
}
int lu_plot_polar_options_(int* result, const int* options) {
    return guarded(__func__, [&] { return store(result, set_polar_options(at(options))); });
}

}  // extern "C"
