#include "strip_drawing.h"

#include <string>
#include <vector>

#include "client/include/lumora_plot.h"
#include "data.h"
#include "layer_drawing.h"

namespace lumora::plot {
namespace {

constexpr std::size_t kAppendsBeforeRedraw = 512;
constexpr int kFrameOptions = LU_PLOT_GRID | LU_PLOT_TIME_X | LU_PLOT_AXES;

// Ends a buffered frame begun in its window, whichever way the drawing ends.
class BufferedFrame {
  public:
    explicit BufferedFrame(int window)
        : window_(window), begun_(lu_plot_begin_frame_in_window(window) != 0) {}
    ~BufferedFrame() {
        if (begun_) lu_plot_end_frame_in_window(window_);
    }
    BufferedFrame(const BufferedFrame&) = delete;
    BufferedFrame& operator=(const BufferedFrame&) = delete;
    bool begun() const { return begun_; }

  private:
    int window_;
    bool begun_;
};

// The labels and the legend of the pens that have a text, on the frame just drawn.
void decorate(const StripChart& chart) {
    lu_plot_labels(chart.x_label.c_str(), chart.y_label.c_str(), chart.title.c_str());
    if (!chart.has_legend()) return;
    for (const StripPen& pen : chart.pens) {
        if (!pen.legend.empty())
            lu_plot_legend_entry(pen.legend.c_str(), pen.colour, pen.line_style, 0);
    }
    lu_plot_legend(chart.legend_corner);
}

// The line through points first ... last - 1 of the pen, clipped to the frame's box.
void draw_points(const Frame& frame, const StripPen& pen, std::size_t first) {
    if (pen.points.size() < first + 2) return;
    if (!current_page().ok) return;  // starts the recording again after a layer was sent
    std::vector<double> xy;
    xy.reserve(2 * (pen.points.size() - first));
    for (std::size_t i = first; i < pen.points.size(); ++i) {
        xy.push_back(pen.points[i].x);
        xy.push_back(pen.points[i].y);
    }
    PenScope keep;
    set_pen(pen.colour, pen.line_style, -1);
    ClipScope clip(frame);
    draw_world_line(frame, xy);
}

bool draw_frame_layer(int handle, StripChart& chart) {
    LayerScope layer(chart.window, strip_layer(handle, 0), false);
    FrameSetup setup = chart.setup;
    setup.x1 = chart.ranges.x_min;
    setup.x2 = chart.ranges.x_max();
    setup.y1 = chart.ranges.y1;
    setup.y2 = chart.ranges.y2;
    setup.options = chart.options & kFrameOptions;
    if (remake_frame(setup) == 0) return false;
    chart.frame = plot_state(chart.window).frame;
    decorate(chart);
    return layer.send();
}

bool draw_pen_layer(int handle, StripChart& chart, int pen) {
    LayerScope layer(chart.window, strip_layer(handle, pen + 1), false);
    StripPen& p = chart.pens[static_cast<std::size_t>(pen)];
    draw_points(chart.frame, p, 0);
    p.appended = 0;
    return layer.send();
}

}  // namespace

int draw_first_frame(int handle, StripChart& chart, const FrameRequest& request) {
    LayerScope layer(chart.window, strip_layer(handle, 0), false);
    FrameRequest r = request;
    r.options &= kFrameOptions;
    if (make_frame(r) == 0) return 0;
    chart.frame = plot_state(chart.window).frame;
    chart.setup = chart.frame.setup;
    decorate(chart);
    return layer.send() ? chart.window : 0;
}

bool draw_strip(int handle, StripChart& chart) {
    const BufferedFrame buffered(chart.window);
    if (!buffered.begun()) return false;
    bool ok = draw_frame_layer(handle, chart);
    for (int pen = 0; ok && pen < static_cast<int>(chart.pens.size()); ++pen)
        ok = draw_pen_layer(handle, chart, pen);
    return ok;
}

bool draw_newest(int handle, StripChart& chart, int pen) {
    StripPen& p = chart.pens[static_cast<std::size_t>(pen)];
    if (p.appended >= kAppendsBeforeRedraw) return draw_pen_layer(handle, chart, pen);
    if (p.points.size() < 2) return true;
    LayerScope layer(chart.window, strip_layer(handle, pen + 1), true);
    draw_points(chart.frame, p, p.points.size() - 2);
    ++p.appended;
    return layer.send();
}

bool page_changed(const StripChart& chart) {
    const Page page = current_page();
    return page.ok &&
           (page.width != chart.frame.page_width || page.height != chart.frame.page_height);
}

}  // namespace lumora::plot
