/* The picture of a 200 x 200 polar grid's cells (grid_image_field.h) with Lumora in one
 * call, in a frame; headless, luwnd writes the PNG at the end. */
#include "grid_image_field.h"
#include "lumora.h"

int main(void) {
    static double x[kGridCorners * kGridCorners], y[kGridCorners * kGridCorners];
    static double z[kGridSide * kGridSide];
    grid_image_field(x, y, z);
    if (lu_open_window(0) <= 0) return 1;
    lu_plot_frame(-1, 1, -1, 1, LU_PLOT_EQUAL);
    lu_set_colour_map(LU_MAP_VIRIDIS, -1, 1);
    const int drawn = lu_draw_field_image_on_grid_double(z, kGridSide, kGridSide, LU_ROW_MAJOR, x,
                                                         y, LU_GRID_POINTS);
    lu_quit();
    return drawn > 0 ? 0 : 1;
}
