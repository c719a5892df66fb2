/* Lumora: cursor input. A program reads where the user clicks or which key they press in
 * a window, in the world coordinates of the plot under the cursor, and a live view looks
 * for what the user did without stopping. Included by lumora.h; see there for the
 * calling forms.
 *
 * A point comes out in the frame of the plotting layer whose box holds it (else whose
 * panel, the subpage, does), in that frame's ranges: on a log axis the data value
 * itself, on a time axis seconds after the time origin. Where no frame lies under the
 * cursor it is in the window's own world, as the drawing operations take it.
 *
 * Without a screen (no display, or LUMORA_HEADLESS=1) the events come from the list in
 * LUMORA_EVENTS, e.g. "click 1 320 240,key q", in window pixels from the upper left
 * corner. Each window process keeps at most 64 events per window until the program reads
 * them; beyond that the oldest are dropped. */
#ifndef LUMORA_CURSOR_H
#define LUMORA_CURSOR_H

#ifdef __cplusplus
extern "C" {
#endif

/* The kinds of event lu_poll_event reports: none pending, a key, a mouse button, the
 * window resized, the window closed. */
#define LU_EVENT_NONE 0
#define LU_EVENT_KEY 1
#define LU_EVENT_BUTTON 2
#define LU_EVENT_RESIZE 3
#define LU_EVENT_CLOSE 4

/* The key codes of the mouse buttons (a key gives its character code): left 'A',
 * middle 'D', right 'X'. */
#define LU_BUTTON_LEFT 65
#define LU_BUTTON_MIDDLE 68
#define LU_BUTTON_RIGHT 88

/* The rubber bands of lu_get_cursor_band, drawn from the anchor (xref, yref) to the
 * cursor while the program waits: none, a line, a rectangle, two horizontal lines, two
 * vertical lines; and without an anchor: a horizontal line through the cursor, a
 * vertical line, a cross-hair. */
#define LU_BAND_NONE 0
#define LU_BAND_LINE 1
#define LU_BAND_RECTANGLE 2
#define LU_BAND_HORIZONTAL_LINES 3
#define LU_BAND_VERTICAL_LINES 4
#define LU_BAND_HORIZONTAL_LINE 5
#define LU_BAND_VERTICAL_LINE 6
#define LU_BAND_CROSS_HAIR 7

/* Waits until the user clicks or presses a key in the current window: x, y the point
 * under the cursor (see above), key the character code or LU_BUTTON_.... Result: the
 * window number; 0, with key 0 and x, y unchanged, when no window is open, the window
 * was closed, or no event can come (no screen and no scripted event left). */
int lu_get_cursor(float* x, float* y, int* key);
int lu_get_cursor_(int* result, float* x, float* y, int* key);
int lu_get_cursor_in_window(int window, float* x, float* y, int* key);
/* lu_get_cursor with the point in double precision, for ranges that single precision
 * cannot tell apart (a time axis far from its origin). */
int lu_get_cursor_double(double* x, double* y, int* key);
int lu_get_cursor_double_(int* result, double* x, double* y, int* key);

/* lu_get_cursor with a rubber band LU_BAND_... pulled from the anchor (xref, yref), a
 * point in the world of the last point read from the window (its own world before
 * any). Refused: a mode outside 0 ... 7, an anchor that is not a number for modes 1 ... 4. */
int lu_get_cursor_band(int mode, float xref, float yref, float* x, float* y, int* key);
int lu_get_cursor_band_(int* result, const int* mode, const float* xref, const float* yref,
                        float* x, float* y, int* key);
int lu_get_cursor_band_in_window(int window, int mode, float xref, float yref, float* x,
                                 float* y, int* key);
/* lu_get_cursor_band with the anchor and the point in double precision. */
int lu_get_cursor_band_double(int mode, double xref, double yref, double* x, double* y,
                              int* key);
int lu_get_cursor_band_double_(int* result, const int* mode, const double* xref,
                               const double* yref, double* x, double* y, int* key);

/* Returns at once with the next event of the current window: kind LU_EVENT_..., for a key
 * or button x, y and key as lu_get_cursor gives them, for a resize x, y the new width and
 * height in pixels; for none key is 0 and x, y are 0. Result: the window number; 0 when
 * no window is open or the window process does not answer. */
int lu_poll_event(int* kind, float* x, float* y, int* key);
int lu_poll_event_(int* result, int* kind, float* x, float* y, int* key);
int lu_poll_event_in_window(int window, int* kind, float* x, float* y, int* key);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_CURSOR_H */
