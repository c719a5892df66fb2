#include "legend_layout.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "marked_text.h"

namespace lumora::plotcore {
namespace {

// In text heights.
constexpr double kPad = 0.5, kRow = 1.4, kSample = 2.4, kInset = 0.5;
constexpr double kSwatchHeight = 0.8;
// Beyond the numbers: the room of an axis label (its gap and height).
constexpr double kLabelRoom = 1.8;
constexpr int kSampleWidth = 2;

// The left end of the legend's box, w wide.
double left_end(const Rect& box, int position, double w, double h, const LegendClearance& c) {
    const bool outside = (position & kLegendOutside) != 0;
    if ((position & kLegendRight) != 0)
        return outside ? box.x1 + c.right + kInset * h : box.x1 - kInset * h - w;
    if ((position & kLegendLeft) != 0)
        return outside ? box.x0 - c.left - kInset * h - w : box.x0 + kInset * h;
    return (box.x0 + box.x1 - w) / 2;
}

// The top of the legend's box, height high (page y upward).
double top_end(const Rect& box, int position, double height, double h, const LegendClearance& c) {
    const bool outside = (position & kLegendOutside) != 0;
    const bool beside = (position & (kLegendRight | kLegendLeft)) != 0;
    const double in = outside && beside ? 0 : kInset * h;
    if (outside && !beside) {
        return (position & kLegendTop) != 0 ? box.y1 + c.top + kInset * h + height
                                            : box.y0 - c.bottom - kInset * h;
    }
    if ((position & kLegendTop) != 0) return box.y1 - in;
    if ((position & kLegendBottom) != 0) return box.y0 + in + height;
    return (box.y0 + box.y1 + height) / 2;
}

// Moves a box of the size into bounds where it fits.
double kept_within(double lo, double size, double bound_lo, double bound_hi) {
    if (bound_hi - bound_lo < size || bound_hi <= bound_lo) return lo;
    return std::clamp(lo, bound_lo, bound_hi - size);
}

// The widest text of each column.
std::vector<double> column_widths(const std::vector<double>& widths, std::size_t columns) {
    std::vector<double> widest(columns, 0);
    for (std::size_t i = 0; i < widths.size(); ++i)
        widest[i % columns] = std::max(widest[i % columns], widths[i]);
    return widest;
}

}  // namespace

bool valid_legend_position(int p) {
    const int side = p & (kLegendRight | kLegendLeft), edge = p & (kLegendTop | kLegendBottom);
    if (p < 1 || p > 31 || side == (kLegendRight | kLegendLeft) ||
        edge == (kLegendTop | kLegendBottom))
        return false;
    // Not the middle of the box, nor outside it with neither a side nor an edge.
    return side != 0 || edge != 0;
}

int position_of_place(int place) {
    constexpr int kOut = kLegendOutside | kLegendRight;
    constexpr int kPositions[] = {kLegendTop | kLegendRight,
                                  kLegendTop | kLegendLeft,
                                  kLegendBottom | kLegendLeft,
                                  kLegendBottom | kLegendRight,
                                  kLegendTop,
                                  kLegendLeft,
                                  kLegendBottom,
                                  kLegendRight,
                                  kOut | kLegendTop,
                                  kOut,
                                  kOut | kLegendBottom};
    return place >= 1 && place <= kLegendPlaces ? kPositions[place - 1] : kPositions[0];
}

LegendLayout layout_legend(const Rect& box, const LegendPlacement& p,
                           const std::vector<double>& widths, double h, const LegendClearance& c,
                           const Rect& bounds) {
    const std::size_t columns =
        std::clamp<std::size_t>(static_cast<std::size_t>(std::max(p.columns, 1)), 1,
                                std::max<std::size_t>(widths.size(), 1));
    const std::size_t rows = (widths.size() + columns - 1) / columns;
    const std::vector<double> widest = column_widths(widths, columns);
    double w = kPad * h;
    for (double column : widest) w += kSample * h + kPad * h + column + kPad * h;
    const double height = 2 * kPad * h + kRow * h * static_cast<double>(rows);
    double x0 = left_end(box, p.position, w, h, c) + p.dx * h;
    double y1 = top_end(box, p.position, height, h, c) + p.dy * h;
    x0 = kept_within(x0, w, bounds.x0, bounds.x1);
    y1 = kept_within(y1 - height, height, bounds.y0, bounds.y1) + height;
    LegendLayout l;
    l.frame = {x0, y1 - height, x0 + w, y1};
    std::vector<double> column_x{x0 + kPad * h};
    for (double column : widest)
        column_x.push_back(column_x.back() + kSample * h + 2 * kPad * h + column);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const double row = static_cast<double>(i / columns);
        const double sample = column_x[i % columns];
        l.slots.push_back({y1 - kPad * h - kRow * h * (row + 0.5), sample, sample + kSample * h,
                           sample + kSample * h + kPad * h});
    }
    return l;
}

