// The plot transform in force for what the plotting layer draws next: data positions in
// a frame's world go through the window's transform (lu_set_plot_transform) before either
// road takes them (recorded into a batch, or drawn with the drawing operations).
#pragma once

#include <vector>

#include "plot_state.h"

namespace lumora::plot {

// The window's transform applies to the data drawn next, in the frame's world (whose box
// gives the pixels lines are bent to), until stop_transforming; nothing when the window
// has none.
void transform_data_in(int window, const Frame& frame);
void stop_transforming();
bool transforming();

// Stops the transform while it lives: an arrow made in the world after its ends went
// through it.
class TransformPause {
  public:
    TransformPause();
    ~TransformPause();
    TransformPause(const TransformPause&) = delete;
    TransformPause& operator=(const TransformPause&) = delete;

  private:
    bool was_;
};

// A position in the world; false when the transform cannot show it.
bool transformed_position(double& x, double& y);
// The runs of a line (x, y pairs) in the world, bent and cut to the frame's world.
std::vector<std::vector<double>> transformed_runs(const std::vector<double>& xy);
// A polygon's outline in the world.
std::vector<double> transformed_outline(const std::vector<double>& xy);
// Positions in the world: a NaN pair for one the transform cannot show or that lies
// outside the frame's world.
std::vector<double> transformed_positions(const std::vector<double>& xy);

}  // namespace lumora::plot
