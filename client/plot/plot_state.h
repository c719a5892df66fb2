// What the plotting layer remembers per window: the subpage grid and current panel, the
// current frame, the legend being gathered, the colour cycle's position, the text scale
// and the time origin.
#pragma once

#include <array>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "arrow_shape.h"
#include "plot_transform.h"
#include "plotcore/frame_layout.h"
#include "plotcore/legend_layout.h"
#include "plotcore/twin_axis.h"
#include "plotcore/view3d.h"

namespace lumora::plot {

// The layout's types (frames, boxes, ticks, the canvas) are the plotting layer's own.
using namespace plotcore;  // NOLINT(google-build-using-namespace)

inline constexpr int kFrameLabels = -2;

// The grid of polar frames (lu_plot_polar_grid): rings every ring_step of the radius (0:
// at the radius ticks), spokes every spoke_step degrees, and their colours (kFrameColour:
// the grid's); options a sum of LU_POLAR_... (lu_plot_polar_options).
inline constexpr int kDefaultSpokeStep = 30;
struct PolarGrid {
    double ring_step = 0;
    int spoke_step = kDefaultSpokeStep;
    int ring_colour = kFrameColour, spoke_colour = kFrameColour;
    int options = 0;
};

struct WindowPlot {
    int nx = 1, ny = 1;
    int panel = 0;             // 0: none yet
    bool panel_fresh = false;  // chosen by lu_plot_advance, not yet framed
    Frame frame;
    std::uint32_t frames = 0;  // frames made so far: the number of the next
    // A box drawn on the frame with options of its own (lu_plot_box), laid out again
    // with the frame.
    bool own_box = false;
    AxisOptions box_x, box_y;
    // Twin axes drawn on the frame, laid out again with it; their numbers' format.
    std::optional<TwinAxis> twin_x, twin_y;
    std::string twin_format;
    TwinLook twin_look;  // of the twins made from now on
    std::vector<LegendEntry> legend;
    // Of the legend entries added from now on: a colour value, -1 their own colour, or
    // kFrameLabels that of the frame's labels.
    int legend_text_colour = kFrameLabels;
    int legend_alpha = 255;  // the opacity of the placed legends' backgrounds, 0 ... 255
    int next_colour = 0;
    std::vector<int> colours;  // the colour cycle from now on; empty: the default eight
    // The hatches of the fills from now on: the k-th fill of a call that fills several
    // (bar series, pie slices, contour bands, swatches of the legend) takes hatch k modulo
    // their number; none, or an empty hatch, fills solid.
    std::vector<Hatch> hatches;
    // The opacity (0 ... 1) of the gradients from now on at their first and last colour.
    double gradient_from_opacity = 1, gradient_to_opacity = 1;
    double text_scale = 1;
    double title_size = kDefaultTitleSize;  // in text heights, of the frames from now on
    plotcore::FrameStyle style;             // of the frames made from now on
    plotcore::LabelColours label_colours;   // of the frames made from now on
    PolarGrid polar_grid;                   // of the polar frames made from now on
    plotcore::NumberFormats formats;
    std::string contour_format, bar_format;  // empty: chosen by the numbers
    double time_origin = 0;
    double resolution = 0;  // dots per inch / 96 of the window, 0 until asked
    // The layer the plotting calls draw into (0 none), and whether it holds drawing sent
    // since it was chosen: later batches then add to it instead of replacing it.
    int layer = 0;
    bool layer_drawn = false;
    // The arrows of vector fields from now on, and the world units a unit of value took
    // in the last field drawn (0: none yet), which a key arrow shows.
    ArrowStyle arrow = default_arrow_style();
    double vector_scale = 0;
    PlotTransform transform;  // of the data drawn from now on
    // The 3-D view of lu_plot_view3d and the frame it belongs to: none on a later frame.
    std::optional<View3d> view3d;
    std::uint32_t view3d_frame = 0;
    // Of the surfaces and meshes from now on: contour levels (data values) and where they
    // are drawn (LU_CONTOURS3D_...), and the light's point in the view's data (none: far
    // behind the viewer).
    std::vector<double> contours3d;
    int contours3d_places = 0;
    std::optional<std::array<double, 3>> light3d;
};

// Hatch k (modulo their number) of the window's hatches; an empty one (solid) when it
// has none.
const Hatch& hatch_of(const WindowPlot& s, std::size_t k);

// The state of window 1 ... 63 (any other number: a spare that nothing keeps).
WindowPlot& plot_state(int window);
// The causes of refusals a window (0: none open) has been told of.
std::set<std::string>& told_causes(int window);
// Forgets everything, for a new run and for the tests.
void reset_plot_state();

}  // namespace lumora::plot
