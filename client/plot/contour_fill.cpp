#include "contour_fill.h"

#include <cmath>

namespace lumora::plot {
namespace {

bool whole_cell(const Grid& grid, int i, int j, double level) {
    for (int dj = 0; dj < 2; ++dj)
        for (int di = 0; di < 2; ++di) {
            double v = grid.at(i + di, j + dj);
            if (std::isnan(v) || v < level) return false;
        }
    return true;
}

}  // namespace

std::vector<std::vector<GridPoint>> region_pieces(const Grid& grid, double level) {
    std::vector<std::vector<GridPoint>> pieces;
    for (int j = 0; j + 1 < grid.ny; ++j) {
        for (int i = 0; i + 1 < grid.nx;) {
            if (!whole_cell(grid, i, j, level)) {
                for (auto& part : cell_above(grid, i, j, level)) pieces.push_back(std::move(part));
                ++i;
                continue;
            }
            int end = i + 1;
            while (end + 1 < grid.nx && whole_cell(grid, end, j, level)) ++end;
            double l = i, r = end, b = j, t = j + 1;
            pieces.push_back({{l, b}, {r, b}, {r, t}, {l, t}});
            i = end;
        }
    }
    return pieces;
}

std::vector<GridPoint> bridged_outline(const std::vector<std::vector<GridPoint>>& pieces) {
    std::vector<GridPoint> outline;
    std::vector<GridPoint> starts;
    for (const auto& piece : pieces) {
        if (piece.size() < 3) continue;
        outline.insert(outline.end(), piece.begin(), piece.end());
        outline.push_back(piece.front());
        starts.push_back(piece.front());
    }
    // Back along the bridges: from the last piece's start to each earlier start.
    for (std::size_t k = starts.size(); k-- > 1;) outline.push_back(starts[k - 1]);
    return outline;
}

std::vector<GridPoint> closed_outline(const Grid& grid, double level) {
    std::vector<GridPoint> outline = bridged_outline(region_pieces(grid, level));
    if (!outline.empty()) outline.push_back(outline.front());
    return outline;
}

std::vector<GridPoint> band_outline(const Grid& grid, double low, double above) {
    std::vector<GridPoint> band = closed_outline(grid, low);
    if (band.size() < 4) return {};
    if (std::isfinite(above)) {
        const std::vector<GridPoint> upper = closed_outline(grid, above);
        band.insert(band.end(), upper.begin(), upper.end());
    }
    return band;
}

}  // namespace lumora::plot
