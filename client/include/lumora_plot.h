/* Lumora: the plotting layer. Frames with automatic ticks and labels, log and time axes,
 * line, point, step and histogram plots, error bars, legends, subpages, bar, pie, polar
 * and box-and-whisker plots. Included by lumora.h; see there for the calling forms.
 *
 * The layer draws only through the public drawing operations, in the current window.
 * A frame fits a box into the current panel (the whole drawing area, or one subpage),
 * leaves the viewport on the box and the world on the frame's ranges, so that the
 * ordinary drawing operations draw in the frame's coordinates afterwards. Everything the
 * layer draws in the box is clipped to it; after each call the clip rectangle is off
 * (lu_set_rectangle_mode mode 0) and the pen is as the caller left it. The text font is
 * the layer's after a call that draws text.
 *
 * On a log axis the data operations take the data values themselves (not their
 * logarithms); values <= 0 there are left out. Results: the window number, 0 when no
 * window is open or the arguments are refused (nothing is drawn then, and nothing drawn
 * before is lost). Each refusal, and memory running out during a call, is reported as a
 * warning through the library's messages, naming the operation, the cause and what to
 * call first where that is the cause ("lu_plot_line: window 1 has no frame: call
 * lu_plot_frame first"); a window is told each operation's cause once. No call lets a
 * C++ exception out. */
#ifndef LUMORA_PLOT_H
#define LUMORA_PLOT_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Frames ------------------------------------------------------------------------- */

/* Options of lu_plot_frame, to be added together: logarithmic x and y axes, a grid at
 * the major ticks, equal scales on both axes, an x axis of times (seconds after the time
 * origin), lines through zero, no box at all (viewport and world only), room for a
 * colour bar to the right of the box, the top (right) edge left to a twin x (y) axis
 * of lu_plot_twin_x (lu_plot_twin_y), with room for its numbers and label, and room for
 * a colour bar (lu_draw_colour_bar_at) left of the box, above it (the title goes above
 * that room) or below it (beyond the x numbers and label). */
#define LU_PLOT_LOG_X 1
#define LU_PLOT_LOG_Y 2
#define LU_PLOT_GRID 4
#define LU_PLOT_EQUAL 8
#define LU_PLOT_TIME_X 16
#define LU_PLOT_AXES 32
#define LU_PLOT_NO_BOX 64
#define LU_PLOT_ROOM_RIGHT 128
#define LU_PLOT_ROOM_TWIN_X 1024
#define LU_PLOT_ROOM_TWIN_Y 2048
#define LU_PLOT_ROOM_LEFT 8192
#define LU_PLOT_ROOM_ABOVE 16384
#define LU_PLOT_ROOM_BELOW 32768

/* A frame in one call: advances to the next panel (see lu_plot_subpages), fits the box
 * into it with room for the numbers, the axis labels and the title, sets the viewport to
 * the box and the world to x1 ... x2 by y1 ... y2, and draws the box with automatic ticks
 * and numbers. Reversed ranges (x1 > x2) run the axis the other way; equal ends are
 * widened around their value; on a log axis both ends must be > 0. Refused (0, with a
 * message that names the axis): an end that is NaN or infinite, a log range that is not
 * positive, and ranges the single-precision world window cannot hold: an end or a width
 * beyond 3.4e38 once equal ends are widened. */
int lu_plot_frame(float x1, float x2, float y1, float y2, int options);
int lu_plot_frame_(int* result, const float* x1, const float* x2, const float* y1, const float* y2,
                   const int* options);

/* Draws the box of the current frame with options per axis, letters in any order:
 * b the lower (left) edge, c the upper (right) edge, t major ticks, s subticks, g a grid,
 * n numbers outside the lower (left) edge, m outside the upper (right) edge, l a log
 * axis, f its decades numbered in fixed point (0.01, 1, 100) instead of as powers of ten,
 * d a time axis, a a line through zero, o ticks outward. step > 0 fixes the major
 * tick step (on a log axis: the decades between numbers), else it is chosen; subticks > 0
 * fixes the number of intervals between major ticks (at most 100). A fixed step that
 * would give more than 1000 major ticks gives none (the box is drawn without them).
 * Result: 0 without a frame. */
int lu_plot_box(const char* x_options, float x_step, int x_subticks, const char* y_options,
                float y_step, int y_subticks);
int lu_plot_box_(int* result, const char* x_options, const float* x_step, const int* x_subticks,
                 const char* y_options, const float* y_step, const int* y_subticks,
                 size_t x_options_length, size_t y_options_length);

/* Labels the current frame: the x label below the numbers, the y label turned a quarter
 * turn left of them, the title above the box. NULL or empty texts are left out. Texts may
 * carry markup between dollar signs, "$E_{kin} \propto e^{-\omega/2}$": sub- and
 * superscripts, Greek letters and math symbols by name, font changes (the plotting guide,
 * docs/plotting.md, "Text"); outside the dollar signs a text is literal, and \$ is a dollar sign.
 */
int lu_plot_labels(const char* x_label, const char* y_label, const char* title);
int lu_plot_labels_(int* result, const char* x_label, const char* y_label, const char* title,
                    size_t x_label_length, size_t y_label_length, size_t title_length);

