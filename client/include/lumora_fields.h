/* Lumora: pictures, colour maps and two-dimensional fields (images, contour lines, filled
 * contours, colour bars, vector fields). Included by lumora.h; see there for the calling
 * forms. */
#ifndef LUMORA_FIELDS_H
#define LUMORA_FIELDS_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Pictures ----------------------------------------------------------------------- */

/* A picture of width x height pixels (1 ... 8192 each, at most 16 777 216 pixels) scaled
 * into the box of two corners: pixel (0, 0) at the corner (x1, y1), the last pixel at
 * (x2, y2), so a corner pair the other way round mirrors the picture. Rows run from y1
 * towards y2, and the pixels of a row from x1 towards x2: a C array p[height][width] or
 * a Fortran array P(WIDTH, HEIGHT). smooth: 1 bilinear, 0 nearest. An RGB pixel is an
 * RGB colour value as lu_make_rgb_colour gives (red in the low byte, then green and
 * blue; the top byte is not looked at). The picture travels through the window's data
 * area in chunks of 2048 bytes, three bytes a pixel. Result: the window number once the
 * picture is drawn, 0 on failure or for refused arguments. The _in_window forms take
 * device corners. */
int lu_draw_image_rgb(int width, int height, const int* pixels, float x1, float y1, float x2,
                      float y2, int smooth);
int lu_draw_image_rgb_(int* result, const int* width, const int* height, const int* pixels,
                       const float* x1, const float* y1, const float* x2, const float* y2,
                       const int* smooth);
int lu_draw_image_rgb_in_window(int window, int width, int height, const int* pixels, int x1,
                                int y1, int x2, int y2, int smooth);
/* As lu_draw_image_rgb, with an index a pixel (its low byte, one byte on the way) into
 * `count` (1 ... 256) colour values (lu_make_rgb_colour, a colour entry or a palette
 * colour). An index the colours do not reach draws black. */
int lu_draw_image_indexed(int width, int height, const int* indices, const int* colours, int count,
                          float x1, float y1, float x2, float y2, int smooth);
int lu_draw_image_indexed_(int* result, const int* width, const int* height, const int* indices,
                           const int* colours, const int* count, const float* x1, const float* y1,
                           const float* x2, const float* y2, const int* smooth);
int lu_draw_image_indexed_in_window(int window, int width, int height, const int* indices,
                                    const int* colours, int count, int x1, int y1, int x2, int y2,
                                    int smooth);

/* ---- Colour maps -------------------------------------------------------------------- */

/* The colour maps: sequential from dark blue through green to yellow, diverging from blue
 * through a pale neutral to red, and grey from black to white. Each is perceptually
 * uniform: equal steps in value give equal steps in lightness. Then the listed maps of
 * the same kind: viridis (dark violet through teal to yellow), magma (black through
 * purple and orange to pale yellow), cividis (dark blue to yellow, for readers with a
 * colour-vision deficiency), inferno (black through red to pale yellow) and plasma
 * (blue through magenta to yellow). A minus sign reverses a map: -LU_MAP_VIRIDIS runs
 * from yellow to violet. */
#define LU_MAP_SEQUENTIAL 1
#define LU_MAP_DIVERGING 2
#define LU_MAP_GREY 3
#define LU_MAP_VIRIDIS 4
#define LU_MAP_MAGMA 5
#define LU_MAP_CIVIDIS 6
#define LU_MAP_INFERNO 7
#define LU_MAP_PLASMA 8

/* Chooses the colour map (0 keeps it; a map above, reversed with a minus sign, or one of
 * the program's own that lu_define_colour_map made) and the range of values it spans:
 * low takes the map's first colour, high its last (low > high runs the map backwards;
 * low = high, or either not finite, keeps the range). The map and range are the
 * program's, shared by every window; the start is LU_MAP_SEQUENTIAL over 0 ... 1.
 * Result: 1, or 0 for an unknown map (nothing changes). */
