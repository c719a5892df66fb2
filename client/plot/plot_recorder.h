// Where the plotting layer's drawing goes while a plotting call runs, when the window
// takes plot batches: plot items at full precision, sent in as few batches as fit when the
// outermost plotting call ends. Positions arrive in one of two spaces and are turned into
// page pixels here:
//   the page             pixels over the drawing area, y upward (frames and texts)
//   a frame's world      the frame's world window on its box (data)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plot_state.h"
#include "plotcore/items.h"

namespace lumora::plot {

struct Page;

// How lines are drawn: a colour value (as lu_set_pen takes it), a pen style and a width
// in pixels at 96 dpi.
struct PlotPen {
    int colour = 0;
    int style = 0;
    double width = 1;
};

// A text's look: height in pixels, angle in turns, alignment code (see page_draw.h),
// colour value, style bits (1 bold, 2 italic; the others are not drawn).
struct PlotFont {
    double height = 12, angle = 0;
    int align = 0;
    int colour = 0;
    int style = 0;
};

class PlotRecorder {
  public:
    // True while drawing is recorded.
    bool on() const { return window_ != 0; }
    int window() const { return window_; }
    // Starts recording for the window when it takes plot batches and nothing is recorded
    // for another window; true when drawing into the window is now recorded.
    bool start(int window, const Page& page);
    // Sends what is recorded, into the window's layer (see WindowPlot), and stops. False
    // when the window refused a batch.
    bool finish();

    void use_page() { space_ = Space::kPage; }
    void use_frame(const Frame& f);

    PlotPen& pen() { return pen_; }
    PlotFont& font() { return font_; }

    void line(double x1, double y1, double x2, double y2);
    void polyline(const std::vector<double>& xy);
    // A polygon filled with a colour value (or not, -1) and outlined with the pen (or not).
    void polygon(const std::vector<double>& xy, int fill, bool outline, bool nonzero);
    void text(double x, double y, const std::string& bytes);
    // Markers 0 .. 6 of size pixels across, in the pen's colour.
    void markers(const std::vector<double>& xy, int type, double size, bool filled);
    // Clips what follows to the frame's box; off again with clip_off.
    void clip_to(const Frame& f);
    void clip_off();

  private:
    enum class Space { kPage, kFrame };
    plotcore::PointF place(double x, double y) const;
    std::vector<plotcore::PointF> place_all(const std::vector<double>& xy) const;
    plotcore::Stroke stroke() const;
    void add(plotcore::Item item);

    int window_ = 0;
    double page_height_ = 0;
    double resolution_ = 1;  // widths are given at 96 dpi
    Space space_ = Space::kPage;
    Frame frame_;
    PlotPen pen_;
    PlotFont font_;
    plotcore::Items items_;
};

PlotRecorder& plot_recorder();

// A colour value (as lu_set_pen takes it) as a batch colour: the window process resolves it.
std::uint32_t batch_colour(int colour_value);

}  // namespace lumora::plot
