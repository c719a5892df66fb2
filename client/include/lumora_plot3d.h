/* Lumora: 3-D plots. A 3-D view puts a box of x, y and z ranges on the current frame,
 * seen from an altitude and an azimuth; its box is drawn with ticks, numbers and labels
 * on the edges that face the viewer, and lines, points, polygons and texts in 3-D data
 * coordinates are projected into it. Included by lumora.h; see there for the calling forms, and
 * lumora_plot.h for the results, the refusals and the pen, which are the same here.
 *
 * Angles are in degrees. The altitude (above 0, at most 90) is how high the viewer
 * stands above the base: 90 looks straight down on it. The azimuth turns the box about
 * its vertical axis: at 0 the viewer looks at it from the side of y1, with x running to
 * the right; as the azimuth grows the box turns counterclockwise as seen from above (the
 * viewer goes round it clockwise). */
#ifndef LUMORA_PLOT3D_H
#define LUMORA_PLOT3D_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Options of lu_plot_view3d, to be added together: logarithmic x, y and z axes (the data
 * operations then take the values themselves; values <= 0 there are left out). */
#define LU_VIEW3D_LOG_X 1
#define LU_VIEW3D_LOG_Y 2
#define LU_VIEW3D_LOG_Z 4

/* Sets the 3-D view of the current frame: a box of base_width by base_depth by height in
 * the frame's world units (x across the base's width, y across its depth, z up) for the
 * data ranges x1 ... x2, y1 ... y2 and z1 ... z2, seen from the altitude and the azimuth,
 * with the middle of the box as drawn on the middle of the frame's world. Reversed
 * ranges run an axis the other way. The view lasts until the next frame. Refused (0,
 * with a message): no frame, a size that is not a finite number above 0, a range with
 * an end that is NaN or infinite, with equal ends or (on a log axis) not above 0, an
 * altitude not above 0 and at most 90, an azimuth that is not finite, other options. */
int lu_plot_view3d(float base_width, float base_depth, float height, float x1, float x2, float y1,
                   float y2, float z1, float z2, float altitude, float azimuth, int options);
int lu_plot_view3d_(int* result, const float* base_width, const float* base_depth,
                    const float* height, const float* x1, const float* x2, const float* y1,
                    const float* y2, const float* z1, const float* z2, const float* altitude,
                    const float* azimuth, const int* options);

/* Draws the box of the current 3-D view with options per axis, letters in any order, as
 * lu_plot_box takes them: b the axis's edge, t major ticks, s subticks, n numbers, f a log
 * axis's decades in fixed point, o ticks outward; the x and y axes lie on the base's two
 * edges that meet at the corner nearest the viewer, and their ticks run across the base.
 * For z: b the vertical edge over the base's leftmost corner (n: numbers left of it),
 * c the one over its rightmost corner (m: numbers right of it), g grid lines at the major
 * ticks round the two back walls. Whether an axis is logarithmic is the view's; the x and
 * y numbers take the formats of the frame's (lu_plot_set_number_format). step and
 * subticks as lu_plot_box takes them; a label (NULL or empty: none) stands beyond the
 * numbers, along its edge (the z label beside the numbers on the right when there are
 * some there, else on the left). Result: 0 without a 3-D view on the current frame. */
int lu_plot_box3d(const char* x_options, const char* x_label, float x_step, int x_subticks,
                  const char* y_options, const char* y_label, float y_step, int y_subticks,
                  const char* z_options, const char* z_label, float z_step, int z_subticks);
int lu_plot_box3d_(int* result, const char* x_options, const char* x_label, const float* x_step,
                   const int* x_subticks, const char* y_options, const char* y_label,
                   const float* y_step, const int* y_subticks, const char* z_options,
                   const char* z_label, const float* z_step, const int* z_subticks,
                   size_t x_options_length, size_t x_label_length, size_t y_options_length,
                   size_t y_label_length, size_t z_options_length, size_t z_label_length);

/* A line through n > 1 points (x[i], y[i], z[i]) of the 3-D view's data, with the
 * current pen, cut where it leaves the box. NaN or infinite values (and values <= 0 on a
 * log axis) break the line. The _d forms take double arrays. Result: 0 without a 3-D
 * view on the current frame. */
int lu_plot_line3d(int n, const float* x, const float* y, const float* z);
int lu_plot_line3d_(int* result, const int* n, const float* x, const float* y, const float* z);
int lu_plot_line3d_d(int n, const double* x, const double* y, const double* z);
int lu_plot_line3d_d_(int* result, const int* n, const double* x, const double* y, const double* z);

/* A marker at each of n > 0 points (x[i], y[i], z[i]) of the 3-D view's data, in the
 * pen's colour, marker codes and size as lu_plot_points takes them. Points outside the box
 * are left out. */
