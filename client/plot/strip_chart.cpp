#include "strip_chart.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>

#include "client/include/lumora_plot.h"
#include "plotcore/plot_commands.h"

namespace lumora::plot {
namespace {

constexpr int kLayersPerChart = 16;
constexpr int kLayerSets = (plotcore::kMaxElement - kFirstStripLayer + 1) / kLayersPerChart;
static_assert(kLayersPerChart > kMaxStripPens);
constexpr double kYSpare = 0.1;          // of the height, beyond a point that grows the y range
constexpr double kAccumulateStep = 1.3;  // the width's growth at a time

// The width grown by whole steps until the range from x_min holds x (x beyond its end).
double grown_width(const StripRanges& r, double x) {
    // All the steps at once: a point far ahead costs no loop over the gap.
    const double steps = std::ceil(std::log((x - r.x_min) / r.width) / std::log(kAccumulateStep));
    double width = r.width * std::pow(kAccumulateStep, std::max(steps, 1.0));
    if (r.x_min + width < x) width = x - r.x_min;  // rounding left it short
    return width;
}

struct Charts {
    std::map<int, StripChart> by_handle;
    int next = 1;
};

Charts& charts() {
    static Charts all;
    return all;
}

int layer_set(int handle) {
    return (handle - 1) % kLayerSets;
}

// A handle not yet given in this run, whose layers no living chart uses.
int fresh_handle(Charts& c) {
    for (;;) {
        const int handle = c.next;
        c.next = c.next == INT_MAX ? 1 : c.next + 1;
        const bool shared = std::any_of(c.by_handle.begin(), c.by_handle.end(), [&](auto& kept) {
            return layer_set(kept.first) == layer_set(handle);
        });
        if (!shared && !c.by_handle.contains(handle)) return handle;
    }
}

}  // namespace

bool StripChart::has_legend() const {
    return std::any_of(pens.begin(), pens.end(),
                       [](const StripPen& p) { return !p.legend.empty(); });
}

int keep_strip_chart(StripChart chart) {
    Charts& c = charts();
    if (c.by_handle.size() >= static_cast<std::size_t>(kMaxStripCharts)) return 0;
    const int handle = fresh_handle(c);
    c.by_handle.emplace(handle, std::move(chart));
    return handle;
}

StripChart* strip_chart(int handle) {
    const auto kept = charts().by_handle.find(handle);
    return kept != charts().by_handle.end() ? &kept->second : nullptr;
}

void forget_strip_chart(int handle) {
    charts().by_handle.erase(handle);
}

void forget_strip_charts(int window) {
    if (window == 0) {
        charts() = Charts{};
        return;
    }
    std::erase_if(charts().by_handle,
                  [&](const auto& kept) { return kept.second.window == window; });
}

int strip_layer(int handle, int k) {
    return kFirstStripLayer + layer_set(handle) * kLayersPerChart + k;
}

bool fit_point(StripRanges& r, int options, double x, double y) {
    bool moved = false;
    if (x > r.x_max()) {
        moved = true;
        if ((options & LU_PLOT_STRIP_SCROLL) != 0) {
            r.x_min = x - r.width;
        } else if ((options & LU_PLOT_STRIP_ACCUMULATE) != 0) {
            r.width = grown_width(r, x);
        } else {
            // All the halves at once: a point far ahead costs no loop over the gap.
            const double half = r.width / 2;
            r.x_min += std::ceil((x - r.x_max()) / half) * half;
            if (x > r.x_max()) r.x_min = x - r.width;  // rounding left it short
        }
    }
    if ((options & LU_PLOT_STRIP_AUTO_Y) != 0 && (y < r.y1 || y > r.y2)) {
        moved = true;
        const double spare = kYSpare * (r.y2 - r.y1);
        if (y < r.y1) r.y1 = y - spare;
        if (y > r.y2) r.y2 = y + spare;
    }
    return moved;
}

void keep_point(StripPen& pen, StripPoint p, double x_min) {
    pen.points.push_back(p);
    drop_hidden(pen, x_min);
}

void drop_hidden(StripPen& pen, double x_min) {
    while (pen.points.size() >= 2 && pen.points[1].x <= x_min) pen.points.pop_front();
    while (pen.points.size() > kMaxStripPoints) pen.points.pop_front();
}

}  // namespace lumora::plot
