/* 22 500 filled arrows of six points (vectors_field.h) in one call of lu_draw_vectors, in a
 * 640 x 480 frame: timed by bench/vectors_compare.sh against the same picture drawn by
 * PLplot (vectors_plplot.c). */
#include "lumora.h"
#include "vectors_field.h"

int main(void) {
    static double u[kVectorSide * kVectorSide], v[kVectorSide * kVectorSide];
    float shape_x[6], shape_y[6];
    for (int k = 0; k < 6; ++k) {
        shape_x[k] = (float)kArrowShapeX[k];
        shape_y[k] = (float)kArrowShapeY[k];
    }
    vector_field(u, v);
    if (lu_open_window(0) == 0) return 1;
    lu_plot_frame(0, kVectorSide, 0, kVectorSide, 0);
    lu_plot_labels("x", "y", "22 500 arrows");
    if (lu_set_arrow_style(0, 6, shape_x, shape_y, 1, 0) == 0) return 1;
    if (lu_draw_vectors_double(u, v, kVectorSide, kVectorSide, LU_ROW_MAJOR, 0, 0, kVectorSide,
                               kVectorSide, 0) == 0)
        return 1;
    lu_quit();
    return 0;
}
