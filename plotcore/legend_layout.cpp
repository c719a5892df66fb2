#include "legend_layout.h"

#include <algorithm>
#include <utility>

#include "marked_text.h"

namespace lumora::plotcore {
namespace {

// In text heights.
constexpr double kPad = 0.5, kRow = 1.4, kSample = 2.4, kInset = 0.5;
constexpr int kWhite = rgb_colour_value(255, 255, 255);
constexpr int kSampleWidth = 2;

}  // namespace

LegendLayout layout_legend(const Rect& box, int corner, const std::vector<double>& widths,
                           double h) {
    LegendLayout l;
    const double widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
    const double w = kPad * h + kSample * h + kPad * h + widest + kPad * h;
    const double height = 2 * kPad * h + kRow * h * static_cast<double>(widths.size());
    const double left_in = box.x0 + kInset * h, right_in = box.x1 - kInset * h - w;
    const double centre_x = (box.x0 + box.x1 - w) / 2, outside = box.x1 + kInset * h;
    const double top_in = box.y1 - kInset * h, bottom_in = box.y0 + kInset * h + height;
    const double middle_y = (box.y0 + box.y1 + height) / 2;
    // The left end and the top of the legend's box for each position.
    const std::pair<double, double> places[] = {
        {right_in, top_in},    {right_in, top_in}, {left_in, top_in},   {left_in, bottom_in},
        {right_in, bottom_in}, {centre_x, top_in}, {left_in, middle_y}, {centre_x, bottom_in},
        {right_in, middle_y},  {outside, box.y1},  {outside, middle_y}, {outside, box.y0 + height}};
    const auto [x0, y1] = places[corner >= 1 && corner <= kLegendPlaces ? corner : 1];
    l.frame = {x0, y1 - height, x0 + w, y1};
    for (std::size_t i = 0; i < widths.size(); ++i)
        l.rows.push_back(y1 - kPad * h - kRow * h * (static_cast<double>(i) + 0.5));
    l.sample_x0 = x0 + kPad * h;
    l.sample_x1 = l.sample_x0 + kSample * h;
    l.text_x = l.sample_x1 + kPad * h;
    return l;
}

void draw_legend(LayoutCanvas& c, const Frame& f, int corner,
                 const std::vector<LegendEntry>& entries) {
    const double h = f.text_height;
    c.set_text(h, 0, kLeftBase, kBlack);
    std::vector<double> widths;
    for (const LegendEntry& e : entries) widths.push_back(marked_text_size(c, e.text, h).width);
    const LegendLayout l = layout_legend(f.box, corner, widths, h);
    const Rect& r = l.frame;
    c.fill_box(r.x0, r.y0, r.x1, r.y1, kWhite);
    c.set_pen(kBlack, 0, 1);
    c.outline_box(r.x0, r.y0, r.x1, r.y1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry& e = entries[i];
        const double y = l.rows[i];
        if (e.line_style >= 0) {
            c.set_pen(e.colour, e.line_style, kSampleWidth);
            c.draw_line(l.sample_x0, y, l.sample_x1, y);
        }
        const int type = e.marker % 10;
        if (type >= 1 && type <= 6) {
            c.set_pen(e.colour, 0, 1);
            c.draw_markers({(l.sample_x0 + l.sample_x1) / 2, y}, type, e.marker / 10 == 1, 0.6 * h);
        }
        draw_marked_text(c, l.text_x, y - 0.35 * h, e.text, {h, 0, kLeftBase, kBlack});
    }
}

}  // namespace lumora::plotcore
