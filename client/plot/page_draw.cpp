#include "page_draw.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include "client/channel/block_layout.h"
#include "client/channel/client_state.h"
#include "client/drawing/binding.h"
#include "client/drawing/coordinates.h"
#include "client/include/lumora.h"
#include "colour_maps.h"
#include "data_transform.h"
#include "frame.h"
#include "plot_lane.h"
#include "plot_recorder.h"
#include "plotcore/batch_format.h"
#include "plotcore/gradient.h"
#include "plotcore/hatch.h"

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

constexpr int kDefaultFontDivisor = 30;  // the text font's height: the page height / 30

// The window process puts the viewport's lower left corner on a whole pixel (the origin)
// and lays the world out from there over the viewport's size times the unit.
double whole_pixel(double v) {
    return std::trunc(v + 0.5);
}

// One axis of a view as a frame's: the box from the origin over the span, turned round
// with its world window when the span is negative so that the box runs upward.
void view_axis(double origin, double span, double w1, double w2, double& b0, double& b1, double& u1,
               double& u2) {
    b0 = span >= 0 ? origin : origin + span;
    b1 = span >= 0 ? origin + span : origin;
    u1 = span >= 0 ? w1 : w2;
    u2 = span >= 0 ? w2 : w1;
}

// The view as a frame on the page (pixels, y upward).
Frame frame_of(const View& v, const Page& page) {
    Frame f;
    f.set = true;
    if (v.pixels) {  // x = device x, y = device y from the top edge
        f.box = {0, page.height, 1, page.height + 1};
        f.wx1 = 0, f.wx2 = 1, f.wy1 = 0, f.wy2 = -1;
        return f;
    }
    const double u = page.unit;
    view_axis(whole_pixel(v.vx1 * u), (double(v.vx2) - v.vx1) * u, v.wx1, v.wx2, f.box.x0, f.box.x1,
              f.wx1, f.wx2);
    view_axis(page.height - whole_pixel(page.height - v.vy1 * u), (double(v.vy2) - v.vy1) * u,
              v.wy1, v.wy2, f.box.y0, f.box.y1, f.wy1, f.wy2);
    return f;
}

// The window's text font as its block words keep it: the height in device pixels (the
// page height / 30 until one is set), the style and the colour value.
void use_window_font(int window, const Page& page) {
    const std::uint8_t* block = window_block(window);
    PlotFont& font = recorder().font();
    const std::int32_t size = layout::read_i32(block, layout::kFontSize);
    font.height = size >= 1 ? size : std::max(1.0, std::floor(page.height / kDefaultFontDivisor));
    font.angle = layout::read_i32(block, layout::kFontAngle) / 3600.0;
    font.align = std::clamp(layout::read_i32(block, layout::kFontAlign), 0, int{kRightBottom});
    font.style = layout::read_i32(block, layout::kFontAttr4);
    font.colour = layout::read_i32(block, layout::kFontAttr5);
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
    stop_transforming();
    if (recorder().on()) return recorder().use_page();
    lu_set_viewport(0, 0, 0, 0);
    lu_set_world(0, 0, static_cast<float>(page.width), static_cast<float>(page.height));
}

namespace {

// The viewport and world window that put the drawing operations on the frame.
struct FrameView {
    float view[4], world[4];
};
FrameView frame_view(const Page& page, const Frame& f) {
    const double u = page.unit;
    return {{static_cast<float>(f.box.x0 / u), static_cast<float>(f.box.y0 / u),
             static_cast<float>(f.box.x1 / u), static_cast<float>(f.box.y1 / u)},
            {static_cast<float>(f.wx1), static_cast<float>(f.wy1), static_cast<float>(f.wx2),
             static_cast<float>(f.wy2)}};
}

bool is_frame_view(const View& v, const Page& page, const Frame& f) {
    const FrameView fv = frame_view(page, f);
    const float view[4] = {v.vx1, v.vy1, v.vx2, v.vy2}, world[4] = {v.wx1, v.wy1, v.wx2, v.wy2};
    return !v.pixels && std::equal(view, view + 4, fv.view) &&
           std::equal(world, world + 4, fv.world);
}

}  // namespace

void use_frame_world(const Page& page, const Frame& f) {
    const FrameView fv = frame_view(page, f);
    const float(&view)[4] = fv.view;
    const float(&world)[4] = fv.world;
    stop_transforming();
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
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (window != 0 && plot_state(window).transform.on()) transform_data_in(window, f);
}

