#include "plot_state.h"

#include <array>

namespace lumora::plot {
namespace {

constexpr int kWindows = 64;

std::array<WindowPlot, kWindows>& states() {
    static std::array<WindowPlot, kWindows> all;
    return all;
}

}  // namespace

WindowPlot& plot_state(int window) {
    if (window < 1 || window >= kWindows) {
        static WindowPlot spare;
        spare = WindowPlot{};
        return spare;
    }
    return states()[static_cast<std::size_t>(window)];
}

void reset_plot_state() {
    states().fill(WindowPlot{});
}

}  // namespace lumora::plot
