/* x21: PLplot's example 21 in Lumora's idiom: 500 random samples of
 * z = exp(-r^2) cos(2 pi r) in -0.2 ... 0.6 by -0.2 ... 0.6, first shown as coloured
 * crosses, then gridded onto 25 x 20 points by each of Lumora's gridding methods and
 * drawn as filled contours of 16 levels, one panel a method, then the same grids as
 * meshes coloured by height with the 16 levels' contours on the base, seen from altitude
 * 30 and azimuth -40. Grid points outside the samples' convex hull stay missing (NaN)
 * for the linear and natural neighbour methods and are left empty. Every call is
 * checked: a failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kSamples = 500, kNx = 25, kNy = 20, kLevels = 16 };

static const float kLow = -0.2f, kHigh = 0.6f;

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x21: %s failed\n", what);
        exit(1);
    }
}

/* A uniform number in 0 ... 1 from a fixed sequence, so that every run draws the same. */
static float unit_random(unsigned* state) {
    *state = *state * 1664525u + 1013904223u;
    return (float)(*state >> 8) / 16777216.0f;
}

static void create_data(float* x, float* y, float* z) {
    unsigned state = 5489u;
    for (int i = 0; i < kSamples; ++i) {
        x[i] = kLow + (kHigh - kLow) * unit_random(&state);
        y[i] = kLow + (kHigh - kLow) * unit_random(&state);
        const float r = sqrtf(x[i] * x[i] + y[i] * y[i]);
        z[i] = expf(-r * r) * cosf(2.0f * 3.14159265f * r);
    }
}

/* PLplot's colour map 1 of the example: hue 240 (blue) through green and yellow to 0
 * (red) at lightness 0.6 and saturation 0.8. Control points every 60 degrees, so that
 * the blend takes that way round the hue circle. */
static int define_map(void) {
    const int map = LU_MAP_OWN + 1;
    int colours[5];
    for (int k = 0; k < 5; ++k) colours[k] = lu_hls_colour(240.0f - 60.0f * (float)k, 0.6f, 0.8f);
    check(lu_define_colour_map(map, 5, NULL, colours, LU_MAP_BLEND_HLS), "lu_define_colour_map");
    return map;
}

static void samples_page(const float* x, const float* y, const float* z, int map) {
    float zmin = z[0], zmax = z[0];
    for (int i = 1; i < kSamples; ++i) zmin = fminf(zmin, z[i]), zmax = fmaxf(zmax, z[i]);
    check(lu_open_window(0), "lu_open_window");
    check(lu_set_colour_map(map, zmin, zmax), "lu_set_colour_map");
    check(lu_plot_frame(kLow, kHigh, kLow, kHigh, LU_PLOT_EQUAL), "lu_plot_frame");
    check(lu_plot_labels("X", "Y", "The original data sampling"), "lu_plot_labels");
    check(lu_plot_points_coloured(kSamples, x, y, z, NULL, 4), "lu_plot_points_coloured");
}

/* The least and greatest of the grid's values and the samples', a little widened, as
 * the original takes them for its levels. */
static void value_range(const float* grid, const float* z, float* low, float* high) {
    *low = z[0];
    *high = z[0];
    for (int i = 0; i < kSamples; ++i) *low = fminf(*low, z[i]), *high = fmaxf(*high, z[i]);
    for (int k = 0; k < kNx * kNy; ++k)
        if (!isnan(grid[k])) *low = fminf(*low, grid[k]), *high = fmaxf(*high, grid[k]);
    *low -= 0.01f;
    *high += 0.01f;
}

/* A method's grid, its value range and the levels over it. */
struct Gridded {
    float xg[kNx], yg[kNy], grid[kNx * kNy], levels[kLevels], low, high;
};

static void grid_by(const float* x, const float* y, const float* z, int method, struct Gridded* g) {
    for (int i = 0; i < kNx; ++i) g->xg[i] = kLow + (kHigh - kLow) * (float)i / (kNx - 1);
    for (int j = 0; j < kNy; ++j) g->yg[j] = kLow + (kHigh - kLow) * (float)j / (kNy - 1);
    check(lu_grid_data(x, y, z, kSamples, g->xg, kNx, g->yg, kNy, LU_COLUMN_MAJOR, method, 0,
                       g->grid),
          "lu_grid_data");
    value_range(g->grid, z, &g->low, &g->high);
    for (int k = 0; k < kLevels; ++k)
        g->levels[k] = g->low + (g->high - g->low) * (float)k / (kLevels - 1);
}

static void method_panel(const float* x, const float* y, const float* z, int method,
                         const char* title, int map) {
    struct Gridded g;
    grid_by(x, y, z, method, &g);
    check(lu_set_colour_map(map, g.low, g.high), "lu_set_colour_map");
    check(lu_plot_frame(kLow, kHigh, kLow, kHigh, LU_PLOT_EQUAL), "lu_plot_frame");
    check(lu_plot_labels("X", "Y", title), "lu_plot_labels");
    check(lu_fill_contours_on_grid(g.grid, kNx, kNy, LU_COLUMN_MAJOR, g.xg, g.yg, LU_GRID_AXES,
                                   g.levels, kLevels),
          "lu_fill_contours_on_grid");
}

/* The same grid as a mesh coloured by height over its value range, the levels on the
 * base. */
static void method_mesh(const float* x, const float* y, const float* z, int method,
                        const char* title, int map) {
    struct Gridded g;
    grid_by(x, y, z, method, &g);
    check(lu_set_colour_map(map, g.low, g.high), "lu_set_colour_map");
    check(lu_plot_frame(-1.1f, 0.75f, -0.65f, 1.2f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_view3d(1, 1, 1, kLow, kHigh, kLow, kHigh, g.low, g.high, 30, -40, 0),
          "lu_plot_view3d");
    check(lu_plot_box3d("bnt", "X", 0, 0, "bnt", "Y", 0, 0, "bcfnt", "Z", 0.5f, 0),
          "lu_plot_box3d");
    check(lu_plot_labels(NULL, NULL, title), "lu_plot_labels");
    check(lu_set_pen(lu_make_rgb_colour(0, 0, 0), 0, 1, -1), "lu_set_pen");
    check(lu_plot_contours3d(kLevels, g.levels, LU_CONTOURS3D_BASE), "lu_plot_contours3d");
    check(lu_plot_mesh3d(g.grid, kNx, kNy, LU_COLUMN_MAJOR, g.xg, g.yg,
                         LU_MESH_X | LU_MESH_Y | LU_MESH_COLOURED),
          "lu_plot_mesh3d");
}

typedef void (*Panel)(const float*, const float*, const float*, int, const char*, int);

/* One page of the four methods, each on its panel. */
static void methods_page(const float* x, const float* y, const float* z, int map, Panel panel) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_subpages(2, 2), "lu_plot_subpages");
    panel(x, y, z, LU_GRID_LINEAR, "Delaunay Linear Interpolation", map);
    panel(x, y, z, LU_GRID_NATURAL, "Natural Neighbors Interpolation", map);
    panel(x, y, z, LU_GRID_INVERSE_DISTANCE, "KNN Inv. Distance Weighted", map);
    panel(x, y, z, LU_GRID_NEAREST, "Nearest Neighbour", map);
}

int main(void) {
    static float x[kSamples], y[kSamples], z[kSamples];
    create_data(x, y, z);
    const int map = define_map();
    samples_page(x, y, z, map);
    methods_page(x, y, z, map, method_panel);
    methods_page(x, y, z, map, method_mesh);
    lu_quit();
    return 0;
}
