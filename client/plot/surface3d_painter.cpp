#include "surface3d_painter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "client/include/lumora.h"
#include "fields_common.h"
#include "page_draw.h"
#include "plotcore/surface_light.h"
#include "plotcore/surface_sides.h"
#include "surface3d_contours.h"

namespace lumora::plot {

using plotcore::Point3;
using plotcore::View3d;
using Corners = std::array<Point3, 4>;

std::int32_t Colouring::of_height(double mean) const {
    return colour_of(map, log_data ? std::pow(10.0, mean) : mean);
}

std::int32_t Colouring::of(const Corners& c) const {
    return of_height((c[0].z + c[1].z + c[2].z + c[3].z) / 4);
}

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr int kMeshBoth = LU_MESH_X | LU_MESH_Y;

bool has(int options, int bit) {
    return (options & bit) != 0;
}

std::vector<double> projected(const View3d& view, const Corners& corners) {
    std::vector<double> xy;
    xy.reserve(8);
    for (const Point3& c : corners) {
        const plotcore::Point2 p = view.project(c);
        xy.push_back(p.x);
        xy.push_back(p.y);
    }
    return xy;
}

bool line_between(const std::vector<double>& xy, int a, int b) {
    return draw_polyline(
        {float(xy[2 * a]), float(xy[2 * a + 1]), float(xy[2 * b]), float(xy[2 * b + 1])});
}

// The corners a mesh cell's lines join: its edges at its two y values (lines along x),
// at its two x values (along y), or all four going round.
std::vector<std::array<int, 2>> mesh_lines(int options) {
    const int lines = options & kMeshBoth;
    if (lines == LU_MESH_X) return {{0, 1}, {3, 2}};
    if (lines == LU_MESH_Y) return {{0, 3}, {1, 2}};
    return {{0, 1}, {1, 2}, {2, 3}, {3, 0}};
}

// Lines each in the map's colour of the mean height of its ends, on a white piece. Lines
// of one colour are drawn one after the other, so that they travel as one item.
bool coloured_lines(const std::vector<double>& xy, const Corners& c,
                    const std::vector<std::array<int, 2>>& lines, const Colouring& colours) {
    {
        const PenScope pen;
        if (!fill_shape(xy, colour_value_of(kWhite))) return false;
    }
    std::vector<std::pair<std::int32_t, std::array<int, 2>>> by_colour;
    for (const auto& line : lines) {
        const auto a = static_cast<std::size_t>(line[0]), b = static_cast<std::size_t>(line[1]);
        by_colour.emplace_back(colours.of_height((c[a].z + c[b].z) / 2), line);
    }
    std::stable_sort(by_colour.begin(), by_colour.end(),
                     [](const auto& p, const auto& q) { return p.first < q.first; });
    for (const auto& [colour, line] : by_colour) {
        if (!set_pen(colour, -1, -1)) return false;
        if (!line_between(xy, line[0], line[1])) return false;
    }
    return true;
}

// A mesh cell: white, with its lines along x, along y or both.
bool mesh_cell(const std::vector<double>& xy, const Corners& c, const SurfaceLook& look) {
    if (has(look.options, LU_MESH_COLOURED))
        return coloured_lines(xy, c, mesh_lines(look.options), look.colours);
    const std::int32_t white = colour_value_of(kWhite);
    if ((look.options & kMeshBoth) == kMeshBoth) return fill_outlined(xy, white);
    {
        const PenScope pen;
        if (!fill_shape(xy, white)) return false;
    }
    const std::vector<std::array<int, 2>> lines = mesh_lines(look.options);
    return line_between(xy, lines[0][0], lines[0][1]) && line_between(xy, lines[1][0], lines[1][1]);
}

std::int32_t fill_colour(const View3d& view, const Corners& c, const SurfaceLook& look) {
    if (!has(look.options, LU_SURFACE_LIT)) return look.colours.of(c);
    ColourMap unit = look.colours.map;
    unit.low = 0;
    unit.high = 1;
    return colour_of(unit, facing_light(view, c, look.light));
}

bool surface_piece(const std::vector<double>& xy, std::int32_t colour, const SurfaceLook& look) {
    return has(look.options, LU_SURFACE_FACETS) ? fill_outlined(xy, colour)
                                                : fill_shape(xy, colour);
}

bool draw_runs(const std::vector<plotcore::Run2>& runs) {
    for (const plotcore::Run2& run : runs) {
        std::vector<float> xy;
        for (const plotcore::Point2& p : run) xy.insert(xy.end(), {float(p.x), float(p.y)});
        if (window_refused(draw_polyline(xy))) return false;
    }
    return true;
}

class Painter {
  public:
    Painter(const View3d& view, const Grid& values, const plotcore::HeightField& field,
            const SurfaceLook& look)
        : view_(view), values_(values), field_(field), look_(look) {}

