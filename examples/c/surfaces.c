/* surfaces: a height field drawn twice, on two subpages: as a surface in the colours of
 * its height with a colour bar beside it, and as a mesh whose hidden lines are left out. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

#define NX 40
#define NY 32

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "surfaces_c: %s failed\n", what);
        exit(1);
    }
}

/* Two hills and a hollow over -2 ... 2 by -2 ... 2. */
static float height(float x, float y) {
    return (float)(exp(-(x - 0.8) * (x - 0.8) - (y - 0.6) * (y - 0.6)) +
                   0.7 * exp(-2 * ((x + 0.9) * (x + 0.9) + (y + 0.5) * (y + 0.5))) -
                   0.5 * exp(-3 * ((x + 0.3) * (x + 0.3) + (y - 1.2) * (y - 1.2))));
}

/* The frame and the view of one subpage, with its box and title. */
static void stage(const char* title, float azimuth) {
    check(lu_plot_frame(-1.0f, 1.0f, -0.9f, 1.1f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(
        lu_plot_view3d(1.2f, 1.2f, 0.8f, -2.0f, 2.0f, -2.0f, 2.0f, -0.6f, 1.1f, 35.0f, azimuth, 0),
        "lu_plot_view3d");
    check(lu_plot_box3d("bnts", "x", 0, 0, "bnts", "y", 0, 0, "bcnst", "z", 0, 0), "lu_plot_box3d");
    check(lu_plot_labels(NULL, NULL, title), "lu_plot_labels");
}

int main(void) {
    static float x[NX], y[NY], z[NX][NY];
    for (int i = 0; i < NX; ++i) x[i] = -2.0f + 4.0f * (float)i / (NX - 1);
    for (int j = 0; j < NY; ++j) y[j] = -2.0f + 4.0f * (float)j / (NY - 1);
    for (int i = 0; i < NX; ++i)
        for (int j = 0; j < NY; ++j) z[i][j] = height(x[i], y[j]);
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_subpages(2, 1), "lu_plot_subpages");

    stage("A surface, coloured by height", 40.0f);
    check(lu_set_colour_map(LU_MAP_VIRIDIS, -0.6f, 1.1f), "lu_set_colour_map");
    check(lu_set_pen(lu_make_rgb_colour(70, 70, 70), 0, 1, -1), "lu_set_pen");
    check(lu_plot_surface3d(&z[0][0], NX, NY, LU_ROW_MAJOR, x, y, LU_SURFACE_FACETS),
          "lu_plot_surface3d");
    check(lu_draw_colour_bar_labelled(0.02f, 0.025f, NULL, 0, 0, "z"), "lu_draw_colour_bar");

    stage("A mesh, hidden lines removed", -50.0f);
    check(lu_set_pen(lu_make_rgb_colour(30, 60, 170), 0, 1, -1), "lu_set_pen");
    check(lu_plot_mesh3d(&z[0][0], NX, NY, LU_ROW_MAJOR, x, y, LU_MESH_X | LU_MESH_Y),
          "lu_plot_mesh3d");
    lu_quit();
    return 0;
}
