#include "plot_relayout.h"

#include <algorithm>
#include <map>
#include <memory>

#include "plotcore/item_canvas.h"
#include "plotcore/layout_items.h"

namespace luwnd {

namespace plotcore = lumora::plotcore;
using plotcore::Item;
using plotcore::Items;
using PlotKind = plotcore::ItemKind;

namespace {

constexpr bool kUtf8Texts =
#ifdef _WIN32
    false;
#else
    true;
#endif

// Maps batch coordinates of one box onto another; markers, sized in the frame's text
// height, grow with it.
struct BoxMap {
    plotcore::BoxF from, to;
    float marker_scale = 1;
    float x(float v) const { return map(v, from.left, from.right, to.left, to.right); }
    float y(float v) const { return map(v, from.top, from.bottom, to.top, to.bottom); }
    float scaled(float size) const {
        return std::clamp(size * marker_scale, 1.0f, plotcore::kMaxWidth);
    }
    static float map(float v, float a0, float a1, float b0, float b1) {
        return a1 == a0 ? v - a0 + b0 : b0 + (v - a0) / (a1 - a0) * (b1 - b0);
    }
    void move(Item& item) const {
        for (plotcore::PointF& p : item.points) p = {x(p.x), y(p.y)};
        if (item.kind == PlotKind::kGradient) {
            plotcore::Gradient& g = item.gradient;
            g.from = {x(g.from.x), y(g.from.y)};
            g.to = {x(g.to.x), y(g.to.y)};
        }
        if (item.kind == PlotKind::kMarkers) item.marker.size = scaled(item.marker.size);
        for (float& size : item.sizes) size = scaled(size);
        if (item.kind == PlotKind::kClip && item.clip_on) {
            // A clip reaches half a pixel beyond the box's edge lines, whatever its size.
            const plotcore::BoxF& c = item.clip;
            item.clip = {x(c.left + 0.5f) - 0.5f, y(c.top + 0.5f) - 0.5f, x(c.right - 0.5f) + 0.5f,
                         y(c.bottom - 0.5f) + 0.5f};
        }
    }
};

class Relayout {
  public:
    Relayout(double width, double height, const plotcore::StyleWidths& widths,
             const ColourTable& colours, const FrameViews& views)
        : width_(width), height_(height), widths_(widths), colours_(colours), views_(views) {}

    // Lays out the frames of a batch, so that parts anchored to a frame that comes later
    // in the picture find it.
    void frames_of(const Items& batch) {
        for (const Item& item : batch) {
            if (item.kind != PlotKind::kFrame) continue;
            const plotcore::LayoutSource& s = item.source;
            plotcore::ItemCanvas c = canvas(s.setup.resolution);
            frames_[s.frame] = plotcore::lay_out_frame(c, shown(s), width_, height_);
            old_frames_[s.frame] = plotcore::lay_out_frame(c, s.setup, s.page_width, s.page_height);
            plotcore::frame_world(s.setup, program_[s.frame]);
        }
    }

    // The batch's items laid out for the new page.
    Items batch(const Items& old) {
        Items out;
        const Item* source = nullptr;  // the layout item of the part being read
        for (const Item& item : old) {
            if (plotcore::is_layout_kind(item.kind)) {
                source = &item;
                start_part(item, out);
            } else if (source == nullptr || keeps(*source)) {
                out.push_back(item);
            } else if (source->kind == PlotKind::kAnchor || source->kind == PlotKind::kBeside) {
                out.push_back(item);
                map_.move(out.back());
            }
        }
        return out;
    }

    // Each frame as it was and as it is now.
    std::vector<std::pair<plotcore::Frame, plotcore::Frame>> moved() const {
        std::vector<std::pair<plotcore::Frame, plotcore::Frame>> out;
        for (const auto& [id, old] : old_frames_) out.emplace_back(old, frames_.at(id));
        return out;
    }

