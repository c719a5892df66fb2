#include "page_draw.h"

#include <algorithm>
#include <exception>

#include "client/channel/block_layout.h"
#include "client/channel/client_state.h"
#include "client/include/lumora.h"
#include "frame.h"
#include "plot_lane.h"
#include "plot_recorder.h"

namespace lumora::plot {
namespace {

constexpr int kClipInside = 1, kClipOff = 0;
constexpr int kDrawingAreaSize = 1;
constexpr int kResolution = 10;
constexpr double kBaseDpi = 96;

// The window's resolution against 96 dpi, asked once per window: texts, ticks and lines
// of plots grow with it as the drawing operations' pens and fonts do.
double resolution_of(int window) {
    double& known = plot_state(window).resolution;
    if (known > 0) return known;
    int x = 0, y = 0;
    known = 1;
    if (lu_get_metrics(kResolution, &x, &y) != 0 && y >= 24 && y <= 2400) known = y / kBaseDpi;
    return known;
}

PlotRecorder& recorder() {
    return plot_recorder();
}

// True when the current window's viewport and world are already these, so that setting
// them again would only cost two round trips.
bool view_is(const float (&view)[4], const float (&world)[4]) {
    float v[4] = {}, w[4] = {};
    lu_get_viewport(&v[0], &v[1], &v[2], &v[3]);
    lu_get_world(&w[0], &w[1], &w[2], &w[3]);
    return std::equal(v, v + 4, view) && std::equal(w, w + 4, world);
}

}  // namespace

// A window process that takes plot batches keeps the page size in the window's block
// current, so that a plotting call needs no round trip to learn it.
Page current_page() {
    Page page;
    int w = 0, h = 0;
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (window == 0) return page;
    if (plot_lane_open(window)) {
        w = layout::read_i32(window_block(window), layout::kPageWidth);
        h = layout::read_i32(window_block(window), layout::kPageHeight);
    } else if (lu_get_metrics(kDrawingAreaSize, &w, &h) == 0) {
        return page;
    }
    if (w <= 0 || h <= 0) return page;
    page.ok = true;
    page.width = w;
    page.height = h;
    page.unit = std::min(w, h);
    page.resolution = resolution_of(window);
    recorder().start(window, page);
    follow_page(plot_state(window), page);
    return page;
}

void use_page_world(const Page& page) {
    if (recorder().on()) return recorder().use_page();
    lu_set_viewport(0, 0, 0, 0);
    lu_set_world(0, 0, static_cast<float>(page.width), static_cast<float>(page.height));
}

void use_frame_world(const Page& page, const Frame& f) {
    const double u = page.unit;
    const float view[4] = {static_cast<float>(f.box.x0 / u), static_cast<float>(f.box.y0 / u),
                           static_cast<float>(f.box.x1 / u), static_cast<float>(f.box.y1 / u)};
    const float world[4] = {static_cast<float>(f.wx1), static_cast<float>(f.wy1),
                            static_cast<float>(f.wx2), static_cast<float>(f.wy2)};
    if (recorder().on()) {
        recorder().use_frame(f);
        // The program draws in the frame afterwards with the drawing operations.
        if (view_is(view, world)) return;
    }
    lu_set_viewport(view[0], view[1], view[2], view[3]);
    lu_set_world(world[0], world[1], world[2], world[3]);
}

void use_frame_space(const Frame& f) {
    if (recorder().on()) recorder().use_frame(f);
}

PenScope::PenScope() {
    if (recorder().on()) {
        recorded_ = recorder().pen();
        font_ = recorder().font();
        return;
    }
    lu_get_pen(&colour_, &style_, &width_, &mix_);
}

// A destructor must not throw: should the command fail that way, the entry point's
// result already says that something went wrong.
PenScope::~PenScope() {
    if (recorder().on()) {
        recorder().pen() = recorded_;
        recorder().font() = font_;
        return;
    }
    try {
        lu_set_pen(colour_, style_, width_, mix_);
    } catch (const std::exception&) {
    }
}

int PenScope::colour() const {
    return recorder().on() ? recorded_.colour : colour_;
}

ClipScope::ClipScope(const Frame& f) {
    if (recorder().on()) {
        recorder().clip_to(f);
        return;
    }
    lu_set_rectangle_mode(static_cast<float>(f.wx1), static_cast<float>(f.wy1),
                          static_cast<float>(f.wx2), static_cast<float>(f.wy2), kClipInside);
}

ClipScope::~ClipScope() {
    try {
        if (recorder().on()) {
            recorder().clip_off();
        } else {
            lu_set_rectangle_mode(0, 0, 0, 0, kClipOff);
        }
    } catch (const std::exception&) {
    }
}

void set_text(double height, double angle, int align, int colour) {
    if (recorder().on()) {
        PlotFont& font = recorder().font();
        font.height = std::max(height, 1.0);
        font.angle = angle;
        font.align = align;
        if (colour != -1) font.colour = colour;
        return;
    }
    lu_set_font(static_cast<float>(std::max(height, 1.0)), static_cast<float>(angle), align, 0,
                colour, nullptr);
}

TextSize measure_text(const std::string& text) {
    if (recorder().on()) return recorder().measure_text(text);
    float width = 0, height = 0;
    if (lu_get_text_extent(&width, &height, nullptr, nullptr, text.c_str()) <= 0) return {};
    return {width, height};
}

void draw_text(double x, double y, const std::string& text) {
    if (recorder().on()) return recorder().text(x, y, text);
    lu_draw_text(static_cast<float>(x), static_cast<float>(y), text.c_str());
}

void draw_line(double x1, double y1, double x2, double y2) {
    if (recorder().on()) return recorder().line(x1, y1, x2, y2);
    lu_draw_line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                 static_cast<float>(y2));
}

