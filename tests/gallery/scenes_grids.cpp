// Fields on grids: a distorted field as a picture of cells with its contour lines, and a
// polar field as filled contours with round contour lines and arrows from its points.
#include <cmath>
#include <numbers>
#include <vector>

#include "client/include/lumora.h"
#include "scenes.h"

namespace lumora::gallery {
namespace {

constexpr double kPi = std::numbers::pi;

struct GridField {
    int nx, ny;
    std::vector<float> x, y, z;  // row-major
};

// A grid over -3 ... 3 bent in both directions, the corners of nx x ny cells, and the
// saddle x^2 - y^2 at the cells.
GridField distorted(int nx, int ny) {
    GridField f{nx, ny, {}, {}, {}};
    for (int i = 0; i <= nx; ++i)
        for (int j = 0; j <= ny; ++j) {
            const double u = -1 + 2.0 * i / nx, v = -1 + 2.0 * j / ny;
            const double bend = 0.4 * std::cos(u * kPi / 2) * std::cos(v * kPi / 2);
            f.x.push_back(float(3 * (u + bend)));
            f.y.push_back(float(3 * (v - bend)));
        }
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) {
            const double u = -1 + 2 * (i + 0.5) / nx, v = -1 + 2 * (j + 0.5) / ny;
            f.z.push_back(float(u * u - v * v));
        }
    return f;
}

// A polar grid of radius 3, radii along i and angles round the circle along j, with
// r exp(-r^2 / 4) cos 3 theta at the points.
GridField polar(int nr, int nt) {
    GridField f{nr, nt, {}, {}, {}};
    for (int i = 0; i < nr; ++i)
        for (int j = 0; j < nt; ++j) {
            const double r = 3.0 * i / (nr - 1), t = 2 * kPi * j / (nt - 1);
            f.x.push_back(float(r * std::cos(t)));
            f.y.push_back(float(r * std::sin(t)));
            f.z.push_back(float(std::exp(-r * r / 4) * std::cos(3 * t) * r));
        }
    return f;
}

// A square panel 0.62 units across from `left`, so that circles stay round.
void panel(float left) {
    lu_set_viewport(left, 0.19f, left + 0.62f, 0.81f);
    lu_set_world(-3.3f, -3.3f, 3.3f, 3.3f);
}

}  // namespace

void draw_fields_on_grids(const Tweak&) {
    panel(0.03f);
    const GridField bent = distorted(24, 24);
    lu_set_colour_map(LU_MAP_VIRIDIS, -1, 1);
    lu_draw_field_image_on_grid(bent.z.data(), 24, 24, LU_ROW_MAJOR, bent.x.data(), bent.y.data(),
                                LU_GRID_POINTS);
    // The same saddle at the grid's corners, as contour lines over the cells.
    std::vector<float> at_corners;
    for (std::size_t k = 0; k < bent.x.size(); ++k) {
        const double i = double(k / 25), j = double(k % 25);
        const double u = -1 + 2 * i / 24, v = -1 + 2 * j / 24;
        at_corners.push_back(float(u * u - v * v));
    }
    lu_set_pen(0, 0, 0, 0);
    const float saddle[] = {-0.6f, -0.2f, 0.2f, 0.6f};
    lu_draw_contours_on_grid(at_corners.data(), 25, 25, LU_ROW_MAJOR, bent.x.data(), bent.y.data(),
                             LU_GRID_POINTS, saddle, 4, 0);
    panel(0.7f);
    const GridField round = polar(16, 49);
    lu_set_colour_map(LU_MAP_DIVERGING, -0.9f, 0.9f);
    const float levels[] = {-0.75f, -0.45f, -0.15f, 0.15f, 0.45f, 0.75f};
    lu_fill_contours_on_grid(round.z.data(), 16, 49, LU_ROW_MAJOR, round.x.data(), round.y.data(),
                             LU_GRID_POINTS, levels, 6);
    lu_set_pen(8, 0, 0, 0);
    lu_draw_contours_on_grid(round.z.data(), 16, 49, LU_ROW_MAJOR, round.x.data(), round.y.data(),
                             LU_GRID_POINTS, levels, 6, 0);
    // Arrows round the circle from every fourth ring and angle.
    std::vector<float> u, v, x, y;
    for (int i = 3; i < 16; i += 4)
        for (int j = 0; j < 48; j += 4) {
            const std::size_t k = std::size_t(i) * 49 + std::size_t(j);
            x.push_back(round.x[k]);
            y.push_back(round.y[k]);
            u.push_back(-round.y[k]);
            v.push_back(round.x[k]);
        }
    lu_set_pen(0, 0, 0, 0);
    lu_draw_vectors_on_grid(u.data(), v.data(), 4, 12, LU_ROW_MAJOR, x.data(), y.data(),
                            LU_GRID_POINTS, 0);
}

}  // namespace lumora::gallery