  private:
    // Whether the items of the part stay as they are: on the page, or of a frame that
    // this window no longer holds.
    bool keeps(const Item& source) const {
        return source.source.frame == 0 || !frames_.contains(source.source.frame);
    }

    // The setup of a frame as the window shows it: with the ranges the user zoomed or
    // panned it to.
    plotcore::FrameSetup shown(const plotcore::LayoutSource& s) const {
        const auto view = views_.find(s.frame);
        return view == views_.end() ? s.setup : plotcore::with_ranges(s.setup, view->second.shown);
    }

    plotcore::ItemCanvas canvas(double resolution) const {
        return plotcore::ItemCanvas(widths_, kUtf8Texts, height_, resolution);
    }

    void start_part(const Item& item, Items& out) {
        const plotcore::LayoutSource& s = item.source;
        if (item.kind == PlotKind::kFrame) {
            plotcore::ItemCanvas c = canvas(s.setup.resolution);
            plotcore::Frame f = plotcore::lay_out_frame(c, shown(s), width_, height_);
            f.id = s.frame;
            frames_[s.frame] = f;
            Item described = item;
            described.source.page_width = static_cast<float>(width_);
            described.source.page_height = static_cast<float>(height_);
            out.push_back(described);
            return append(c.take_items(), out);
        }
        out.push_back(item);
        const auto found = frames_.find(s.frame);
        if (found == frames_.end()) return;
        plotcore::Frame& f = found->second;
        plotcore::ItemCanvas c = canvas(f.setup.resolution);
        switch (item.kind) {
            case PlotKind::kBox:
                plotcore::draw_box(c, f, s.x, s.y, f.setup.time_origin);
                return append(c.take_items(), out);
            case PlotKind::kLabels:
                plotcore::draw_labels(c, f, s.labels);
                return append(c.take_items(), out);
            case PlotKind::kLegend:
                if (s.corner == 0)
                    plotcore::draw_legend(c, f, s.placement, s.legend);
                else
                    plotcore::draw_legend(c, f, s.corner, s.legend);
                return append(c.take_items(), out);
            case PlotKind::kTwin:
                plotcore::draw_twin(c, f, s.twin);
                return append(c.take_items(), out);
            case PlotKind::kBeside:  // its items follow the strip beside the frame's box
                return follow(c, s, f, plotcore::bar_strip(f, s.side, s.gap, s.width, unit()), out);
            default:  // an anchor: its items follow the frame's world
                return follow(c, s, f, program_box(s.frame, f, out.back()), out);
        }
    }

    // Where the frame's world as the program set it lies on the page now: its box, unless
    // the window shows other ranges. Then the anchor carries the box as the clip of its
    // part (the painter keeps the part's items inside it, whatever clips they have).
    plotcore::Rect program_box(std::uint32_t id, const plotcore::Frame& f, Item& anchor) {
        anchor.clip_on = views_.contains(id);
        anchor.clip = {};
        if (!anchor.clip_on) return f.box;
        plotcore::ItemCanvas c = canvas(f.setup.resolution);
        c.clip_to(f.box);
        anchor.clip = c.take_items().front().clip;
        const plotcore::Frame& p = program_[id];
        const double x0 = f.px(p.wx1), x1 = f.px(p.wx2), y0 = f.py(p.wy1), y1 = f.py(p.wy2);
        return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
    }

    // The items of the part map from the box they were placed in onto this one, of frame f
    // as laid out now.
    void follow(const plotcore::ItemCanvas& c, const plotcore::LayoutSource& s,
                const plotcore::Frame& f, const plotcore::Rect& box, Items& out) {
        const plotcore::PointF a = c.place(box.x0, box.y1);
        const plotcore::PointF b = c.place(box.x1, box.y0);
        const double old_height = old_frames_[s.frame].text_height;
        const double scale = old_height > 0 ? f.text_height / old_height : 1.0;
        map_ = {s.box, {a.x, a.y, b.x, b.y}, static_cast<float>(scale)};
        out.back().source.box = map_.to;
    }