    bool paint() {
        if (has(look_.places, LU_CONTOURS3D_BASE) &&
            !draw_runs(base_contours(view_, values_, field_, look_.levels)))
            return false;
        if (has(look_.places, LU_CONTOURS3D_SURFACE))
            on_surface_ = surface_contours(view_, values_, field_, look_.levels);
        Corners corners;
        for (std::size_t cell : plotcore::back_to_front(view_, field_)) {
            if (!cell_corners(view_, field_, cell, corners)) continue;
            if (window_refused(cell_with_contours(cell, corners))) return false;
        }
        if (!has(look_.options, LU_SURFACE_SIDES)) return true;
        for (const plotcore::SidePiece& side : plotcore::front_sides(view_, field_))
            if (window_refused(side_piece(side))) return false;
        return true;
    }

  private:
    bool piece(const Corners& c) {
        const std::vector<double> xy = projected(view_, c);
        if (look_.mesh) return mesh_cell(xy, c, look_);
        return surface_piece(xy, fill_colour(view_, c, look_), look_);
    }

    // A side: for a mesh a white curtain outlined (in the colours of height when the
    // lines take them), for a surface filled as a cell at its top's height would be.
    bool side_piece(const plotcore::SidePiece& side) {
        const std::vector<double> xy = projected(view_, side);
        if (look_.mesh && has(look_.options, LU_MESH_COLOURED))
            return coloured_lines(xy, side, mesh_lines(kMeshBoth), look_.colours);
        if (look_.mesh) return fill_outlined(xy, colour_value_of(kWhite));
        const Corners top = {side[0], side[1], side[1], side[0]};
        const bool lit = has(look_.options, LU_SURFACE_LIT);
        return surface_piece(xy, lit ? fill_colour(view_, side, look_) : look_.colours.of(top),
                             look_);
    }

    // A cell, then the contour pieces on it in the caller's pen, so that they lie on it
    // and nearer cells cover them. Where drawing is not recorded a fill leaves the pen
    // changed: with contours each cell keeps it.
    bool cell_with_contours(std::size_t cell, const Corners& c) {
        if (on_surface_.empty()) return piece(c);
        {
            const PenScope keep;
            if (!piece(c)) return false;
        }
        const auto first =
            std::lower_bound(on_surface_.begin(), on_surface_.end(), cell,
                             [](const CellContour& p, std::size_t k) { return p.cell < k; });
        for (auto p = first; p != on_surface_.end() && p->cell == cell; ++p) {
            const plotcore::Point2 a = view_.project(p->from), b = view_.project(p->to);
            if (!draw_polyline({float(a.x), float(a.y), float(b.x), float(b.y)})) return false;
        }
        return true;
    }

    const View3d& view_;
    const Grid& values_;
    const plotcore::HeightField& field_;
    const SurfaceLook& look_;
    std::vector<CellContour> on_surface_;
};

}  // namespace

bool paint_surface(const View3d& view, const Grid& values, const plotcore::HeightField& field,
                   const SurfaceLook& look) {
    Painter painter(view, values, field, look);
    return painter.paint();
}

}  // namespace lumora::plot
