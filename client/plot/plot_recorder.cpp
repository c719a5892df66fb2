#include "plot_recorder.h"

#include <cmath>
#include <numbers>

#include "client/include/lumora.h"
#include "page_draw.h"
#include "plot_lane.h"
#include "plotcore/batch_format.h"
#include "plotcore/plot_commands.h"

namespace lumora::plot {
namespace {

using plotcore::Item;
using plotcore::ItemKind;

constexpr double kDataLineWidth = 1.5;
constexpr int kTextStyles = 3;  // bold and italic

// Pen styles 0 .. 9 as dashes; style 5 draws no line.
constexpr int kNoLine = 5;
plotcore::Dash dash_of(int style) {
    switch (style) {
        case 1:
        case 7:
            return plotcore::Dash::kDash;
        case 2:
        case 8:
        case 9:
            return plotcore::Dash::kDot;
        case 3:
            return plotcore::Dash::kDashDot;
        case 4:
            return plotcore::Dash::kDashDotDot;
        default:
            return plotcore::Dash::kSolid;
    }
}

// Places beyond what a batch may carry are pulled in to its bound: the line still leaves
// the page in the same direction.
float bounded(double v) {
    const double most = plotcore::kMaxCoordinate;
    return static_cast<float>(v < -most ? -most : (v > most ? most : v));
}

// Two lines with the same stroke become one item of segments (tick marks, grids).
bool joins(const Item& last, const Item& next) {
    return last.kind == ItemKind::kSegments && next.kind == ItemKind::kPolyline &&
           next.points.size() == 2 && last.stroke == next.stroke;
}

plotcore::HAlign h_align_of(int code) {
    return static_cast<plotcore::HAlign>(code % 3);
}
plotcore::VAlign v_align_of(int code) {
    return static_cast<plotcore::VAlign>(code / 3);
}

}  // namespace

PlotRecorder& plot_recorder() {
    static PlotRecorder recorder;
    return recorder;
}

std::uint32_t batch_colour(int colour_value) {
    return plotcore::kColourValueFlag | static_cast<std::uint32_t>(colour_value);
}

bool PlotRecorder::start(int window, const Page& page) {
    if (window_ == window) return true;
    if (window_ != 0 || !plot_lane_open(window)) return false;
    window_ = window;
    page_height_ = page.height;
    space_ = Space::kPage;
    int colour = 0, style = 0, width = 0;
    lu_get_pen(&colour, &style, &width, nullptr);
    // Data drawn with the default pen (width 0, "the thinnest") gets a readable line.
    pen_ = {colour, style, width < 1 ? kDataLineWidth : width};
    resolution_ = page.resolution;
    items_.clear();
    return true;
}

bool PlotRecorder::finish() {
    const int window = window_;
    window_ = 0;
    if (window == 0 || items_.empty()) return true;
    const plotcore::Items items = std::move(items_);
    items_.clear();
    const std::vector<plotcore::Bytes> batches =
        plotcore::encode_batches(items, plotcore::kPlotBlockSize);
    if (batches.empty()) return false;  // a polygon too large for one batch
    WindowPlot& state = plot_state(window);
    bool ok = true;
    for (const plotcore::Bytes& batch : batches) {
        ok = send_plot_batch(window, batch, state.layer, state.layer_drawn) > 0 && ok;
        state.layer_drawn = state.layer != 0;
    }
    return ok;
}

void PlotRecorder::use_frame(const Frame& f) {
    space_ = Space::kFrame;
    frame_ = f;
}

// Page pixels, measured from the top left corner of the drawing area. A device pixel d of
// the drawing operations covers d .. d + 1, so its centre is d + 0.5.
plotcore::PointF PlotRecorder::place(double x, double y) const {
    if (space_ == Space::kFrame) {
        x = frame_.px(x);
        y = frame_.py(y);
    }
    return {bounded(x + 0.5), bounded(page_height_ - y + 0.5)};
}

std::vector<plotcore::PointF> PlotRecorder::place_all(const std::vector<double>& xy) const {
    std::vector<plotcore::PointF> points;
    points.reserve(xy.size() / 2);
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
        if (std::isfinite(xy[i]) && std::isfinite(xy[i + 1])) {
            points.push_back(place(xy[i], xy[i + 1]));
        }
    }
    return points;
}

plotcore::Stroke PlotRecorder::stroke() const {
    return {batch_colour(pen_.colour), static_cast<float>(pen_.width * resolution_),
            dash_of(pen_.style)};
}

void PlotRecorder::add(Item item) {
    if (!items_.empty() && joins(items_.back(), item)) {
        items_.back().points.insert(items_.back().points.end(), item.points.begin(),
                                    item.points.end());
        return;
    }
    if (item.kind == ItemKind::kPolyline && item.points.size() == 2) {
        item.kind = ItemKind::kSegments;
    }
    items_.push_back(std::move(item));
}

void PlotRecorder::line(double x1, double y1, double x2, double y2) {
    polyline({x1, y1, x2, y2});
}

void PlotRecorder::polyline(const std::vector<double>& xy) {
    if (pen_.style == kNoLine) return;
    Item item;
    item.kind = ItemKind::kPolyline;
    item.stroke = stroke();
    item.points = place_all(xy);
    if (!item.points.empty()) add(std::move(item));
}

void PlotRecorder::polygon(const std::vector<double>& xy, int fill, bool outline, bool nonzero) {
    Item item;
    item.kind = ItemKind::kPolygon;
    item.filled = fill >= 0;
    item.fill_rgb = item.filled ? batch_colour(fill) : 0;
    item.outlined = outline && pen_.style != kNoLine;
    item.nonzero = nonzero;
    item.stroke = stroke();
    item.points = place_all(xy);
    if (item.points.size() >= 3 && (item.filled || item.outlined)) add(std::move(item));
}

void PlotRecorder::text(double x, double y, const std::string& bytes) {
    if (bytes.empty()) return;
    Item item;
    item.kind = ItemKind::kText;
    item.points = {place(x, y)};
    plotcore::TextLook& t = item.text;
    t.height = static_cast<float>(std::max(font_.height, 1.0));
    t.angle = static_cast<float>(font_.angle * 2 * std::numbers::pi);
    t.h_align = h_align_of(font_.align);
    t.v_align = v_align_of(font_.align);
    t.style = static_cast<std::uint8_t>(font_.style & kTextStyles);
    t.rgb = batch_colour(font_.colour);
    t.bytes = bytes.substr(0, plotcore::kMaxTextBytes);
    add(std::move(item));
}

void PlotRecorder::markers(const std::vector<double>& xy, int type, double size, bool filled) {
    Item item;
    item.kind = ItemKind::kMarkers;
    item.marker = {static_cast<std::uint8_t>(type), filled, static_cast<float>(std::max(size, 1.0)),
                   static_cast<float>(resolution_), batch_colour(pen_.colour)};
    item.points = place_all(xy);
    if (!item.points.empty()) add(std::move(item));
}

void PlotRecorder::clip_to(const Frame& f) {
    const Space before = space_;
    space_ = Space::kPage;
    const plotcore::PointF a = place(f.box.x0, f.box.y1), b = place(f.box.x1, f.box.y0);
    space_ = before;
    Item item;
    item.kind = ItemKind::kClip;
    item.clip_on = true;
    item.clip = {a.x - 0.5f, a.y - 0.5f, b.x + 0.5f, b.y + 0.5f};
    add(std::move(item));
}

void PlotRecorder::clip_off() {
    Item item;
    item.kind = ItemKind::kClip;
    item.clip_on = false;
    add(std::move(item));
}

}  // namespace lumora::plot