View window_view() {
    View v;
    lu_get_viewport(&v.vx1, &v.vy1, &v.vx2, &v.vy2);
    lu_get_world(&v.wx1, &v.wy1, &v.wx2, &v.wy2);
    const std::uint8_t* block = current_window_block();
    v.pixels = block != nullptr && is_pixel_mode(block);
    return v;
}

namespace {

// The current window when what is drawn into it is recorded, with its page; 0 when not.
int recorded_window(Page& page) {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (window == 0 || !plot_lane_open(window)) return 0;
    page = current_page();
    return page.ok && recorder().on() && recorder().window() == window ? window : 0;
}

}  // namespace

std::optional<Frame> use_view_space(const View& view) {
    stop_transforming();
    Page page;
    const int window = recorded_window(page);
    if (window == 0) return std::nullopt;
    // In the plot's own frame, a field moves with the frame when the window is resized.
    const Frame& frame = plot_state(window).frame;
    const Frame used = frame.set && is_frame_view(view, page, frame) ? frame : frame_of(view, page);
    recorder().use_frame(used);
    use_window_font(window, page);
    return used;
}

std::optional<Frame> use_beside_space(const View& view, int side, double gap, double width,
                                      double low, double high) {
    stop_transforming();
    Page page;
    const int window = recorded_window(page);
    if (window == 0) return std::nullopt;
    const Frame& frame = plot_state(window).frame;
    if (!frame.set || frame.id == 0 || !is_frame_view(view, page, frame)) return std::nullopt;
    Frame strip;
    strip.set = true;
    strip.box = plotcore::bar_strip(frame, side, gap, width, page.unit);
    if (plotcore::is_upright_side(side))
        strip.wx1 = 0, strip.wx2 = 1, strip.wy1 = low, strip.wy2 = high;
    else
        strip.wx1 = low, strip.wx2 = high, strip.wy1 = 0, strip.wy2 = 1;
    recorder().use_beside(frame.id, strip, side, gap, width);
    use_window_font(window, page);
    return strip;
}

std::optional<Frame> use_field_space(const View& view) {
    const std::optional<Frame> used = use_view_space(view);
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (window == 0 || !plot_state(window).transform.on()) return used;
    if (used) {
        transform_data_in(window, *used);
    } else if (const Page page = current_page(); page.ok) {
        transform_data_in(window, frame_of(view, page));
    }
    return used;
}

double bar_clearance(const View& view, int side) {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    const Page page = current_page();
    if (window == 0 || !page.ok) return 0;
    const Frame& frame = plot_state(window).frame;
    if (!frame.set || !is_frame_view(view, page, frame)) return 0;
    return plotcore::bar_clearance(frame, side) / page.unit;
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
    // In world units, which may be fractions of a unit (a colour bar's values): only a
    // height that is no size at all becomes one.
    lu_set_font(static_cast<float>(height > 0 ? height : 1.0), static_cast<float>(angle), align, 0,
                colour, nullptr);
}

int set_text_style(int style) {
    if (recorder().on()) return std::exchange(recorder().font().style, style);
    const std::uint8_t* block = window_block(lu_get_viewport(nullptr, nullptr, nullptr, nullptr));
    const int previous = block != nullptr ? layout::read_i32(block, layout::kFontAttr4) : 0;
    // Height, angle and alignment kept; the drawing operations read texts in the
    // platform's encoding only.
    lu_set_font(std::nanf(""), 2.0f, -1, style & ~plotcore::kUtf8Text, -1, nullptr);
    return previous;
}

TextSize measure_text(const std::string& text) {
    if (recorder().on()) return recorder().measure_text(text);
    float width = 0, height = 0, ascent = 0;
    if (lu_get_text_extent(&width, &height, nullptr, &ascent, text.c_str()) <= 0) return {};
    return {width, height, ascent};
}

TextSize measure_window_text(const std::string& text) {
    if (recorder().on()) return measure_text(text);
    int width = 0, height = 0;
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (lu_get_text_extent_in_window(window, &width, &height, nullptr, nullptr, text.c_str()) <= 0)
        return {};
    return {double(width), double(height)};
}

bool turn_text(double angle, int align) {
    if (recorder().on()) {
        recorder().font().angle = angle;
        recorder().font().align = align;
        return true;
    }
    return lu_set_font(-1, static_cast<float>(angle), align, -1, -1, nullptr) != 0;
}