namespace {

void draw_sample(LayoutCanvas& c, const LegendEntry& e, const LegendSlot& s, double h,
                 int outline) {
    if (e.swatch) {
        const double half = kSwatchHeight * h / 2;
        const double x0 = s.sample_x0, y0 = s.y - half, x1 = s.sample_x1, y1 = s.y + half;
        if (e.hatch.empty())
            c.fill_box(x0, y0, x1, y1, e.colour);
        else
            c.hatch_polygon({x0, y0, x1, y0, x1, y1, x0, y1}, e.colour, e.hatch);
        c.set_pen(outline, 0, 1);
        c.outline_box(x0, y0, x1, y1);
        return;
    }
    if (e.line_style >= 0) {
        c.set_pen(e.colour, e.line_style, kSampleWidth);
        c.draw_line(s.sample_x0, s.y, s.sample_x1, s.y);
    }
    const int type = e.marker % 10;
    if (type >= 1 && type <= 6) {
        c.set_pen(e.colour, 0, 1);
        c.draw_markers({(s.sample_x0 + s.sample_x1) / 2, s.y}, type, e.marker / 10 == 1, 0.6 * h);
    }
}

LegendClearance clearance_of(const Frame& f) {
    const double h = f.text_height;
    return {std::max(f.y_numbers_width, 0.3 * h) + kLabelRoom * h, f.right_numbers_width,
            f.top_numbers_height, std::max(f.x_numbers_depth, 0.3 * h) + kLabelRoom * h};
}

}  // namespace

void draw_legend(LayoutCanvas& c, const Frame& f, int place,
                 const std::vector<LegendEntry>& entries) {
    LegendPlacement p;
    p.position = position_of_place(place);
    draw_legend(c, f, p, entries);
}

void draw_legend(LayoutCanvas& c, const Frame& f, const LegendPlacement& p,
                 const std::vector<LegendEntry>& entries) {
    const double h = f.text_height;
    c.set_text(h, 0, kLeftBase, kBlack);
    std::vector<double> widths;
    for (const LegendEntry& e : entries) widths.push_back(marked_text_size(c, e.text, h).width);
    const LegendLayout l = layout_legend(f.box, p, widths, h, clearance_of(f), f.panel);
    const Rect& r = l.frame;
    if (p.background != -1) {
        c.fill_translucent_box(r.x0, r.y0, r.x1, r.y1, p.background, p.background_alpha);
        c.set_pen(f.setup.style.box, 0, 1);
        c.outline_box(r.x0, r.y0, r.x1, r.y1);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendSlot& s = l.slots[i];
        draw_sample(c, entries[i], s, h, f.setup.style.box);
        draw_marked_text(c, s.text_x, s.y - 0.35 * h, entries[i].text,
                         {h, 0, kLeftBase, entries[i].text_colour});
    }
}

}  // namespace lumora::plotcore
