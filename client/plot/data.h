// Drawing data in the current frame: the frame's world for the values (log10 on log
// axes), clipped lines and markers, and the frame's pixel lengths in world units.
#pragma once

#include <initializer_list>
#include <vector>

#include "clip_lines.h"
#include "page_draw.h"
#include "plot_state.h"

namespace lumora::plot {

// Whether a data call has its points: at least `least` of them (1, or 2 for a line), in
// arrays that are there; refused with the reason if not. A line of one point is pointed
// to `points_call`, the call of its family that draws single points.
bool has_points(int n, int least, std::initializer_list<const void*> arrays,
                const char* points_call = "lu_plot_points");

// The current window's frame ready for data; window 0 (and refused) when there is none.
struct DataTarget {
    int window = 0;
    Page page;
    WindowPlot* state = nullptr;
    const Frame& frame() const { return state->frame; }
};
DataTarget data_target();

// A data value in the frame's world: log10 on a log axis (NaN for values <= 0).
double world_x(const Frame& f, double x);
double world_y(const Frame& f, double y);
WorldRect world_rect(const Frame& f);
// What data positions are cut to before they are drawn in the frame's space
// (use_frame_space): the frame's world, or everything while they go through a transform.
WorldRect data_rect(const Frame& f);
// A length of pixels in world units along x and along y.
double world_dx(const Frame& f, double pixels);
double world_dy(const Frame& f, double pixels);

// A line through world points (x, y pairs), cut to the box, with the current pen.
void draw_world_line(const Frame& f, const std::vector<double>& points);
// The marker of lu_plot_points' code (1 ... 6, 11 ... 16) at a size in pixels; false
// for another code.
bool plot_marker(const Frame& f, int code, double pixels, MarkerLook& look);

}  // namespace lumora::plot
