/* A header for the check's own test: two functions and a code, one of each not named in
 * gap/plotting.md. */
#define LU_GAP_NAMED 1
#define LU_GAP_UNNAMED 2

/* Named in the guide. */
int lu_gap_named(int n);
int lu_gap_named_(int* result, const int* n);
int lu_gap_named_in_window(int window, int n);
/* Not named. */
float lu_gap_unnamed(const float* x);
int lu_gap_unnamed_(int* result, const float* x);
