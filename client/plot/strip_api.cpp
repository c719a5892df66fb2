// The entry points of strip charts: a frame whose x range moves on as points arrive, with
// up to eight pens, each point added at the cost of one short batch.
#include <cmath>
#include <cstdint>
#include <string>

#include "client/channel/block_ops.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"
#include "colour_cycle.h"
#include "entry.h"
#include "fortran_text.h"
#include "plot_lane.h"
#include "plotcore/batch_format.h"
#include "strip_drawing.h"

using namespace lumora;
using namespace lumora::plot;

namespace {

constexpr int kStripOptions = LU_PLOT_STRIP_SCROLL | LU_PLOT_STRIP_AUTO_Y |
                              LU_PLOT_STRIP_ACCUMULATE | LU_PLOT_GRID | LU_PLOT_TIME_X |
                              LU_PLOT_AXES;
// Places of lu_plot_legend inside the box or on its edges: a chart's frame has no room
// outside.
constexpr int kStripLegendCorners = 8;

// The chart's window is the current one while a call on the chart runs: the plotting
// layer draws in the current window, and the program's choice is given back after.
class ChartWindow {
  public:
    explicit ChartWindow(int window) : own_(current_window()) { make_current(window); }
    ~ChartWindow() { make_current(own_); }
    ChartWindow(const ChartWindow&) = delete;
    ChartWindow& operator=(const ChartWindow&) = delete;

  private:
    int own_;
};

std::string chart_name(int strip) {
    return "strip chart " + std::to_string(strip);
}

// The chart of the handle; nullptr, refused, when there is none.
StripChart* find_chart(int strip) {
    StripChart* chart = strip_chart(strip);
    if (chart == nullptr) {
        refuse("there is no " + chart_name(strip) +
               " (deleted, its window closed, or never made): call lu_plot_strip_create first");
    }
    return chart;
}

bool pen_taken(const StripChart& chart, int pen) {
    if (pen >= 1 && pen <= static_cast<int>(chart.pens.size())) return true;
    return refuse("the chart has pens 1 ... " + std::to_string(chart.pens.size()) + ", not " +
                  std::to_string(pen)) != 0;
}

bool create_arguments_taken(float x_width, float y1, float y2, int pens, int options) {
    if (!(x_width > 0) || !std::isfinite(x_width)) {
        const std::string width = number_text(x_width);
        return refuse("the x width " + width + " is not a finite number above 0") != 0;
    }
    if (!std::isfinite(y1) || !std::isfinite(y2) || !(y1 < y2)) {
        return refuse("the y range " + number_text(y1) + " ... " + number_text(y2) +
                      " is not two finite numbers, the first below the second") != 0;
    }
    if (pens < 1 || pens > kMaxStripPens)
        return refuse("pens = " + std::to_string(pens) + ": a chart has 1 ... 8 pens") != 0;
    if ((options & ~kStripOptions) != 0) {
        return refuse("options " + std::to_string(options) +
                      ": a strip chart takes LU_PLOT_STRIP_SCROLL, LU_PLOT_STRIP_AUTO_Y, "
                      "LU_PLOT_STRIP_ACCUMULATE, LU_PLOT_GRID, LU_PLOT_TIME_X and "
                      "LU_PLOT_AXES") != 0;
    }
    if ((options & LU_PLOT_STRIP_SCROLL) != 0 && (options & LU_PLOT_STRIP_ACCUMULATE) != 0) {
        return refuse(
                   "LU_PLOT_STRIP_SCROLL and LU_PLOT_STRIP_ACCUMULATE together: a range "
                   "either moves on or grows") != 0;
    }
    return true;
}

int create_chart(float x_width, float y1, float y2, int pens, int options, const char* x_label,
                 const char* y_label, const char* title) {
    const int window = current_window();
    if (!is_open_window(window)) return refuse_no_window();
    if (!create_arguments_taken(x_width, y1, y2, pens, options)) return 0;
    if (!plot_lane_open(window)) return refuse("the window process keeps no layers");
    StripChart made;
    made.window = window;
    made.options = options;
    made.ranges = {0, x_width, y1, y2};
    made.x_label = text_of(x_label);
    made.y_label = text_of(y_label);
    made.title = text_of(title);
    made.pens.resize(static_cast<std::size_t>(pens));
    for (int i = 0; i < pens; ++i)
        made.pens[static_cast<std::size_t>(i)].colour = cycle_colour(plot_state(window), i);
    const int strip = keep_strip_chart(std::move(made));
    if (strip == 0) return refuse("64 strip charts exist: delete one first (lu_plot_strip_delete)");
    StripChart& chart = *strip_chart(strip);
    if (draw_first_frame(strip, chart, {0, x_width, y1, y2, options}) == 0) {
        forget_strip_chart(strip);
        return 0;
    }
    return strip;
}

int set_strip_pen(int strip, int pen, int colour, int line_style, const char* legend_text) {
    StripChart* chart = find_chart(strip);
    if (chart == nullptr || !pen_taken(*chart, pen)) return 0;
    if (!colour_or_minus_one(colour)) {
        return refuse(std::to_string(colour) + " is no colour value (-1 keeps the colour)");
    }
    if (line_style < -1 || line_style > 9)
        return refuse("the line style " + std::to_string(line_style) + " is not within 0 ... 9");
    StripPen& p = chart->pens[static_cast<std::size_t>(pen - 1)];
    if (colour != -1) p.colour = colour;
    if (line_style != -1) p.line_style = line_style;
    if (legend_text != nullptr) p.legend = legend_text;
    const ChartWindow in(chart->window);
    return draw_strip(strip, *chart) ? chart->window : 0;
}

int set_strip_legend(int strip, int corner) {
    StripChart* chart = find_chart(strip);
    if (chart == nullptr) return 0;
    if (corner < 1 || corner > kStripLegendCorners) {
        return refuse("the corner " + std::to_string(corner) +
                      " is not within 1 ... 8 (inside the box or on its edges)");
    }
    chart->legend_corner = corner;
    const ChartWindow in(chart->window);
    return draw_strip(strip, *chart) ? chart->window : 0;
}

// The point goes on after the pen's last one; the ranges move when it lies beyond them.
int add_point(int strip, int pen, float x, float y) {
    StripChart* chart = find_chart(strip);
    if (chart == nullptr || !pen_taken(*chart, pen)) return 0;
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return refuse("the point (" + number_text(x) + ", " + number_text(y) +
                      ") is not two finite numbers");
    }
    StripPen& p = chart->pens[static_cast<std::size_t>(pen - 1)];
    if (!p.points.empty() && x < p.points.back().x) {
        return refuse("pen " + std::to_string(pen) + ": x = " + number_text(x) +
                      " lies before its last point's x = " + number_text(p.points.back().x) +
                      " (x must not go back)");
    }
    const ChartWindow in(chart->window);
    const bool moved = fit_point(chart->ranges, chart->options, x, y);
    keep_point(p, {x, y}, chart->ranges.x_min);
    if (moved || page_changed(*chart)) {
        for (StripPen& other : chart->pens) drop_hidden(other, chart->ranges.x_min);
        return draw_strip(strip, *chart) ? chart->window : 0;
    }
    return draw_newest(strip, *chart, pen - 1) ? chart->window : 0;
}

