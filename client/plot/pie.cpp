// Pie charts: slices in the colours of the cycle from a start angle either way round, and
// labels outside the pie, for which the pie shrinks within its frame.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "client/include/lumora.h"
#include "colour_cycle.h"
#include "entry.h"
#include "fortran_text.h"
#include "frame.h"
#include "plotcore/marked_text.h"

using namespace lumora::plot;
namespace plotcore = lumora::plotcore;

namespace {

constexpr int kMaxSlices = 64;
constexpr int kArcPoints = 90;
constexpr double kReach = 1.1;           // the frame's half width, in pie radii
constexpr double kSmallestRadius = 0.3;  // of kReach: labels that need more run over
constexpr double kLabelGap = 0.4;        // text heights between the pie and a label

struct PieLook {
    double start = 90;  // degrees counterclockwise from the right
    bool clockwise = false, percent = false;
    std::vector<std::string> labels;
};

// Points of an arc of radius r from angle a to b (radians), in the frame's world.
void add_arc(std::vector<float>& points, double r, double a, double b) {
    const int n = std::max(2, static_cast<int>(kArcPoints * std::fabs(b - a) / std::numbers::pi));
    for (int i = 0; i <= n; ++i) {
        const double angle = a + (b - a) * i / n;
        points.push_back(static_cast<float>(r * std::cos(angle)));
        points.push_back(static_cast<float>(r * std::sin(angle)));
    }
}

// The texts between the '|' of labels; none for NULL or an empty text.
std::vector<std::string> split_labels(const char* labels) {
    std::vector<std::string> out;
    if (labels == nullptr || *labels == '\0') return out;
    std::string text(labels);
    for (std::size_t from = 0;;) {
        const std::size_t bar = text.find('|', from);
        out.push_back(text.substr(from, bar == std::string::npos ? std::string::npos : bar - from));
        if (bar == std::string::npos || out.size() == kMaxSlices) return out;
        from = bar + 1;
    }
}

std::string percent_text(double share) {
    char text[32];
    std::snprintf(text, sizeof text, share < 0.0995 ? "%.1f%%" : "%.0f%%", 100 * share);
    return text;
}

struct Slice {
    double from = 0, extent = 0;  // radians
    std::string label;
    double middle() const { return from + extent / 2; }
};

// Where a label stands: beyond the pie along the slice's middle, aligned away from it.
struct LabelPlace {
    double c = 0, s = 0;
    int align = plotcore::kCentreBase;
};
LabelPlace place_of(double angle) {
    LabelPlace p{std::cos(angle), std::sin(angle)};
    p.align = p.c > 0.3    ? plotcore::kLeftBase
              : p.c < -0.3 ? plotcore::kRightBase
                           : plotcore::kCentreBase;
    return p;
}

// How far labels may reach from the pie's centre (pixels): across to the panel's edges,
// up to the box's top (the title stands above it) and down to the panel's bottom.
struct LabelRoom {
    double across = 0, up = 0, down = 0;
};

LabelRoom label_room(const Frame& f) {
    const double cx = f.px(0), cy = f.py(0), margin = 0.3 * f.text_height;
    return {std::min(cx - f.panel.x0, f.panel.x1 - cx) - margin, f.box.y1 - cy,
            cy - f.panel.y0 - margin};
}

// The pie's radius in pixels that leaves each label room; at most what fills the box.
double radius_for(const std::vector<Slice>& slices, double box_half, const LabelRoom& room,
                  double h) {
    double radius = box_half / kReach;
    for (const Slice& slice : slices) {
        if (slice.label.empty()) continue;
        const LabelPlace p = place_of(slice.middle());
        const double w = plotcore::marked_text_size(page_canvas(), slice.label, h).width;
        const double across = p.align == plotcore::kCentreBase ? w / 2 : w;
        if (std::fabs(p.c) > 1e-9)
            radius = std::min(radius, (room.across - across) / std::fabs(p.c) - kLabelGap * h);
        const double up_down = p.s > 0 ? room.up : room.down;
        if (std::fabs(p.s) > 1e-9)
            radius = std::min(radius, (up_down - 1.2 * h) / std::fabs(p.s) - kLabelGap * h);
    }
    return std::max(radius, kSmallestRadius * box_half / kReach);
}

void draw_labels(const Frame& f, const std::vector<Slice>& slices, double radius) {
    const double h = f.text_height;
    const double cx = f.px(0), cy = f.py(0);
    for (const Slice& slice : slices) {
        if (slice.label.empty()) continue;
        const LabelPlace p = place_of(slice.middle());
        const double reach = radius + kLabelGap * h;
        plotcore::draw_marked_text(page_canvas(), cx + reach * p.c,
                                   cy + reach * p.s - 0.35 * h + 0.4 * h * p.s, slice.label,
                                   {h, 0, p.align, f.setup.style.labels});
    }
}

bool values_taken(int n, const float* values, double& total) {
    if (n < 1 || n > kMaxSlices)
        return refuse("n = " + std::to_string(n) + ": a pie has 1 ... 64 slices");
    if (values == nullptr) return refuse("the values are a null pointer");
    total = 0;
    for (int i = 0; i < n; ++i) {
        if (!(values[i] >= 0) || !std::isfinite(values[i])) {
            return refuse("value " + std::to_string(i + 1) + " (" + number_text(values[i]) +
                          ") is not a finite number of 0 or more");
        }
        total += values[i];
    }
    if (!(total > 0)) return refuse("the values add up to no pie: all are 0");
    return true;
}

// Each value's slice from the look's start angle, with its label.
std::vector<Slice> slices_of(int n, const float* values, double total, const PieLook& look) {
    std::vector<Slice> slices;
    double angle = look.start * std::numbers::pi / 180;
    for (int i = 0; i < n; ++i) {
        const double share = values[i] / total;
        Slice slice{angle, (look.clockwise ? -2 : 2) * std::numbers::pi * share, ""};
        if (static_cast<std::size_t>(i) < look.labels.size()) slice.label = look.labels[i];
        if (look.percent) slice.label += (slice.label.empty() ? "" : " ") + percent_text(share);
        slices.push_back(slice);
        angle += slice.extent;
    }
    return slices;
}

// The slices in the frame's world, radius r (pie radii), outlined in black.
// Each slice in its colour of the cycle, outlined in the colour of the frame's box.
// Hatched slices take the window's hatches in turn, lines in the slice's colour.
void draw_slices(const std::vector<Slice>& slices, double r, int outline, const WindowPlot& s) {
    for (std::size_t i = 0; i < slices.size(); ++i) {
        if (slices[i].extent == 0) continue;
        std::vector<float> slice = {0, 0};
        add_arc(slice, r, slices[i].from, slices[i].from + slices[i].extent);
        const int colour = cycle_colour(s, static_cast<int>(i));
        if (const Hatch& hatch = hatch_of(s, i); !hatch.empty()) {
            draw_hatch({slice.begin(), slice.end()}, colour, hatch, 0);
        } else {
            set_pen(colour, 0, 1);
            draw_polygon(slice, 0);
        }
        slice.push_back(0);
        slice.push_back(0);
        set_pen(outline, 0, 1);
        draw_polyline(slice);
    }
}

bool labelled(const std::vector<Slice>& slices) {
    return std::any_of(slices.begin(), slices.end(),
                       [](const Slice& s) { return !s.label.empty(); });
}

int pie(int n, const float* values, const PieLook& look) {
    double total = 0;
    if (!values_taken(n, values, total)) return 0;
    if (!std::isfinite(look.start))
        return refuse("the start angle " + number_text(look.start) + " is not a finite number");
    const int window =
        make_frame({-kReach, kReach, -kReach, kReach, LU_PLOT_NO_BOX | LU_PLOT_EQUAL});
    if (window == 0) return 0;
    const Frame& f = plot_state(window).frame;
    const std::vector<Slice> slices = slices_of(n, values, total, look);
    const double box_half = f.px(kReach) - f.px(0);
    const Page page = current_page();
    PenScope pen;
    double r = 1;  // in the frame's world
    if (labelled(slices)) {
        // Texts are measured in pixels, in the page's world.
        use_page_world(page);
        r = radius_for(slices, box_half, label_room(f), f.text_height) * kReach / box_half;
        use_frame_world(page, f);
    }
    draw_slices(slices, r, f.setup.style.box, plot_state(window));
    if (labelled(slices)) {
        use_page_world(page);
        move_with_frame(f);
        draw_labels(f, slices, r * box_half / kReach);
        use_frame_world(page, f);
    }
    return window;
}

}  // namespace

extern "C" {

int lu_plot_pie(int n, const float* values) {
    return guarded(__func__, [&] { return pie(n, values, PieLook{}); });
}
int lu_plot_pie_(int* result, const int* n, const float* values) {
    return guarded(__func__, [&] { return store(result, lu_plot_pie(at(n), values)); });
}

int lu_plot_pie_labelled(int n, const float* values, float start, int options, const char* labels) {
    return guarded(__func__, [&] {
        PieLook look;
        look.start = start;
        look.clockwise = (options & LU_PLOT_PIE_CLOCKWISE) != 0;
        look.percent = (options & LU_PLOT_PIE_PERCENT) != 0;
        look.labels = split_labels(labels);
        return pie(n, values, look);
    });
}
int lu_plot_pie_labelled_(int* result, const int* n, const float* values, const float* start,
                          const int* options, const char* labels, size_t labels_length) {
    return guarded(__func__, [&] {
        const std::string text = fortran_text(labels, labels_length);
        return store(result,
                     lu_plot_pie_labelled(at(n), values, at(start), at(options), text.c_str()));
    });
}

}  // extern "C"
