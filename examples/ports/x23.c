/* x23: PLplot's example 23 in Lumora's idiom: tables of glyphs, one page each, every cell
 * naming its character (U+hhhh) above the character itself: the Greek letters, the
 * glyphs of the Type 1 symbol font by code point in three pages, and the Unicode blocks
 * Number Forms, Arrows (two pages) and Mathematical Operators (four pages); then a page
 * of 30 lines in the five font families, three styles and two weights. Characters are
 * sent as UTF-8 text. Each page is a window of its own. Every call is checked: a failed
 * one ends the program with status 1. */
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x23: %s failed\n", what);
        exit(1);
    }
}

static const int type1[] = {
    0x0020, 0x0021, 0x0023, 0x0025, 0x0026, 0x0028, 0x0029, 0x002b, 0x002c, 0x002e, 0x002f, 0x0030,
    0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003a, 0x003b, 0x003c,
    0x003d, 0x003e, 0x003f, 0x005b, 0x005d, 0x005f, 0x007b, 0x007c, 0x007d, 0x00a9, 0x00ac, 0x00ae,
    0x00b0, 0x00b1, 0x00d7, 0x00f7, 0x0192, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,
    0x0398, 0x0399, 0x039a, 0x039b, 0x039c, 0x039d, 0x039e, 0x039f, 0x03a0, 0x03a1, 0x03a3, 0x03a4,
    0x03a5, 0x03a6, 0x03a7, 0x03a8, 0x03a9, 0x03b1, 0x03b2, 0x03b3, 0x03b4, 0x03b5, 0x03b6, 0x03b7,
    0x03b8, 0x03b9, 0x03ba, 0x03bb, 0x03bc, 0x03bd, 0x03be, 0x03bf, 0x03c0, 0x03c1, 0x03c2, 0x03c3,
    0x03c4, 0x03c5, 0x03c6, 0x03c7, 0x03c8, 0x03c9, 0x03d1, 0x03d2, 0x03d5, 0x03d6, 0x2022, 0x2026,
    0x2032, 0x2033, 0x203e, 0x2044, 0x2111, 0x2118, 0x211c, 0x2122, 0x2126, 0x2135, 0x2190, 0x2191,
    0x2192, 0x2193, 0x2194, 0x21b5, 0x21d0, 0x21d1, 0x21d2, 0x21d3, 0x21d4, 0x2200, 0x2202, 0x2203,
    0x2205, 0x2206, 0x2207, 0x2208, 0x2209, 0x220b, 0x220f, 0x2211, 0x2212, 0x2215, 0x2217, 0x221a,
    0x221d, 0x221e, 0x2220, 0x2227, 0x2228, 0x2229, 0x222a, 0x222b, 0x2234, 0x223c, 0x2245, 0x2248,
    0x2260, 0x2261, 0x2264, 0x2265, 0x2282, 0x2283, 0x2284, 0x2286, 0x2287, 0x2295, 0x2297, 0x22a5,
    0x22c5, 0x2320, 0x2321, 0x2329, 0x232a, 0x25ca, 0x2660, 0x2663, 0x2665, 0x2666,
};

static const char* const titles[11] = {
    "PLplot Example 23 - Greek Letters",
    "PLplot Example 23 - Type 1 Symbol Font Glyphs by Unicode (a)",
    "PLplot Example 23 - Type 1 Symbol Font Glyphs by Unicode (b)",
    "PLplot Example 23 - Type 1 Symbol Font Glyphs by Unicode (c)",
    "PLplot Example 23 - Number Forms Unicode Block",
    "PLplot Example 23 - Arrows Unicode Block (a)",
    "PLplot Example 23 - Arrows Unicode Block (b)",
    "PLplot Example 23 - Mathematical Operators Unicode Block (a)",
    "PLplot Example 23 - Mathematical Operators Unicode Block (b)",
    "PLplot Example 23 - Mathematical Operators Unicode Block (c)",
    "PLplot Example 23 - Mathematical Operators Unicode Block (d)",
};
static const int lo[11] = {0x0,    0x0,    0x40,   0x80,   0x2153, 0x2190,
                           0x21d0, 0x2200, 0x2240, 0x2280, 0x22c0};
static const int hi[11] = {0x30,   0x40,   0x80,   0xA6,   0x2184, 0x21d0,
                           0x2200, 0x2240, 0x2280, 0x22c0, 0x2300};