/* A twin x axis along the top of the frame's box, or a twin y axis along its right: a
 * second scale for the same box, from x1 to x2 (y1 to y2), logarithmic with LU_PLOT_LOG_X
 * (LU_PLOT_LOG_Y) in options, with ticks, numbers (in the format LU_PLOT_TWIN_NUMBERS
 * gives) and the label beside them (empty or NULL: none; markup as in lu_plot_labels).
 * The frame must have been made with LU_PLOT_ROOM_TWIN_X (LU_PLOT_ROOM_TWIN_Y), which
 * leaves that edge and room beside it to the twin. Afterwards the world's x (y) is the twin's: the
 * data drawn next are placed on its scale, as lu_plot_box draws with it. A resized
 * window lays the twin out again with the frame. Result: the window number; 0 (with a
 * message) without a frame, without room, for a second twin of the axis, or for a range
 * the frame would refuse. */
int lu_plot_twin_x(float x1, float x2, int options, const char* label);
int lu_plot_twin_x_(int* result, const float* x1, const float* x2, const int* options,
                    const char* label, size_t label_length);
int lu_plot_twin_y(float y1, float y2, int options, const char* label);
int lu_plot_twin_y_(int* result, const float* y1, const float* y2, const int* options,
                    const char* label, size_t label_length);

/* Ticks and colours of the twin axes made after it in the current window: step > 0 fixes
 * the major tick step (on a log axis: the decades between numbers), 0 leaves it to the
 * twin; subticks 1 ... 100 fixes the intervals between major ticks, 0 leaves them to the
 * twin; the colours of the twin's numbers and of its label, each a colour value or -1 for
 * the frame's own (lu_plot_set_colours). lu_plot_twin_style(0, 0, -1, -1) brings back the
 * default. Result: the window number; 0 (with a message) for a step below 0 or not finite,
 * subticks beyond 0 ... 100 or a number that is no colour value, changing nothing. */
int lu_plot_twin_style(float step, int subticks, int numbers_colour, int label_colour);
int lu_plot_twin_style_(int* result, const float* step, const int* subticks,
                        const int* numbers_colour, const int* label_colour);

/* Colours of the frames made after it in the current window, each a colour value or -1
 * to keep it: the box and its ticks (and the zero line), the numbers, the axis labels,
 * the title and the grid. The default: black, with a grid in light grey (RGB 205, 205,
 * 205). Refused for a number that is no colour value. Result: the window number. */
int lu_plot_set_colours(int box, int numbers, int labels, int title, int grid);
int lu_plot_set_colours_(int* result, const int* box, const int* numbers, const int* labels,
                         const int* title, const int* grid);

/* Colours of their own for the x label, the y label and the title of the frames made after
 * it in the current window, each a colour value or -1 for the colour lu_plot_set_colours
 * gives it (the axis labels' colour, the title's). lu_plot_label_colours(-1, -1, -1) brings
 * back the default. Result: the window number; 0 (with a message) for a number that is no
 * colour value, changing nothing. */
int lu_plot_label_colours(int x_label, int y_label, int title);
int lu_plot_label_colours_(int* result, const int* x_label, const int* y_label, const int* title);

/* The grid of the frames made after it in the current window: its pen style 0 ... 9 (as
 * lu_set_pen takes it; 5 draws none; -1 keeps it) and at_subticks 1 to add dotted grid
 * lines at the subticks (0 none, -1 keep). The default: solid (0), at the major ticks
 * only (0). The grid is drawn where LU_PLOT_GRID or the g of lu_plot_box asks for it.
 * Result: the window number. */
int lu_plot_set_grid(int line_style, int at_subticks);
int lu_plot_set_grid_(int* result, const int* line_style, const int* at_subticks);

/* Named styles of lu_plot_style: classic (black, a light grey grid: the default), soft
 * (greys that step back behind the data, a faint grid at subticks too), technical (black,
 * a dashed grid at ticks and dotted lines at subticks). */
#define LU_PLOT_STYLE_CLASSIC 0
#define LU_PLOT_STYLE_SOFT 1
#define LU_PLOT_STYLE_TECHNICAL 2

/* Sets the colours and grid of the frames made after it in the current window to a named
 * style (as lu_plot_set_colours and lu_plot_set_grid set them one by one). Result: the
 * window number; 0 for a number that names no style. */
int lu_plot_style(int style);
int lu_plot_style_(int* result, const int* style);

/* Which numbers lu_plot_set_number_format sets the format of (a sum of these): the x and
 * y axes' of the frames made after it, the labels of contours and the numbers of colour
 * bars drawn after it, and the twin axes' drawn after it. */
#define LU_PLOT_X_NUMBERS 1
#define LU_PLOT_Y_NUMBERS 2
#define LU_PLOT_CONTOUR_NUMBERS 4
#define LU_PLOT_BAR_NUMBERS 8
#define LU_PLOT_TWIN_NUMBERS 16

/* The format of numbers in the current window, as printf takes it for one double: text
 * with one conversion %[flags][width][.precision]type, flags - + space # 0, width and
 * precision up to 40, type f F e E g G, or d for the value rounded to a whole number;
 * %% is a percent sign; at most 64 bytes ("%.2f", "%g V", "%+.1e"). On a log axis the
 * format prints the values (0.01, 100), not exponents. A value that the format rounds to
 * zero prints as zero, without a sign. NULL or "" gives back the numbers chosen by the
 * axis. A format in parentheses is read as a Fortran format of quoted texts and one edit
 * descriptor Fw.d, Ew.d or ESw.d (both scientific, 1.234E+05), Gw.d or Iw ("(F6.2)",
 * "('t = ', F5.1, ' s')"). A time axis takes lu_plot_set_time_format instead. Result:
 * the window number; 0 for a format that is not of this form (the message says why) or
 * which names nothing. */
