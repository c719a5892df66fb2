/* x33: PLplot's example 33 in Lumora's idiom: legends. Page 1: the sixteen legend
 * positions inside and outside a box, each a one-entry legend "00" ... "15" (a line with
 * asterisks) in its own colour on a grey background. Page 2: one legend of seven entries
 * placed seven ways: in a row above and below the box, in a column left and right of it,
 * and in two or three columns inside it. Page 3: legends of one to five entries in a
 * staircase, filled column by column in rows of three. Page 4: the kinds of entries:
 * none, boxes, lines, markers and lines with markers, in colours, marker kinds, line
 * styles and widths. Pages 5 to 20: PLplot's colour-bar pages, a box with a bar half as
 * long as each of its four sides, each titled with its side and the place of its title:
 * for each kind (the continuous map as PLplot's image and gradient, nine shade levels
 * evenly and unevenly spaced) and each place of the titles (left, right, top, bottom) a
 * page of four panels, one for each choice of caps (none, low, high, both). Each page is
 * a window of its own. Every call is checked: a failed one ends the program with
 * status 1. */
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x33: %s failed\n", what);
        exit(1);
    }
}

/* PLplot's colour map 0 entries 1 ... 8, darkened where they would vanish on white. */
static int pl_colour(int index) {
    static const int rgb[8][3] = {{255, 0, 0},     {190, 150, 0},   {0, 170, 0},     {0, 150, 130},
                                  {230, 110, 130}, {190, 160, 110}, {130, 130, 130}, {165, 42, 42}};
    const int* c = rgb[(index - 1) % 8];
    return lu_make_rgb_colour(c[0], c[1], c[2]);
}

static int background(void) {
    return lu_make_rgb_colour(235, 235, 235);
}

static void entry(int k, int marker) {
    char text[16];
    snprintf(text, sizeof text, "%02d", k % 100);
    check(lu_plot_legend_entry(text, pl_colour(1 + k % 8), 0, marker), "lu_plot_legend_entry");
}

static void box_page_with(const char* title, int room, float text_scale) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_set_text_scale(text_scale), "lu_plot_set_text_scale");
    check(lu_plot_frame(0.0f, 1.0f, 0.0f, 1.0f, LU_PLOT_NO_BOX | room), "lu_plot_frame");
    check(lu_plot_box("bc", 0.0f, 0, "bc", 0.0f, 0), "lu_plot_box");
    check(lu_plot_labels(NULL, NULL, title), "lu_plot_labels");
    check(lu_plot_legend_text_colour(-1), "lu_plot_legend_text_colour");
}

/* Room on every side, so that the legends outside the box stand clear of it and of the
 * title, as PLplot's smaller viewport leaves them. */
static const int kRoomAround =
    LU_PLOT_ROOM_LEFT | LU_PLOT_ROOM_RIGHT | LU_PLOT_ROOM_ABOVE | LU_PLOT_ROOM_BELOW;

static void positions(void) {
    enum {
        L = LU_PLOT_LEGEND_LEFT,
        R = LU_PLOT_LEGEND_RIGHT,
        T = LU_PLOT_LEGEND_TOP,
        B = LU_PLOT_LEGEND_BOTTOM,
        O = LU_PLOT_LEGEND_OUTSIDE
    };
    /* PLplot's order: the eight outside from the upper left clockwise, then the eight
     * inside. */
    static const int where[16] = {L | T | O, T | O, R | T | O, R | O, R | B | O, B | O,
                                  L | B | O, L | O, L | T,     T,     R | T,     R,
                                  R | B,     B,     L | B,     L};
    box_page_with("The 16 standard legend positions with the same offset in x and y", kRoomAround,
                  1.0f);
    for (int k = 0; k < 16; ++k) {
        const int p = where[k];
        /* The same offset away from the anchor: inward inside the box, outward outside. */
        const float away = (p & O) ? 1.0f : -1.0f;
        const float dx = (p & R) ? away : (p & L) ? -away : 0.0f;
        const float dy = (p & T) ? away : (p & B) ? -away : 0.0f;
        entry(k, 2);
        check(lu_plot_legend_at(p, 0.5f * dx, 0.5f * dy, 1, background()), "lu_plot_legend_at");
    }
}

/* Seven entries, added so that `columns` columns of row-major filling show them column
 * by column in `rows` rows; empty entries keep the holes. */