int lu_set_colour_map(int map, float low, float high);
int lu_set_colour_map_(int* result, const int* map, const float* low, const float* high);

/* The program's own colour maps are numbered LU_MAP_OWN + 1 ... LU_MAP_OWN + 32. Their
 * colours are blended between control points in one of three ways: component by
 * component in sRGB (as most plotting programs do), in hue, lightness and saturation
 * (the hue the shorter way round its circle; a grey point takes its neighbour's hue),
 * or in the perceptual OKLab space (even steps of lightness and no muddy middle). */
#define LU_MAP_OWN 100
#define LU_MAP_BLEND_RGB 0
#define LU_MAP_BLEND_HLS 1
#define LU_MAP_BLEND_OKLAB 2

/* Defines (or redefines) own map number `map` (LU_MAP_OWN + 1 ... LU_MAP_OWN + 32) from n
 * control points (2 ... 256): RGB colour values (lu_make_rgb_colour, lu_hls_colour,
 * lu_hsv_colour) at positions along the map, each finite and none below the one before
 * (equal neighbours make a sharp step), the last above the first; they are scaled so that
 * the first is the map's low end and the last its high end. NULL positions space the
 * colours evenly. `blend` is one of LU_MAP_BLEND_.... The map is used through
 * lu_set_colour_map like a built-in one; a redefined map in use shows its new colours in
 * what is drawn next. Result: 1, or 0 with a message for arguments it cannot use (nothing
 * changes). */
int lu_define_colour_map(int map, int n, const float* positions, const int* colours, int blend);
int lu_define_colour_map_(int* result, const int* map, const int* n, const float* positions,
                          const int* colours, const int* blend);

/* The RGB colour value of a hue (degrees, any number: taken round the circle; 0 red, 120
 * green, 240 blue), a lightness (0 black, 0.5 full colour, 1 white) and a saturation (0
 * grey ... 1), as PLplot's and most HLS models take them. -999 when lightness or
 * saturation lies outside 0 ... 1 or any argument is not finite. */
int lu_hls_colour(float hue, float lightness, float saturation);
int lu_hls_colour_(const float* hue, const float* lightness, const float* saturation);
/* The RGB colour value of a hue (degrees, as lu_hls_colour), a saturation (0 grey ... 1)
 * and a value (0 black ... 1 full brightness). -999 as lu_hls_colour. */
int lu_hsv_colour(float hue, float saturation, float value);
int lu_hsv_colour_(const float* hue, const float* saturation, const float* value);
/* Back: the hue (degrees, 0 ... 360), lightness and saturation (0 ... 1) of an RGB colour
 * value, as lu_hls_colour takes them; a grey has hue 0 and saturation 0. The variables
 * may be NULL. Result: 1; 0, with a message and nothing written, for a colour number or
 * a palette colour (they are a window's). */
int lu_colour_to_hls(int colour, float* hue, float* lightness, float* saturation);
int lu_colour_to_hls_(int* result, const int* colour, float* hue, float* lightness,
                      float* saturation);
/* The same for lu_hsv_colour: the hue, saturation and value of an RGB colour value. */
int lu_colour_to_hsv(int colour, float* hue, float* saturation, float* value);
int lu_colour_to_hsv_(int* result, const int* colour, float* hue, float* saturation, float* value);

/* The colour values of values below the range, above it, and of NaN (any colour value:
 * lu_make_rgb_colour, an entry number, a palette colour); -1 keeps one, -2 brings back
 * the map's own (its first colour, its last colour, and mid grey, red for LU_MAP_GREY);
 * other negative values are ignored. Without a colour set for it, NaN leaves its cells
 * transparent in field pictures and filled contours (what lies under them shows); the
 * map's own colour for it is what lu_colour_of_value answers. Result: 1. */
int lu_set_colour_map_extremes(int under, int over, int invalid);
int lu_set_colour_map_extremes_(int* result, const int* under, const int* over, const int* invalid);
/* The colour value of a value in the current map and range: an RGB colour value inside
 * the range, else the colour set for it. */