int lu_plot_points3d(int n, const float* x, const float* y, const float* z, int marker);
int lu_plot_points3d_(int* result, const int* n, const float* x, const float* y, const float* z,
                      const int* marker);
int lu_plot_points3d_d(int n, const double* x, const double* y, const double* z, int marker);
int lu_plot_points3d_d_(int* result, const int* n, const double* x, const double* y,
                        const double* z, const int* marker);

/* The outline of a polygon through n > 2 points (x[i], y[i], z[i]) of the 3-D view's data,
 * with the current pen: side i, from point i to point i + 1, is drawn where draw[i] is not
 * 0 (draw holds n - 1 flags; the outline is closed by repeating the first point at the
 * end), cut where it leaves the box. The polygon is left out when the viewer sees its back:
 * with counterclockwise 1 its front is the face on which its points run counterclockwise,
 * with 0 the one on which they run clockwise. NaN or infinite values break the outline.
 * The _d forms take double arrays. Result: the window number; 0 with a message without a
 * 3-D view on the current frame, for n below 3, a null array, counterclockwise not 0 or 1. */
int lu_plot_polygon3d(int n, const float* x, const float* y, const float* z, const int* draw,
                      int counterclockwise);
int lu_plot_polygon3d_(int* result, const int* n, const float* x, const float* y, const float* z,
                       const int* draw, const int* counterclockwise);
int lu_plot_polygon3d_d(int n, const double* x, const double* y, const double* z, const int* draw,
                        int counterclockwise);
int lu_plot_polygon3d_d_(int* result, const int* n, const double* x, const double* y,
                         const double* z, const int* draw, const int* counterclockwise);

/* A text in a plane of the 3-D view, in the pen's colour at the frame's text height, with
 * markup as lu_plot_labels takes it: it stands at the data point (x, y, z), its baseline
 * along the data direction (dx, dy, dz) and its up a text height long along (sx, sy, sz),
 * which shears (and flattens) it when that is not square to the baseline; a shear of 0,
 * 0, 0 stands it upright in the plane that faces the viewer. The viewer sees it turned,
 * foreshortened and sheared with its plane (mirrored from behind; nothing of it edge on or
 * sheared flat); facing the viewer it keeps its height where the frame's world has equal
 * scales. The point lies justification of the way along the text (0 its start, 0.5 its
 * middle, 1 its end) and half a capital's height above its baseline. NULL or empty:
 * nothing drawn. Result: the window number; 0 with a message without a 3-D view on the
 * current frame, for a point outside the view's world (not finite, or <= 0 on a log axis),
 * a direction of no length, a shear along the baseline, a frame's world that would
 * stretch the text more than 64 times one way, a justification that is not finite. */
int lu_plot_text3d(float x, float y, float z, float dx, float dy, float dz, float sx, float sy,
                   float sz, float justification, const char* text);
int lu_plot_text3d_(int* result, const float* x, const float* y, const float* z, const float* dx,
                    const float* dy, const float* dz, const float* sx, const float* sy,
                    const float* sz, const float* justification, const char* text,
                    size_t text_length);

/* A text beside an edge of the 3-D view's box, in the pen's colour at the frame's text
 * height, with markup: edge "xp", "yp" or "zp" the edge on which lu_plot_box3d draws that
 * axis (x and y through the base's front corner, z over its leftmost corner), "xs", "ys"
 * or "zs" the one opposite it (x and y through the back corner, z over the rightmost
 * corner), in either case. The text runs along the edge, read from left to right (or
 * upwards), displacement text heights out from it the way its ticks point (across the base
 * for x and y, sideways for z; below 0 inward), its anchor at position (0 ... 1) of the way
 * along the edge as it is read, justification of the way along the text (0 its start, 1
 * its end). Result: the window number; 0 with a message without a 3-D view, for another
 * edge, a displacement, position or justification that is not finite. */
int lu_plot_edge_text3d(const char* edge, float displacement, float position, float justification,
                        const char* text);
int lu_plot_edge_text3d_(int* result, const char* edge, const float* displacement,
                         const float* position, const float* justification, const char* text,
                         size_t edge_length, size_t text_length);

/* Options of lu_plot_surface3d and lu_plot_mesh3d, numbered apart from the view's so
 * that one passed to the wrong operation is refused: the surface's cells outlined with
 * the pen (facets); the surface coloured over the colour map's own range rather than the
 * view's z range; the mesh's lines along x (at each y), along y (at each x), or both
 * added together. */
#define LU_SURFACE_FACETS 8
#define LU_SURFACE_MAP_RANGE 16
#define LU_MESH_X 32
#define LU_MESH_Y 64

