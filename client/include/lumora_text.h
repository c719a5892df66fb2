/* Lumora: text, symbols and dialogs. Included by lumora.h; see there for the calling forms. */
#ifndef LUMORA_TEXT_H
#define LUMORA_TEXT_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Fonts -------------------------------------------------------------------------- */

/* Sets the text font ('A' 9). height in world units (negative or NaN: keep; 0: the
 * drawing-area height / 30); angle in full turns (0.25 is a quarter turn, -0.25 three
 * quarters; a whole turn or more either way is ignored); alignment 0 ... 8 (others:
 * keep); style and colour (-1: keep); face name (NULL or empty: keep). The command tells
 * how many of height, angle, style and face changed. Result: the command's answer. The
 * window form takes the height in device units and the angle in 1/3600 of a turn.
 * Alignment: the point of the text on the position drawn at, column alignment % 3 (0 left,
 * 1 centre, 2 right) and row alignment / 3 (0 top, 1 baseline, 2 bottom): 0 top left,
 * 1 top centre, 2 top right, 3 baseline left, 4 baseline centre, 5 baseline right,
 * 6 bottom left, 7 bottom centre, 8 bottom right. Style bits: 1 bold, 2 italic,
 * 4 underline, 8 strikeout, 32 oblique (the upright letters slanted; with 2, italic; on
 * Windows GDI draws it as italic). Pictures of every code: the guide, "Numeric codes". */
int lu_set_font(float height, float angle, int alignment, int style, int colour, const char* face);
int lu_set_font_(int* result, const float* height, const float* angle, const int* alignment,
                 const int* style, const int* colour, const char* face, size_t face_length);
int lu_set_font_in_window(int window, int height, int angle, int alignment, int style, int colour,
                          const char* face);

/* Sets the symbol font ('A' 10), with the arguments of lu_set_font. Nothing is sent and
 * the result is 0 when the call gives nothing: no new height or angle, alignment,
 * style and colour all left out, and no face name. */
int lu_set_symbol_font(float height, float angle, int alignment, int style, int colour,
                       const char* face);
int lu_set_symbol_font_(int* result, const float* height, const float* angle, const int* alignment,
                        const int* style, const int* colour, const char* face, size_t face_length);
int lu_set_symbol_font_in_window(int window, int height, int angle, int alignment, int style,
                                 int colour, const char* face);

/* ---- Text and symbols --------------------------------------------------------------- */

/* Draws a text (at most 2047 characters) at world point (x, y) ('A' 15). A point more
 * than one range width beyond the world window on either axis is sent as
 * (32767, 32767). Result: the window number, or 0. The window form takes device x, y. */
int lu_draw_text(float x, float y, const char* text);
int lu_draw_text_(int* result, const float* x, const float* y, const char* text,
                  size_t text_length);
int lu_draw_text_in_window(int window, int x, int y, const char* text);

/* Draws symbol `code` (its low byte) at world point (x, y) ('A' 16). A negative code
 * repeats the last symbol drawn. Result: the window number, or 0. */
int lu_draw_symbol(float x, float y, int code);
int lu_draw_symbol_(int* result, const float* x, const float* y, const int* code);
int lu_draw_symbol_in_window(int window, int x, int y, int code);

/* Measures a text in the current text font ('B' 17): four lengths in world units, the
 * first and third horizontal, the second and fourth vertical (in device units in the
 * window form). Each output may be NULL. Result: the window number, or the command's
 * answer when that is <= 0 (the outputs are then left alone). */
int lu_get_text_extent(float* first, float* second, float* third, float* fourth, const char* text);
int lu_get_text_extent_(int* result, float* first, float* second, float* third, float* fourth,
                        const char* text, size_t text_length);
int lu_get_text_extent_in_window(int window, int* first, int* second, int* third, int* fourth,
                                 const char* text);

/* Measures symbol `code` ('B' 18): its width and height, as lu_get_text_extent. */
int lu_get_symbol_extent(float* width, float* height, int code);
int lu_get_symbol_extent_(int* result, float* width, float* height, const int* code);
int lu_get_symbol_extent_in_window(int window, int* width, int* height, int code);

/* ---- Dialogs ------------------------------------------------------------------------ */

/* Shows a message with the text ('B' 2). Result: the window number, or 0. */
int lu_show_message(const char* text);
int lu_show_message_(int* result, const char* text, size_t text_length);
int lu_show_message_in_window(int window, const char* text);

/* Asks a yes/no question ('B' 3): 1 for yes, -1 for no, 0 for any other answer or a
 * failure. The reference form returns the answer as its function value. */
int lu_ask_yes_no(const char* text);
int lu_ask_yes_no_(const char* text, size_t text_length);
int lu_ask_yes_no_in_window(int window, const char* text);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_TEXT_H */
