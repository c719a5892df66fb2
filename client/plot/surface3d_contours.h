// Contour lines of a surface in its 3-D view: traced over the grid's values as the field
// operations trace them, then stood in the view's world, either on the box's base or at
// their height on the surface, where each piece belongs to the cell it crosses so that it
// is painted with that cell.
#pragma once

#include <cstddef>
#include <vector>

#include "field_grid.h"
#include "plotcore/clip3d.h"
#include "plotcore/surface3d.h"

namespace lumora::plot {

// The lines at the levels (data values) on the box's base, cut to the box and projected.
std::vector<plotcore::Run2> base_contours(const plotcore::View3d& view, const Grid& values,
                                          const plotcore::HeightField& field,
                                          const std::vector<double>& levels);

// A piece of a contour line on the surface, within one cell, in the view's world.
struct CellContour {
    std::size_t cell = 0;
    plotcore::Point3 from, to;
};

// The lines at the levels on the surface, in pieces sorted by their cell.
std::vector<CellContour> surface_contours(const plotcore::View3d& view, const Grid& values,
                                          const plotcore::HeightField& field,
                                          const std::vector<double>& levels);

}  // namespace lumora::plot
