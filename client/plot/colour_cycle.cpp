#include "colour_cycle.h"

#include "client/include/lumora.h"
#include "data.h"
#include "entry.h"

namespace lumora::plot {

int cycle_colour(int i) {
    // Dark enough to read as thin lines on white, and apart in hue.
    static constexpr int kColours[kCycleLength][3] = {
        {0, 90, 181},   {215, 48, 31}, {0, 135, 62},   {230, 120, 0},
        {118, 60, 165}, {140, 80, 40}, {200, 40, 150}, {0, 128, 140},
    };
    const int k = ((i % kCycleLength) + kCycleLength) % kCycleLength;
    return lu_make_rgb_colour(kColours[k][0], kColours[k][1], kColours[k][2]);
}

}  // namespace lumora::plot

using namespace lumora::plot;

namespace {

int take_next_colour() {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (window == 0) return 0;
    const int colour = cycle_colour(plot_state(window).next_colour++);
    lu_set_pen(colour, -1, -1, -1);
    return colour;
}

}  // namespace

extern "C" {

int lu_plot_colour(int index) {
    return guarded(__func__, [&] { return cycle_colour(index); });
}

int lu_plot_colour_(const int* index) {
    return guarded(__func__, [&] { return cycle_colour(at(index)); });
}

int lu_plot_next_colour(void) {
    return guarded(__func__, [&] { return take_next_colour(); });
}

int lu_plot_next_colour_(int* result) {
    return guarded(__func__, [&] { return store(result, lu_plot_next_colour()); });
}

}  // extern "C"
