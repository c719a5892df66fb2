/* x33: PLplot's example 33 in Lumora's idiom: legends. Page 1: the sixteen legend
 * positions inside and outside a box, each a one-entry legend "00" ... "15" (a line with
 * asterisks) in its own colour on a grey background. Page 2: one legend of seven entries
 * placed seven ways: in a row above and below the box, in a column left and right of it,
 * and in two or three columns inside it. Page 3: legends of one to five entries in a
 * staircase, filled column by column in rows of three. Page 4: the kinds of entries:
 * none, boxes, lines, markers and lines with markers, in colours, marker kinds, line
 * styles and widths. Pages 5 to 8: a representative set of PLplot's colour-bar pages,
 * a box with a colour bar on each of its four sides, each titled with its kind and side:
 * the map as a continuous strip without caps, nine shade levels with both caps, the strip
 * with the low cap, shades with the high cap. Each page is a window of its own. Every
 * call is checked: a failed one ends the program with status 1. */
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

/* One colour-bar page: a box with room on every side and a bar on each side of it, of
 * the kind (shades: nine levels, else the continuous map) and with the caps. */
static void colour_bar_page(const char* kind, int shades, int caps) {
    static const int sides[4] = {LU_BAR_LEFT, LU_BAR_RIGHT, LU_BAR_ABOVE, LU_BAR_BELOW};
    static const char* const side_names[4] = {"Left", "Right", "Upper", "Lower"};
    float levels[9];
    char text[64];
    for (int i = 0; i < 9; ++i) levels[i] = -1.0f + 0.25f * (float)i;
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(0.0f, 1.0f, 0.0f, 1.0f,
                        LU_PLOT_NO_BOX | LU_PLOT_ROOM_LEFT | LU_PLOT_ROOM_RIGHT |
                            LU_PLOT_ROOM_ABOVE | LU_PLOT_ROOM_BELOW),
          "lu_plot_frame");
    check(lu_plot_box("bc", 0.0f, 0, "bc", 0.0f, 0), "lu_plot_box");
    snprintf(text, sizeof text, "Colour bars: %s", kind);
    check(lu_plot_labels(NULL, NULL, text), "lu_plot_labels");
    check(lu_set_colour_map(LU_MAP_SEQUENTIAL, -1.0f, 1.0f), "lu_set_colour_map");
    check(lu_set_colour_map_extremes(-2, -2, -1), "lu_set_colour_map_extremes");
    for (int k = 0; k < 4; ++k) {
        snprintf(text, sizeof text, "%s Color Bar (%s)", kind, side_names[k]);
        check(lu_draw_colour_bar_at(sides[k], 0.02f, 0.04f, shades ? levels : NULL, shades ? 9 : 0,
                                    caps, text),
              "lu_draw_colour_bar_at");
    }
}

int main(void) {
    positions();
    arrangements();
    staircase();
    kinds();
    colour_bar_page("Image", 0, 0);
    colour_bar_page("Shade", 1, LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER);
    colour_bar_page("Gradient", 0, LU_BAR_CAP_UNDER);
    colour_bar_page("Shade", 1, LU_BAR_CAP_OVER);
    lu_quit();
    return 0;
}
