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

// Where labels already stand (bounding boxes), so that labels of other lines keep clear
// of them; origin is where the line's (0, 0) lies in the same coordinates.
struct LabelBox {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
struct TakenPlaces {
    std::vector<LabelBox> boxes;
    DevicePoint origin;
    double height = 0;  // of the labels, for their boxes
};

// Labels `width` long (gap: the space left each side) every `spacing` along the line,
// at least one in the middle when the line is longer than three labels; a line too short
// keeps whole. With taken places, a label that would overlap one moves along the line
// within its share of it, or is left out when it cannot; the places of its labels are
// added.
LabelledLine place_labels(const std::vector<DevicePoint>& line, double width, double gap,
                          double spacing, TakenPlaces* taken = nullptr);

}  // namespace lumora::plot
