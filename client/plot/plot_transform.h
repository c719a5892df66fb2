// The transform a window's plot data positions go through on their way into the frame's
// world: none, a program's function (either calling form) or one of the provided ones.
#pragma once

#include <string>

#include "client/include/lumora_plot.h"

namespace lumora::plot {

struct PlotTransform {
    lu_plot_transform_fn value = nullptr;
    lu_plot_transform_ref_fn reference = nullptr;
    void* data = nullptr;
    int code = 0;  // LU_TRANSFORM_..., 0 when a function (or nothing) transforms
    double p1 = 0, p2 = 0;

    bool on() const { return value != nullptr || reference != nullptr || code != 0; }
    // Where (x, y) lies in the world; false when the transform cannot show it (its result
    // is not finite).
    bool apply(double x, double y, double& tx, double& ty) const;
};

// Why the provided transform `code` cannot take the parameters; empty when it can.
std::string transform_code_problem(int code, double p1, double p2);

// The provided transform `code` (checked) of (x, y); false where it shows nothing.
bool provided_transform(int code, double p1, double p2, double x, double y, double& tx, double& ty);

}  // namespace lumora::plot
