/* Lumora: connecting, windows, quitting, keys and plain commands. Included by lumora.h; see there
 * for the calling forms. */
#ifndef LUMORA_WINDOWS_H
#define LUMORA_WINDOWS_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Windows ------------------------------------------------------------------------ */

/* Connects to a window process: an idle one, or a new one started with the options
 * (flags: bits 1 t, 2 b, 4 r, 8 i, 16 l, each left out when its bit << 16 is set, all
 * left out when negative; x, y >= 0 a position; width, height > 0 a size; a 1 ... 4;
 * m 0 ... 14; z 1 ... 4; dpi 1 ... 1200; -1 leaves an option out). Result: the process
 * number, or 0 when already connected. Fatal when no window process can be had. */
int lu_initialize(int flags, int x, int y, int width, int height, int a, int m, int z, int dpi);
int lu_initialize_(int* result, const int* flags, const int* x, const int* y, const int* width,
                   const int* height, const int* a, const int* m, const int* z, const int* dpi);
/* lu_initialize with every option -1. */
int lu_initialize_defaults(void);
int lu_initialize_defaults_(int* result);

/* Opens window n (0: the window process chooses) with p1 ... p5 (position x, y; colour
 * entries 1 and 2 when joining; a size code) and an optional title; connects first when
 * needed. Result: the command's answer for the new window (normally its number), 0 when
 * its block cannot be mapped. The reference form's title is cut to 259 characters and
 * loses its trailing blanks; an empty title is no title. */
int lu_open_window_full(int n, int p1, int p2, int p3, int p4, int p5, const char* title);
int lu_open_window_full_(int* result, const int* n, const int* p1, const int* p2, const int* p3,
                         const int* p4, const int* p5, const char* title, size_t title_length);
/* lu_open_window_full(n, 0, 0, -1, -1, -1, no title). */
int lu_open_window(int n);
int lu_open_window_(int* result, const int* n);
/* Makes open window n current; the current window after the call. The reference form
 * also stores it back into n. */
int lu_select_window(int n);
int lu_select_window_(int* result, int* n);
/* Closes window n (0: the current one; outside 1 ... 63: all). The new current window,
 * as the window process names it; the reference form also stores it back into n. */
int lu_close_window(int n);
int lu_close_window_(int* result, int* n);

/* Next open window after n (0 for the lowest), or 0 when there is none or n < 0. */
int lu_next_window(int n);
int lu_next_window_(int* result, const int* n);
/* The lowest open window, or 0: lu_next_window with n = 0. */
int lu_first_window(void);
int lu_first_window_(int* result);

/* Ends the graphics run: 'L' with mode 1, every block released. In a console program
 * started with a quoted command line it then writes "> " and waits for Enter.
 * Runs once; later calls return 0. Result: the window process's answer, or 0. */
int lu_quit(void);
int lu_quit_(int* result);
/* As lu_quit, with mode 1 when flag is nonzero and 0 (no wait) when it is zero. */
int lu_quit_with_flag(int flag);
int lu_quit_with_flag_(int* result, const int* flag);
/* Leaves the windows to the window process without a command; result 0. */
int lu_detach(void);
int lu_detach_(int* result);

/* ---- Console keys ------------------------------------------------------------------- */

/* Nonzero when a key is waiting at the console. One form serves C and Fortran. */
int lu_poll_key(void);
int lu_poll_key_(void);
/* Reads one key without waiting for Enter, echoing it when echo is nonzero; the key code.
 * The reference form returns the key as its function value (no result argument). */
int lu_read_key(int echo);
int lu_read_key_(const int* echo);

/* ---- Plain window commands ---------------------------------------------------------- */

/* 'A' 2: a request without parameters to the current window. */
int lu_send_command_a2(void);
int lu_send_command_a2_(int* result);
int lu_send_command_a2_in_window(int window);
/* 'G' with code 0 ... 14 (any other code sends -1) to the current window. */
int lu_send_command_g(int code);
int lu_send_command_g_(int* result, const int* code);
/* 'G' with code + 15 for code 0 ... 10 (any other code sends -2) to window w. */
int lu_send_command_g15(int window, int code);
int lu_send_command_g15_(int* result, const int* window, const int* code);
/* 'B' 16 with value 1 ... 8; any other value is refused (0, nothing sent). */
int lu_send_command_b16(int value);
int lu_send_command_b16_(int* result, const int* value);
int lu_send_command_b16_in_window(int window, int value);
/* 'E' 14: on a positive answer a receives the word result3 and b the word result1 of the
 * block, and the current window is returned; otherwise the answer is returned. */
int lu_query_e14(int* a, int* b);
int lu_query_e14_(int* result, int* a, int* b);

/* ---- About the library ------------------------------------------------------------ */

/* Item 0: the number of items ("5"); 1: the version "0,9,9,9a"; 2: "Version  0.99.9a";
 * 3: the build-date text (28 characters); 4: a notice (49 characters); 5: a 10-digit
 * number. Stores the text and returns its length; minus the length when the buffer
 * (size bytes) has no room for the text, its NUL and one byte more; 0 for other items.
 * The reference form pads the rest of the buffer with blanks. */
int lu_get_library_info(int item, char* buffer, int size);
int lu_get_library_info_(int* result, const int* item, char* buffer, size_t buffer_length);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_WINDOWS_H */
