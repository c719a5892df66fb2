/* Lumora: coordinates, lines, figures, pen and transform. Included by lumora.h; see there for the
 * calling forms. */
#ifndef LUMORA_DRAWING_H
#define LUMORA_DRAWING_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Coordinate systems ------------------------------------------------------------- */

/* World coordinates are the program's own reals; the world window is mapped onto the
 * viewport, given in normalized units (the shorter side of the drawing area is 1, origin
 * at the lower left). Device coordinates are pixels, y downward. A device value is
 * trunc(x0 + (x - wx1) * sx + 0.5) in x and trunc(y0 - (y - wy1) * sy + 0.5) in y, in
 * single precision; values that do not fit 32 bits (and NaN) give INT_MIN.
 * Every operation below that reads the current window returns 0 when none is open. */

/* Sets the world window ('B' 41). x1 = x2 and y1 = y2: pixel mode (world = device pixels
 * of the drawing area). x1 = x2 only: an x range centred on x1 with the viewport's aspect;
 * y1 = y2 only: likewise in y. Result: the current window number. */
int lu_set_world(float x1, float y1, float x2, float y2);
int lu_set_world_(int* result, const float* x1, const float* y1, const float* x2, const float* y2);
/* The world window's corners (each output may be NULL). Result: the current window. */
int lu_get_world(float* x1, float* y1, float* x2, float* y2);
int lu_get_world_(int* result, float* x1, float* y1, float* x2, float* y2);
/* Sets the viewport in normalized units ('B' 19); an empty one selects the whole drawing
 * area. Result: the current window number. */
int lu_set_viewport(float x1, float y1, float x2, float y2);
int lu_set_viewport_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2);
/* lu_set_viewport with two corners given in world coordinates. */
int lu_set_viewport_world(float x1, float y1, float x2, float y2);
int lu_set_viewport_world_(int* result, const float* x1, const float* y1, const float* x2,
                           const float* y2);
/* The viewport's corners (each output may be NULL). Result: the current window. */
int lu_get_viewport(float* x1, float* y1, float* x2, float* y2);
int lu_get_viewport_(int* result, float* x1, float* y1, float* x2, float* y2);
/* 'B' 31 to window w; on a nonzero answer the four outputs (each may be NULL) receive
 * the window's result words 1 ... 4. Result: the answer. */
int lu_query_b31(int window, int* a, int* b, int* c, int* d);
int lu_query_b31_(int* result, const int* window, int* a, int* b, int* c, int* d);
/* Saves the whole coordinate system under a view number ('B' 24), or brings a saved one
 * back ('B' 25). Result: the window process's answer. */
int lu_save_view(int view);
int lu_save_view_(int* result, const int* view);
int lu_restore_view(int view);
int lu_restore_view_(int* result, const int* view);
/* Device point of a world point (outputs may be NULL). Result: the current window. */
int lu_world_to_device(float x, float y, int* device_x, int* device_y);
int lu_world_to_device_(int* result, const float* x, const float* y, int* device_x, int* device_y);
/* Device lengths of world lengths: trunc(w * |sx| + 0.5), trunc(h * |sy| + 0.5). */
int lu_world_to_device_size(float width, float height, int* device_width, int* device_height);
int lu_world_to_device_size_(int* result, const float* width, const float* height,
                             int* device_width, int* device_height);
/* The current drawing position in world coordinates. Result: the current window, or 0
 * (outputs untouched) when there is no current position. */
int lu_get_position(float* x, float* y);
int lu_get_position_(int* result, float* x, float* y);
/* The current drawing position of window w in pixels. Result: w, or 0 when there is none. */
int lu_get_device_position(int window, int* x, int* y);
int lu_get_device_position_(int* result, const int* window, int* x, int* y);

/* ---- Lines -------------------------------------------------------------------------- */

/* The window keeps a current drawing position in pixels (none while its x is negative).
 * A move ('A' 11) is sent only when the point differs from it; a line ('A' 20) draws from
 * it, or only moves when there is none. On success the end point becomes the position.
 * The _in_window forms take a window number and device coordinates. Result: the answer
 * of the last command (0: failure), or the window number when nothing had to be sent. */
int lu_move_to(float x, float y);
int lu_move_to_(int* result, const float* x, const float* y);
int lu_move_to_in_window(int window, int x, int y);
int lu_line_to(float x, float y);
int lu_line_to_(int* result, const float* x, const float* y);
int lu_line_to_in_window(int window, int x, int y);
/* A move to (x1, y1) when the position is elsewhere, then a line to (x2, y2). */
int lu_draw_line(float x1, float y1, float x2, float y2);
int lu_draw_line_(int* result, const float* x1, const float* y1, const float* x2, const float* y2);
int lu_draw_line_in_window(int window, int x1, int y1, int x2, int y2);

/* ---- Figures ------------------------------------------------------------------------ */

/* Figures in the box of two corners, sent as the device corners X1, Y1, X2, Y2 in the
 * window's result words 1 ... 4 (unsorted). Result: the window process's answer. */
int lu_draw_box_a21(float x1, float y1, float x2, float y2);
int lu_draw_box_a21_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2);
int lu_draw_box_a21_in_window(int window, int x1, int y1, int x2, int y2);
/* As lu_draw_box_a21, with an integer code k passed unchanged: luwnd fills the rectangle
 * with the colour value k, without an outline (a21, a23, a24 and the arcs are outlined
 * only; a26 closes the arc with a chord, a27 through the centre). */
