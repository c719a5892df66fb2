/* x20: PLplot's example 20 in Lumora's idiom, a window a page:
 *  - with -dbg first, a 2-valued picture whose border cells should show red around a blue
 *    square;
 *  - the "sombrero" sin r / r with its amplitude clipped: values outside 0.05 ... 1 are
 *    missing (NaN), so their cells leave the page showing through, with a turned text;
 *  - a grey photograph, read from a binary PGM file named on the command line (PLplot's
 *    Chloe.pgm, for instance) or, without one, a picture of the port's own;
 *  - a part of it selected with the mouse: a left click sets one corner, a rubber
 *    rectangle follows the pointer to the other, a left click there sets it (again to
 *    select anew), the middle button or q ends; the part is drawn where it lies on the
 *    page, then on a page of its own;
 *  - the photograph with its grey scale spanning only the middle half of its values;
 *  - the photograph drawn on a grid of its cells' corners that mirrors it left to right
 *    and draws it in towards its middle, by half at mid-height (PLplot's plimagefr with
 *    pltr2).
 * Without a screen the clicks come from LUMORA_EVENTS; with no events at all the
 * selection is PLplot's own first guess. Every call is checked: a failed one ends the
 * program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "lumora.h"

enum { kSide = 100, kMaxPhoto = 2048 };

static const double kPi = 3.14159265358979323846;

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x20: %s failed\n", what);
        exit(1);
    }
}

/* A photograph: its size and values (0 ... levels), value (i, j) at [i * height + j]. */
typedef struct {
    int width, height, levels;
    double* values;
} Photo;

static double* cells(int nx, int ny) {
    double* v = malloc(sizeof(double) * (size_t)nx * (size_t)ny);
    if (v == NULL) check(0, "memory for the picture");
    return v;
}

/* A binary PGM (P5, at most 255 levels); 0 when the file cannot be read as one. */
static int read_pgm(const char* name, Photo* p) {
    FILE* f = fopen(name, "rb");
    if (f == NULL) return 0;
    char magic[3] = {0};
    int c = 0, ok = fscanf(f, "%2s", magic) == 1 && strcmp(magic, "P5") == 0;
    while (ok && (c = fgetc(f)) != EOF && (c == ' ' || c == '\n' || c == '\r' || c == '\t')) {
    }
    while (ok && c == '#') { /* comments */
        while ((c = fgetc(f)) != EOF && c != '\n') {
        }
        c = fgetc(f);
    }
    if (ok && c != EOF) ungetc(c, f);
    ok = ok && fscanf(f, "%d %d %d", &p->width, &p->height, &p->levels) == 3 && fgetc(f) != EOF;
    ok = ok && p->width > 0 && p->height > 0 && p->width <= kMaxPhoto && p->height <= kMaxPhoto &&
         p->levels > 0 && p->levels <= 255;
    unsigned char* bytes = ok ? malloc((size_t)p->width * (size_t)p->height) : NULL;
    ok = ok && bytes != NULL &&
         fread(bytes, 1, (size_t)p->width * (size_t)p->height, f) ==
             (size_t)p->width * (size_t)p->height;
    fclose(f);
    if (!ok) {
        free(bytes);
        return 0;
    }
    p->values = cells(p->width, p->height);
    /* The file's rows run down the picture; j runs up. */
    for (int i = 0; i < p->width; ++i)
        for (int j = 0; j < p->height; ++j)
            p->values[i * p->height + j] = bytes[(p->height - 1 - j) * p->width + i];
    free(bytes);
    return 1;
}

/* The port's own photograph: a lit ball on a shaded floor under a striped sky. */
static void own_photo(Photo* p) {
    p->width = 240;
    p->height = 200;
    p->levels = 255;
    p->values = cells(p->width, p->height);
    for (int i = 0; i < p->width; ++i)
        for (int j = 0; j < p->height; ++j) {
            const double x = i - 120.0, y = j - 90.0, r = sqrt(x * x + y * y);
            double v = j < 60 ? 60 + 1.5 * j : 150 + 40 * sin(j / 6.0) + 0.2 * i;
            if (r < 55)
                v = 255 *
                    (0.35 + 0.65 * (1 - (x + 30) * (x + 30) / 12000 - (y - 30) * (y - 30) / 12000));
            p->values[i * p->height + j] = v < 0 ? 0 : v > 255 ? 255 : v;
        }
}