int delete_chart(int strip) {
    const StripChart* chart = find_chart(strip);
    if (chart == nullptr) return 0;
    const int window = chart->window;
    forget_strip_chart(strip);
    return window;
}

}  // namespace

extern "C" {

int lu_plot_strip_create(float x_width, float y1, float y2, int pens, int options,
                         const char* x_label, const char* y_label, const char* title) {
    return guarded(__func__, [&] {
        return create_chart(x_width, y1, y2, pens, options, x_label, y_label, title);
    });
}
int lu_plot_strip_create_(int* result, const float* x_width, const float* y1, const float* y2,
                          const int* pens, const int* options, const char* x_label,
                          const char* y_label, const char* title, size_t x_label_length,
                          size_t y_label_length, size_t title_length) {
    return guarded(__func__, [&] {
        const std::string x = fortran_text(x_label, x_label_length);
        const std::string y = fortran_text(y_label, y_label_length);
        const std::string t = fortran_text(title, title_length);
        return store(result, create_chart(at(x_width), at(y1), at(y2), at(pens), at(options),
                                          x.c_str(), y.c_str(), t.c_str()));
    });
}

int lu_plot_strip_pen(int strip, int pen, int colour, int line_style, const char* legend_text) {
    return guarded(__func__,
                   [&] { return set_strip_pen(strip, pen, colour, line_style, legend_text); });
}
int lu_plot_strip_pen_(int* result, const int* strip, const int* pen, const int* colour,
                       const int* line_style, const char* legend_text, size_t legend_text_length) {
    return guarded(__func__, [&] {
        const std::string text = fortran_text(legend_text, legend_text_length);
        return store(result,
                     set_strip_pen(at(strip), at(pen), at(colour), at(line_style), text.c_str()));
    });
}

int lu_plot_strip_legend(int strip, int corner) {
    return guarded(__func__, [&] { return set_strip_legend(strip, corner); });
}
int lu_plot_strip_legend_(int* result, const int* strip, const int* corner) {
    return guarded(__func__,
                   [&] { return store(result, set_strip_legend(at(strip), at(corner))); });
}

int lu_plot_strip_add(int strip, int pen, float x, float y) {
    return guarded(__func__, [&] { return add_point(strip, pen, x, y); });
}
int lu_plot_strip_add_(int* result, const int* strip, const int* pen, const float* x,
                       const float* y) {
    return guarded(__func__,
                   [&] { return store(result, add_point(at(strip), at(pen), at(x), at(y))); });
}

int lu_plot_strip_delete(int strip) {
    return guarded(__func__, [&] { return delete_chart(strip); });
}
int lu_plot_strip_delete_(int* result, const int* strip) {
    return guarded(__func__, [&] { return store(result, delete_chart(at(strip))); });
}

}  // extern "C"
