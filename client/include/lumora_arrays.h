/* Lumora: point arrays, value plots, markers and the further window commands. Included by
 * lumora.h; see there for the calling forms. */
#ifndef LUMORA_ARRAYS_H
#define LUMORA_ARRAYS_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Point arrays ------------------------------------------------------------------- */

/* Points are x, y pairs: reals in world coordinates, or device integers in the
 * _in_window forms; count is the number of points. The array travels through the
 * window's data area in chunks of 512 values. Result: the window number after a complete
 * transfer, 0 on failure or for a refused count (then nothing is sent). */

/* A filled polygon of count > 2 points. Fill rule 0: alternate, 1: winding; any other
 * value keeps the window's rule. */
int lu_draw_polygon(const float* points, int count, int rule);
int lu_draw_polygon_(int* result, const float* points, const int* count, const int* rule);
int lu_draw_polygon_in_window(int window, const int* points, int count, int rule);
/* A Bezier curve of count > 3 points; the world forms also refuse count mod 3 != 1. */
int lu_draw_bezier(const float* points, int count);
int lu_draw_bezier_(int* result, const float* points, const int* count);
int lu_draw_bezier_in_window(int window, const int* points, int count);
/* Connected lines through count > 1 points. */
int lu_draw_polyline(const float* points, int count);
int lu_draw_polyline_(int* result, const float* points, const int* count);
int lu_draw_polyline_in_window(int window, const int* points, int count);

/* A plot of |n| values (n != 0): n > 0 runs along x between p1 and p2 and measures
 * along y, n < 0 runs along y and measures along x. Each value sent is
 * scale * values[i] + offset on the measure axis. With mode 0 or below -1, size is a
 * length along the run axis and base a coordinate of the measure axis; with mode -1 or
 * above 0 both are passed as integers (truncated) without conversion. The _in_window
 * form takes the four plot words (p1, p2, size, base) and the values in device units. */
int lu_plot_array(int mode, int n, float p1, float p2, float size, float base, float scale,
                  float offset, const float* values);
int lu_plot_array_(int* result, const int* mode, const int* n, const float* p1, const float* p2,
                   const float* size, const float* base, const float* scale, const float* offset,
                   const float* values);
int lu_plot_array_in_window(int window, int mode, int n, int p1, int p2, int size, int base,
                            const int* values);

/* ---- Markers ------------------------------------------------------------------------ */

/* Sets the marker ('A' 6): type 0 ... 6, size >= 0, third and fourth values other than
 * -1, fifth value >= 0; other values keep what is stored, and only changed values are
 * marked changed. For type 0 the size is a count (truncated); for the other types a
 * world length along y (the _in_window form takes it in pixels). Result: the answer.
 * Types: 0 dot (a filled circle; size 0 or 1 one pixel), 1 plus, 2 asterisk, 3 circle,
 * 4 diagonal cross, 5 square, 6 triangle pointing up; others draw nothing. A fourth
 * value other than 0 fills circles, squares and triangles; the fifth is the line width
 * (0 one pixel, at most 64); the third is not used by luwnd. */
int lu_set_marker(int type, float size, int third, int fourth, int fifth);
int lu_set_marker_(int* result, const int* type, const float* size, const int* third,
                   const int* fourth, const int* fifth);
int lu_set_marker_in_window(int window, int type, int size, int third, int fourth, int fifth);
/* The stored marker; the size as a world length along y (each output may be NULL).
 * Result: the current window number. */
int lu_get_marker(int* type, float* size, int* third, int* fourth, int* fifth);
int lu_get_marker_(int* result, int* type, float* size, int* third, int* fourth, int* fifth);
/* Draws the marker at a point ('A' 17). Result: the answer. */
int lu_draw_marker(float x, float y);
int lu_draw_marker_(int* result, const float* x, const float* y);
int lu_draw_marker_in_window(int window, int x, int y);
/* 'A' 18 with the value in result word 1; -1 sends 'B' 27 and 'B' 28 instead.
 * Result: the answer to the last command. */
int lu_send_command_a18(int value);
int lu_send_command_a18_(int* result, const int* value);
int lu_send_command_a18_in_window(int window, int value);

/* ---- Further window commands -------------------------------------------------------- */