bool draw_text(double x, double y, const std::string& text) {
    if (transforming() && !transformed_position(x, y)) return true;
    if (recorder().on()) return recorder().text(x, y, text), true;
    return lu_draw_text(static_cast<float>(x), static_cast<float>(y), text.c_str()) != 0;
}

bool draw_line(double x1, double y1, double x2, double y2) {
    if (transforming()) return draw_polyline({float(x1), float(y1), float(x2), float(y2)});
    if (recorder().on()) return recorder().line(x1, y1, x2, y2), true;
    return lu_draw_line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                        static_cast<float>(y2)) != 0;
}

namespace {

// The runs of a line through the transform, each drawn as it is.
template <typename Draw>
bool each_run(const std::vector<double>& xy, Draw draw) {
    const TransformPause pause;
    bool ok = true;
    for (const std::vector<double>& run : transformed_runs(xy)) ok = draw(run) && ok;
    return ok;
}

}  // namespace

bool draw_polyline(const std::vector<float>& points) {
    if (points.size() < 4) return true;
    if (transforming()) {
        return each_run({points.begin(), points.end()}, [](const std::vector<double>& run) {
            return draw_polyline({run.begin(), run.end()});
        });
    }
    if (recorder().on()) return recorder().polyline({points.begin(), points.end()}), true;
    return lu_draw_polyline(points.data(), static_cast<int>(points.size() / 2)) != 0;
}

bool draw_polygon(const std::vector<float>& points, int rule) {
    if (points.size() < 6) return true;
    if (transforming()) {
        const std::vector<double> outline = transformed_outline({points.begin(), points.end()});
        const TransformPause pause;
        return draw_polygon({outline.begin(), outline.end()}, rule);
    }
    if (recorder().on()) {
        recorder().polygon({points.begin(), points.end()}, recorder().pen().colour, true,
                           rule == kWindingRule);
        return true;
    }
    return lu_draw_polygon(points.data(), static_cast<int>(points.size() / 2), rule) != 0;
}

namespace {

// Page pixels (y upward) as batch coordinates and back, as ItemCanvas::place has them.
plotcore::PointF batch_point(double x, double y, const Page& page) {
    return {static_cast<float>(x + 0.5), static_cast<float>(page.height - y + 0.5)};
}

// The window's world and batch coordinates of its page, both ways: where the drawing
// operations draw what a batch item would have drawn.
struct WorldOnPage {
    Page page = current_page();
    Frame f = frame_of(window_view(), page);

    // The world's x, y pairs as a batch's polygon, those that are not finite or lie too
    // far left out.
    std::vector<plotcore::PointF> polygon(const std::vector<double>& xy) const {
        std::vector<plotcore::PointF> out;
        for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
            const double x = f.px(xy[i]), y = f.py(xy[i + 1]);
            if (std::isfinite(x) && std::isfinite(y) && std::fabs(x) < plotcore::kMaxCoordinate &&
                std::fabs(y) < plotcore::kMaxCoordinate)
                out.push_back(batch_point(x, y, page));
        }
        return out;
    }
    float wx(float bx) const {
        return static_cast<float>(f.wx1 + (bx - 0.5 - f.box.x0) / f.box.width() * (f.wx2 - f.wx1));
    }
    float wy(float by) const {
        return static_cast<float>(f.wy1 + (page.height - (by - 0.5) - f.box.y0) / f.box.height() *
                                              (f.wy2 - f.wy1));
    }
};

// The lines of a hatch drawn with the drawing operations in the window's world: found
// where a batch finds them, on the page, and taken back into the world.
bool draw_hatch_lines(const std::vector<double>& xy, const Hatch& hatch, bool nonzero) {
    const WorldOnPage world;
    if (!world.page.ok) return false;
    const std::vector<plotcore::PointF> ends = plotcore::hatch_segments(
        world.polygon(xy), nonzero, plotcore::scaled_hatch(hatch, world.page.resolution));
    bool ok = true;
    for (std::size_t i = 0; i + 1 < ends.size() && ok; i += 2) {
        ok = lu_draw_line(world.wx(ends[i].x), world.wy(ends[i].y), world.wx(ends[i + 1].x),
                          world.wy(ends[i + 1].y)) != 0;
    }
    return ok;
}