static void seven(int rows, int columns, int by_columns) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int k = by_columns ? c * rows + r : r * columns + c;
            if (k < 7)
                entry(k, 2);
            else if (by_columns && r * columns + c < rows * columns - 1)
                check(lu_plot_legend_entry("", -1, -1, 0), "lu_plot_legend_entry (hole)");
        }
}

static void arrangements(void) {
    enum {
        L = LU_PLOT_LEGEND_LEFT,
        R = LU_PLOT_LEGEND_RIGHT,
        T = LU_PLOT_LEGEND_TOP,
        B = LU_PLOT_LEGEND_BOTTOM,
        O = LU_PLOT_LEGEND_OUTSIDE
    };
    /* Smaller text, as the original's is: the three legends inside keep apart. */
    box_page_with("The effect of rows, columns, their order and position for the same legend data",
                  kRoomAround, 0.7f);
    seven(1, 7, 0);
    check(lu_plot_legend_at(T | O, 0.0f, 1.0f, 7, background()), "lu_plot_legend_at");
    seven(1, 7, 0);
    check(lu_plot_legend_at(B | O, 0.0f, -1.0f, 7, background()), "lu_plot_legend_at");
    seven(7, 1, 0);
    check(lu_plot_legend_at(L | O, -1.0f, 0.0f, 1, background()), "lu_plot_legend_at");
    seven(7, 1, 0);
    check(lu_plot_legend_at(R | O, 1.0f, 0.0f, 1, background()), "lu_plot_legend_at");
    seven(6, 2, 1);
    check(lu_plot_legend_at(L | T, 0.0f, 0.0f, 2, background()), "lu_plot_legend_at");
    seven(6, 2, 0);
    check(lu_plot_legend_at(R | T, 0.0f, 0.0f, 2, background()), "lu_plot_legend_at");
    seven(3, 3, 0);
    check(lu_plot_legend_at(B, 0.0f, 0.0f, 3, background()), "lu_plot_legend_at");
}

/* Legends of 1, 2, 3, 4, 5, 4, 3, 2, 1 entries, in rows of three filled column by column,
 * each below and beside the one before. Lumora does not tell a legend's size: the steps
 * are estimates in text heights (a column about 5.5 wide, a row 1.3 high). */
static void staircase(void) {
    check(lu_open_window(0), "lu_open_window");
    /* Twenty-one rows of entries in all: smaller text, as the original's is. */
    check(lu_plot_set_text_scale(0.6f), "lu_plot_set_text_scale");
    check(lu_plot_frame(0.0f, 1.0f, 0.0f, 1.0f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_labels(NULL, NULL, "Demonstrate legend alignment"), "lu_plot_labels");
    check(lu_plot_legend_text_colour(-1), "lu_plot_legend_text_colour");
    float x = 0.0f, y = 0.0f;
    int n = 0;
    for (int i = 0; i < 9; ++i) {
        n = i <= 4 ? n + 1 : n - 1;
        const int rows = n < 3 ? n : 3, columns = (n + rows - 1) / rows;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) {
                const int k = c * rows + r;
                if (k < n)
                    entry(k, 2);
                else if (r < rows - 1)
                    check(lu_plot_legend_entry("", -1, -1, 0), "lu_plot_legend_entry (hole)");
            }
        const float width = 5.5f * (float)columns, height = 1.3f * (float)rows + 0.6f;
        if (i <= 4) {
            check(lu_plot_legend_at(LU_PLOT_LEGEND_LEFT | LU_PLOT_LEGEND_TOP, x, -y, columns,
                                    background()),
                  "lu_plot_legend_at");
            x += width;
        } else {
            /* After the turn the legends stand right-aligned on the mirrored steps. */
            x -= width;
            check(lu_plot_legend_at(LU_PLOT_LEGEND_LEFT | LU_PLOT_LEGEND_TOP, x, -y, columns,
                                    background()),
                  "lu_plot_legend_at");
        }
        y += height;
    }
}