/* What luwnd does with each (the guide's "Numeric codes" has the table): 'B' 4 erases the
 * window; 'B' 5 x, y its screen position; 'B' 6 1 shows it, 0 hides it; 'B' 10 the
 * switches t b r i l (1 ... 5) on, off or asked (-1); 'B' 12 the text becomes the title;
 * 'B' 15 a reply text (1 "width,height", 2 "x,y" or "none", 3 "items,room", 4 "b16,g",
 * 5 "shown,on_top"); 'B' 16 1 ... 8 and 'G' codes are kept and reported, nothing drawn;
 * 'B' 23 colour, 1/0 the background (1 also erases); 'B' 26 k removes the last k drawings;
 * 'B' 29 1/0 keeps the window on top; 'B' 34 0 ... 3 the picture written at the end
 * (none, PNG, SVG, PDF); 'A' 14 a grid every p, q pixels; 'A' 18 the marker colour (-1
 * the pen's); 'A' 19 sets one pixel, 'F' reads it back; 'B' 1 kinds 1 page, 2 position,
 * 3 display-list counts; 'B' 32 saves the pen and marker as preset a (1 ... 16), 'B' 33
 * applies it. */

/* 'B' commands with the values in parameter slots 2 and 3. Result: the answer. */
int lu_send_command_b4(void);
int lu_send_command_b4_(int* result);
int lu_send_command_b4_in_window(int window);
int lu_send_command_b5(int a, int b);
int lu_send_command_b5_(int* result, const int* a, const int* b);
int lu_send_command_b5_in_window(int window, int a, int b);
/* Switch option a (1 ... 5: t, b, r, i, l) on (b = 1) or off (b = 0); b = -1 asks for
 * its state, a result > 0 meaning on. */
int lu_send_command_b10(int option, int state);
int lu_send_command_b10_(int* result, const int* option, const int* state);
int lu_send_command_b10_in_window(int window, int option, int state);
int lu_send_command_b23(int a, int b);
int lu_send_command_b23_(int* result, const int* a, const int* b);
int lu_send_command_b26(int a);
int lu_send_command_b26_(int* result, const int* a);
int lu_send_command_b26_in_window(int window, int a);
int lu_send_command_b29(int a);
int lu_send_command_b29_(int* result, const int* a);
int lu_send_command_b34(int a);
int lu_send_command_b34_(int* result, const int* a);
int lu_send_command_b34_in_window(int window, int a);
/* 'B' 12 with a text, p and q in result words 1 and 2, a and b in slots 2 and 3. The
 * _text forms send p = q = a = b = 0. */
int lu_send_command_b12(int p, int q, int a, int b, const char* text);
int lu_send_command_b12_(int* result, const int* p, const int* q, const int* a, const int* b,
                         const char* text, size_t text_length);
int lu_send_command_b12_text(const char* text);
int lu_send_command_b12_text_(int* result, const char* text, size_t text_length);
/* 'B' 6 with a to window w: 0 the current window, 1 ... 63 that window when it is open
 * (else 0, nothing sent), negative every open window in turn, stopping with 0 at the
 * first answer <= 0. Result: the (last) answer. */
int lu_send_command_b6(int window, int a);
int lu_send_command_b6_(int* result, const int* window, const int* a);
/* 'B' 15 with a: the number at the start of the reply text, 0 when it starts otherwise,
 * a when it is empty; 0 on failure. With no window ('P' to the window process as a
 * whole): the answer, or 0 when not connected. */
int lu_query_value_b15(int a);
int lu_query_value_b15_(int* result, const int* a);
int lu_query_value_b15_in_window(int window, int a);
/* 'A' 14 with p and q in result words 2 and 3. Result: the answer. */
int lu_send_command_a14_in_window(int window, int p, int q);
/* 'B' 1 with kind 1, 2, 3 sent as 128, 64, 32 (others unchanged); on a nonzero answer
 * a, b, c (each may be NULL) receive result words 2, 3, 4. Result: the answer. */
int lu_query_b1_in_window(int window, int* a, int* b, int* c, int kind);
/* 'B' 32 / 'B' 33 with a; u and v go in result words 3 and 4 (-1 for NULL) and, with r,
 * receive result words 3, 4 and 2 on a nonzero answer. Result: the answer. */
int lu_query_b32_in_window(int window, int* r, int* u, int* v, int a);
int lu_query_b33_in_window(int window, int* r, int* u, int* v, int a);
/* 'A' 19 at a point with value in result word 1. Result: the window number, or 0. */
int lu_send_point_command_a19(float x, float y, int value);
int lu_send_point_command_a19_(int* result, const float* x, const float* y, const int* value);
int lu_send_point_command_a19_in_window(int window, int x, int y, int value);
/* 'F' at a point. Result: result word 1 of the reply, -1 on failure. */
int lu_query_point(float x, float y);
int lu_query_point_(int* result, const float* x, const float* y);
int lu_query_point_in_window(int window, int x, int y);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_ARRAYS_H */