int lu_plot_set_number_format(int which, const char* format);
int lu_plot_set_number_format_(int* result, const int* which, const char* format,
                               size_t format_length);

/* The format of a time axis's numbers in the frames made after it in the current window,
 * as strftime takes it but the same on every platform (English names, UTC): %Y year, %y
 * its last two digits, %m month 01-12, %b %B month name (Jan, January), %d day 01-31, %e
 * day with a leading space, %j day of the year, %a %A weekday name, %H hour 00-23, %I hour
 * 01-12, %p AM or PM, %M minute, %S second, %f the fraction of the second in the digits
 * the tick step needs, %1f ... %9f in that many, %% a percent sign; at most 64 bytes
 * ("%d %b", "%H:%M:%S.%3f"). NULL or "" gives back the form chosen from the step.
 * Result: the window number; 0 for a conversion that times do not have. */
int lu_plot_set_time_format(const char* format);
int lu_plot_set_time_format_(int* result, const char* format, size_t format_length);

/* Scales the layer's text (numbers, labels, titles, legends) of the frames made after it
 * in the current window by a factor 0.25 ... 4 (the default 1: the size chosen from the
 * panel, a 24th of its shorter side kept within 9 ... 18 pixels at 96 dpi; a title is 1.15
 * times that, or as lu_plot_title_size says). Markers, error-bar caps and legend offsets, measured
 * in text heights, follow. Result: the window number; 0 outside that range. */
int lu_plot_set_text_scale(float scale);
int lu_plot_set_text_scale_(int* result, const float* scale);

/* The height of the title of the frames made after it in the current window, in text
 * heights of its frame (0.25 ... 4; the default 1.15). A title above 1.15 takes the room
 * it needs above the box. Result: the window number; 0 (with a message) outside that range,
 * changing nothing. */
int lu_plot_title_size(float size);
int lu_plot_title_size_(int* result, const float* size);

/* Seconds (UTC, after 1970-01-01 00:00:00) that time 0 of a time axis stands for, in the
 * frames made after it in the current window (the default: 0, 1970 itself). The world
 * of a time axis runs in seconds after this origin, so that 32-bit reals keep their
 * precision near it. Result: the window number; 0 when not finite. */
int lu_plot_set_time_origin(double seconds);
int lu_plot_set_time_origin_(int* result, const double* seconds);

/* ---- Subpages ----------------------------------------------------------------------- */

/* Divides the drawing area of the current window into nx by ny panels (1 ... 16 each;
 * the default 1 by 1), numbered from 1 at the upper left along the rows. The current
 * frame is forgotten, and the next frame goes to panel 1; each call that makes a frame
 * (lu_plot_frame, lu_plot_histogram with LU_PLOT_HIST_FRAME, lu_plot_pie,
 * lu_plot_pie_labelled, lu_plot_polar_frame, lu_plot_strip_create) takes the next panel,
 * after the last the first again. Result: the window number; 0 for other counts. */
int lu_plot_subpages(int nx, int ny);
int lu_plot_subpages_(int* result, const int* nx, const int* ny);

/* Makes panel n current (1 ... nx * ny), or with n = 0 the next one (after the last:
 * the first again). The next frame goes into it. Result: 0 for another n. */
int lu_plot_advance(int n);
int lu_plot_advance_(int* result, const int* n);

/* ---- Data --------------------------------------------------------------------------- */

/* A line through n > 1 points (x[i], y[i]) in the frame's coordinates (data values),
 * with the current pen, clipped to the box; drawn with pen width 0 it is 1.5 pixels wide
 * at 96 dpi. NaN or infinite values (and values <= 0 on a log axis) break
 * the line. The _d forms take double arrays. */
int lu_plot_line(int n, const float* x, const float* y);
int lu_plot_line_(int* result, const int* n, const float* x, const float* y);
int lu_plot_line_d(int n, const double* x, const double* y);
int lu_plot_line_d_(int* result, const int* n, const double* x, const double* y);

/* A marker at each of n > 0 points, in the pen's colour: marker 1 ... 6 the types of
 * lu_set_marker (plus, asterisk, circle, cross, square, triangle), 11 ... 16 the same
 * filled, another number refused; 0.6 of the frame's text height across. Points outside
 * the box are left out. */
int lu_plot_points(int n, const float* x, const float* y, int marker);
int lu_plot_points_(int* result, const int* n, const float* x, const float* y, const int* marker);
int lu_plot_points_d(int n, const double* x, const double* y, int marker);
int lu_plot_points_d_(int* result, const int* n, const double* x, const double* y,
                      const int* marker);

/* Points each in its own colour and size, in one call: a marker (a code as lu_plot_points
 * takes it) at each of n > 0 points, in the colour values[i] takes in the current colour
 * map and range (lu_set_colour_map; values beyond the range and NaN take the colours
 * lu_set_colour_map_extremes sets), sizes[i] times the size of lu_plot_points' markers
 * (NULL: all that size; a size not above 0 or not finite leaves its point out; at most
 * 1000 pixels across). Points outside the box are left out. */
int lu_plot_points_coloured(int n, const float* x, const float* y, const float* values,
                            const float* sizes, int marker);
int lu_plot_points_coloured_(int* result, const int* n, const float* x, const float* y,
                             const float* values, const float* sizes, const int* marker);
int lu_plot_points_coloured_d(int n, const double* x, const double* y, const double* values,
                              const double* sizes, int marker);
int lu_plot_points_coloured_d_(int* result, const int* n, const double* x, const double* y,
                               const double* values, const double* sizes, const int* marker);

