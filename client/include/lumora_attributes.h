/* Lumora: colours and device metrics. Included by lumora.h; see there for the calling forms. */
#ifndef LUMORA_ATTRIBUTES_H
#define LUMORA_ATTRIBUTES_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Colours ------------------------------------------------------------------------ */

/* A colour value is a colour-entry number 0 ... 35, an RGB colour 0x02bbggrr, or a
 * palette colour 0x01000000 | index; -999 is the invalid colour. The reference forms of
 * the three builders return the value as their function value. */
int lu_make_rgb_colour(int red, int green, int blue); /* -999 unless each is 0 ... 255 */
int lu_make_rgb_colour_(const int* red, const int* green, const int* blue);
int lu_make_colour_from_rgb(int packed); /* 0x00bbggrr -> RGB colour; -999 when negative */
int lu_make_colour_from_rgb_(const int* packed);
int lu_make_palette_colour(int index); /* -999 unless 0 ... 255 */
int lu_make_palette_colour_(const int* index);
/* The highest colour-entry number, 35. */
int lu_get_max_colour_number(void);
int lu_get_max_colour_number_(int* result);
/* The system colour of index 0 ... 20 as 0x00bbggrr. */
int lu_get_system_colour(int index);
int lu_get_system_colour_(int* result, const int* index);
/* Sets colour entry `entry` of the window to a colour value ('A' 5). The 36 entries of a
 * new window: 0 black, 1 white, 2 red, 3 green, 4 blue, 5 yellow, 6 magenta, 7 cyan,
 * 8 grey #808080, 9 silver #C0C0C0, 10 maroon #800000, 11 dark green #008000, 12 navy
 * #000080, 13 olive #808000, 14 purple #800080, 15 teal #008080, 16 #404040, 17 #606060,
 * 18 #A0A0A0, 19 #E0E0E0, and 20 ... 35 once round the colour wheel: #FF0000, #FF6000,
 * #FFBF00, #DFFF00, #80FF00, #20FF00, #00FF40, #00FF9F, #00FFFF, #009FFF, #0040FF,
 * #2000FF, #8000FF, #DF00FF, #FF00BF, #FF0060. A colour value that names no entry draws
 * black. */
int lu_set_colour_entry(int colour, int entry);
int lu_set_colour_entry_(int* result, const int* colour, const int* entry);
int lu_set_colour_entry_in_window(int window, int colour, int entry);
/* Reads colour entry `entry` back ('B' 9) into red, green, blue (each may be NULL).
 * Result: the window number, 0 on failure or when the reply does not fit 24 bits. */
int lu_get_colour_entry(int entry, int* red, int* green, int* blue);
int lu_get_colour_entry_(int* result, const int* entry, int* red, int* green, int* blue);
int lu_get_colour_entry_in_window(int window, int entry, int* red, int* green, int* blue);

/* The opacity of everything the window draws next (lines, figures, fills, markers, texts,
 * points, pictures and plots), each laid over what lies under it: 0 transparent ... 1
 * opaque, a new window's. Colours stay 24-bit; a window that is never given an opacity
 * draws as before. Refused with a message: an opacity that is NaN or outside 0 ... 1, a
 * window that is not open. Result: the window number, 0 when refused. */
int lu_set_alpha(float opacity);
int lu_set_alpha_(int* result, const float* opacity);
int lu_set_alpha_in_window(int window, float opacity);

/* How everything the window draws next is laid over what lies under it, each call's
 * drawing (a figure, a text, a picture, one plotting call) as a whole, the page taken as
 * drawn over its background colour: LU_COMPOSE_OVER over it (a new window's);
 * LU_COMPOSE_REPLACE in place of it, so that what lies under the drawing is gone and the
 * background shows through where the drawing is translucent; LU_COMPOSE_XOR what lies
 * under the drawing fades to the background by the drawing's opacity, the drawing's own
 * colours not drawn. The opacity (lu_set_alpha) and the pen's mix mode apply as before.
 * Refused with a message: another mode, a window that is not open. Result: the window
 * number, 0 when refused. */
#define LU_COMPOSE_OVER 0
#define LU_COMPOSE_REPLACE 1
#define LU_COMPOSE_XOR 2
int lu_set_compositing(int mode);
int lu_set_compositing_(int* result, const int* mode);
int lu_set_compositing_in_window(int window, int mode);

/* ---- Device metrics ------------------------------------------------------------------ */

/* Codes 1 ... 14 ask for a pair (1: drawing-area size, 2: screen size, 3: window size,
 * 4: window position, 10: dots per inch), -14 ... -1 set pair |code|. With window 0 the
 * window process as a whole answers; before any connection only code 2 (the screen) is
 * answered. first and second may be NULL. Result: the answer, 0 for a refused code. */
int lu_get_metrics(int code, int* first, int* second);
int lu_get_metrics_(int* result, const int* code, int* first, int* second);
int lu_get_metrics_in_window(int window, int code, int* first, int* second);
/* Width over height of metric code 1 ... 7; for other codes |x_scale / y_scale| of the
 * current window (1.0 in pixel mode). A zero height gives 1.0. */
float lu_get_aspect_ratio(int code);
float lu_get_aspect_ratio_(const int* code);
/* The largest finite 32-bit real, 3.40282347e+38. */
float lu_get_largest_real(void);
float lu_get_largest_real_(void);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_ATTRIBUTES_H */
