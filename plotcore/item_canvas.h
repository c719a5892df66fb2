// A layout canvas that turns what is drawn on it into plot items (items.h): page pixels
// with y upward become batch coordinates (y downward, a pixel's centre at +0.5, as the
// drawing operations' device pixel d covers d .. d + 1), pens and fonts become strokes and
// text looks, colour values travel flagged for the window process to resolve, and texts
// are measured with the face's font widths. The library records a plot element with it;
// the window process lays a kept element out again with it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "font_widths.h"
#include "geometry.h"
#include "items.h"
#include "layout_canvas.h"

namespace lumora::plotcore {

// How lines are drawn: a colour value, a pen style (0 .. 9; 5 draws none) and a width in
// pixels at 96 dpi.
struct CanvasPen {
    int colour = 0;
    int style = 0;
    double width = 1;
};

// A text's look: height in pixels, angle in turns, Align code, colour value, style bits
// (1 bold, 2 italic; the others are not drawn).
struct CanvasFont {
    double height = 12, angle = 0;
    std::optional<TextMatrix> matrix;  // in place of the angle
    int align = 0;
    int colour = 0;
    int style = 0;
};

inline constexpr int kTextStyles = 3;  // bold and italic

// A colour value as a batch colour, which the window process resolves.
std::uint32_t batch_colour(int colour_value);

// The widths of the default face in a style (bold and italic bits); the reference must
// stay good while the canvas lives.
using StyleWidths = std::function<const FontWidths&(int style)>;

class ItemCanvas : public LayoutCanvas {
  public:
    // Texts in UTF-8 (Linux) or a code page (Windows) measured with the widths of their
    // style; widths of pens and markers grow with the resolution against 96 dpi.
    ItemCanvas(StyleWidths widths, bool utf8, double page_height, double resolution);

    CanvasPen& pen() { return pen_; }
    CanvasFont& font() { return font_; }
    const Items& items() const { return items_; }
    Items take_items();
    // Puts an item as it is (a description, an anchor) after those drawn so far.
    void add_as_is(Item item);

    // x, y pairs in page pixels; pairs that are not finite are left out.
    void polyline(const std::vector<double>& xy);
    // Filled with a colour value (or not, -1) in an opacity (0 ... 255) and outlined with
    // the pen (or not).
    void polygon(const std::vector<double>& xy, int fill, bool outline, bool nonzero,
                 int fill_alpha = 255);
    void markers(const std::vector<double>& xy, int type, double size, bool filled);
    // Markers 0 .. 6, each of its own size (pixels across) and colour value; points that
    // are not finite are left out with their sizes and colours.
    void coloured_markers(const std::vector<double>& xy, const std::vector<double>& sizes,
                          const std::vector<int>& colours, int type, bool filled);
    // Hatched with lines of a colour value, one pixel wide at 96 dpi; the hatch's spacings
    // grow with the resolution too. Nothing for a hatch without lines.
    void hatch(const std::vector<double>& xy, int colour, const Hatch& hatch, bool nonzero);
    // Filled with a linear gradient at an angle (radians, counterclockwise on the page)
    // across the polygon's reach (gradient_axis); the stops' colours packed RGB.
    // Nothing for a polygon without reach along the angle.
    void gradient(const std::vector<double>& xy, std::vector<GradientStop> stops, double angle,
                  bool nonzero);
    // Clips what follows to the box (page pixels, the box's edge pixels inside); off again
    // with clip_off.
    void clip_to(const Rect& box);
    void clip_off();
    // The batch point of a page point.
    PointF place(double x, double y) const;

    void set_pen(int colour, int style, int width) override;
    void set_text(double height, double angle, int align, int colour) override;
    int set_text_style(int style) override;
    void set_text_matrix(const std::optional<TextMatrix>& matrix) override;
    TextSize measure_text(const std::string& text) override;
    void draw_text(double x, double y, const std::string& text) override;
    void draw_line(double x1, double y1, double x2, double y2) override;
    void draw_polyline(const std::vector<float>& xy) override;
    void fill_box(double x0, double y0, double x1, double y1, int colour) override;
    void outline_box(double x0, double y0, double x1, double y1) override;
    void fill_translucent_box(double x0, double y0, double x1, double y1, int colour,
                              int alpha) override;
    void draw_markers(const std::vector<double>& xy, int type, bool filled, double pixels) override;
    void hatch_polygon(const std::vector<double>& xy, int colour, const Hatch& h) override;

  private:
    Stroke stroke() const;
    void add(Item item);

    StyleWidths widths_;
    bool utf8_;
    double page_height_, resolution_;
    CanvasPen pen_;
    CanvasFont font_;
    Items items_;
};

}  // namespace lumora::plotcore
