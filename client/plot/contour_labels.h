// Where labels sit on a contour line and which parts of the line stay drawn. Lengths are
// device pixels; the line's points are in the device's own orientation (y downward).
#pragma once

#include <vector>

namespace lumora::plot {

struct DevicePoint {
    double x = 0, y = 0;
};

struct LabelPlace {
    DevicePoint at;    // on the line, the middle of the label
    double angle = 0;  // radians, counterclockwise on the screen, within (-pi/2, pi/2]
};

struct LabelledLine {
    std::vector<LabelPlace> labels;
    // The parts of the line that stay: index ranges into the line with cut end points.
    std::vector<std::vector<DevicePoint>> parts;
};

// Labels `width` long (gap: the space left each side) every `spacing` along the line,
// at least one in the middle when the line is longer than three labels; a line too short
// keeps whole.
LabelledLine place_labels(const std::vector<DevicePoint>& line, double width, double gap,
                          double spacing);

}  // namespace lumora::plot
