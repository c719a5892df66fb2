#include "colour_cycle.h"

#include <string>

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

int cycle_colour(const WindowPlot& s, int i) {
    if (s.colours.empty()) return cycle_colour(i);
    const int n = static_cast<int>(s.colours.size());
    return s.colours[static_cast<std::size_t>(((i % n) + n) % n)];
}

}  // namespace lumora::plot

using namespace lumora::plot;

namespace {

int take_next_colour() {
    const int window = current_open_window();
    if (window == 0) return 0;
    WindowPlot& s = plot_state(window);
    const int colour = cycle_colour(s, s.next_colour++);
    lu_set_pen(colour, -1, -1, -1);
    return colour;
}

// Colour i of the current window's cycle; the default cycle's without a window.
int colour_of_cycle(int i) {
    const int window = current_open_window();
    return window == 0 ? cycle_colour(i) : cycle_colour(plot_state(window), i);
}

int set_cycle(int n, const int* colours) {
    if (n < 0 || n > kMaxCycleColours)
        return refuse("n = " + std::to_string(n) +
                      ": a cycle has 1 ... 64 colours (0: the default)");
    if (n > 0 && colours == nullptr) return refuse("the array of colours is a null pointer");
    for (int i = 0; i < n; ++i) {
        if (colours[i] == -1 || !colour_or_minus_one(colours[i]))
            return refuse(std::to_string(colours[i]) + " is no colour value");
    }
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    WindowPlot& s = plot_state(window);
    s.colours.assign(colours, colours + n);
    s.next_colour = 0;
    return window;
}

}  // namespace

extern "C" {

int lu_plot_colour(int index) {
    return guarded(__func__, [&] { return colour_of_cycle(index); });
}

int lu_plot_colour_(const int* index) {
    return guarded(__func__, [&] { return colour_of_cycle(at(index)); });
}

int lu_plot_colour_cycle(int n, const int* colours) {
    return guarded(__func__, [&] { return set_cycle(n, colours); });
}

int lu_plot_colour_cycle_(int* result, const int* n, const int* colours) {
    return guarded(__func__, [&] { return store(result, set_cycle(at(n), colours)); });
}

int lu_plot_next_colour(void) {
    return guarded(__func__, [&] { return take_next_colour(); });
}

int lu_plot_next_colour_(int* result) {
    return guarded(__func__, [&] { return store(result, lu_plot_next_colour()); });
}

}  // extern "C"