int lu_colour_of_value(float value);
int lu_colour_of_value_(int* result, const float* value);

/* ---- Fields ------------------------------------------------------------------------- */

/* A field is nx x ny values (nx, ny >= 1) over the world rectangle of corners (x1, y1) and
 * (x2, y2): value (i, j), i = 0 ... nx - 1 along x and j = 0 ... ny - 1 along y, stands at
 * the centre of its cell, x1 + (i + 0.5) (x2 - x1) / nx, y1 + (j + 0.5) (y2 - y1) / ny.
 * The value forms take a layout: LU_ROW_MAJOR, value (i, j) at values[i * ny + j] (C's
 * z[nx][ny], j running fastest), or LU_COLUMN_MAJOR, value (i, j) at values[i + j * nx]
 * (i running fastest). The reference forms always take Fortran's order, Z(NX, NY) with
 * Z(I, J) the value (i - 1, j - 1): column-major. NaN marks a missing value. Every field
 * operation comes for float and, with the suffix _double, for double values (and double
 * corners, levels and scale). Result: the window number, 0 for refused arguments or a
 * failed command. Refused arguments (a null field, a side below 1, an unknown layout,
 * corners that are not finite, level counts beyond +-10000, a field image larger than one
 * picture, ...), memory running out, and a window that refuses to draw (a window keeps at
 * most 1 000 000 items: each contour line, filled region and arrow is one) are reported as
 * a warning through the library's messages, naming the operation and the cause, each
 * cause once per window; the operation stops at the first command refused. No call lets
 * a C++ exception out. */
#define LU_ROW_MAJOR 0
#define LU_COLUMN_MAJOR 1

/* The field as a picture: each cell in the colour of its value in the current colour
 * map, scaled into the rectangle (smooth: 1 bilinear, 0 nearest). One picture command
 * carries the whole field, one byte a cell: nx and ny at most 8192, nx ny at most
 * 16 777 216. */
int lu_draw_field_image(const float* values, int nx, int ny, int layout, float x1, float y1,
                        float x2, float y2, int smooth);
int lu_draw_field_image_(int* result, const float* values, const int* nx, const int* ny,
                         const float* x1, const float* y1, const float* x2, const float* y2,
                         const int* smooth);
int lu_draw_field_image_double(const double* values, int nx, int ny, int layout, double x1,
                               double y1, double x2, double y2, int smooth);
int lu_draw_field_image_double_(int* result, const double* values, const int* nx, const int* ny,
                                const double* x1, const double* y1, const double* x2,
                                const double* y2, const int* smooth);

/* Contour lines of the field in the current pen: at the count levels given (count
 * 1 ... 10000), or at about -count round levels (count 0 ... -10000; 0: about 10) between
 * the field's least and greatest values, where levels may be NULL. Cells with a missing
 * corner are left out; a cell whose diagonals disagree (a saddle) is decided by the mean
 * of its corners.
 * labels 1 writes each level's value along its longer lines, in the current text font
 * turned along the line, with a gap in the line; the font is left at angle 0 and
 * alignment 4 afterwards. */
int lu_draw_contours(const float* values, int nx, int ny, int layout, float x1, float y1, float x2,
                     float y2, const float* levels, int count, int labels);
int lu_draw_contours_(int* result, const float* values, const int* nx, const int* ny,
                      const float* x1, const float* y1, const float* x2, const float* y2,
                      const float* levels, const int* count, const int* labels);
int lu_draw_contours_double(const double* values, int nx, int ny, int layout, double x1, double y1,
                            double x2, double y2, const double* levels, int count, int labels);
int lu_draw_contours_double_(int* result, const double* values, const int* nx, const int* ny,
                             const double* x1, const double* y1, const double* x2, const double* y2,
                             const double* levels, const int* count, const int* labels);