/* A step line through n > 1 points: y[i] holds from x[i] to x[i + 1], where it steps. */
int lu_plot_step(int n, const float* x, const float* y);
int lu_plot_step_(int* result, const int* n, const float* x, const float* y);
int lu_plot_step_d(int n, const double* x, const double* y);
int lu_plot_step_d_(int* result, const int* n, const double* x, const double* y);

/* Options of lu_plot_histogram: filled bars (with the next colour of the cycle, outlined
 * in black; without it the outline is drawn with the pen), and a frame of its own in the
 * next panel (x1 ... x2 by 0 ... 1.1 times the highest count). */
#define LU_PLOT_HIST_FILLED 1
#define LU_PLOT_HIST_FRAME 2

/* A histogram of n >= 0 values: the counts in bins equal parts of x1 ... x2 (x1 < x2,
 * 1 ... 10000 bins; the _d forms take the range in double precision too); a value on a
 * bin's lower edge counts in that bin, x2 in the last one, values outside and NaN nowhere.
 * A range whose width overflows a double is refused with a message, and so is one that
 * its own frame (LU_PLOT_HIST_FRAME) cannot hold, as lu_plot_frame says. */
int lu_plot_histogram(int n, const float* data, float x1, float x2, int bins, int options);
int lu_plot_histogram_(int* result, const int* n, const float* data, const float* x1,
                       const float* x2, const int* bins, const int* options);
int lu_plot_histogram_d(int n, const double* data, double x1, double x2, int bins, int options);
int lu_plot_histogram_d_(int* result, const int* n, const double* data, const double* x1,
                         const double* x2, const int* bins, const int* options);

/* n > 0 error bars in the pen, in data values, with end caps reaching 0.3 of the
 * frame's text height to either side: horizontal ones from x1[i] to x2[i] at y[i], and
 * vertical ones from y1[i] to y2[i] at x[i]. */
int lu_plot_error_x(int n, const float* x1, const float* x2, const float* y);
int lu_plot_error_x_(int* result, const int* n, const float* x1, const float* x2, const float* y);
int lu_plot_error_x_d(int n, const double* x1, const double* x2, const double* y);
int lu_plot_error_x_d_(int* result, const int* n, const double* x1, const double* x2,
                       const double* y);
int lu_plot_error_y(int n, const float* x, const float* y1, const float* y2);
int lu_plot_error_y_(int* result, const int* n, const float* x, const float* y1, const float* y2);
int lu_plot_error_y_d(int n, const double* x, const double* y1, const double* y2);
int lu_plot_error_y_d_(int* result, const int* n, const double* x, const double* y1,
                       const double* y2);

/* ---- Plot transform ------------------------------------------------------------------ */

/* A plot transform: writes to *tx, *ty where the position (x, y) of plot coordinates lies
 * in the frame's world; data as given to lu_set_plot_transform. A result that is not
 * finite (or nothing written) leaves the position out. The reference form's transform
 * takes its positions by address, as a Fortran 77 subroutine TRANSFORM(X, Y, TX, TY, DATA)
 * with DOUBLE PRECISION X, Y, TX, TY does. */
typedef void (*lu_plot_transform_fn)(double x, double y, double* tx, double* ty, void* data);
typedef void (*lu_plot_transform_ref_fn)(const double* x, const double* y, double* tx, double* ty,
                                         void* data);

/* Maps the data positions of what the plotting layer draws from now on in the current
 * window through the transform (NULL: no transform, as before): lines, points, steps,
 * histograms, error bars, bars, fills, box plots, contours and their labels, filled
 * contours, field pictures on grids and vectors (tail and tip; the head keeps its shape).
 * Lines between positions are drawn as the transform bends them. Frames, ticks, numbers,
 * legends, pies, polar grids, colour bars, vector keys and lu_draw_field_image (a picture
 * on an even grid) are drawn as before. Positions reach the transform as the frame's world
 * has them (on a log axis: log10 of the value). Result: the window number; 0 (with a
 * message) without a window. */
int lu_set_plot_transform(lu_plot_transform_fn transform, void* data);
int lu_set_plot_transform_(int* result, lu_plot_transform_ref_fn transform, void* data);

/* Transforms of lu_set_plot_transform_code: polar (x the radius, y the angle, p1 the
 * angle of a full turn: 360 for degrees, 6.2831853 for radians, 0 means 360; p2 the angle
 * that points right, along x), and maps of longitude x and latitude y in degrees (p1 the
 * longitude at the centre; in the world a degree along the equator is one unit):
 * equirectangular (p2 the latitude whose scale is true, -89 ... 89), Mercator (p2 0),
 * orthographic (p2 the latitude at the centre, -90 ... 90; the far side left out) and
 * sinusoidal (p2 0). Latitudes beyond +-90 are left out, and so are the poles in
 * Mercator. */
#define LU_TRANSFORM_POLAR 21
#define LU_TRANSFORM_EQUIRECTANGULAR 22
#define LU_TRANSFORM_MERCATOR 23
#define LU_TRANSFORM_ORTHOGRAPHIC 24
#define LU_TRANSFORM_SINUSOIDAL 25

/* Sets one of the transforms above (LU_TRANSFORM_...), with its parameters, as
 * lu_set_plot_transform sets a function; code 0 turns the transform off. Result: the
 * window number; 0 (with a message) for another code or parameters out of bounds,
 * changing nothing. */
