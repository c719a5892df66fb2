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

#include "lumora_arrays.h"
#include "lumora_attributes.h"
#include "lumora_cursor.h"
#include "lumora_drawing.h"
#include "lumora_fields.h"
#include "lumora_files.h"
#include "lumora_plain.h"
#include "lumora_plot.h"
#include "lumora_plot3d.h"
#include "lumora_text.h"
#include "lumora_windows.h"

#endif /* LUMORA_H */