/* Filled contours: the regions between consecutive levels (given or automatic, as for
 * lu_draw_contours) filled in the current colour map's colour of the middle of their
 * range, values below the first level in its colour for values below the range, above
 * the last in the one for values above; missing cells stay empty. Each region is one
 * polygon; the pen is put back as it was. */
int lu_fill_contours(const float* values, int nx, int ny, int layout, float x1, float y1, float x2,
                     float y2, const float* levels, int count);
int lu_fill_contours_(int* result, const float* values, const int* nx, const int* ny,
                      const float* x1, const float* y1, const float* x2, const float* y2,
                      const float* levels, const int* count);
int lu_fill_contours_double(const double* values, int nx, int ny, int layout, double x1, double y1,
                            double x2, double y2, const double* levels, int count);
int lu_fill_contours_double_(int* result, const double* values, const int* nx, const int* ny,
                             const double* x1, const double* y1, const double* x2, const double* y2,
                             const double* levels, const int* count);

/* One band of the field, as a shade plot draws one range at a time: the region where
 * low <= value <= high filled in the pen's colour (no outline), or hatched in it with the
 * window's first pattern (lu_plot_hatch, lu_plot_hatch_lines); missing cells stay empty;
 * the rest of the field is left as it is, so that bands of separate calls lie side by
 * side. low = high is a band of the values equal to it. Refused (0, with a message) for
 * levels that are not finite or a low above high, besides what lu_fill_contours refuses. */
int lu_fill_contour_band(const float* values, int nx, int ny, int layout, float x1, float y1,
                         float x2, float y2, float low, float high);
int lu_fill_contour_band_(int* result, const float* values, const int* nx, const int* ny,
                          const float* x1, const float* y1, const float* x2, const float* y2,
                          const float* low, const float* high);
int lu_fill_contour_band_double(const double* values, int nx, int ny, int layout, double x1,
                                double y1, double x2, double y2, double low, double high);
int lu_fill_contour_band_double_(int* result, const double* values, const int* nx, const int* ny,
                                 const double* x1, const double* y1, const double* x2,
                                 const double* y2, const double* low, const double* high);

/* Arrows of the vector field (u, v), two fields of the same shape: from each cell centre
 * along (u, v) times scale in world units; scale 0 makes the longest arrow 0.9 of a cell
 * (in the cell's smaller world dimension), a negative scale is refused. Arrows with a
 * missing or zero component pair are left out. In the current pen and the window's arrow
 * style (lu_set_arrow_style; at first each head is 0.3 of its arrow long, at most 12
 * pixels). */
int lu_draw_vectors(const float* u, const float* v, int nx, int ny, int layout, float x1, float y1,
                    float x2, float y2, float scale);
int lu_draw_vectors_(int* result, const float* u, const float* v, const int* nx, const int* ny,
                     const float* x1, const float* y1, const float* x2, const float* y2,
                     const float* scale);
int lu_draw_vectors_double(const double* u, const double* v, int nx, int ny, int layout, double x1,
                           double y1, double x2, double y2, double scale);
int lu_draw_vectors_double_(int* result, const double* u, const double* v, const int* nx,
                            const int* ny, const double* x1, const double* y1, const double* x2,
                            const double* y2, const double* scale);

/* ---- Fields on uneven and curvilinear grids ------------------------------------------ */

/* The field operations above with the values at given positions instead of an even grid.
 * grid LU_GRID_AXES: xg holds nx x positions and yg ny y positions (a rectilinear grid),
 * value (i, j) at (xg[i], yg[j]); each axis finite and strictly rising or strictly
 * falling. grid LU_GRID_POINTS: xg and yg are nx x ny arrays in the values' layout (a
 * curvilinear grid: polar, distorted), value (i, j) at (xg(i, j), yg(i, j)); a NaN
 * position marks a missing point, whose cells are left out; an infinite one is refused.
 * Contour lines and filled regions are found between the values as on an even grid and
 * placed by interpolating the positions bilinearly within each cell, so that they follow
 * the grid (a polar field's contours are round). Refused, with a message naming the
 * operation: a null xg or yg, a grid code that is neither, an axis not finite or not
 * monotonic, an infinite point, and whatever the even forms refuse. The reference forms
 * take Fortran's order, XG(NX, NY) and YG(NX, NY) for LU_GRID_POINTS. */
