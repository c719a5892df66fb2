// A 3-D view: a box of x, y and z ranges, seen from an altitude and an azimuth, projected
// onto the 2-D world of a frame. Data go to the view's world first (log10 on a log axis),
// then to box units (the base's width and depth and the box's height, centred on the
// box's middle), then turn with the azimuth and tilt with the altitude. What is drawn on
// the box and in it (its edges, lines, later surfaces) asks the view where a point lands
// and which way the viewer is.
#pragma once

#include <array>
#include <string>

namespace lumora::plotcore {

struct Point3 {
    double x = 0, y = 0, z = 0;
};
struct Point2 {
    double x = 0, y = 0;
};

// The box's size in the frame's world units, its ranges as the caller gave them, the
// angles in degrees and the axes on a log scale. The projected box's middle lands on
// (centre_x, centre_y) of the frame's world.
struct View3dSetup {
    double base_width = 1, base_depth = 1, height = 1;
    double x1 = 0, x2 = 1, y1 = 0, y2 = 1, z1 = 0, z2 = 1;
    double altitude = 60, azimuth = 30;
    bool log_x = false, log_y = false, log_z = false;
    double centre_x = 0, centre_y = 0;
};

// Why the setup cannot be a view, as a refusal says it; empty when it can. The sizes are
// finite and above 0, the ranges finite with different ends (above 0 on a log axis) and
// a finite width, the altitude above 0 and at most 90, the azimuth finite.
std::string view3d_problem(const View3dSetup& setup);

// A box corner: each index 0 at the axis's first end (x1, y1, z1), 1 at its second.
struct Corner {
    int i = 0, j = 0, k = 0;
};

class View3d {
  public:
    // Of a setup that view3d_problem accepts.
    explicit View3d(const View3dSetup& setup);
    const View3dSetup& setup() const { return setup_; }

    // A data point in the view's world: log10 on a log axis (NaN for values <= 0 there).
    Point3 world(double x, double y, double z) const;
    // The view's world ends of an axis (0 x, 1 y, 2 z): at the first end and the second.
    double end(int axis, int which) const { return ends_[axis][which]; }
    Point3 corner(const Corner& c) const;
    // Whether a world point lies in the box (its ends included).
    bool inside(const Point3& w) const;

    // A world point in box units: x across the base's width, y across its depth, z up,
    // the box's middle at 0.
    Point3 box_units(const Point3& w) const;
    // A world point on the frame's 2-D world.
    Point2 project(const Point3& w) const;
    // How far a step in box units moves a point on the frame's 2-D world.
    Point2 project_step(const Point3& step) const;
    // How near the viewer a world point is, in box units along the line of sight: the
    // larger, the nearer.
    double nearness(const Point3& w) const;
    // The unit direction from the box towards the viewer, in box units.
    std::array<double, 3> towards_viewer() const { return towards_; }

  private:
    View3dSetup setup_;
    double ends_[3][2] = {};
    double sin_az_ = 0, cos_az_ = 1, sin_alt_ = 1, cos_alt_ = 0;
    std::array<double, 3> towards_{};
};

}  // namespace lumora::plotcore
