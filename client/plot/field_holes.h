// The cells of a field that are drawn when its missing (NaN) values leave holes: boxes of
// cells, as few as the rows' runs allow, that cover every known cell and no missing one.
#pragma once

#include <vector>

#include "field_grid.h"

namespace lumora::plot {

// Cells i0 ... i1 - 1 of rows j0 ... j1 - 1.
struct CellBox {
    int i0 = 0, j0 = 0, i1 = 0, j1 = 0;
    bool operator==(const CellBox&) const = default;
};

// The boxes of the field's known values: each row's runs of known values, a run carried
// on down the rows after it while they have the same run. One box for a field without
// missing values; none for a field of missing values only.
std::vector<CellBox> known_boxes(const Grid& field);

}  // namespace lumora::plot