int lu_set_plot_transform_code(int code, float p1, float p2);
int lu_set_plot_transform_code_(int* result, const int* code, const float* p1, const float* p2);

/* ---- Colours and legends ------------------------------------------------------------ */

/* Colour i (any integer, taken modulo the cycle's length) of the current window's colour
 * cycle, as a colour value: the window's own (lu_plot_colour_cycle) or the default cycle
 * of eight colours, distinct and readable on white, as RGB colour values: 0 blue (0, 90,
 * 181), 1 red (215, 48, 31), 2 green (0, 135, 62), 3 orange (230, 120, 0), 4 purple (118,
 * 60, 165), 5 brown (140, 80, 40), 6 magenta (200, 40, 150), 7 teal (0, 128, 140). Without
 * a window: the default cycle's. The reference form returns it as its function value. */
int lu_plot_colour(int index);
int lu_plot_colour_(const int* index);

/* The colours (n colour values, 1 ... 64) of the current window's cycle from now on:
 * pie slices, bar series, filled histograms, strip chart pens and lu_plot_next_colour
 * take them in turn; n = 0 (colours may then be NULL) brings back the default cycle.
 * The next colour starts again at the first. Result: the window number; 0 (with a
 * message) without a window, for n outside 0 ... 64, NULL colours or a number that is no
 * colour value, changing nothing. */
int lu_plot_colour_cycle(int n, const int* colours);
int lu_plot_colour_cycle_(int* result, const int* n, const int* colours);

/* Sets the pen to the next colour of the cycle (each frame starts again with the first)
 * and returns that colour value; 0 without a window. */
int lu_plot_next_colour(void);
int lu_plot_next_colour_(int* result);

/* Adds an entry to the legend of the current frame: its text (with markup as
 * lu_plot_labels takes it), a colour value (-1: the pen's), a line sample in pen style
 * 0 ... 9 (-1: none) and a marker as lu_plot_points takes it (0: none). At most 32
 * entries: a 33rd is refused until the legend is drawn. Result: the window number; 0
 * without a frame. */
int lu_plot_legend_entry(const char* text, int colour, int line_style, int marker);
int lu_plot_legend_entry_(int* result, const char* text, const int* colour, const int* line_style,
                          const int* marker, size_t text_length);

/* Draws the legend's entries in a framed white box and forgets them. `corner` is where:
 * inside the frame's box in a corner (1 upper right, 2 upper left, 3 lower left, 4 lower
 * right) or at the middle of an edge (5 top, 6 left, 7 bottom, 8 right), or outside it on
 * the right (9 level with its top, 10 with its middle, 11 with its bottom; a frame made
 * with LU_PLOT_ROOM_RIGHT leaves room there). Result: the window number; 0 (with a
 * message) for another corner, without a frame or without entries. */
int lu_plot_legend(int corner);
int lu_plot_legend_(int* result, const int* corner);

/* Adds an entry with a box filled in a colour value (-1: the pen's) as its sample, for
 * bars, pie slices and filled areas; otherwise as lu_plot_legend_entry. */
int lu_plot_legend_swatch(const char* text, int colour);
int lu_plot_legend_swatch_(int* result, const char* text, const int* colour, size_t text_length);

/* The colour of the texts of the legend entries added after it in the current window: a
 * colour value, or -1 for each entry's own colour (its line's, marker's or box's). The
 * default: the colour of the frame's axis labels (black in the classic style; see
 * lu_plot_set_colours). Result: the window number; 0 for a number that is no colour
 * value. */
int lu_plot_legend_text_colour(int colour);
int lu_plot_legend_text_colour_(int* result, const int* colour);

/* Positions of lu_plot_legend_at, added together: a side (right, left, or neither for the
 * middle across), an edge (top, bottom, or neither for the middle up and down), and
 * OUTSIDE. Inside the frame's box: a corner or the middle of an edge (8 positions).
 * Outside: beside the box on the right or left, level with its top, middle or bottom, or
 * above or below it in the middle (8 more), beyond the numbers and axis labels. */
#define LU_PLOT_LEGEND_RIGHT 1
#define LU_PLOT_LEGEND_LEFT 2
#define LU_PLOT_LEGEND_TOP 4
#define LU_PLOT_LEGEND_BOTTOM 8
#define LU_PLOT_LEGEND_OUTSIDE 16

/* Draws the legend's entries at a position (a sum of LU_PLOT_LEGEND_...) moved by dx, dy
 * text heights (right and up, -100 ... 100), in `columns` columns (1 ... 32; the entries
 * fill the rows from the left, so as many columns as entries make one row), on a
 * background of a colour value with an outline (-1: neither), and forgets them. A legend
 * is kept on the page where it fits there. Result: the window number; 0 (with a message)
 * for a position that is none of the sixteen, or without entries. */
int lu_plot_legend_at(int position, float dx, float dy, int columns, int background);
int lu_plot_legend_at_(int* result, const int* position, const float* dx, const float* dy,
                       const int* columns, const int* background);

/* The opacity (0 transparent ... 1 opaque, the default) of the backgrounds of the legends
 * lu_plot_legend_at draws after it in the current window: what lies below shows through
 * the background, while the legend's outline, samples and texts stay opaque. Result: the
 * window number; 0 (with a message) without a window or for an opacity that is NaN or
 * outside 0 ... 1, changing nothing. */
int lu_plot_legend_opacity(float opacity);
int lu_plot_legend_opacity_(int* result, const float* opacity);

/* ---- Hatched fills ------------------------------------------------------------------ */