void draw_polyline(const std::vector<float>& points) {
    if (points.size() < 4) return;
    if (recorder().on()) return recorder().polyline({points.begin(), points.end()});
    lu_draw_polyline(points.data(), static_cast<int>(points.size() / 2));
}

void draw_polygon(const std::vector<float>& points, int rule) {
    if (points.size() < 6) return;
    if (recorder().on()) {
        return recorder().polygon({points.begin(), points.end()}, recorder().pen().colour, true,
                                  rule == kWindingRule);
    }
    lu_draw_polygon(points.data(), static_cast<int>(points.size() / 2), rule);
}

void fill_box(double x0, double y0, double x1, double y1, int colour) {
    if (recorder().on())
        return recorder().polygon({x0, y0, x1, y0, x1, y1, x0, y1}, colour, false, false);
    lu_draw_box_a22(float(x0), float(y0), float(x1), float(y1), colour);
}

void outline_box(double x0, double y0, double x1, double y1) {
    if (recorder().on()) return recorder().polyline({x0, y0, x1, y0, x1, y1, x0, y1, x0, y0});
    lu_draw_box_a21(float(x0), float(y0), float(x1), float(y1));
}

void draw_markers(const std::vector<double>& xy, const MarkerLook& look) {
    if (recorder().on()) return recorder().markers(xy, look.type, look.pixels, look.filled);
    int type = 0, third = 0, fourth = 0, fifth = 0;
    float size = 0;
    lu_get_marker(&type, &size, &third, &fourth, &fifth);
    lu_set_marker(look.type, static_cast<float>(look.units), -1, look.filled ? 1 : 0, 1);
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
        lu_draw_marker(static_cast<float>(xy[i]), static_cast<float>(xy[i + 1]));
    }
    lu_set_marker(type, size, third, fourth, fifth);
}

void set_pen(int colour, int style, int width) {
    if (recorder().on()) {
        PlotPen& pen = recorder().pen();
        if (colour != -1) pen.colour = colour;
        if (style != -1) pen.style = style;
        if (width != -1) pen.width = std::max(width, 1);
        return;
    }
    lu_set_pen(colour, style, width, -1);
}

bool finish_plot_drawing() {
    return recorder().finish();
}

void describe(const plotcore::Item& description) {
    if (recorder().on()) recorder().describe(description);
}

void end_description() {
    if (recorder().on()) recorder().end_description();
}

namespace {

class PageCanvas : public plotcore::LayoutCanvas {
  public:
    void set_pen(int colour, int style, int width) override { plot::set_pen(colour, style, width); }
    void set_text(double height, double angle, int align, int colour) override {
        plot::set_text(height, angle, align, colour);
    }
    TextSize measure_text(const std::string& text) override { return plot::measure_text(text); }
    void draw_text(double x, double y, const std::string& text) override {
        plot::draw_text(x, y, text);
    }
    void draw_line(double x1, double y1, double x2, double y2) override {
        plot::draw_line(x1, y1, x2, y2);
    }
    void draw_polyline(const std::vector<float>& xy) override { plot::draw_polyline(xy); }
    void fill_box(double x0, double y0, double x1, double y1, int colour) override {
        plot::fill_box(x0, y0, x1, y1, colour);
    }
    void outline_box(double x0, double y0, double x1, double y1) override {
        plot::outline_box(x0, y0, x1, y1);
    }
    void draw_markers(const std::vector<double>& xy, int type, bool filled,
                      double pixels) override {
        plot::draw_markers(xy, {type, filled, pixels, pixels});
    }
};

}  // namespace

plotcore::LayoutCanvas& page_canvas() {
    static PageCanvas canvas;
    return canvas;
}

}  // namespace lumora::plot
