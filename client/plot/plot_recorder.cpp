#include "plot_recorder.h"

#include "client/include/lumora.h"
#include "page_draw.h"
#include "plot_lane.h"
#include "plotcore/batch_format.h"
#include "plotcore/batch_writer.h"
#include "plotcore/plot_commands.h"

namespace lumora::plot {
namespace {

using plotcore::Item;
using plotcore::ItemKind;

constexpr double kDataLineWidth = 1.5;
constexpr bool kUtf8Texts =
#ifdef _WIN32
    false;
#else
    true;
#endif

// An anchor: items after it lie in the frame's world (frame 0: on the page as they are).
Item anchor(std::uint32_t frame, const plotcore::BoxF& box) {
    Item item;
    item.kind = ItemKind::kAnchor;
    item.source.frame = frame;
    item.source.box = box;
    return item;
}

}  // namespace

PlotRecorder& plot_recorder() {
    static PlotRecorder recorder;
    return recorder;
}

bool PlotRecorder::start(int window, const Page& page) {
    if (window_ == window) return true;
    if (window_ != 0 || !plot_lane_open(window)) return false;
    window_ = window;
    space_ = Space::kPage;
    canvas_.emplace(plot_style_widths(window), kUtf8Texts, page.height, page.resolution);
    section_ = wanted_ = anchor(0, {});
    int colour = 0, style = 0, width = 0;
    lu_get_pen(&colour, &style, &width, nullptr);
    // Data drawn with the default pen (width 0, "the thinnest") gets a readable line.
    pen() = {colour, style, width < 1 ? kDataLineWidth : width};
    return true;
}

bool PlotRecorder::finish() {
    const int window = window_;
    window_ = 0;
    if (window == 0 || !canvas_) return true;
    const plotcore::Items items = canvas_->take_items();
    canvas_.reset();
    if (items.empty()) return true;
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

void PlotRecorder::use_page() {
    space_ = Space::kPage;
    if (wanted_.kind == ItemKind::kAnchor) wanted_ = anchor(0, {});
}

void PlotRecorder::use_frame(const Frame& f) {
    space_ = Space::kFrame;
    frame_ = f;
    wanted_ = frame_anchor(f);
}

Item PlotRecorder::frame_anchor(const Frame& f) const {
    const plotcore::PointF a = canvas_->place(f.box.x0, f.box.y1);
    const plotcore::PointF b = canvas_->place(f.box.x1, f.box.y0);
    return anchor(f.id, {a.x, a.y, b.x, b.y});
}

void PlotRecorder::describe(Item description) {
    canvas_->add_as_is(description);
    section_ = wanted_ = std::move(description);
}

void PlotRecorder::use_beside(std::uint32_t frame, const Frame& strip, int side, double gap,
                              double width) {
    use_frame(strip);
    Item description = frame_anchor(strip);
    description.kind = ItemKind::kBeside;
    description.source.frame = frame;
    description.source.gap = static_cast<float>(gap);
    description.source.width = static_cast<float>(width);
    description.source.side = side;
    describe(std::move(description));
}

void PlotRecorder::end_description() {
    wanted_ = anchor(0, {});
}

plotcore::TextSize PlotRecorder::measure_text(const std::string& text) {
    return canvas_->measure_text(text);
}

plotcore::LayoutCanvas& PlotRecorder::layout_canvas() {
    return *canvas_;
}

void PlotRecorder::mark_section() {
    if (wanted_ == section_) return;
    canvas_->add_as_is(wanted_);
    section_ = wanted_;
}

std::vector<double> PlotRecorder::on_page(const std::vector<double>& xy) const {
    if (space_ == Space::kPage) return xy;
    std::vector<double> page(xy.size());
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
        page[i] = frame_.px(xy[i]);
        page[i + 1] = frame_.py(xy[i + 1]);
    }
    return page;
}

void PlotRecorder::line(double x1, double y1, double x2, double y2) {
    polyline({x1, y1, x2, y2});
}

void PlotRecorder::polyline(const std::vector<double>& xy) {
    mark_section();
    canvas_->polyline(on_page(xy));
}

void PlotRecorder::polygon(const std::vector<double>& xy, int fill, bool outline, bool nonzero,
                           int fill_alpha) {
    mark_section();
    canvas_->polygon(on_page(xy), fill, outline, nonzero, fill_alpha);
}

void PlotRecorder::hatch(const std::vector<double>& xy, int colour, const plotcore::Hatch& hatch,
                         bool nonzero) {
    mark_section();
    canvas_->hatch(on_page(xy), colour, hatch, nonzero);
}

void PlotRecorder::gradient(const std::vector<double>& xy,
                            std::vector<plotcore::GradientStop> stops, double angle, bool nonzero) {
    mark_section();
    canvas_->gradient(on_page(xy), std::move(stops), angle, nonzero);
}

void PlotRecorder::text(double x, double y, const std::string& bytes) {
    mark_section();
    const std::vector<double> at = on_page({x, y});
    canvas_->draw_text(at[0], at[1], bytes);
}

void PlotRecorder::markers(const std::vector<double>& xy, int type, double size, bool filled) {
    mark_section();
    canvas_->markers(on_page(xy), type, size, filled);
}

void PlotRecorder::coloured_markers(const std::vector<double>& xy, const std::vector<double>& sizes,
                                    const std::vector<int>& colours, int type, bool filled) {
    mark_section();
    canvas_->coloured_markers(on_page(xy), sizes, colours, type, filled);
}

void PlotRecorder::clip_to(const Frame& f) {
    // The clip moves with the frame's box.
    wanted_ = frame_anchor(f);
    mark_section();
    canvas_->clip_to(f.box);
}

void PlotRecorder::clip_off() {
    canvas_->clip_off();
}

}  // namespace lumora::plot
