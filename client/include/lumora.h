/*
 * Lumora: a graphics client library for C and Fortran 77 programs.
 *
 * The library draws nothing itself: it drives the graphics-window process luwnd
 * (luwnd.exe on Windows), which it finds running or starts.
 *
 * Every operation has up to three entry points:
 *   lu_<operation>            value form, for C: arguments by value, the result returned.
 *   lu_<operation>_           reference form, for Fortran 77 (gfortran's convention): the
 *                             result variable first, every argument by address, and one
 *                             hidden length (size_t, by value) per character argument
 *                             after all other arguments. The result is also returned.
 *   lu_<operation>_in_window  value form with an explicit window number (1 ... 63) first.
 *
 * Integers are 32-bit; reals are 32-bit floats. A result of 0 means failure or refused
 * arguments; operations that only touch the window's settings return the window number.
 * A logical argument passed by reference is taken as 1 when nonzero.
 */
#ifndef LUMORA_H
#define LUMORA_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Windows ------------------------------------------------------------------------ */

/* Next open window after n (0 for the lowest), or 0 when there is none or n < 0. */
int lu_next_window(int n);
int lu_next_window_(int *result, const int *n);
/* The lowest open window, or 0: lu_next_window with n = 0. */
int lu_first_window(void);
int lu_first_window_(int *result);

/* Ends the graphics run: 'L' with mode 1, every block released. In a console program
 * started with a quoted command line it then writes "> " and waits for Enter.
 * Runs once; later calls return 0. Result: the window process's answer, or 0. */
int lu_quit(void);
int lu_quit_(int *result);
/* As lu_quit, with mode 1 when flag is nonzero and 0 (no wait) when it is zero. */
int lu_quit_with_flag(int flag);
int lu_quit_with_flag_(int *result, const int *flag);
/* Leaves the windows to the window process without a command; result 0. */
int lu_detach(void);
int lu_detach_(int *result);

/* ---- Console keys ------------------------------------------------------------------- */

/* Nonzero when a key is waiting at the console. One form serves C and Fortran. */
int lu_poll_key(void);
int lu_poll_key_(void);
/* Reads one key without waiting for Enter, echoing it when echo is nonzero; the key code.
 * The reference form returns the key as its function value (no result argument). */
int lu_read_key(int echo);
int lu_read_key_(const int *echo);

/* ---- Plain window commands ---------------------------------------------------------- */

/* 'A' 2: a request without parameters to the current window. */
int lu_send_command_a2(void);
int lu_send_command_a2_(int *result);
int lu_send_command_a2_in_window(int window);
/* 'G' with code 0 ... 14 (any other code sends -1) to the current window. */
int lu_send_command_g(int code);
int lu_send_command_g_(int *result, const int *code);
/* 'G' with code + 15 for code 0 ... 10 (any other code sends -2) to window w. */
int lu_send_command_g15(int window, int code);
int lu_send_command_g15_(int *result, const int *window, const int *code);
/* 'B' 16 with value 1 ... 8; any other value is refused (0, nothing sent). */
int lu_send_command_b16(int value);
int lu_send_command_b16_(int *result, const int *value);
int lu_send_command_b16_in_window(int window, int value);
/* 'E' 14: on a positive answer a receives the word result3 and b the word result1 of the
 * block, and the current window is returned; otherwise the answer is returned. */
int lu_query_e14(int *a, int *b);
int lu_query_e14_(int *result, int *a, int *b);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_H */