static void kinds(void) {
    static const char* const marker_names[5] = {"plus", "asterisk", "circle", "cross", "square"};
    char text[40];
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_subpages(3, 3), "lu_plot_subpages");
    check(lu_plot_legend_text_colour(-1), "lu_plot_legend_text_colour");
    for (int panel = 0; panel < 9; ++panel) {
        check(lu_plot_frame(0.0f, 1.0f, 0.0f, 1.0f, LU_PLOT_NO_BOX), "lu_plot_frame");
        if (panel == 1)
            check(lu_plot_labels(NULL, NULL, "Demonstrate Various Kinds of Legends"),
                  "lu_plot_labels");
        /* The swatches of a legend take the hatch cycle's patterns in turn: PLplot's
         * patterns 0 ... 4 for the pattern panel, its pattern 3 for the width panel. */
        static const int patterns[5] = {LU_HATCH_SOLID, LU_HATCH_HORIZONTAL, LU_HATCH_VERTICAL,
                                        LU_HATCH_UP_45, LU_HATCH_DOWN_45};
        if (panel == 4) check(lu_plot_hatch_cycle(5, patterns), "lu_plot_hatch_cycle");
        if (panel == 5) check(lu_plot_hatch(LU_HATCH_UP_45), "lu_plot_hatch");
        for (int i = 0; i < 5; ++i) {
            const int c = pl_colour(i + 1);
            switch (panel) {
                case 0: {
                    static const char* const names[5] = {"None", "Box", "Line", "Symbol", "L & S"};
                    if (i == 1)
                        check(lu_plot_legend_swatch(names[i], c), "lu_plot_legend_swatch");
                    else
                        check(lu_plot_legend_entry(names[i], c, i == 2 || i == 4 ? 0 : -1,
                                                   i >= 3 ? 2 : 0),
                              "lu_plot_legend_entry");
                    break;
                }
                case 1:
                    snprintf(text, sizeof text, "Symbol %s", marker_names[i]);
                    check(lu_plot_legend_entry(text, c, -1, i + 1), "lu_plot_legend_entry");
                    break;
                case 2:
                    snprintf(text, sizeof text, "Symbol Number %d", i + 2);
                    check(lu_plot_legend_entry(text, c, -1, 2), "lu_plot_legend_entry");
                    break;
                case 3:
                    snprintf(text, sizeof text, "Box Color %d", i + 1);
                    check(lu_plot_legend_swatch(text, c), "lu_plot_legend_swatch");
                    break;
                case 4:
                    snprintf(text, sizeof text, "Box Pattern %d", i);
                    check(lu_plot_legend_swatch(text, pl_colour(2)), "lu_plot_legend_swatch");
                    break;
                case 5:
                    snprintf(text, sizeof text, "Box Line Width %d", i + 1);
                    check(lu_plot_legend_swatch(text, pl_colour(2)), "lu_plot_legend_swatch");
                    break;
                case 6:
                    snprintf(text, sizeof text, "Line Color %d", i + 1);
                    check(lu_plot_legend_entry(text, c, 0, 0), "lu_plot_legend_entry");
                    break;
                case 7:
                    snprintf(text, sizeof text, "Line Style %d", i + 1);
                    check(lu_plot_legend_entry(text, pl_colour(2), i, 0), "lu_plot_legend_entry");
                    break;
                default:
                    snprintf(text, sizeof text, "Line Width %d", i + 1);
                    check(lu_plot_legend_entry(text, pl_colour(2), 0, 0), "lu_plot_legend_entry");
                    break;
            }
        }
        check(lu_plot_legend_at(LU_PLOT_LEGEND_LEFT | LU_PLOT_LEGEND_TOP, 0.0f, 0.0f, 1,
                                background()),
              "lu_plot_legend_at");
        check(lu_plot_hatch(LU_HATCH_SOLID), "lu_plot_hatch");
    }
}

/* The kinds of PLplot's colour-bar pages: the continuous map ("image" and "gradient"
 * both) or nine shade levels, spaced evenly or not. */
enum { kImage, kGradient, kShades, kUnevenShades, kKinds };
static const char* const kind_names[kKinds] = {"Image", "Gradient", "Shade", "Shade, uneven"};

/* Where PLplot puts a bar's label ("Label left" ... "Label bottom") for a bar on each side
 * (left, right, above, below): its far or near side, or beyond its low or high end. */
enum { kLabelLeft, kLabelRight, kLabelTop, kLabelBottom, kLabelSides };
static const char* const label_names[kLabelSides] = {"Label left", "Label right", "Label top",
                                                     "Label bottom"};