/* The code point of cell `slice` of a page. */
static int code_point(int page, int slice) {
    if (page == 0) {
        /* PLplot's order: the 24 capitals, then the 24 small letters; U+03A2 and the
         * final sigma U+03C2 are not among them. */
        const int base = slice < 24 ? 0x391 : 0x3b1;
        const int k = slice % 24;
        return base + k + (k >= 17 ? 1 : 0);
    }
    if (page <= 3) return type1[lo[page] + slice];
    return lo[page] + slice;
}

static void utf8(int c, char* out) {
    if (c < 0x80) {
        out[0] = (char)c;
        out[1] = 0;
    } else if (c < 0x800) {
        out[0] = (char)(0xc0 | (c >> 6));
        out[1] = (char)(0x80 | (c & 0x3f));
        out[2] = 0;
    } else {
        out[0] = (char)(0xe0 | (c >> 12));
        out[1] = (char)(0x80 | ((c >> 6) & 0x3f));
        out[2] = (char)(0x80 | (c & 0x3f));
        out[3] = 0;
    }
}

static void glyph_page(int page) {
    const int columns = page == 0 ? 12 : 8, rows = 8;
    const float dx = 1.0f / (float)columns, dy = 1.0f / (float)rows;
    check(lu_open_window(0), "lu_open_window");
    const int gold = lu_make_rgb_colour(190, 150, 0);
    check(lu_plot_set_colours(gold, -1, -1, -1, gold), "lu_plot_set_colours");
    check(lu_plot_set_grid(0, 0), "lu_plot_set_grid");
    check(lu_plot_frame(0.0f, 1.0f, 0.0f, 1.0f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_box("bcg", dx, 0, "bcg", dy, 0), "lu_plot_box");
    check(lu_plot_labels(NULL, NULL, titles[page]), "lu_plot_labels");
    const int count = hi[page] - lo[page];
    const float height = 0.34f * dy;
    int slice = 0;
    for (int j = rows - 1; j >= 0 && slice < count; --j) {
        const float y = (0.5f + (float)j) * dy;
        for (int i = 0; i < columns && slice < count; ++i, ++slice) {
            const float x = (0.5f + (float)i) * dx;
            const int c = code_point(page, slice);
            char name[16], text[8];
            snprintf(name, sizeof name, "U+%04X", c);
            utf8(c, text);
            /* The name above the middle of the cell, the character below it. */
            check(lu_set_font(0.6f * height, 0.0f, 7, 0, 0, NULL), "lu_set_font");
            check(lu_draw_text(x, y + 0.06f * dy, name), "lu_draw_text (name)");
            check(lu_set_font(height, 0.0f, 1, 0, 0, NULL), "lu_set_font");
            check(lu_draw_text(x, y - 0.04f * dy, text), "lu_draw_text (glyph)");
        }
    }
}

static void font_page(void) {
    static const char* const family[5] = {"sans-serif", "serif", "monospace", "script", "symbol"};
    /* The faces the window process is asked for, one a family. */
    static const char* const face[5] = {"sans-serif", "serif", "monospace", "cursive", "Symbol"};
    static const char* const style[3] = {"upright", "italic", "oblique"};
    static const char* const weight[2] = {"medium", "bold"};
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_frame(0.0f, 1.0f, 0.0f, 1.0f, LU_PLOT_NO_BOX), "lu_plot_frame");
    check(lu_plot_labels(NULL, NULL, "PLplot Example 23 - Set Font with lu_set_font"),
          "lu_plot_labels");
    for (int i = 0; i < 30; ++i) {
        const int f = i % 5, s = (i / 5) % 3, w = (i / 15) % 2;
        char line[200];
        snprintf(line, sizeof line,
                 "Page 12, %s, %s, %s:  The quick brown fox jumps over the lazy dog", family[f],
                 style[s], weight[w]);
        /* Style bits: 1 bold, 2 italic, 32 oblique. */
        const int bits = (w ? 1 : 0) | (s == 1 ? 2 : 0) | (s == 2 ? 32 : 0);
        check(lu_set_font(0.022f, 0.0f, 3, bits, 0, face[f]), "lu_set_font");
        check(lu_draw_text(0.0f, 1.0f - ((float)i + 0.5f) * 0.03f, line), "lu_draw_text");
    }
}

int main(void) {
    for (int page = 0; page < 11; ++page) glyph_page(page);
    font_page();
    lu_quit();
    return 0;
}
