// The plotting layer's drawing primitives over the public operations: the page world
// (one unit a pixel, y upward) in which frames and texts are drawn, the frame's world,
// text measured and drawn in pixels, and scopes that restore the caller's pen and lift
// the clip again.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plot_recorder.h"
#include "plot_state.h"
#include "plotcore/items.h"
#include "plotcore/layout_canvas.h"

namespace lumora::plot {

// The drawing area of the current window in pixels; ok false when none is open.
struct Page {
    bool ok = false;
    double width = 0, height = 0, unit = 1;  // unit: pixels per normalized unit
    double resolution = 1;                   // the window's dots per inch / 96
    Rect rect() const { return {0, 0, width, height}; }
};
Page current_page();

// World = page pixels over the whole drawing area.
void use_page_world(const Page& page);
// Viewport on the frame's box, world on its world window.
void use_frame_world(const Page& page, const Frame& frame);

// The frame's world for the data drawn next, without touching the window's own world
// (data drawn while the drawing is recorded); the window's plot transform applies to it.
// The other spaces (page, frame world, view, strip) draw without the transform.
void use_frame_space(const Frame& frame);

// A viewport in normalized units (as lu_set_viewport takes it) with a world window on it:
// where the fields draw, in the window's own world and with no plot frame.
struct View {
    float vx1 = 0, vy1 = 0, vx2 = 1, vy2 = 1;
    float wx1 = 0, wy1 = 0, wx2 = 1, wy2 = 1;
    bool pixels = false;  // the world is the device's pixels, y downward
};
// The current window's viewport and world window.
View window_view();
// Records the drawing that follows in the view's world, placed on the page as the window
// process places a viewport and its world, with texts in the window's text font; the
// view as the frame it is recorded in, none when the current window takes no plot
// batches. A window that does not is asked nothing more than that, once.
std::optional<Frame> use_view_space(const View& view);
// use_view_space for a field's data: with the window's plot transform applied to the
// positions drawn next (data_transform.h), in whichever road the window takes.
std::optional<Frame> use_field_space(const View& view);
// Records the drawing that follows in a strip on a side of the plot frame's box
// (plotcore::kSide..., gap counted as plotcore::bar_strip counts it), gap and width
// normalized units beyond it and as long as that side; its world 0 ... 1 across and
// low ... high along (x across and y along right or left of the box, the other way round
// above or below it), so that it stays beside the box when the window is resized (until
// end_description). The strip as a frame; none when the view is not the plot frame's or
// drawing is not recorded.
std::optional<Frame> use_beside_space(const View& view, int side, double gap, double width,
                                      double low, double high);
// How far beyond the view's edge on a side a colour bar's gap counts from, in normalized
// units: plotcore::bar_clearance when the view is the plot frame's, else 0.
double bar_clearance(const View& view, int side);

// Restores the pen (and the text look) on leaving.
class PenScope {
  public:
    PenScope();
    ~PenScope();
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;
    int colour() const;

  private:
    int colour_ = 0, style_ = 0, width_ = 0, mix_ = 0;
    PlotPen recorded_;
    PlotFont font_;
};

// Clips to the frame's box (in its world) until the scope ends.
class ClipScope {
  public:
    explicit ClipScope(const Frame& frame);
    ~ClipScope();
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;
};

// Sets the text font in pixels (page world), angle in turns, colour value.
void set_text(double height, double angle, int align, int colour);
// Style bits of the text font (plotcore::kUtf8Text among them); the previous ones back.
int set_text_style(int style);
// Width and height of a text's line in the current font, in page pixels.
TextSize measure_text(const std::string& text);
// Width and height of a text's line in the window's text font in device pixels: the
// window's own whole-pixel answer, or the cached widths while drawing is recorded.
// Zero when the window could not say.
TextSize measure_window_text(const std::string& text);
// Turns the window's text font (angle in turns) and aligns it, keeping its height, style
// and colour; false when the window refused.
bool turn_text(double angle, int align);

// The drawing calls give false when the window refused the command they sent (never
// while drawing is recorded: a refused batch is told when it is sent).
bool draw_text(double x, double y, const std::string& text);
bool draw_line(double x1, double y1, double x2, double y2);
bool draw_polyline(const std::vector<float>& points);
// A polygon filled in the pen's colour and outlined with the pen (rule: 0 alternate,
// 1 winding, as lu_draw_polygon takes it).
constexpr int kWindingRule = 1;
bool draw_polygon(const std::vector<float>& points, int rule);
// The polygon of x, y pairs hatched with lines of a colour value (rule as draw_polygon's),
// nothing between them, the pen as it was. Where drawing is not recorded, the drawing
// operations draw the lines a batch's hatch would have, one by one.
bool draw_hatch(const std::vector<double>& xy, int colour, const Hatch& hatch, int rule);
// The polygon of x, y pairs filled with a linear gradient at an angle (radians,
// counterclockwise on the page) across its reach, without outline (rule as
// draw_polygon's); the stops' colours packed RGB. Where
// drawing is not recorded, bands a pixel wide in the colours of their middles, opaque
// (the window's opacity applies), the pen as it was.
bool draw_gradient(const std::vector<double>& xy, std::vector<plotcore::GradientStop> stops,
                   double angle, int rule);
// A polygon of x, y pairs filled with a colour value, without outline (rule 0, alternate);
// where drawing is not recorded the pen takes the colour, so keep it in a PenScope.
bool fill_shape(const std::vector<double>& xy, int colour);
// The same outlined with the pen; where drawing is not recorded, the pen is kept.
bool fill_outlined(const std::vector<double>& xy, int colour);
// A box filled with a colour value, without outline; and a box outlined with the pen.
bool fill_box(double x0, double y0, double x1, double y1, int colour);
bool outline_box(double x0, double y0, double x1, double y1);
// A box filled as fill_box in an opacity of 0 ... 255 over what lies below; where drawing
// is not recorded, through the window's opacity, which comes back afterwards.
bool fill_translucent_box(double x0, double y0, double x1, double y1, int colour, int alpha);

// Markers (type 1 ... 6) centred on x, y pairs in the pen's colour: pixels across; units,
// the same size in the window's world along y, for windows that draw them one by one.
struct MarkerLook {
    int type = 1;
    bool filled = false;
    double pixels = 5, units = 5;
};
void draw_markers(const std::vector<double>& xy, const MarkerLook& look);
// The same, each marker scales[i] times the look's size and in its colour value colours[i].
void draw_coloured_markers(const std::vector<double>& xy, const std::vector<double>& scales,
                           const std::vector<int>& colours, const MarkerLook& look);
bool set_pen(int colour, int style, int width);

// Sends what the current plotting call has drawn; false when the window refused it.
bool finish_plot_drawing();

// What is drawn next in this call, in whatever space, moves with the frame's box when the
// window is resized (a polar grid).
void move_with_frame(const Frame& frame);

// The layout that follows is made from the description (a frame, a box, labels) until
// end_description: recorded with it, so that the window process can lay it out again.
// Nothing when the drawing is not recorded.
void describe(const plotcore::Item& description);
void end_description();

// The primitives above as the layout's canvas.
plotcore::LayoutCanvas& page_canvas();

}  // namespace lumora::plot
