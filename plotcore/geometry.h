// Page geometry of the plotting layer, in pixels of the drawing area with y upward from
// its lower edge: panels of a subpage grid, the box a frame fits into its panel and a
// strip beside it.
#pragma once

namespace lumora::plotcore {

struct Rect {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // x0 <= x1, y0 <= y1
    double width() const { return x1 - x0; }
    double height() const { return y1 - y0; }
};

// Panel n (1 ... nx * ny, along the rows from the upper left) of the page.
Rect subpage(const Rect& page, int nx, int ny, int n);

// Room around a box, in pixels.
struct Margins {
    double left = 0, right = 0, bottom = 0, top = 0;
};

// The box inside the panel that leaves the margins; with equal scales, the largest box of
// the ranges' shape (width over height = x_span / y_span), centred in the room.
Rect fit_box(const Rect& panel, const Margins& margins, bool equal, double x_span, double y_span);

// The text height the layer uses in a panel: a little more than a twenty-fifth of its
// smaller side, within readable bounds (which grow with the resolution against 96 dpi).
double text_height_for(const Rect& panel, double scale, double resolution = 1);

// The sides of a box a strip stands on: the values of LU_BAR_RIGHT ... LU_BAR_BELOW.
inline constexpr int kSideRight = 1, kSideLeft = 2, kSideAbove = 3, kSideBelow = 4;
inline constexpr bool is_side(int side) {
    return side >= kSideRight && side <= kSideBelow;
}
inline constexpr bool is_upright_side(int side) {
    return side == kSideRight || side == kSideLeft;
}

// A strip beside a box (a colour bar's) on one side of it: `clear` pixels and then gap
// beyond the box's edge, width across, gap and width in normalized units of unit pixels;
// as long as that side of the box. A negative width is none across.
Rect beside(const Rect& box, int side, double clear, double gap, double width, double unit);

}  // namespace lumora::plotcore