// A gradient drawn with the drawing operations: bands a pixel wide across its axis, each
// a polygon in the colour of its middle, the pen as it was.
bool draw_gradient_bands(const std::vector<double>& xy, std::vector<plotcore::GradientStop> stops,
                         double angle, int rule) {
    const WorldOnPage world;
    if (!world.page.ok) return false;
    plotcore::Gradient gradient;
    gradient.stops = std::move(stops);
    const std::vector<plotcore::PointF> polygon = world.polygon(xy);
    plotcore::gradient_axis(polygon, angle, gradient);
    const PenScope pen;
    constexpr int kPenStyleNone = 5;
    bool ok = true;
    for (const plotcore::GradientBand& band : plotcore::gradient_bands(polygon, gradient, 1.0)) {
        std::vector<float> points;
        for (plotcore::PointF p : band.points) {
            points.push_back(world.wx(p.x));
            points.push_back(world.wy(p.y));
        }
        const int colour = colour_value_of(band.colour.rgb);
        ok = ok && set_pen(colour, kPenStyleNone, -1) &&
             lu_draw_polygon(points.data(), static_cast<int>(points.size() / 2), rule) != 0;
    }
    return ok;
}

}  // namespace

bool draw_hatch(const std::vector<double>& xy, int colour, const Hatch& hatch, int rule) {
    if (hatch.empty() || xy.size() < 6) return true;
    if (transforming()) {
        const std::vector<double> outline = transformed_outline(xy);
        const TransformPause pause;
        return draw_hatch(outline, colour, hatch, rule);
    }
    const bool nonzero = rule == kWindingRule;
    if (recorder().on()) return recorder().hatch(xy, colour, hatch, nonzero), true;
    const PenScope pen;
    return set_pen(colour, 0, 1) && draw_hatch_lines(xy, hatch, nonzero);
}

bool draw_gradient(const std::vector<double>& xy, std::vector<plotcore::GradientStop> stops,
                   double angle, int rule) {
    if (xy.size() < 6) return true;
    if (transforming()) {
        const std::vector<double> outline = transformed_outline(xy);
        const TransformPause pause;
        return draw_gradient(outline, std::move(stops), angle, rule);
    }
    if (recorder().on())
        return recorder().gradient(xy, std::move(stops), angle, rule == kWindingRule), true;
    return draw_gradient_bands(xy, std::move(stops), angle, rule);
}

bool fill_shape(const std::vector<double>& xy, int colour) {
    if (xy.size() < 6) return true;
    if (transforming()) {
        const std::vector<double> outline = transformed_outline(xy);
        const TransformPause pause;
        return fill_shape(outline, colour);
    }
    if (recorder().on()) return recorder().polygon(xy, colour, false, false), true;
    constexpr int kPenStyleNone = 5;
    if (!set_pen(colour, kPenStyleNone, -1)) return false;
    return draw_polygon({xy.begin(), xy.end()}, 0);
}

bool fill_outlined(const std::vector<double>& xy, int colour) {
    if (xy.size() < 6) return true;
    if (recorder().on() && !transforming())
        return recorder().polygon(xy, colour, true, false), true;
    {
        const PenScope pen;
        if (!fill_shape(xy, colour)) return false;
    }
    std::vector<float> outline(xy.begin(), xy.end());
    outline.push_back(outline[0]);
    outline.push_back(outline[1]);
    return draw_polyline(outline);
}

bool fill_box(double x0, double y0, double x1, double y1, int colour) {
    if (transforming()) return fill_shape({x0, y0, x1, y0, x1, y1, x0, y1}, colour);
    if (recorder().on())
        return recorder().polygon({x0, y0, x1, y0, x1, y1, x0, y1}, colour, false, false), true;
    return lu_draw_box_a22(float(x0), float(y0), float(x1), float(y1), colour) != 0;
}

bool fill_translucent_box(double x0, double y0, double x1, double y1, int colour, int alpha) {
    if (alpha >= 255) return fill_box(x0, y0, x1, y1, colour);
    if (recorder().on() && !transforming()) {
        recorder().polygon({x0, y0, x1, y0, x1, y1, x0, y1}, colour, false, false, alpha);
        return true;
    }
    const std::uint16_t sent = block_table().opacity[current_window()];
    const double now = (sent == 0 ? kOpaqueWindow : sent) - 1;
    if (lu_set_alpha(static_cast<float>(now * alpha / (255.0 * 255.0))) == 0) return false;
    const bool drawn = fill_box(x0, y0, x1, y1, colour);
    return lu_set_alpha(static_cast<float>(now / 255.0)) != 0 && drawn;
}

