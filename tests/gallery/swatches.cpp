#include "swatches.h"

#include <string>

#include "client/include/lumora.h"
#include "client/include/lumora_plot.h"

namespace lumora::gallery {
namespace {

constexpr int kBlack = 0, kWhite = 1, kRed = 2, kBlue = 4, kGrey = 9, kNavy = 12;
constexpr float kLabel = 11;

void label(float x, float y, const std::string& text, int alignment = 0) {
    lu_set_font(kLabel, 0, alignment, 0, kBlack, nullptr);
    lu_draw_text(x, y, text.c_str());
}

void cross_at(float x, float y) {
    lu_set_pen(kRed, 0, 0, 0);
    lu_set_marker(1, 7, -1, 0, 0);
    lu_draw_marker(x, y);
}

// Alignment a: the text hangs off its anchor (the red cross), column a % 3, row a / 3.
void draw_alignments(const Tweak&) {
    use_page_world();
    for (int a = 0; a <= 8; ++a) {
        const float x = 55.0f + 105.0f * float(a % 3), y = 195.0f - 75.0f * float(a / 3);
        cross_at(x, y);
        lu_set_font(15, 0, a, 0, kNavy, nullptr);
        lu_draw_text(x, y, ("Align " + std::to_string(a)).c_str());
    }
}

void draw_pen_styles(const Tweak&) {
    use_page_world();
    for (int style = 0; style <= 9; ++style) {
        const float y = 225.0f - 23.0f * float(style);
        label(8, y + 5, std::to_string(style));
        lu_set_pen(kBlue, style, 1, 0);
        lu_draw_line(40, y, 310, y);
    }
}

void draw_pen_widths(const Tweak&) {
    use_page_world();
    const int widths[] = {0, 1, 2, 3, 5, 8, 12, 20};
    for (int i = 0; i < 8; ++i) {
        const float y = 220.0f - 28.0f * float(i);
        label(8, y + 5, std::to_string(widths[i]));
        lu_set_pen(kBlue, 0, widths[i], 0);
        lu_draw_line(50, y, 300, y);
    }
}

// Each mix mode as a red bar across a white, a grey and a blue band.
void draw_mix_modes(const Tweak&) {
    use_page_world();
    lu_set_pen(kBlack, 0, 0, 0);
    lu_draw_box_a22(0, 150, 320, 225, kGrey);
    lu_draw_box_a22(0, 30, 320, 105, kBlue);
    for (int mix = 0; mix <= 16; ++mix) {
        const float x = 10.0f + 18.0f * float(mix);
        label(x, 10, std::to_string(mix), 1);
        lu_set_pen(kRed, 0, 9, mix);
        lu_draw_line(x, 25, x, 235);
    }
}

// Entries 0 .. 35 in a grid of six by six, each labelled in black or white.
void draw_colour_table(const Tweak&) {
    use_page_world();
    for (int entry = 0; entry <= 35; ++entry) {
        const float x = 4.0f + 52.0f * float(entry % 6), y = 200.0f - 39.0f * float(entry / 6);
        lu_set_pen(kBlack, 0, 0, 0);
        lu_draw_box_a22(x, y, x + 50, y + 37, entry);
        lu_draw_box_a21(x, y, x + 50, y + 37);
        int red = 0, green = 0, blue = 0;
        lu_get_colour_entry(entry, &red, &green, &blue);
        const bool dark = 299 * red + 587 * green + 114 * blue < 128000;
        lu_set_font(kLabel, 0, 4, 0, dark ? kWhite : kBlack, nullptr);
        lu_draw_text(x + 25, y + 18, std::to_string(entry).c_str());
    }
}

// Every built-in colour map, then two maps of one's own from the same three colours,
// blended in sRGB and in OKLab: a strip each, low values at the left.
void draw_colour_maps(const Tweak&) {
    use_page_world();
    const int own[] = {lu_make_rgb_colour(20, 30, 120), lu_make_rgb_colour(240, 240, 240),
                       lu_make_rgb_colour(200, 60, 20)};
    lu_define_colour_map(LU_MAP_OWN + 1, 3, nullptr, own, LU_MAP_BLEND_RGB);
    lu_define_colour_map(LU_MAP_OWN + 2, 3, nullptr, own, LU_MAP_BLEND_OKLAB);
    const struct {
        int map;
        const char* name;
    } maps[] = {{LU_MAP_SEQUENTIAL, "SEQUENTIAL"},
                {LU_MAP_DIVERGING, "DIVERGING"},
                {LU_MAP_GREY, "GREY"},
                {LU_MAP_VIRIDIS, "VIRIDIS"},
                {LU_MAP_MAGMA, "MAGMA"},
                {LU_MAP_CIVIDIS, "CIVIDIS"},
                {LU_MAP_INFERNO, "INFERNO"},
                {LU_MAP_PLASMA, "PLASMA"},
                {LU_MAP_OWN + 1, "own, RGB"},
                {LU_MAP_OWN + 2, "own, OKLAB"}};
    constexpr int kSteps = 64;
    for (int m = 0; m < 10; ++m) {
        const float y = 219.0f - 23.0f * float(m);
        label(6, y + 4, maps[m].name);
        lu_set_colour_map(maps[m].map, 0, kSteps - 1);
        for (int k = 0; k < kSteps; ++k) {
            const float x = 100.0f + 3.3f * float(k);
            lu_fill_rectangle(x, y - 2, x + 3.4f, y + 14, lu_colour_of_value(float(k)));
        }
    }
    lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 1);
}

// Types 0 .. 6: outlined above, filled (a nonzero fourth value) below.
void draw_marker_types(const Tweak&) {
    use_page_world();
    for (int type = 0; type <= 6; ++type) {
        const float x = 25.0f + 45.0f * float(type);
        label(x, 210, std::to_string(type), 1);
        lu_set_pen(kBlue, 0, 0, 0);
        lu_set_marker(type, 21, -1, 0, 0);
        lu_draw_marker(x, 150);
        lu_set_marker(type, 21, -1, 1, 0);
        lu_draw_marker(x, 80);
    }
    label(4, 20, "above: outlined; below: fourth value 1 (filled)");
}

// Modes 0 .. 4: the same hatching with the rectangle (grey frame) set in that mode.
void draw_rectangle_modes(const Tweak&) {
    use_page_world();
    for (int mode = 0; mode <= 4; ++mode) {
        const float left = 4.0f + 63.0f * float(mode);
        label(left + 30, 215, std::to_string(mode), 1);
        lu_set_rectangle_mode(left + 15, 70, left + 45, 170, mode);
        lu_set_pen(kBlue, 0, 2, 0);
        for (float d = 0; d <= 180; d += 12) lu_draw_line(left, 40 + d, left + 60, 20 + d);
        lu_set_rectangle_mode(0, 0, 0, 0, 0);
        lu_set_pen(kGrey, 0, 0, 0);
        lu_draw_box_a21(left + 15, 70, left + 45, 170);
    }
}

// The figures 'A' 21 .. 27, and a star filled with polygon rule 0 and with rule 1.
void draw_figure_kinds(const Tweak&) {
    use_page_world();
    lu_set_pen(kBlue, 0, 2, 0);
    lu_draw_box_a21(8, 140, 72, 200);
    lu_draw_box_a22(88, 140, 152, 200, kRed);
    lu_draw_box_a23(168, 140, 232, 200, 20, 20);
    lu_draw_box_a24(248, 140, 312, 200);
    lu_draw_arc_a25(8, 30, 72, 90, 0.125f, 0.75f);
    lu_draw_arc_a26(88, 30, 152, 90, 0.125f, 0.75f);
    lu_draw_arc_a27(168, 30, 232, 90, 0.125f, 0.75f);
    const char* names[] = {"21 box", "22 filled", "23 rounded", "24 ellipse",
                           "25 arc", "26 chord",  "27 pie",     "rule 0 | 1"};
    for (int i = 0; i < 8; ++i)
        label(40.0f + 80.0f * float(i % 4), i < 4 ? 222.0f : 112.0f, names[i], 1);
    for (int rule = 0; rule <= 1; ++rule) {
        const float cx = 262.0f + 38.0f * float(rule), cy = 60;
        const float star[] = {cx,      cy + 30, cx - 17, cy - 24, cx + 28,
                              cy + 10, cx - 28, cy + 10, cx + 17, cy - 24};
        lu_set_pen(kNavy, 0, 0, 0);
        lu_draw_polygon(star, 5, rule);
    }
}

// Patterns 0 ... 8 of lu_plot_hatch, each a square of the plotting layer outlined after.
void draw_hatch_patterns(const Tweak&) {
    lu_plot_frame(0, 9, -0.3f, 1, LU_PLOT_NO_BOX);
    for (int p = 0; p <= 8; ++p) {
        const float x0 = float(p) + 0.1f, x1 = x0 + 0.8f;
        const float xs[] = {x0, x1, x1, x0, x0}, ys[] = {0, 0, 0.9f, 0.9f, 0};
        lu_set_pen(kNavy, 0, 0, 0);
        lu_plot_hatch(p);
        lu_plot_fill(4, xs, ys);
        lu_plot_hatch(LU_HATCH_SOLID);
        lu_plot_line(5, xs, ys);
        lu_set_font(0.12f, 0, 1, 0, kBlack, nullptr);
        lu_draw_text(x0 + 0.4f, -0.1f, std::to_string(p).c_str());
    }
}

}  // namespace

const std::vector<Scene>& swatches() {
    static const std::vector<Scene> list = {
        {"text-alignments", draw_alignments, {}},      {"pen-styles", draw_pen_styles, {}},
        {"pen-widths", draw_pen_widths, {}},           {"mix-modes", draw_mix_modes, {}},
        {"colour-table", draw_colour_table, {}},       {"marker-types", draw_marker_types, {}},
        {"rectangle-modes", draw_rectangle_modes, {}}, {"figures", draw_figure_kinds, {}},
        {"colour-maps", draw_colour_maps, {}},         {"hatch-patterns", draw_hatch_patterns, {}},
    };
    return list;
}

}  // namespace lumora::gallery
