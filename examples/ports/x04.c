/* x04: PLplot's example 4 in Lumora's idiom: the Bode plot of a single-pole low-pass
 * filter on two pages. Page 1: the amplitude in dB over a log frequency axis with a
 * "-20 dB/decade" note turned along the slope, and the phase shift with asterisks on a
 * second y scale at the right (a twin axis); a legend on a translucent background in
 * the upper right corner. Page 2: the amplitude alone, the frequencies in fixed point, with a grid
 * at ticks and subticks. Each page is a window of its own. Every call is checked: a
 * failed one ends the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kPoints = 101 };

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x04: %s failed\n", what);
        exit(1);
    }
}

/* PLplot's red, yellow and green, the yellow darkened for a white page. */
static int red(void) {
    return lu_make_rgb_colour(255, 0, 0);
}
static int yellow(void) {
    return lu_make_rgb_colour(190, 150, 0);
}
static int green(void) {
    return lu_make_rgb_colour(0, 170, 0);
}

/* A text centred on the world point (x, y) and turned along the world direction (dx, dy),
 * as it shows on the device. */
static void text_along(float x, float y, float dx, float dy, int colour, const char* text) {
    int x0, y0, x1, y1;
    check(lu_world_to_device(x, y, &x0, &y0), "lu_world_to_device");
    check(lu_world_to_device(x + dx, y + dy, &x1, &y1), "lu_world_to_device");
    /* Device y runs downward; the angle is in full turns counterclockwise. */
    const float turns = atan2f((float)(y0 - y1), (float)(x1 - x0)) / 6.2831853f;
    check(lu_set_font(0.0f, turns, 4, 0, colour, NULL), "lu_set_font");
    check(lu_draw_text(x, y, text), "lu_draw_text");
    check(lu_set_font(-1.0f, 0.0f, -1, -1, -1, NULL), "lu_set_font");
}

static void page(int with_phase) {
    float freq[kPoints], ampl[kPoints], phase[kPoints];
    for (int i = 0; i < kPoints; ++i) {
        const double f = pow(10.0, -2.0 + i / 20.0);
        freq[i] = (float)f;
        ampl[i] = (float)(20.0 * log10(1.0 / sqrt(1.0 + f * f)));
        phase[i] = (float)(-(180.0 / 3.14159265358979) * atan(f));
    }
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_set_colours(red(), red(), red(), red(), red()), "lu_plot_set_colours");
    /* The amplitude's axis labelled in the amplitude's colour. */
    check(lu_plot_label_colours(-1, yellow(), -1), "lu_plot_label_colours");
    if (with_phase) {
        check(lu_plot_frame(0.01f, 1000.0f, -80.0f, 0.0f, LU_PLOT_LOG_X | LU_PLOT_ROOM_TWIN_Y),
              "lu_plot_frame");
    } else {
        /* Fixed-point decades and a grid at ticks and subticks. */
        check(lu_plot_set_grid(0, 1), "lu_plot_set_grid");
        check(lu_plot_frame(0.01f, 1000.0f, -80.0f, 0.0f, LU_PLOT_LOG_X | LU_PLOT_NO_BOX),
              "lu_plot_frame");
        check(lu_plot_box("bcfglnst", 0.0f, 0, "bcgnst", 0.0f, 0), "lu_plot_box");
    }
    check(lu_plot_labels("Frequency", "Amplitude (dB)", "Single Pole Low-Pass Filter"),
          "lu_plot_labels");
    check(lu_set_pen(yellow(), 0, 0, -1), "lu_set_pen");
    check(lu_plot_line(kPoints, freq, ampl), "lu_plot_line");
    /* The note lies along the slope: one decade to the right, 20 dB down. The world's x
     * of a log frame holds the decades' exponents. */
    float wx1;
    check(lu_get_world(&wx1, NULL, NULL, NULL), "lu_get_world");
    const int log_world = fabsf(wx1 + 2.0f) < 1e-3f;
    const float at = log_world ? 1.6f : powf(10.0f, 1.6f);
    const float step = log_world ? 1.0f : powf(10.0f, 2.6f) - at;
    text_along(at, -30.0f, step, -20.0f, yellow(), "-20 dB/decade");

    check(lu_plot_legend_text_colour(-1), "lu_plot_legend_text_colour");
    check(lu_plot_legend_entry("Amplitude", yellow(), 0, 0), "lu_plot_legend_entry");
    if (with_phase) {
        /* The phase in steps of 30 degrees with 3 subticks, labelled in its curve's colour. */
        check(lu_plot_twin_style(30.0f, 3, -1, green()), "lu_plot_twin_style");
        check(lu_plot_twin_y(-95.0f, 5.0f, 0, "Phase shift (degrees)"), "lu_plot_twin_y");
        check(lu_set_pen(green(), 0, 0, -1), "lu_set_pen");
        check(lu_plot_line(kPoints, freq, phase), "lu_plot_line (phase)");
        check(lu_plot_points(kPoints, freq, phase, 2), "lu_plot_points (phase)");
        check(lu_plot_legend_entry("Phase shift", green(), 0, 2), "lu_plot_legend_entry");
    }
    /* PLplot's background is translucent (opacity 0.7); the texts and samples stay whole. */
    check(lu_plot_legend_opacity(0.7f), "lu_plot_legend_opacity");
    check(lu_plot_legend_at(LU_PLOT_LEGEND_RIGHT | LU_PLOT_LEGEND_TOP, 0.0f, 0.0f, 1,
                            lu_make_rgb_colour(224, 224, 224)),
          "lu_plot_legend_at");
}

int main(void) {
    page(1);
    page(0);
    lu_quit();
    return 0;
}