bool outline_box(double x0, double y0, double x1, double y1) {
    if (transforming())
        return draw_polyline({float(x0), float(y0), float(x1), float(y0), float(x1), float(y1),
                              float(x0), float(y1), float(x0), float(y0)});
    if (recorder().on()) return recorder().polyline({x0, y0, x1, y0, x1, y1, x0, y1, x0, y0}), true;
    return lu_draw_box_a21(float(x0), float(y0), float(x1), float(y1)) != 0;
}

void draw_markers(const std::vector<double>& xy, const MarkerLook& look) {
    if (transforming()) {
        const std::vector<double> at = transformed_positions(xy);
        const TransformPause pause;
        return draw_markers(at, look);
    }
    if (recorder().on()) return recorder().markers(xy, look.type, look.pixels, look.filled);
    int type = 0, third = 0, fourth = 0, fifth = 0;
    float size = 0;
    lu_get_marker(&type, &size, &third, &fourth, &fifth);
    lu_set_marker(look.type, static_cast<float>(look.units), -1, look.filled ? 1 : 0, 1);
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
        if (!std::isfinite(xy[i]) || !std::isfinite(xy[i + 1])) continue;  // left out
        lu_draw_marker(static_cast<float>(xy[i]), static_cast<float>(xy[i + 1]));
    }
    lu_set_marker(type, size, third, fourth, fifth);
}

void draw_coloured_markers(const std::vector<double>& xy, const std::vector<double>& scales,
                           const std::vector<int>& colours, const MarkerLook& look) {
    if (transforming()) {
        const std::vector<double> at = transformed_positions(xy);
        const TransformPause pause;
        return draw_coloured_markers(at, scales, colours, look);
    }
    if (recorder().on()) {
        std::vector<double> pixels;
        pixels.reserve(scales.size());
        for (double s : scales) pixels.push_back(s * look.pixels);
        return recorder().coloured_markers(xy, pixels, colours, look.type, look.filled);
    }
    // One marker at a time through the drawing operations, each in its colour and size.
    const PenScope pen;
    int type = 0, third = 0, fourth = 0, fifth = 0;
    float size = 0;
    lu_get_marker(&type, &size, &third, &fourth, &fifth);
    for (std::size_t i = 0; 2 * i + 1 < xy.size() && i < scales.size() && i < colours.size(); ++i) {
        if (!std::isfinite(xy[2 * i]) || !std::isfinite(xy[2 * i + 1])) continue;  // left out
        lu_set_pen(colours[i], -1, -1, -1);
        lu_set_marker(look.type, static_cast<float>(look.units * scales[i]), -1,
                      look.filled ? 1 : 0, 1);
        lu_draw_marker(static_cast<float>(xy[2 * i]), static_cast<float>(xy[2 * i + 1]));
    }
    lu_set_marker(type, size, third, fourth, fifth);
}

bool set_pen(int colour, int style, int width) {
    if (recorder().on()) {
        PlotPen& pen = recorder().pen();
        if (colour != -1) pen.colour = colour;
        if (style != -1) pen.style = style;
        if (width != -1) pen.width = std::max(width, 1);
        return true;
    }
    return lu_set_pen(colour, style, width, -1) != 0;
}

bool finish_plot_drawing() {
    return recorder().finish();
}

void move_with_frame(const Frame& f) {
    if (recorder().on() && f.set) recorder().move_with(f);
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
    int set_text_style(int style) override { return plot::set_text_style(style); }
    // The drawing operations only turn texts: set_text's angle stands for the picture.
    void set_text_matrix(const std::optional<plotcore::TextMatrix>& matrix) override {
        if (recorder().on()) recorder().font().matrix = matrix;
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
    void fill_translucent_box(double x0, double y0, double x1, double y1, int colour,
                              int alpha) override {
        plot::fill_translucent_box(x0, y0, x1, y1, colour, alpha);
    }
    void draw_markers(const std::vector<double>& xy, int type, bool filled,
                      double pixels) override {
        plot::draw_markers(xy, {type, filled, pixels, pixels});
    }
    void hatch_polygon(const std::vector<double>& xy, int colour, const Hatch& h) override {
        plot::draw_hatch(xy, colour, h, 0);
    }
};

}  // namespace

plotcore::LayoutCanvas& page_canvas() {
    static PageCanvas canvas;
    return canvas;
}

}  // namespace lumora::plot
