/* Lumora: plain names for the figures and window commands that plotting programs use
 * most. Each is a thin call of the operation it names (given in its comment): it sends
 * the same command, draws the same and answers the same. Included by lumora.h; see there
 * for the calling forms. */
#ifndef LUMORA_PLAIN_H
#define LUMORA_PLAIN_H

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Figures: world corners; device corners in the _in_window forms ----------------- */

/* A rectangle outlined with the pen (lu_draw_box_a21). */
int lu_draw_rectangle(float x1, float y1, float x2, float y2);
int lu_draw_rectangle_(int* result, const float* x1, const float* y1, const float* x2,
                       const float* y2);
int lu_draw_rectangle_in_window(int window, int x1, int y1, int x2, int y2);
/* A rectangle filled with a colour value, without an outline (lu_draw_box_a22). */
int lu_fill_rectangle(float x1, float y1, float x2, float y2, int colour);
int lu_fill_rectangle_(int* result, const float* x1, const float* y1, const float* x2,
                       const float* y2, const int* colour);
int lu_fill_rectangle_in_window(int window, int x1, int y1, int x2, int y2, int colour);
/* A rectangle with rounded corners of these lengths, outlined (lu_draw_box_a23). */
int lu_draw_rounded_rectangle(float x1, float y1, float x2, float y2, float width, float height);
int lu_draw_rounded_rectangle_(int* result, const float* x1, const float* y1, const float* x2,
                               const float* y2, const float* width, const float* height);
/* The ellipse in the box of two corners, outlined (lu_draw_box_a24). */
int lu_draw_ellipse(float x1, float y1, float x2, float y2);
int lu_draw_ellipse_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2);
int lu_draw_ellipse_in_window(int window, int x1, int y1, int x2, int y2);
/* Arcs of that ellipse from angle start over extent, in full turns counterclockwise:
 * open (lu_draw_arc_a25), closed by a chord (lu_draw_arc_a26), or through the centre, a
 * pie slice (lu_draw_arc_a27). */
int lu_draw_arc(float x1, float y1, float x2, float y2, float start, float extent);
int lu_draw_arc_(int* result, const float* x1, const float* y1, const float* x2, const float* y2,
                 const float* start, const float* extent);
int lu_draw_chord(float x1, float y1, float x2, float y2, float start, float extent);
int lu_draw_chord_(int* result, const float* x1, const float* y1, const float* x2, const float* y2,
                   const float* start, const float* extent);
int lu_draw_pie_slice(float x1, float y1, float x2, float y2, float start, float extent);
int lu_draw_pie_slice_(int* result, const float* x1, const float* y1, const float* x2,
                       const float* y2, const float* start, const float* extent);

/* ---- The window's drawings and picture ---------------------------------------------- */

/* Erases the window: forgets all its drawings (lu_send_command_b4). */
int lu_erase_window(void);
int lu_erase_window_(int* result);
int lu_erase_window_in_window(int window);
/* Takes back the last count drawings, 1 ... the number held (lu_send_command_b26). */
int lu_undo_drawings(int count);
int lu_undo_drawings_(int* result, const int* count);
int lu_undo_drawings_in_window(int window, int count);
/* How many drawings the window holds (lu_query_b1_in_window kind 3, its first value);
 * -1 when there is no window or it did not answer. */
int lu_count_drawings(void);
int lu_count_drawings_(int* result);
int lu_count_drawings_in_window(int window);
/* The window's background colour value; erase 1 also erases the window
 * (lu_send_command_b23). */
int lu_set_background(int colour, int erase);
int lu_set_background_(int* result, const int* colour, const int* erase);
/* The picture written for the window when the window process ends: 0 none, 1 PNG,
 * 2 SVG, 3 PDF, the last three with a display too (lu_send_command_b34). Without a call,
 * a window process without a display writes one as LUMORA_OUTPUT_FORMAT says. */
int lu_set_end_picture(int format);
int lu_set_end_picture_(int* result, const int* format);
int lu_set_end_picture_in_window(int window, int format);
/* Keeps the window above the others on the screen (on 1) or not (on 0)
 * (lu_send_command_b29). */
int lu_keep_on_top(int on);
int lu_keep_on_top_(int* result, const int* on);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_PLAIN_H */