    // The page's normalized unit: its shorter side.
    double unit() const { return std::min(width_, height_); }

    void append(Items laid_out, Items& out) const {
        for (Item& item : laid_out) {
            resolve_colours(item, colours_);
            out.push_back(std::move(item));
        }
    }

    double width_, height_;
    const plotcore::StyleWidths& widths_;
    const ColourTable& colours_;
    const FrameViews& views_;
    std::map<std::uint32_t, plotcore::Frame> frames_;
    std::map<std::uint32_t, plotcore::Frame> program_;     // the world the program set
    std::map<std::uint32_t, plotcore::Frame> old_frames_;  // as they were laid out before
    BoxMap map_;
};

}  // namespace

Relaid relayout_plots(DisplayList& display, double page_width, double page_height,
                      const plotcore::StyleWidths& widths, const ColourTable& colours,
                      const FrameViews& views) {
    Relayout relayout(page_width, page_height, widths, colours, views);
    for (const DrawItem& item : display.items()) {
        if (item.kind == ItemKind::kBatch && item.batch) relayout.frames_of(*item.batch);
    }
    Relaid relaid;
    relaid.frames = relayout.moved();
    for (std::size_t i = 0; i < display.size(); ++i) {
        const DrawItem& item = display.items()[i];
        if (item.kind != ItemKind::kBatch || !item.batch) continue;
        auto laid_out = std::make_shared<const Items>(relayout.batch(*item.batch));
        if (*laid_out == *item.batch) continue;
        if (display.replace_batch(i, std::move(laid_out))) ++relaid.batches;
    }
    return relaid;
}

std::vector<plotcore::Frame> window_frames(const DisplayList& display, double page_width,
                                           double page_height, const plotcore::StyleWidths& widths,
                                           const FrameViews& views) {
    std::vector<plotcore::Frame> frames;
    for (const DrawItem& item : display.items()) {
        if (item.kind != ItemKind::kBatch || !item.batch) continue;
        for (const Item& part : *item.batch) {
            if (part.kind != PlotKind::kFrame) continue;
            const plotcore::LayoutSource& s = part.source;
            const auto view = views.find(s.frame);
            plotcore::ItemCanvas c(widths, kUtf8Texts, page_height, s.setup.resolution);
            frames.push_back(plotcore::lay_out_frame(
                c,
                view == views.end() ? s.setup : plotcore::with_ranges(s.setup, view->second.shown),
                page_width, page_height));
            frames.back().id = s.frame;
        }
    }
    return frames;
}

std::set<std::uint32_t> frame_numbers(const DisplayList& display) {
    std::set<std::uint32_t> numbers;
    for (const DrawItem& item : display.items()) {
        if (item.kind != ItemKind::kBatch || !item.batch) continue;
        for (const Item& part : *item.batch) {
            if (part.kind == PlotKind::kFrame) numbers.insert(part.source.frame);
        }
    }
    return numbers;
}

namespace {

void resolve(std::uint32_t& colour, const ColourTable& colours) {
    if (!plotcore::is_colour_value(colour)) return;
    const auto value = static_cast<std::int32_t>(colour & ~plotcore::kColourValueFlag);
    colour = colours.resolve(value).value_or(0) & 0xFFFFFFu;
}

}  // namespace

void resolve_colours(plotcore::Item& item, const ColourTable& colours) {
    resolve(item.stroke.rgb, colours);
    resolve(item.fill_rgb, colours);
    resolve(item.text.rgb, colours);
    resolve(item.marker.rgb, colours);
    for (std::uint32_t& colour : item.colours) resolve(colour, colours);
    for (plotcore::GradientStop& stop : item.gradient.stops) resolve(stop.rgb, colours);
}

}  // namespace luwnd
