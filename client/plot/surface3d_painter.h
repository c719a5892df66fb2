// Paints a surface or mesh in its 3-D view: the base's contours first, then the cells
// from the farthest to the nearest, each with the contour pieces on it, then the sides
// that face the viewer, so that what is nearer covers what it hides.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "colour_maps.h"
#include "field_grid.h"
#include "plotcore/surface3d.h"

namespace lumora::plot {

// What the cells take their colours from: the map, over the view's z range (world
// values) or the map's own (data values: 10 to the mean on a log z axis).
struct Colouring {
    ColourMap map;
    bool log_data = false;
    // Of a mean height in the view's world.
    std::int32_t of_height(double mean) const;
    std::int32_t of(const std::array<plotcore::Point3, 4>& c) const;
};

// The options of lu_plot_surface3d or lu_plot_mesh3d and what dresses the drawing.
struct SurfaceLook {
    bool mesh = false;
    int options = 0;
    Colouring colours;
    std::optional<plotcore::Point3> light;  // in the view's world; none: behind the viewer
    std::vector<double> levels;             // contour levels, data values
    int places = 0;                         // LU_CONTOURS3D_... of the levels
};

// Paints in the current frame's world with the caller's pen (which it leaves as it was);
// false when the window refused a command (with a message).
bool paint_surface(const plotcore::View3d& view, const Grid& values,
                   const plotcore::HeightField& field, const SurfaceLook& look);

}  // namespace lumora::plot
