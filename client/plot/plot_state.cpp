#include "plot_state.h"

#include <array>

#include "strip_chart.h"

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

const Hatch& hatch_of(const WindowPlot& s, std::size_t k) {
    static const Hatch solid;
    return s.hatches.empty() ? solid : s.hatches[k % s.hatches.size()];
}

std::set<std::string>& told_causes(int window) {
    static std::array<std::set<std::string>, kWindows> told;
    static std::set<std::string> elsewhere;  // no window, or a number beyond the states
    if (window < 1 || window >= kWindows) return elsewhere;
    return told[static_cast<std::size_t>(window)];
}

void reset_plot_state() {
    states().fill(WindowPlot{});
    for (int w = 0; w < kWindows; ++w) told_causes(w).clear();
    forget_strip_charts(0);
}

}  // namespace lumora::plot
