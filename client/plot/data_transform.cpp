#include "data_transform.h"

#include <cmath>
#include <limits>
#include <utility>

#include "clip_lines.h"
#include "data.h"
#include "transform_refine.h"

namespace lumora::plot {
namespace {

struct DataSpace {
    bool on = false;
    PlotTransform transform;
    Frame frame;
};

DataSpace& space() {
    static DataSpace s;
    return s;
}

TransformedWorld world_of(const DataSpace& s) {
    const Frame& f = s.frame;
    return {s.transform, std::fabs(f.box.width() / (f.wx2 - f.wx1)),
            std::fabs(f.box.height() / (f.wy2 - f.wy1))};
}

}  // namespace

void transform_data_in(int window, const Frame& frame) {
    DataSpace& s = space();
    s.transform = plot_state(window).transform;
    s.frame = frame;
    s.on = s.transform.on();
}

void stop_transforming() {
    space().on = false;
}

bool transforming() {
    return space().on;
}

TransformPause::TransformPause() : was_(std::exchange(space().on, false)) {}

TransformPause::~TransformPause() {
    space().on = was_;
}

bool transformed_position(double& x, double& y) {
    return space().transform.apply(x, y, x, y);
}

std::vector<std::vector<double>> transformed_runs(const std::vector<double>& xy) {
    const DataSpace& s = space();
    return clip_line(world_rect(s.frame), transform_line(world_of(s), xy));
}

std::vector<double> transformed_outline(const std::vector<double>& xy) {
    return transform_outline(world_of(space()), xy);
}

std::vector<double> transformed_positions(const std::vector<double>& xy) {
    const DataSpace& s = space();
    std::vector<double> out = transform_positions(s.transform, xy);
    const WorldRect r = world_rect(s.frame);
    for (std::size_t i = 0; i + 1 < out.size(); i += 2) {
        if (!(out[i] >= r.x0 && out[i] <= r.x1 && out[i + 1] >= r.y0 && out[i + 1] <= r.y1))
            out[i] = out[i + 1] = std::numeric_limits<double>::quiet_NaN();
    }
    return out;
}

}  // namespace lumora::plot