/* Patterns of lu_plot_hatch, as PLplot's plpsty numbers them: solid (the default), lines
 * horizontal, vertical, at 45 degrees, at -45, at 30, at -30, horizontal and vertical
 * crossed, 45 and -45 crossed; the lines 8 pixels apart at 96 dpi. */
#define LU_HATCH_SOLID 0
#define LU_HATCH_HORIZONTAL 1
#define LU_HATCH_VERTICAL 2
#define LU_HATCH_UP_45 3
#define LU_HATCH_DOWN_45 4
#define LU_HATCH_UP_30 5
#define LU_HATCH_DOWN_30 6
#define LU_HATCH_CROSSED 7
#define LU_HATCH_CROSSED_45 8

/* The pattern (0 ... 8, LU_HATCH_...) of what the plotting layer fills next in the current
 * window: bars (lu_plot_bars), pie slices, filled histograms, filled contours
 * (lu_fill_contours), legend swatches (lu_plot_legend_swatch) and lu_plot_fill. A hatched
 * fill is lines in the fill's colour, one pixel wide at 96 dpi, with nothing between them;
 * outlines stay as they are. The lines lie at whole multiples of their spacing from the
 * page's upper left corner, so that neighbouring fills join up; they keep their angle and
 * spacing in pixels when the window is resized. Holds until changed; 0 fills solid again.
 * Result: the window number; 0 (with a message) for another pattern, changing nothing. */
int lu_plot_hatch(int pattern);
int lu_plot_hatch_(int* result, const int* pattern);

/* A pattern of one or two (n) sets of parallel lines, as PLplot's plpat makes it, for
 * what lu_plot_hatch's patterns apply to: set i at angles[i] degrees counterclockwise from
 * the page's x axis (any finite angle), spacings[i] pixels apart at 96 dpi (0.5 ...
 * 1000; they grow with the window's dots per inch, as pen widths do), measured across the
 * lines. Result: the window number; 0 (with a message) for another n, an angle that is not
 * finite or a spacing out of bounds, changing nothing. */
int lu_plot_hatch_lines(int n, const float* angles, const float* spacings);
int lu_plot_hatch_lines_(int* result, const int* n, const float* angles, const float* spacings);

/* Patterns (0 ... 8 each) in turn for the fills of one call that fills several: bar
 * series, pie slices and contour bands k = 0, 1, ... (from the first series, the first
 * slice, the lowest band drawn) take patterns[k modulo n], as do the legend swatches
 * gathered for the next legend (the k-th swatch); a filled histogram and lu_plot_fill take
 * the first. n 1 ... 64. lu_plot_hatch(p) is a cycle of p alone. Result: the window
 * number; 0 (with a message) for another n or a pattern out of bounds, changing nothing. */
int lu_plot_hatch_cycle(int n, const int* patterns);
int lu_plot_hatch_cycle_(int* result, const int* n, const int* patterns);

/* A polygon of n >= 3 points (x[i], y[i]) in the frame's coordinates (data values), as
 * PLplot's plfill: filled in the pen's colour (even-odd), or hatched in it with the first
 * pattern of lu_plot_hatch, clipped to the box, not outlined. Points that are not finite
 * (or <= 0 on a log axis) are left out. Result: the window number; 0 (with a message)
 * without a frame or with fewer points. */
int lu_plot_fill(int n, const float* x, const float* y);
int lu_plot_fill_(int* result, const int* n, const float* x, const float* y);

/* A polygon of n >= 3 points (x[i], y[i]) in the frame's coordinates, as PLplot's
 * plgradient: filled with a linear gradient from colour `from` to colour `to` (RGB colour
 * values, or colour entries 0 ... 35 as they are now), even-odd, clipped to the box, not
 * outlined. The colours change along the direction `angle` (degrees counterclockwise from
 * the page's x axis, as the polygon is drawn; any finite angle) and stay the same across
 * it: `from` on the polygon's first point that way, `to` on its last. The opacities of
 * lu_plot_gradient_opacity apply at the two ends. Points that are not finite (or <= 0
 * on a log axis) are left out. Result: the window number; 0 (with a message) without a
 * frame, with fewer points, a NULL array, an angle that is not finite or another colour.
 * The _d forms take double arrays and a double angle. */
int lu_plot_fill_gradient(int n, const float* x, const float* y, float angle, int from, int to);
int lu_plot_fill_gradient_(int* result, const int* n, const float* x, const float* y,
                           const float* angle, const int* from, const int* to);
int lu_plot_fill_gradient_d(int n, const double* x, const double* y, double angle, int from,
                            int to);
int lu_plot_fill_gradient_d_(int* result, const int* n, const double* x, const double* y,
                             const double* angle, const int* from, const int* to);

/* The same along the current colour map (lu_set_colour_map): its first colour on the
 * polygon's first point along the angle, its last on the last, every colour of the map
 * at its place between them. */
int lu_plot_fill_gradient_map(int n, const float* x, const float* y, float angle);
int lu_plot_fill_gradient_map_(int* result, const int* n, const float* x, const float* y,
                               const float* angle);
int lu_plot_fill_gradient_map_d(int n, const double* x, const double* y, double angle);
int lu_plot_fill_gradient_map_d_(int* result, const int* n, const double* x, const double* y,
                                 const double* angle);

/* The frame's whole box filled with a gradient from colour `from` to colour `to` along
 * `angle`, as lu_plot_fill_gradient fills a polygon: a background for what is drawn next.
 * Result: the window number; 0 (with a message) as lu_plot_fill_gradient. */