/* More options of lu_plot_surface3d and lu_plot_mesh3d: the mesh's lines in the colour
 * map's colour of their height (mesh only); sides hanging from the borders that face the
 * viewer down to the box's base (both); the surface shaded by the light of
 * lu_plot_light3d instead of coloured by height (surface only). */
#define LU_MESH_COLOURED 128
#define LU_SURFACE_SIDES 256
#define LU_SURFACE_LIT 512

/* Where lu_plot_contours3d's lines are drawn, to be added together: on the box's base,
 * and on the surface or mesh itself. */
#define LU_CONTOURS3D_BASE 1024
#define LU_CONTOURS3D_SURFACE 2048

/* A surface z over the grid x[nx] by y[ny] of the 3-D view's data (nx, ny > 1; x and y
 * each strictly rising or falling, finite): z (i, j) over (x[i], y[j]), in the layout of
 * the field operations (LU_ROW_MAJOR: z[i * ny + j]; LU_COLUMN_MAJOR: z[i + j * nx]; the
 * reference forms take Fortran's Z(NX, NY)). Each cell between four neighbouring points
 * is filled in the colour of its corners' mean z in the current colour map, over the
 * view's z range (z1 in the map's first colour, z2 in its last) or with
 * LU_SURFACE_MAP_RANGE over the map's range; LU_SURFACE_FACETS outlines each cell with
 * the pen. Cells are drawn from the farthest from the viewer to the nearest, so that
 * nearer ones hide what lies behind them. A cell with a NaN corner (or one <= 0 on a log
 * axis) or a corner outside the view's box is left out. Each call sends its drawing as one
 * batch. The _d forms take double arrays. Result: the window number; 0 with a message
 * without a 3-D view on the current frame, for a null array, nx or ny below 2, an
 * unknown layout, x or y not finite or not strictly rising or falling, other options. */
int lu_plot_surface3d(const float* z, int nx, int ny, int layout, const float* x, const float* y,
                      int options);
int lu_plot_surface3d_(int* result, const float* z, const int* nx, const int* ny, const float* x,
                       const float* y, const int* options);
int lu_plot_surface3d_d(const double* z, int nx, int ny, int layout, const double* x,
                        const double* y, int options);
int lu_plot_surface3d_d_(int* result, const double* z, const int* nx, const int* ny,
                         const double* x, const double* y, const int* options);

/* A mesh over the same grid as lu_plot_surface3d takes it: lines in the pen along x
 * (LU_MESH_X), along y (LU_MESH_Y) or both (their sum), with the lines hidden that the
 * surface hides. Each cell is drawn from the farthest to the nearest, filled in white
 * and with its lines on it, so that nearer cells cover what lies behind them. Refused as
 * lu_plot_surface3d is, and for options that are not LU_MESH_X, LU_MESH_Y or their sum. */
int lu_plot_mesh3d(const float* z, int nx, int ny, int layout, const float* x, const float* y,
                   int options);
int lu_plot_mesh3d_(int* result, const float* z, const int* nx, const int* ny, const float* x,
                    const float* y, const int* options);
int lu_plot_mesh3d_d(const double* z, int nx, int ny, int layout, const double* x, const double* y,
                     int options);
int lu_plot_mesh3d_d_(int* result, const double* z, const int* nx, const int* ny, const double* x,
                      const double* y, const int* options);

/* Contour lines at n levels (data values of z) for the surfaces and meshes the current
 * window draws from now on, in the pen: with LU_CONTOURS3D_BASE on the box's base, with
 * LU_CONTOURS3D_SURFACE on the surface at their height, hidden where nearer cells hide
 * it. n = 0 (levels may then be NULL) draws none again. The _d form takes doubles.
 * Result: the window number; 0 with a message without a window, for n below 0 or above
 * 10000, NULL levels, a level that is NaN or infinite, other places, or none for n > 0. */
int lu_plot_contours3d(int n, const float* levels, int where);
int lu_plot_contours3d_(int* result, const int* n, const float* levels, const int* where);
int lu_plot_contours3d_d(int n, const double* levels, int where);
int lu_plot_contours3d_d_(int* result, const int* n, const double* levels, const int* where);

/* Puts the light that LU_SURFACE_LIT shades by at the point (x, y, z) of the 3-D view's
 * data, for the surfaces the current window draws from now on; until then the light
 * stands far behind the viewer. A cell facing the light takes the colour map's last
 * colour, one edge on or turned away its first. Result: the window number; 0 with a
 * message without a window or for a coordinate that is NaN or infinite. */
int lu_plot_light3d(float x, float y, float z);
int lu_plot_light3d_(int* result, const float* x, const float* y, const float* z);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_PLOT3D_H */
