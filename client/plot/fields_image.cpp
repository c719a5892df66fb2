// A field as one indexed picture: a byte per cell into the palette of the current colour
// map (its steps, then the colours below and above the range and of NaN). Missing values
// leave holes unless the program gave them a colour: the picture then goes in pieces
// around them.
#include <algorithm>
#include <cmath>
#include <string>

#include "client/include/lumora.h"
#include "colour_maps.h"
#include "entry.h"
#include "field_holes.h"
#include "fields_common.h"

using namespace lumora::plot;

namespace {

// What one picture holds.
constexpr int kMaxSide = 8192;
constexpr long long kMaxPixels = 16777216;

struct Corners {
    double x1, y1, x2, y2;
};

// The boxes of known cells drawn one picture each, their corners on the field's cell
// edges, so that pieces side by side meet on the same device pixels.
int draw_pieces(const Grid& grid, const std::vector<int>& indices,
                const std::array<std::int32_t, 256>& palette, Corners c, int smooth) {
    const auto x = [&](int i) { return float(c.x1 + (c.x2 - c.x1) * i / grid.nx); };
    const auto y = [&](int j) { return float(c.y1 + (c.y2 - c.y1) * j / grid.ny); };
    int window = lu_get_pen(nullptr, nullptr, nullptr, nullptr);
    if (window == 0) return refuse_no_window();
    std::vector<int> piece;
    for (const CellBox& b : known_boxes(grid)) {
        piece.clear();
        for (int j = b.j0; j < b.j1; ++j)
            for (int i = b.i0; i < b.i1; ++i)
                piece.push_back(indices[std::size_t(j * grid.nx + i)]);
        window = lu_draw_image_indexed(b.i1 - b.i0, b.j1 - b.j0, piece.data(), palette.data(), 256,
                                       x(b.i0), y(b.j0), x(b.i1), y(b.j1), smooth != 0 ? 1 : 0);
        if (window == 0) return 0;
    }
    return window;
}

template <class Value>
int field_image(const Value* values, int nx, int ny, int layout, double x1, double y1, double x2,
                double y2, int smooth) {
    if (!finite_corners(x1, y1, x2, y2)) return 0;
    if (nx > kMaxSide || ny > kMaxSide || static_cast<long long>(nx) * ny > kMaxPixels)
        return refuse("a field image of " + std::to_string(nx) + " x " + std::to_string(ny) +
                      " values: it is one picture, of 8192 values a side and 16777216 in all");
    std::optional<Grid> grid = grid_of(values, nx, ny, layout);
    if (!grid) return 0;
    const ColourMap& map = current_colour_map();
    std::vector<int> indices(grid->z.size());
    for (std::size_t k = 0; k < indices.size(); ++k) indices[k] = palette_index(map, grid->z[k]);
    std::array<std::int32_t, 256> palette = palette_of(map);
    const bool holes = map.invalid < 0 && std::any_of(grid->z.begin(), grid->z.end(),
                                                      [](double v) { return std::isnan(v); });
    if (holes) return draw_pieces(*grid, indices, palette, {x1, y1, x2, y2}, smooth);
    // Value (0, 0) is the picture's first pixel: its cell has the corner (x1, y1).
    return lu_draw_image_indexed(nx, ny, indices.data(), palette.data(), 256, float(x1), float(y1),
                                 float(x2), float(y2), smooth != 0 ? 1 : 0);
}

}  // namespace

extern "C" {

int lu_draw_field_image(const float* values, int nx, int ny, int layout, float x1, float y1,
                        float x2, float y2, int smooth) {
    return guarded(__func__,
                   [&] { return field_image(values, nx, ny, layout, x1, y1, x2, y2, smooth); });
}

int lu_draw_field_image_(int* result, const float* values, const int* nx, const int* ny,
                         const float* x1, const float* y1, const float* x2, const float* y2,
                         const int* smooth) {
    return guarded(__func__, [&] {
        return stored(result, field_image(values, arg(nx), arg(ny), kColumnMajor, arg(x1), arg(y1),
                                          arg(x2), arg(y2), arg(smooth)));
    });
}

int lu_draw_field_image_double(const double* values, int nx, int ny, int layout, double x1,
                               double y1, double x2, double y2, int smooth) {
    return guarded(__func__,
                   [&] { return field_image(values, nx, ny, layout, x1, y1, x2, y2, smooth); });
}

int lu_draw_field_image_double_(int* result, const double* values, const int* nx, const int* ny,
                                const double* x1, const double* y1, const double* x2,
                                const double* y2, const int* smooth) {
    return guarded(__func__, [&] {
        return stored(result, field_image(values, arg(nx), arg(ny), kColumnMajor, arg(x1), arg(y1),
                                          arg(x2), arg(y2), arg(smooth)));
    });
}

}  // extern "C"