int lu_plot_background_gradient(float angle, int from, int to);
int lu_plot_background_gradient_(int* result, const float* angle, const int* from, const int* to);

/* The opacity (0 transparent ... 1 opaque) of the current window's gradients from now on
 * at their first and at their last colour, blended between; both 1 at the start. It
 * multiplies the window's opacity (lu_set_alpha). Result: the window number; 0 (with a
 * message) for an opacity outside 0 ... 1 or no window, changing nothing. */
int lu_plot_gradient_opacity(float from, float to);
int lu_plot_gradient_opacity_(int* result, const float* from, const float* to);

/* ---- Further plot kinds ------------------------------------------------------------- */

/* Option of lu_plot_bars: the series stacked on each other instead of side by side. */
#define LU_PLOT_BARS_STACKED 1

/* A bar chart of groups (1 ... 1000) by series (1 ... 32) values, value[s * groups + g]
 * for series s and group g (from 0), group g centred at x = g + 1 in the current frame
 * and 0.8 wide (in x units), its series side by side; series s in colour s of the cycle
 * (lu_plot_colour), outlined in the frame's box colour. Values that are not finite are
 * left out. Stacked: positive values go above zero, negative ones below. */
int lu_plot_bars(int groups, int series, const float* values, int options);
int lu_plot_bars_(int* result, const int* groups, const int* series, const float* values,
                  const int* options);

/* A pie chart of n (1 ... 64) values >= 0 (not all zero) in the next panel: slices
 * counterclockwise from the top, in the colours of the cycle. */
int lu_plot_pie(int n, const float* values);
int lu_plot_pie_(int* result, const int* n, const float* values);

/* Options of lu_plot_pie_labelled: the slices follow each other clockwise; each label
 * ends with its slice's share ("pears 25%"). */
#define LU_PLOT_PIE_CLOCKWISE 1
#define LU_PLOT_PIE_PERCENT 2

/* A pie chart as lu_plot_pie draws it, the first slice starting at `start` degrees
 * (counterclockwise from the right: 90 is the top, where lu_plot_pie starts), the slices
 * following counterclockwise or clockwise, and labelled outside the pie: `labels` holds
 * one text per slice, separated by '|' ("apples|pears|plums", with markup as
 * lu_plot_labels takes it); fewer texts leave the last slices without one, NULL or ""
 * none. The pie shrinks within its panel to leave the labels room (to 0.3 of its size
 * at most). Refused as lu_plot_pie is, and for a start that is not finite. */
int lu_plot_pie_labelled(int n, const float* values, float start, int options, const char* labels);
int lu_plot_pie_labelled_(int* result, const int* n, const float* values, const float* start,
                          const int* options, const char* labels, size_t labels_length);

/* A polar frame in the next panel: radius 0 ... r_max (> 0) with circles at the radius
 * ticks, spokes every 30 degrees labelled in degrees, and a world of equal scales on the
 * centre, so that lu_plot_polar_line can follow. An r_max whose frame -r_max ... r_max is
 * wider than 3.4e38 is refused with a message, as lu_plot_frame says. */
int lu_plot_polar_frame(float r_max);
int lu_plot_polar_frame_(int* result, const float* r_max);

/* The grid of the polar frames made after it in the current window: rings every ring_step
 * of the radius (0: at the radius ticks; more than 1000 rings inside the outer one are left
 * out), numbered every so many rings as the numbers fit; spokes every spoke_step degrees
 * (0: 30), numbered at least 30 degrees apart; the rings and the spokes each in a colour
 * value or -1 for the grid's colour (lu_plot_set_colours). lu_plot_polar_grid(0, 0, -1, -1)
 * brings back the default. Result: the window number; 0 (with a message) for a ring step
 * below 0 or not finite, a spoke step beyond 0 ... 360 or a number that is no colour value,
 * changing nothing. */
int lu_plot_polar_grid(float ring_step, int spoke_step, int ring_colour, int spoke_colour);
int lu_plot_polar_grid_(int* result, const float* ring_step, const int* spoke_step,
                        const int* ring_colour, const int* spoke_colour);

/* Options of lu_plot_polar_options, added together: the spokes drawn over the rings and the
 * outer circle (by default they lie under them), and no radius numbers below the 0 degree
 * spoke (the spokes' numbers stay). */
#define LU_POLAR_SPOKES_OVER_RINGS 1
#define LU_POLAR_NO_RADIUS_NUMBERS 2

/* The options (a sum of LU_POLAR_...; 0 the default) of the polar frames made after it in
 * the current window; lu_plot_polar_grid leaves them as they are. Result: the window
 * number; 0 (with a message) without a window or for options that are no such sum,
 * changing nothing. */
int lu_plot_polar_options(int options);
int lu_plot_polar_options_(int* result, const int* options);

/* A line through n > 1 points of angle theta[i] (radians, counterclockwise from the
 * right) and radius r[i], clipped to the frame. */
int lu_plot_polar_line(int n, const float* theta, const float* r);
int lu_plot_polar_line_(int* result, const int* n, const float* theta, const float* r);

/* A box-and-whisker at x, width wide (both in x data values, the width > 0 and finite),
 * of n > 0 values (NaN left out): a white box from the lower to the upper quartile with
 * the median as a line of width 2, whiskers to the furthest values within 1.5 box heights
 * with caps half the width, circles for the values beyond. Refused when no value is
 * finite. */
int lu_plot_box_whisker(float x, float width, int n, const float* data);
int lu_plot_box_whisker_(int* result, const float* x, const float* width, const int* n,
                         const float* data);