int lu_draw_box_a22(float x1, float y1, float x2, float y2, int k);
int lu_draw_box_a22_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2, const int* k);
int lu_draw_box_a22_in_window(int window, int x1, int y1, int x2, int y2, int k);
/* As lu_draw_box_a21, with two corner lengths (world lengths; device in _in_window). */
int lu_draw_box_a23(float x1, float y1, float x2, float y2, float width, float height);
int lu_draw_box_a23_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2, const float* width, const float* height);
int lu_draw_box_a23_in_window(int window, int x1, int y1, int x2, int y2, int width, int height);
int lu_draw_box_a24(float x1, float y1, float x2, float y2);
int lu_draw_box_a24_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2);
int lu_draw_box_a24_in_window(int window, int x1, int y1, int x2, int y2);

/* Figures on the ellipse in the box of two corners, from angle start to start + extent,
 * in full turns (1.0 = 360 degrees, counterclockwise with y upward). The angles are sent
 * as two ray points one unit length from the centre: the _in_window forms take the
 * corners and the ray points (xs, ys), (xe, ye) in device coordinates. */
int lu_draw_arc_a25(float x1, float y1, float x2, float y2, float start, float extent);
int lu_draw_arc_a25_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2, const float* start, const float* extent);
int lu_draw_arc_a25_in_window(int window, int x1, int y1, int x2, int y2, int xs, int ys, int xe,
                              int ye);
int lu_draw_arc_a26(float x1, float y1, float x2, float y2, float start, float extent);
int lu_draw_arc_a26_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2, const float* start, const float* extent);
int lu_draw_arc_a26_in_window(int window, int x1, int y1, int x2, int y2, int xs, int ys, int xe,
                              int ye);
int lu_draw_arc_a27(float x1, float y1, float x2, float y2, float start, float extent);
int lu_draw_arc_a27_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2, const float* start, const float* extent);
int lu_draw_arc_a27_in_window(int window, int x1, int y1, int x2, int y2, int xs, int ys, int xe,
                              int ye);

/* ---- Pen, transform and rectangle --------------------------------------------------- */

/* Sets the pen ('A' 6): a colour other than -1, a style 0 ... 9, a width >= 0 and a mix
 * mode 0 ... 31 are stored and marked changed; other values are ignored. With all four
 * -1 the pen stays and the current drawing position is cleared instead (a move to
 * (-1, -1), sent only when the position is not already there). Result: the answer.
 * Styles: 0 solid, 1 dashed, 2 dotted, 3 dash dot, 4 dash dot dot, 5 none (no lines or
 * outlines), 6 inside frame (solid; a wide pen outlines a box inside it), 7 long dashes,
 * 8 alternate pixels, 9 sparse dots. Width: pixels at 96 dpi (0 and 1 one pixel), grown
 * with the resolution as text is. Mix modes, bitwise on red, green and blue with the
 * screen: 1 black, 2 NOT (pen OR screen), 3 NOT pen AND screen, 4 NOT pen, 5 pen AND NOT
 * screen, 6 NOT screen, 7 pen XOR screen, 8 NOT (pen AND screen), 9 pen AND screen,
 * 10 NOT (pen XOR screen), 11 nothing drawn, 12 NOT pen OR screen, 13 pen, 14 pen OR NOT
 * screen, 15 pen OR screen, 16 white; 0 and 17 ... 31 the pen. */
int lu_set_pen(int colour, int style, int width, int mix);
int lu_set_pen_(int* result, const int* colour, const int* style, const int* width, const int* mix);
int lu_set_pen_in_window(int window, int colour, int style, int width, int mix);
/* The stored pen (each output may be NULL). Result: the current window number. */
int lu_get_pen(int* colour, int* style, int* width, int* mix);
int lu_get_pen_(int* result, int* colour, int* style, int* width, int* mix);

/* Sets the transform ('A' 7) from six reals r0 ... r5: the point (r0, r3) and the matrix
 * rows (r1, r2) and (r4, r5). NULL sends the identity. The window process receives
 * offsets relative to the device position of the world origin and the factors r1, -r2,
 * -r4, r5 in 16.16 fixed point. The _in_window form takes those six device values. */
int lu_set_transform(const float* record);
int lu_set_transform_(int* result, const float* record);
int lu_set_transform_in_window(int window, int x_offset, int y_offset, int a, int b, int c, int d);
/* Reads the transform back ('B' 30) into six reals: the offsets as a world point in r0
 * and r3, the four factors as sent (r2 and r4 therefore negated) in r1, r2, r4, r5.
 * NULL: 0, nothing sent; on an answer <= 0 the record is left alone. The _in_window form
 * gives the device offsets and the factors (4 reals) as they are; each may be NULL. */
int lu_get_transform(float* record);
int lu_get_transform_(int* result, float* record);
int lu_get_transform_in_window(int window, int* x_offset, int* y_offset, float* factors);

/* Sets a rectangle of two world corners with a mode 0 ... 4 (others send 0) ('A' 8).
 * The _in_window form takes the device corners. Result: the answer. Modes: 0 no limit;
 * 1 and 3 later drawings appear only inside the rectangle; 2 and 4 only outside it. */
int lu_set_rectangle_mode(float x1, float y1, float x2, float y2, int mode);
int lu_set_rectangle_mode_(int* result, const float* x1, const float* y1, const float* x2,
                           const float* y2, const int* mode);
int lu_set_rectangle_mode_in_window(int window, int x1, int y1, int x2, int y2, int mode);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_DRAWING_H */