#define LU_GRID_AXES 1
#define LU_GRID_POINTS 2

/* The field as a picture of cells: value (i, j) fills the quadrilateral of the corners
 * (i, j), (i + 1, j), (i + 1, j + 1), (i, j + 1), so the positions are the cells' corners,
 * one more than the values each way: LU_GRID_AXES nx + 1 and ny + 1 positions,
 * LU_GRID_POINTS two (nx + 1) x (ny + 1) arrays in the layout. The picture's edges are the
 * grid's outer corners exactly. Each cell in its value's colour as lu_draw_field_image
 * gives it, flat (there is no smooth form: a grid's cells are not an even picture); a cell
 * with a missing corner is left out. At most 1 000 000 cells. */
int lu_draw_field_image_on_grid(const float* values, int nx, int ny, int layout, const float* xg,
                                const float* yg, int grid);
int lu_draw_field_image_on_grid_(int* result, const float* values, const int* nx, const int* ny,
                                 const float* xg, const float* yg, const int* grid);
int lu_draw_field_image_on_grid_double(const double* values, int nx, int ny, int layout,
                                       const double* xg, const double* yg, int grid);
int lu_draw_field_image_on_grid_double_(int* result, const double* values, const int* nx,
                                        const int* ny, const double* xg, const double* yg,
                                        const int* grid);

/* Contour lines as lu_draw_contours draws them, on the grid. */
int lu_draw_contours_on_grid(const float* values, int nx, int ny, int layout, const float* xg,
                             const float* yg, int grid, const float* levels, int count, int labels);
int lu_draw_contours_on_grid_(int* result, const float* values, const int* nx, const int* ny,
                              const float* xg, const float* yg, const int* grid,
                              const float* levels, const int* count, const int* labels);
int lu_draw_contours_on_grid_double(const double* values, int nx, int ny, int layout,
                                    const double* xg, const double* yg, int grid,
                                    const double* levels, int count, int labels);
int lu_draw_contours_on_grid_double_(int* result, const double* values, const int* nx,
                                     const int* ny, const double* xg, const double* yg,
                                     const int* grid, const double* levels, const int* count,
                                     const int* labels);

/* Filled contours as lu_fill_contours fills them, on the grid. */
int lu_fill_contours_on_grid(const float* values, int nx, int ny, int layout, const float* xg,
                             const float* yg, int grid, const float* levels, int count);
int lu_fill_contours_on_grid_(int* result, const float* values, const int* nx, const int* ny,
                              const float* xg, const float* yg, const int* grid,
                              const float* levels, const int* count);
int lu_fill_contours_on_grid_double(const double* values, int nx, int ny, int layout,
                                    const double* xg, const double* yg, int grid,
                                    const double* levels, int count);
int lu_fill_contours_on_grid_double_(int* result, const double* values, const int* nx,
                                     const int* ny, const double* xg, const double* yg,
                                     const int* grid, const double* levels, const int* count);

/* Arrows as lu_draw_vectors draws them, each from its value's grid point (none from a
 * missing point); scale 0 makes the longest arrow 0.9 of the grid's spacing: the median
 * distance between neighbouring points along i and along j, the smaller of the two (on
 * a grid of a single point, no arrow: give a scale). */
int lu_draw_vectors_on_grid(const float* u, const float* v, int nx, int ny, int layout,
                            const float* xg, const float* yg, int grid, float scale);
int lu_draw_vectors_on_grid_(int* result, const float* u, const float* v, const int* nx,
                             const int* ny, const float* xg, const float* yg, const int* grid,
                             const float* scale);
int lu_draw_vectors_on_grid_double(const double* u, const double* v, int nx, int ny, int layout,
                                   const double* xg, const double* yg, int grid, double scale);
