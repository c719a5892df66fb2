// A twin axis: a second x axis along the top of a frame's box or a second y axis along
// its right, with a range and scale of its own, its numbers and its label. The data
// placed after it take its scale.
#pragma once

#include <string>

#include "frame_layout.h"
#include "layout_canvas.h"

namespace lumora::plotcore {

inline constexpr int kMaxTwinSubticks = 100;

// A twin's own ticks and colours (lu_plot_twin_style); the default leaves them to the
// axis and the frame.
struct TwinLook {
    double step = 0;   // of its major ticks (on a log axis: decades); 0 chosen
    int subticks = 0;  // intervals between major ticks, 0 ... 100; 0 chosen
    int numbers_colour = kFrameColour, label_colour = kFrameColour;
    bool operator==(const TwinLook&) const = default;
};

struct TwinAxis {
    bool x_axis = false;  // the twin of x (top edge), else of y (right edge)
    double v1 = 0, v2 = 1;
    bool log = false;
    std::string format;  // of its numbers (number_format.h); empty: chosen
    std::string label;
    TwinLook look;
    bool operator==(const TwinAxis&) const = default;
};

// How far a twin's numbers and label reach out of the box, in text heights: what a frame
// made for a twin leaves free beside that edge.
inline constexpr double kTwinXRoom = 3.4, kTwinYRoom = 5.4;

// Whether the frame was made for the twin (LU_PLOT_ROOM_TWIN_X or LU_PLOT_ROOM_TWIN_Y).
bool has_room_for(const Frame& frame, bool x_axis);

// Turns the frame's world for the twin's axis into the twin's: kOk, or why it cannot.
Ends use_twin_world(Frame& frame, const TwinAxis& twin);

// Draws the twin on its edge of the frame's box and turns the frame's world for its axis
// into the twin's; nothing for a range use_twin_world refuses.
void draw_twin(LayoutCanvas& canvas, Frame& frame, const TwinAxis& twin);

}  // namespace lumora::plotcore