static void draw_photo(const Photo* p, int i0, int i1, int j0, int j1) {
    const int nx = i1 - i0, ny = j1 - j0;
    double* part = cells(nx, ny);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) part[i * ny + j] = p->values[(i0 + i) * p->height + j0 + j];
    check(lu_draw_field_image_double(part, nx, ny, LU_ROW_MAJOR, i0, j0, i1, j1, 0),
          "lu_draw_field_image_double");
    free(part);
}

/* PLplot's plenv with axis -1: the box alone, in colour 1 (yellow, drawn darker). */
static void boxed_frame(float x1, float x2, float y1, float y2) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_set_colours(lu_make_rgb_colour(190, 150, 0), -1, -1, -1, -1),
          "lu_plot_set_colours");
    check(lu_plot_frame(x1, x2, y1, y2, LU_PLOT_EQUAL | LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_box("bc", 0, 0, "bc", 0, 0), "lu_plot_box");
}

static void debug_page(void) {
    static double z[kSide * kSide];
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j)
            z[i * kSide + j] = i == 0 || j == 0 || i == kSide - 1 || j == kSide - 1;
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(1, kSide, 1, kSide, LU_PLOT_EQUAL | LU_PLOT_AXES), "lu_plot_frame");
    check(lu_plot_labels("...around a blue square.", " ", "A red border should appear..."),
          "lu_plot_labels");
    check(lu_set_colour_map(LU_MAP_DIVERGING, 0, 1), "lu_set_colour_map");
    check(lu_draw_field_image_double(z, kSide, kSide, LU_ROW_MAJOR, 1, 1, kSide, kSide, 0),
          "lu_draw_field_image_double");
}

static void sombrero_page(void) {
    static double z[kSide * kSide];
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j) {
            const double x = i * 2 * kPi / (kSide - 1), y = j * 3 * kPi / (kSide - 1);
            const double r = sqrt(x * x + y * y) + 1e-3, v = sin(r) / r;
            z[i * kSide + j] = v >= 0.05 && v <= 1 ? v : NAN;
        }
    boxed_frame(0, (float)(2 * kPi), 0, (float)(3 * kPi));
    check(lu_plot_labels("No, an amplitude clipped \"sombrero\"", "", "Saturn?"), "lu_plot_labels");
    check(lu_set_colour_map(LU_MAP_SEQUENTIAL, 0.05f, 1), "lu_set_colour_map");
    check(lu_draw_field_image_double(z, kSide, kSide, LU_ROW_MAJOR, 0, 0, 2 * kPi, 3 * kPi, 0),
          "lu_draw_field_image_double");
    /* Along (3, 4): a fraction of a turn. */
    check(lu_set_font(0.35f, (float)(atan2(4, 3) / (2 * kPi)), 3, 0, 0, NULL), "lu_set_font");
    check(lu_draw_text(2, 2, "Transparent image"), "lu_draw_text");
}

static void photo_frame(const Photo* p, float x1, float x2, float y1, float y2, const char* x_label,
                        const char* title) {
    boxed_frame(x1, x2, y1, y2);
    check(lu_plot_labels(x_label, " ", title), "lu_plot_labels");
    check(lu_set_colour_map(LU_MAP_GREY, 0, (float)p->levels), "lu_set_colour_map");
}

static int clamp(int v, int lo, int hi) {
    return v < lo ? lo : v > hi ? hi : v;
}