int lu_draw_vectors_on_grid_double_(int* result, const double* u, const double* v, const int* nx,
                                    const int* ny, const double* xg, const double* yg,
                                    const int* grid, const double* scale);

/* A colour bar right of the viewport: a strip `width` wide at `gap` from the viewport's
 * right edge (both in normalized units, as lu_set_viewport takes them), as high as the
 * viewport, showing the current colour map from its range's low value at the bottom to
 * its high value at the top, outlined and with its own ticks and numbers on its right
 * in the current pen; the numbers are those of an axis (a common exponent above the bar
 * past 1e5 or below 1e-3), in the size of the plot frame's numbers when the window has a
 * frame, else in the text font. With count > 1 levels (at most 10000) it shows the
 * count - 1 bands of lu_fill_contours instead, numbered at the levels where at most 12
 * (only as many as keep apart). The viewport and world window are put back afterwards. */
int lu_draw_colour_bar(float gap, float width, const float* levels, int count);
int lu_draw_colour_bar_(int* result, const float* gap, const float* width, const float* levels,
                        const int* count);

/* Caps of lu_draw_colour_bar_labelled, added together: a triangle below the bar in the
 * colour map's colour for values under its range, one above it for values over it. */
#define LU_BAR_CAP_UNDER 1
#define LU_BAR_CAP_OVER 2

/* A colour bar as lu_draw_colour_bar draws it, with end caps (a sum of LU_BAR_CAP_...; 0
 * none), as long as the bar is wide, in the colours lu_set_colour_map_extremes sets, and
 * a title (NULL or "": none; units belong in it, "depth (m)") along the bar right of its
 * numbers, reading upward, in the numbers' size and the pen's colour, drawn as it stands
 * (no markup). Result: as
 * lu_draw_colour_bar's; 0 for caps that are no such sum. */
int lu_draw_colour_bar_labelled(float gap, float width, const float* levels, int count, int caps,
                                const char* title);
int lu_draw_colour_bar_labelled_(int* result, const float* gap, const float* width,
                                 const float* levels, const int* count, const int* caps,
                                 const char* title, size_t title_length);

/* The sides of the viewport lu_draw_colour_bar_at puts a bar on. */
#define LU_BAR_RIGHT 1
#define LU_BAR_LEFT 2
#define LU_BAR_ABOVE 3
#define LU_BAR_BELOW 4

/* A colour bar as lu_draw_colour_bar_labelled draws it (caps, a title: NULL or "" none),
 * on a side of the viewport (LU_BAR_RIGHT, as lu_draw_colour_bar_labelled, LU_BAR_LEFT,
 * LU_BAR_ABOVE or LU_BAR_BELOW): `width` across and at `gap` beyond the viewport (both in
 * normalized units, as lu_set_viewport takes them; width > 0, a negative gap overlaps),
 * as long as that side. Upright on the right and the left, low value at the bottom;
 * lying above and below, low value at the left, caps at its ends. Ticks, numbers and
 * title stand on the bar's far side: right of a bar on the right, left of one on the left
 * (title reading upward beyond the numbers on both), above a bar above, below a bar
 * below (title level beyond the numbers). Right of the viewport and above it the gap
 * counts from its edge; left of it and below it, when the viewport is the plot frame's
 * box, from beyond the frame's numbers and axis label on that side (whether a label is
 * drawn or not), else from its edge. Numbers in the format of LU_PLOT_BAR_NUMBERS and in
 * the size of the frame's numbers, as lu_draw_colour_bar. Result: as
 * lu_draw_colour_bar_labelled's; 0, with a message, for a side that is none of these,
 * a gap or width that is no finite number or a width not above 0, or caps that are no
 * sum of LU_BAR_CAP_.... */
int lu_draw_colour_bar_at(int side, float gap, float width, const float* levels, int count,
                          int caps, const char* title);
