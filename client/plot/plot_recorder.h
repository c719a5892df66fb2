// Where the plotting layer's drawing goes while a plotting call runs, when the window
// takes plot batches: plot items at full precision, sent in as few batches as fit when the
// outermost plotting call ends. Positions arrive in one of two spaces and are turned into
// page pixels here:
//   the page             pixels over the drawing area, y upward (frames and texts)
//   a frame's world      the frame's world window on its box (data)
// Each part of a batch says what it was laid out from (a frame, its box or labels), that
// it lies in a frame's world, or that it stays on the page as it is, so that the window
// process can lay the picture out again when the window changes size.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plot_state.h"
#include "plotcore/item_canvas.h"

namespace lumora::plot {

struct Page;

using PlotPen = plotcore::CanvasPen;
using PlotFont = plotcore::CanvasFont;

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

    void use_page();
    void use_frame(const Frame& f);
    // What is drawn next, in either space, moves with the frame's box on a resize.
    void move_with(const Frame& f) { wanted_ = frame_anchor(f); }
    // The layout that follows is made from this description (a frame, a box, labels) until
    // end_description.
    void describe(plotcore::Item description);
    // What is drawn next, in the strip's world, is the strip on a side (plotcore::kSide...)
    // of frame's box, gap and width normalized units beyond it, until end_description.
    void use_beside(std::uint32_t frame, const Frame& strip, int side, double gap, double width);
    void end_description();
    // The canvas of the page space, for the layout.
    plotcore::LayoutCanvas& layout_canvas();

    PlotPen& pen() { return canvas_->pen(); }
    PlotFont& font() { return canvas_->font(); }
    // In the font's face and style, with the widths the window process gave.
    plotcore::TextSize measure_text(const std::string& text);

    void line(double x1, double y1, double x2, double y2);
    void polyline(const std::vector<double>& xy);
    // A polygon filled with a colour value (or not, -1) in an opacity (0 ... 255) and
    // outlined with the pen (or not).
    void polygon(const std::vector<double>& xy, int fill, bool outline, bool nonzero,
                 int fill_alpha = 255);
    // Hatched with lines of a colour value (see ItemCanvas::hatch).
    void hatch(const std::vector<double>& xy, int colour, const plotcore::Hatch& hatch,
               bool nonzero);
    // Filled with a linear gradient (see ItemCanvas::gradient).
    void gradient(const std::vector<double>& xy, std::vector<plotcore::GradientStop> stops,
                  double angle, bool nonzero);
    void text(double x, double y, const std::string& bytes);
    // Markers 0 .. 6 of size pixels across, in the pen's colour.
    void markers(const std::vector<double>& xy, int type, double size, bool filled);
    // Markers each of its own size (pixels) and colour value.
    void coloured_markers(const std::vector<double>& xy, const std::vector<double>& sizes,
                          const std::vector<int>& colours, int type, bool filled);
    // Clips what follows to the frame's box; off again with clip_off.
    void clip_to(const Frame& f);
    void clip_off();

  private:
    enum class Space { kPage, kFrame };
    // Page pixels of x, y pairs in the current space.
    std::vector<double> on_page(const std::vector<double>& xy) const;
    plotcore::Item frame_anchor(const Frame& f) const;
    // Marks where drawing in another space than the last item's begins.
    void mark_section();

    int window_ = 0;
    Space space_ = Space::kPage;
    Frame frame_;
    std::optional<plotcore::ItemCanvas> canvas_;
    plotcore::Item section_, wanted_;  // anchors: the one in force, the one drawing needs
};

PlotRecorder& plot_recorder();

using plotcore::batch_colour;

}  // namespace lumora::plot