/* Begins a buffered frame in the current window: until the matching lu_plot_end_frame
 * the window keeps showing what it showed before, and at the end it shows everything
 * drawn in between at once, so that a live view is never seen half drawn. Frames nest;
 * the outermost end shows. Pictures written to files are not affected. Result: 1, or 0
 * when no window is open or the window process keeps no buffered frames. */
int lu_plot_begin_frame(void);
int lu_plot_begin_frame_(int* result);
int lu_plot_begin_frame_in_window(int window);

/* Ends a buffered frame begun with lu_plot_begin_frame. Result: 1, or 0 when no frame
 * was begun in the window. */
int lu_plot_end_frame(void);
int lu_plot_end_frame_(int* result);
int lu_plot_end_frame_in_window(int window);

/* Puts what the plotting calls draw next in the current window into layer `layer`
 * (1 ... 1073741823; 0: no layer, the default). The first plotting call after choosing a
 * layer replaces everything the layer held, where it stands in the picture; the calls
 * after it add to the layer until the next lu_plot_layer. A layer chosen and left without
 * drawing ends up empty. A live view redraws its curve with
 *     lu_plot_layer(1); lu_plot_line(n, x, y); lu_plot_layer(0);
 * and the frame stays as it is. Frames, labels, data, charts and legends go into layers;
 * fields and the drawing operations do not. Erasing the window empties every layer.
 * Result: 1, or 0 when no window is open or the layer is out of range. */
int lu_plot_layer(int layer);
int lu_plot_layer_(int* result, const int* layer);
int lu_plot_layer_in_window(int window, int layer);

/* ---- Strip charts ------------------------------------------------------------------- */

/* Options of lu_plot_strip_create, added together and to LU_PLOT_GRID, LU_PLOT_TIME_X and
 * LU_PLOT_AXES: the x range scrolls with the newest point (it stands at the right end)
 * instead of jumping on by half its width when a point passes the right end; the y range
 * grows to take a point outside it, with a tenth of its height to spare beyond it; the x
 * range keeps its left end and grows to hold every point, by 30 % of its width at a time
 * (accumulate: nothing scrolls out of sight; not with LU_PLOT_STRIP_SCROLL). */
#define LU_PLOT_STRIP_SCROLL 256
#define LU_PLOT_STRIP_AUTO_Y 512
#define LU_PLOT_STRIP_ACCUMULATE 4096

/* Makes a strip chart in the next panel of the current window: a frame from x 0 to
 * x_width (> 0) by y1 ... y2 (y1 < y2) with the labels (as lu_plot_labels takes them) and
 * pens 1 ... `pens` (1 ... 8), in the colours of the cycle with solid lines. Its frame
 * becomes the window's frame whenever it is drawn. The chart keeps its drawing in layers
 * of its own at the top of the layer range (1072693248 ... 1073741823; a program's layers
 * stay below). Result: the chart's handle (> 0); 0 when refused, when 64 charts exist,
 * and when the window process keeps no layers. */
int lu_plot_strip_create(float x_width, float y1, float y2, int pens, int options,
                         const char* x_label, const char* y_label, const char* title);
int lu_plot_strip_create_(int* result, const float* x_width, const float* y1, const float* y2,
                          const int* pens, const int* options, const char* x_label,
                          const char* y_label, const char* title, size_t x_label_length,
                          size_t y_label_length, size_t title_length);

/* Sets a pen of a strip chart: its colour value (-1 keeps it), its pen style 0 ... 9 as
 * lu_set_pen takes it (-1 keeps it) and its legend text (NULL keeps it, "" none; in the
 * reference form blanks are none). When any pen has a text the chart draws a legend
 * inside its box at the upper left. The chart is drawn again. Result: the chart's window number. */
int lu_plot_strip_pen(int strip, int pen, int colour, int line_style, const char* legend_text);
int lu_plot_strip_pen_(int* result, const int* strip, const int* pen, const int* colour,
                       const int* line_style, const char* legend_text, size_t legend_text_length);

/* Where a strip chart's legend stands: a corner or edge as lu_plot_legend takes it (1 ... 11;
 * outside places need a frame with room there, which a chart's has not: 1 ... 8 fit). The
 * default is 2, inside the box at its upper left. The chart is drawn again. Result: the
 * chart's window number; 0 (with a message) for another corner or no such chart. */
int lu_plot_strip_legend(int strip, int corner);
int lu_plot_strip_legend_(int* result, const int* strip, const int* corner);

/* Adds the point (x, y) to a pen of a strip chart, in the chart's window (whichever window
 * is current). The pen's line gets one segment more, at the cost of one short batch; the
 * whole chart is drawn again (in a buffered frame) only when its ranges move or the window
 * has changed size. A point beyond the right end moves the x range on; one outside the y
 * range is clipped, or grows it with LU_PLOT_STRIP_AUTO_Y. Each pen keeps the points its
 * range shows (at most 65536, the oldest let go). Refused: a pen's x below its last
 * point's x, and a NaN or infinite value. Result: the chart's window number. */
int lu_plot_strip_add(int strip, int pen, float x, float y);
int lu_plot_strip_add_(int* result, const int* strip, const int* pen, const float* x,
                       const float* y);

/* Forgets a strip chart; its picture stays in the window as it is. Result: the chart's
 * window number; 0 for a handle that names no chart. */
int lu_plot_strip_delete(int strip);
int lu_plot_strip_delete_(int* result, const int* strip);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_PLOT_H */
