// Where the 3-D operations draw: the current frame, when lu_plot_view3d gave it a view.
#pragma once

#include "data.h"

namespace lumora::plot {

// The current frame with its 3-D view, ready for drawing; window 0 (and refused) when
// there is none.
DataTarget view_target();

}  // namespace lumora::plot