int lu_draw_colour_bar_at_(int* result, const int* side, const float* gap, const float* width,
                           const float* levels, const int* count, const int* caps,
                           const char* title, size_t title_length);

/* Options of lu_draw_colour_bar_shaped besides the caps (LU_BAR_CAP_UNDER, _OVER), added
 * together: the caps counted within the bar's length, so that they end where the bar of
 * that length would and keep off a bar on the neighbouring side; the numbers (and their
 * ticks) on the near side, facing the viewport, or on both sides (neither: the far side);
 * the title on the near side, or beyond the bar's low end or its high end and cap (below
 * and above an upright bar, left and right of a lying one; none: the far side). */
#define LU_BAR_CAPS_INSIDE 4
#define LU_BAR_NUMBERS_NEAR 8
#define LU_BAR_NUMBERS_BOTH 16
#define LU_BAR_TITLE_NEAR 32
#define LU_BAR_TITLE_LOW_END 64
#define LU_BAR_TITLE_HIGH_END 128

/* A colour bar as lu_draw_colour_bar_at draws it, `length` (0.01 ... 1) of the side long
 * and centred on it, with options: a sum of the caps and the other LU_BAR_... options, one
 * place of the numbers and one of the title at most. A bar whose caps within its length
 * leave it less than a tenth of that length keeps the tenth. Result: as
 * lu_draw_colour_bar_at's; 0, with a message, also for options that are no such sum and a
 * length outside 0.01 ... 1 or NaN. */
int lu_draw_colour_bar_shaped(int side, float gap, float width, float length, const float* levels,
                              int count, int options, const char* title);
int lu_draw_colour_bar_shaped_(int* result, const int* side, const float* gap, const float* width,
                               const float* length, const float* levels, const int* count,
                               const int* options, const char* title, size_t title_length);

/* ---- Arrow styles and key arrows ----------------------------------------------------- */

/* The named arrow shapes of lu_set_arrow_style: barbs (a line from tail to tip and two
 * lines back from the tip, as every window starts with), a triangle head on a line shaft,
 * and a whole arrow with a head 0.2 of it (PLplot's default arrow). */
#define LU_ARROW_BARBS 1
#define LU_ARROW_TRIANGLE 2
#define LU_ARROW_WHOLE 3

/* The arrows lu_draw_vectors and lu_draw_vector_key draw from now on in the current
 * window. The shape is a named one (shape LU_ARROW_..., n 0) or n points x, y (shape 0;
 * 2 ... 64 points, 3 when filled, each finite and within +-10) in the arrow's own
 * coordinates: the shaft along x from the tail at -0.5 to the tip at 0.5, y across to the
 * arrow's left, in arrow lengths (PLplot's arrow coordinates). fill 1 draws the points as
 * a polygon filled in the pen's colour and outlined with the pen, 0 as a line. head 0
 * scales the whole shape with the arrow; head > 0 (at most 1000) keeps the shape's front
 * half (x from 0 to 0.5, where a head lies) head pixels long, or half the arrow when that
 * is shorter, the rear half stretching over the rest; y scales as the front half does.
 * Shapes keep their form whatever the world's aspect. Shape 0 with no points (n 0, or x
 * and y NULL) brings back the barbs every window starts with: 0.3 of the arrow long, at
 * most 12 pixels, not filled (fill and head are not looked at). Result: the window number,
 * or 0 with a message for arguments it cannot use (nothing changes). */
int lu_set_arrow_style(int shape, int n, const float* x, const float* y, int fill, float head);
int lu_set_arrow_style_(int* result, const int* shape, const int* n, const float* x, const float* y,
                        const int* fill, const float* head);

/* Where lu_draw_vector_key's position is: world coordinates, or normalized units as
 * lu_set_viewport takes them. */
#define LU_KEY_WORLD 0
#define LU_KEY_NORMALIZED 1

