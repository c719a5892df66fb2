/* Lumora: joining an open window, file names, text queries, data files and colour files.
 * Included by lumora.h; see there for the calling forms. */
#ifndef LUMORA_FILES_H
#define LUMORA_FILES_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Joining a window that another program opened ------------------------------------ */

/* Room the value form of lu_join_window needs in its description buffer. */
#define LU_JOIN_DESCRIPTION_SIZE 256

/* Joins window n (0 or less: the window the process offers) of process k (1 ... 16; 0 or
 * less: the first of all sixteen that offers a window). mode 0 only looks: it describes
 * the window and joins nothing. When the window process asks for it, the user is asked to
 * confirm; after a "no" to window n the window the process offers is tried once more.
 * description (may be NULL; LU_JOIN_DESCRIPTION_SIZE bytes in the value form) receives
 * "process:window title", or an empty text when nothing was found or joined. Result: the
 * joined window, which is now current (the next lu_open_window returns it and the next
 * lu_initialize passes its settings to it); 0 when nothing was joined, after a look
 * (mode 0), or when already connected. The reference form writes the description only
 * when its length is more than 10, cut to fit. */
int lu_join_window(int n, int k, int mode, char* description);
int lu_join_window_(int* result, const int* n, const int* k, const int* mode, char* description,
                    size_t description_length);

/* ---- File names and text queries ---------------------------------------------------- */

/* Shows the window process's file-name dialog ('B' 13), starting from the buffer's text.
 * The chosen path replaces the buffer's content: NUL-padded to len in the value form,
 * blank-padded in the reference form. Result: the path's length; minus that length when
 * it does not fit (len characters or more; the buffer is then left alone); 0 when
 * cancelled. */
int lu_choose_file_name(char* buffer, int len);
int lu_choose_file_name_(int* result, char* buffer, size_t buffer_length);
int lu_choose_file_name_in_window(int window, char* buffer, int len);

/* Asks the window process for a text ('B' 14) with the prompt `text`; the answer goes to
 * the buffer as in lu_choose_file_name. Result: the answer's length; 0 when it has len
 * characters or more (the buffer is then left alone) or on failure. */
int lu_query_string(const char* text, char* buffer, int len);
int lu_query_string_(int* result, const char* text, char* buffer, size_t text_length,
                     size_t buffer_length);
int lu_query_string_in_window(int window, const char* text, char* buffer, int len);

/* Hands the window process a data file ("*.lmd", its own format) with `value` ('B' 11).
 * A name that does not name a readable file (NULL or empty: "*.lmd") goes through the
 * file-name dialog first. Result: the window process's answer, 0 when cancelled. */
int lu_open_data_file(int value, const char* name);
int lu_open_data_file_(int* result, const int* value, const char* name, size_t name_length);
int lu_open_data_file_in_window(int window, int value, const char* name);

/* ---- Saving a picture ---------------------------------------------------------------- */

/* Writes the window's picture as it stands now to the file named, in the format its
 * extension names (any case): .png, .svg or .pdf; on Windows .png or .emf. An existing file
 * of that name is replaced. Works on the screen and headless ('B' 50). Result: the
 * window number; 0 when nothing was written (no window, no name, a format not written
 * here, a folder that does not exist, a full disk), after a warning that says why. */
int lu_save_picture(const char* file);
int lu_save_picture_(int* result, const char* file, size_t file_length);
int lu_save_picture_in_window(int window, const char* file);

/* ---- Colour files --------------------------------------------------------------------- */

/* Writes colour entries 20 ... 35 of the window to a colour file, 16 lines "0x%8.8lx"
 * with red in the low byte. The file-name dialog is always shown, starting from the name
 * (NULL or empty: "*.clr"). Result: 16, or 0 when cancelled or the file cannot be written. */
int lu_save_colours(const char* name);
int lu_save_colours_(int* result, const char* name, size_t name_length);
int lu_save_colours_in_window(int window, const char* name);

/* Sets colour entries 20 ... 35 of the window from a colour file as RGB colours (the top
 * byte of each value is replaced). The file-name dialog is shown only when the name does
 * not name a readable file. Result: 16, or 0 when cancelled or the file cannot be read. */
int lu_load_colours(const char* name);
int lu_load_colours_(int* result, const char* name, size_t name_length);
int lu_load_colours_in_window(int window, const char* name);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_FILES_H */
