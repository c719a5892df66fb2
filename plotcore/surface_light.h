// Shading a surface by a light: how directly each flat piece of it faces the light.
#pragma once

#include <array>
#include <optional>

#include "view3d.h"

namespace lumora::plotcore {

// The cosine of the angle between a piece's normal (on the side the viewer sees) and the
// direction from the piece's middle to the light, 0 when it is turned away: 1 facing the
// light, 0 edge on or away. The light is a point of the view's world; none is a light
// standing behind the viewer, far away. Measured in box units, so that the shading
// follows the shape as it is drawn. A piece without area takes 0.
double facing_light(const View3d& view, const std::array<Point3, 4>& corners,
                    const std::optional<Point3>& light);

}  // namespace lumora::plotcore