static int title_place(int label, int side) {
    const int upright = side == LU_BAR_LEFT || side == LU_BAR_RIGHT;
    switch (label) {
        case kLabelLeft:
            return !upright ? LU_BAR_TITLE_LOW_END : side == LU_BAR_LEFT ? 0 : LU_BAR_TITLE_NEAR;
        case kLabelRight:
            return !upright ? LU_BAR_TITLE_HIGH_END : side == LU_BAR_RIGHT ? 0 : LU_BAR_TITLE_NEAR;
        case kLabelTop:
            return upright ? LU_BAR_TITLE_HIGH_END : side == LU_BAR_ABOVE ? 0 : LU_BAR_TITLE_NEAR;
        default:
            return upright ? LU_BAR_TITLE_LOW_END : side == LU_BAR_BELOW ? 0 : LU_BAR_TITLE_NEAR;
    }
}

static const int cap_options[4] = {0, LU_BAR_CAP_UNDER, LU_BAR_CAP_OVER,
                                   LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER};
static const char* const cap_names[4] = {"No caps", "Low cap", "High cap", "Low and high caps"};

/* One panel of a colour-bar page: a box with room on every side and a bar half as long as
 * each side of it, of the kind, with the caps (within its length) and the label's place. */
static void colour_bar_panel(int kind, int label, int cap) {
    static const int sides[4] = {LU_BAR_LEFT, LU_BAR_RIGHT, LU_BAR_ABOVE, LU_BAR_BELOW};
    static const char* const side_names[4] = {"Left", "Right", "Top", "Bottom"};
    static const float even[9] = {-2, -1, 0, 1, 2, 3, 4, 5, 6};
    static const float uneven[9] = {-1, 2, 2.6f, 3.4f, 6, 7, 8, 9, 10};
    const float* levels = kind == kShades ? even : kind == kUnevenShades ? uneven : NULL;
    char text[64];
    check(lu_plot_frame(0.0f, 1.0f, 0.0f, 1.0f,
                        LU_PLOT_NO_BOX | LU_PLOT_ROOM_LEFT | LU_PLOT_ROOM_RIGHT |
                            LU_PLOT_ROOM_ABOVE | LU_PLOT_ROOM_BELOW),
          "lu_plot_frame");
    check(lu_plot_box("bc", 0.0f, 0, "bc", 0.0f, 0), "lu_plot_box");
    snprintf(text, sizeof text, "%s colour bars - %s", kind_names[kind], cap_names[cap]);
    check(lu_plot_labels(NULL, NULL, text), "lu_plot_labels");
    for (int k = 0; k < 4; ++k) {
        snprintf(text, sizeof text, "%s, %s", side_names[k], label_names[label]);
        check(lu_draw_colour_bar_shaped(
                  sides[k], 0.03f, 0.025f, 0.5f, levels, levels ? 9 : 0,
                  cap_options[cap] | LU_BAR_CAPS_INSIDE | title_place(label, sides[k]), text),
              "lu_draw_colour_bar_shaped");
    }
}

/* PLplot's colour-bar pages of a kind and label place, one for each choice of caps, as
 * the four panels of one page. */
static void colour_bar_page(int kind, int label) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_subpages(2, 2), "lu_plot_subpages");
    check(lu_plot_set_text_scale(0.75f), "lu_plot_set_text_scale");
    check(lu_set_colour_map(LU_MAP_SEQUENTIAL, kind == kUnevenShades ? -1.0f : -2.0f,
                            kind == kUnevenShades ? 10.0f : 6.0f),
          "lu_set_colour_map");
    check(lu_set_colour_map_extremes(-2, -2, -1), "lu_set_colour_map_extremes");
    for (int cap = 0; cap < 4; ++cap) colour_bar_panel(kind, label, cap);
}

int main(void) {
    /* Pages of 1024 x 768 pixels, so that the colour-bar pages' four panels have room. */
    check(lu_initialize(-1, -1, -1, 1024, 768, -1, -1, -1, -1), "lu_initialize");
    positions();
    arrangements();
    staircase();
    kinds();
    for (int kind = 0; kind < kKinds; ++kind) {
        for (int label = 0; label < kLabelSides; ++label) colour_bar_page(kind, label);
    }
    lu_quit();
    return 0;
}