/* The part chosen with the mouse, in cell edges; PLplot's first guess without events. */
static void select_part(const Photo* p, int* i0, int* i1, int* j0, int* j1) {
    float x0 = 25, y0 = 235, x1 = 130, y1 = 125, x = 0, y = 0;
    int key = 0, anchored = 0;
    while (anchored ? lu_get_cursor_band(LU_BAND_RECTANGLE, x0, y0, &x, &y, &key)
                    : lu_get_cursor(&x, &y, &key)) {
        if (key == LU_BUTTON_MIDDLE || key == 'q' || key == 'Q') break;
        if (key != LU_BUTTON_LEFT) continue;
        if (anchored) {
            x1 = x;
            y1 = y;
        } else {
            x0 = x;
            y0 = y;
        }
        anchored = !anchored;
    }
    *i0 = clamp((int)floorf(fminf(x0, x1)), 0, p->width - 1);
    *i1 = clamp((int)ceilf(fmaxf(x0, x1)), *i0 + 1, p->width);
    *j0 = clamp((int)floorf(fminf(y0, y1)), 0, p->height - 1);
    *j1 = clamp((int)ceilf(fmaxf(y0, y1)), *j0 + 1, p->height);
}

/* PLplot's mypltr: x mirrored about the middle and drawn in by up to half towards it. */
static void stretched(const Photo* p, double x, double y, double* tx, double* ty) {
    const double x0 = p->width * 0.5, y0 = p->height * 0.5, dy = p->height * 0.5;
    *tx = x0 + (x0 - x) * (1.0 - 0.5 * cos((y - y0) / dy * kPi * 0.5));
    *ty = y;
}

static void distorted_page(const Photo* p, double low, double high) {
    const int nx = p->width + 1, ny = p->height + 1;
    double *xg = cells(nx, ny), *yg = cells(nx, ny);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) stretched(p, i, j, &xg[i * ny + j], &yg[i * ny + j]);
    photo_frame(p, 0, (float)p->width, 0, (float)p->height, "", "Distorted image example");
    check(lu_set_colour_map(LU_MAP_GREY, (float)low, (float)high), "lu_set_colour_map");
    check(lu_draw_field_image_on_grid_double(p->values, p->width, p->height, LU_ROW_MAJOR, xg, yg,
                                             LU_GRID_POINTS),
          "lu_draw_field_image_on_grid_double");
    free(xg);
    free(yg);
}

int main(int argc, char** argv) {
    const char* file = NULL;
    int debug = 0;
    for (int k = 1; k < argc; ++k) {
        if (strcmp(argv[k], "-dbg") == 0)
            debug = 1;
        else
            file = argv[k];
    }
    if (debug) debug_page();
    sombrero_page();
    Photo photo;
    if (file == NULL || !read_pgm(file, &photo)) {
        if (file != NULL) fprintf(stderr, "port_x20: %s is no binary PGM: own picture\n", file);
        own_photo(&photo);
    }
    const float w = (float)photo.width, h = (float)photo.height;
    photo_frame(&photo, 0, w, 0, h,
                "Set and drag Button 1 to (re)set selection, Button 2 to finish.", "Chloe...");
    draw_photo(&photo, 0, photo.width, 0, photo.height);
    int i0 = 0, i1 = 0, j0 = 0, j1 = 0;
    select_part(&photo, &i0, &i1, &j0, &j1);
    photo_frame(&photo, 0, w, 0, h, "", "");
    draw_photo(&photo, i0, i1, j0, j1);
    photo_frame(&photo, (float)i0, (float)i1, (float)j0, (float)j1, "", "");
    draw_photo(&photo, i0, i1, j0, j1);
    double low = photo.values[0], high = low;
    for (int k = 0; k < photo.width * photo.height; ++k) {
        low = fmin(low, photo.values[k]);
        high = fmax(high, photo.values[k]);
    }
    photo_frame(&photo, 0, w, 0, h, "", "Reduced dynamic range image example");
    check(lu_set_colour_map(LU_MAP_GREY, (float)(low + high * 0.25), (float)(high - high * 0.25)),
          "lu_set_colour_map");
    draw_photo(&photo, 0, photo.width, 0, photo.height);
    distorted_page(&photo, low, high);
    free(photo.values);
    lu_quit();
    return 0;
}
