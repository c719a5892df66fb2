/* Declarations the Fortran bindings cannot cover: a type they do not know, and a value
 * form without its reference form. The coverage check must name both. */
int lu_gap_op(long x);
int lu_gap_op_(int* result, const long* x);
int lu_lonely(int a);
