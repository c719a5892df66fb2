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

// A strip beside a box (a colour bar's): gap right of it and width across, both in
// normalized units of unit pixels, as high as the box. A negative width is none across.
Rect beside(const Rect& box, double gap, double width, double unit);

}  // namespace lumora::plotcore
