#include "plot_transform.h"

#include <cmath>
#include <limits>

namespace lumora::plot {

bool PlotTransform::apply(double x, double y, double& tx, double& ty) const {
    // A function that writes nothing leaves the position out.
    tx = ty = std::numeric_limits<double>::quiet_NaN();
    if (value != nullptr) {
        value(x, y, &tx, &ty, data);
    } else if (reference != nullptr) {
        reference(&x, &y, &tx, &ty, data);
    } else if (code != 0) {
        if (!provided_transform(code, p1, p2, x, y, tx, ty)) return false;
    } else {
        tx = x, ty = y;
    }
    return std::isfinite(tx) && std::isfinite(ty);
}

}  // namespace lumora::plot
