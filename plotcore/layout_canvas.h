// What the plot layout draws on: page pixels of the drawing area with y upward from its
// lower edge, colours as colour values (as lu_set_pen takes them), pen widths in pixels at
// 96 dpi. The library draws through it into a batch (or with the drawing operations when
// the window process takes no batches); the window process into the items it keeps.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lumora::plotcore {

// Text alignment codes: horizontal (0 left, 1 centre, 2 right) plus 3 times vertical
// (0 top, 1 baseline, 2 bottom), as lu_set_font takes them.
enum Align {
    kLeftTop = 0,
    kCentreTop = 1,
    kRightTop = 2,
    kLeftBase = 3,
    kCentreBase = 4,
    kRightBase = 5,
    kLeftBottom = 6,
    kCentreBottom = 7,
    kRightBottom = 8
};

inline constexpr int kBlack = 0;  // colour entry 0
inline constexpr int kKeep = -1;  // a pen or text setting left as it is

// A colour value of red, green and blue 0 .. 255, as lu_make_rgb_colour makes it.
constexpr int rgb_colour_value(int red, int green, int blue) {
    return 0x02000000 | red | green << 8 | blue << 16;
}

struct TextSize {
    double width = 0, height = 0;
    double ascent = 0;  // of the line above the baseline; 0 when the canvas cannot say
};

// Style bits of the texts that follow: 1 bold, 2 italic, and kUtf8Text for bytes in UTF-8
// whatever the platform reads (the named symbols of markup).
inline constexpr int kUtf8Text = 16;  // above the bold, italic, underline and strikeout bits

// One set of parallel hatch lines: angle in radians counterclockwise from the page's x
// axis, spacing the distance between neighbouring lines measured across them (pixels at
// 96 dpi on a layout canvas, page pixels in a batch item).
struct HatchLines {
    float angle = 0;
    float spacing = 8;
    bool operator==(const HatchLines&) const = default;
};
// A hatch pattern: one or two sets of lines (kMaxHatchSets); none for a solid fill.
using Hatch = std::vector<HatchLines>;
inline constexpr std::size_t kMaxHatchSets = 2;

// An affine picture of a text: a point (u, v) of the text's own plane, u pixels along its
// baseline and v up from it at its height, stands xx * u + xy * v right of its anchor and
// yx * u + yy * v above it on the page. A text drawn in a plane of a 3-D view is turned,
// foreshortened and sheared this way.
struct TextMatrix {
    double xx = 1, xy = 0, yx = 0, yy = 1;
};

class LayoutCanvas {
  public:
    virtual ~LayoutCanvas() = default;
    // colour, style, width: kKeep leaves one as it is.
    virtual void set_pen(int colour, int style, int width) = 0;
    // Height in pixels, angle in turns, an Align code, a colour (kKeep: as it is).
    virtual void set_text(double height, double angle, int align, int colour) = 0;
    // Style bits (see kUtf8Text) of the texts measured and drawn from now on; the previous
    // ones come back.
    virtual int set_text_style(int style) = 0;
    // The picture of the texts drawn from now on, in place of their angle; none: turned by
    // the angle. A canvas that can only turn texts turns them by set_text's angle.
    virtual void set_text_matrix(const std::optional<TextMatrix>& matrix) = 0;
    // Width and height of a text's line in the current text look, in pixels.
    virtual TextSize measure_text(const std::string& text) = 0;
    virtual void draw_text(double x, double y, const std::string& text) = 0;
    virtual void draw_line(double x1, double y1, double x2, double y2) = 0;
    virtual void draw_polyline(const std::vector<float>& xy) = 0;
    virtual void fill_box(double x0, double y0, double x1, double y1, int colour) = 0;
    virtual void outline_box(double x0, double y0, double x1, double y1) = 0;
    // A box filled with a colour value in an opacity of 0 ... 255 (255: as fill_box) over
    // what lies below it.
    virtual void fill_translucent_box(double x0, double y0, double x1, double y1, int colour,
                                      int alpha) = 0;
    // Markers 1 .. 6 of pixels across centred on the x, y pairs, in the pen's colour.
    virtual void draw_markers(const std::vector<double>& xy, int type, bool filled,
                              double pixels) = 0;
    // The polygon of x, y pairs (even-odd) hatched with lines of the colour value, one
    // pixel wide at 96 dpi, nothing between them.
    virtual void hatch_polygon(const std::vector<double>& xy, int colour, const Hatch& hatch) = 0;
};

// A number of the form 10^exponent: the base at the text height, the exponent smaller
// and raised after it.
struct PowerText {
    std::string exponent;
    double height;
    std::string base = "10";
};
double power_width(LayoutCanvas& canvas, const PowerText& p);
// Drawn with its left end at x; y is the baseline of the base.
void draw_power(LayoutCanvas& canvas, double x, double y, const PowerText& p, int colour);

}  // namespace lumora::plotcore