/* A key arrow: an arrow of the window's arrow style pointing along x from its tail at
 * (x, y), as long as an arrow of `value` at the scale of the window's last
 * lu_draw_vectors (pointing left for a negative value), with the value written beside its
 * right end in the text font, centred on the shaft, in the frame's x number format when
 * the window has a frame and one was set (lu_plot_set_number_format), else as %g prints it.
 * `where` is LU_KEY_WORLD or LU_KEY_NORMALIZED. The font's angle and alignment are put
 * back afterwards. Result: the window number, or 0 with a message for a value that is 0 or
 * not finite or whose arrow would be longer than 100000 pixels, a position that is not
 * finite, an unknown `where`, or a window where no arrows have been drawn yet. */
int lu_draw_vector_key(float x, float y, float value, int where);
int lu_draw_vector_key_(int* result, const float* x, const float* y, const float* value,
                        const int* where);
int lu_draw_vector_key_double(double x, double y, double value, int where);
int lu_draw_vector_key_double_(int* result, const double* x, const double* y, const double* value,
                               const int* where);
/* ---- Gridding scattered data -------------------------------------------------------- */

/* The ways lu_grid_data finds a value between scattered samples: the nearest sample's;
 * the mean of the 12 nearest samples (all when there are fewer) weighted by their
 * distance to the power -parameter (0: 2); linear interpolation in the triangle of the
 * samples' Delaunay triangulation that holds the point; natural neighbour (Sibson)
 * interpolation, weighting each sample by the area its Voronoi cell would give up to
 * the point's. Numbered apart from LU_GRID_AXES and LU_GRID_POINTS, so that a grid's code
 * given as a method is refused. */
#define LU_GRID_NEAREST 11
#define LU_GRID_INVERSE_DISTANCE 12
#define LU_GRID_LINEAR 13
#define LU_GRID_NATURAL 14

/* The values of n scattered samples (x[k], y[k], z[k]) at the nx x ny points (xg[i],
 * yg[j]) of a grid, written to values in a field's layout (LU_ROW_MAJOR: value (i, j) at
 * values[i * ny + j]; LU_COLUMN_MAJOR: at values[i + j * nx]; the reference forms in
 * Fortran's order, VALUES(NX, NY)), ready for the field operations: the _on_grid forms
 * take the same xg and yg with LU_GRID_AXES. xg and yg need be neither sorted nor evenly
 * spaced (the _on_grid forms want them rising or falling). method: LU_GRID_NEAREST,
 * LU_GRID_INVERSE_DISTANCE, LU_GRID_LINEAR or LU_GRID_NATURAL; parameter: the power of
 * LU_GRID_INVERSE_DISTANCE (0: 2; other methods ignore it; >= 0). Samples with a
 * coordinate or value that is not finite are left out; samples at one place count once,
 * with the mean of their values. NaN (missing) stands where there is no value: outside
 * the samples' convex hull for LU_GRID_LINEAR and LU_GRID_NATURAL, and at grid points
 * with a coordinate that is not finite. Result: 1; 0, with a message, for a null array,
 * n outside 1 ... 16777216, a side below 1 or more than 67108864 grid points, an
 * unknown layout or method, a parameter that is negative or not finite, no sample left,
 * or, for LU_GRID_LINEAR and LU_GRID_NATURAL, fewer than three samples or all on one
 * line (values then all NaN). */
int lu_grid_data(const float* x, const float* y, const float* z, int n, const float* xg, int nx,
                 const float* yg, int ny, int layout, int method, float parameter, float* values);
int lu_grid_data_(int* result, const float* x, const float* y, const float* z, const int* n,
                  const float* xg, const int* nx, const float* yg, const int* ny, const int* method,
                  const float* parameter, float* values);
int lu_grid_data_double(const double* x, const double* y, const double* z, int n, const double* xg,
                        int nx, const double* yg, int ny, int layout, int method, double parameter,
                        double* values);
int lu_grid_data_double_(int* result, const double* x, const double* y, const double* z,
                         const int* n, const double* xg, const int* nx, const double* yg,
                         const int* ny, const int* method, const double* parameter, double* values);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_FIELDS_H */
