/* x29: PLplot's example 29 in Lumora's idiom: time axes. Page 1: a day's temperature in
 * hours and minutes, with error bars in time and temperature. Page 2: the hours of
 * daylight at 51.5 degrees north through a year, dated "Jan 01". Page 3: hours of
 * television watched, December 2005 to January 2006, in ISO dates every two weeks, with
 * markers. Pages 4 to 10: TAI - UTC from 1950 to 2020 and near the steps of 1961-08-01,
 * 1963-11-01 and 2009-01-01, over seconds of TAI, each step once numbered in TAI and
 * once in UTC. The program computes TAI - UTC from the table of the offsets in force
 * since 1961. Each page is a window of its own. Every call is checked: a failed one ends
 * the program with status 1. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "lumora.h"

enum { kMaxPoints = 1001 };

static void check(int result, const char* what) {
    if (result == 0) {
        fprintf(stderr, "port_x29: %s failed\n", what);
        exit(1);
    }
}

static const double kPi = 3.14159265358979;
static const double kDay = 86400.0;

static int red(void) {
    return lu_make_rgb_colour(255, 0, 0);
}
static int yellow(void) {
    return lu_make_rgb_colour(190, 150, 0);
}
static int green(void) {
    return lu_make_rgb_colour(0, 170, 0);
}
static int aquamarine(void) {
    return lu_make_rgb_colour(0, 150, 130);
}

/* Days from 1970-01-01 to a date of the proleptic Gregorian calendar (month 1 ... 12). */
static long days_from_civil(long y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

static double utc_seconds(int y, int m, int d, double s) {
    return (double)days_from_civil(y, m, d) * kDay + s;
}

/* TAI - UTC in seconds at a UTC time: offset + (MJD - base) rate from each date on. */
static const struct {
    int y, m, d;
    double offset, base, rate;
} kSteps[] = {
    {1961, 1, 1, 1.4228180, 37300, 0.001296},
    {1961, 8, 1, 1.3728180, 37300, 0.001296},
    {1962, 1, 1, 1.8458580, 37665, 0.0011232},
    {1963, 11, 1, 1.9458580, 37665, 0.0011232},
    {1964, 1, 1, 3.2401300, 38761, 0.001296},
    {1964, 4, 1, 3.3401300, 38761, 0.001296},
    {1964, 9, 1, 3.4401300, 38761, 0.001296},
    {1965, 1, 1, 3.5401300, 38761, 0.001296},
    {1965, 3, 1, 3.6401300, 38761, 0.001296},
    {1965, 7, 1, 3.7401300, 38761, 0.001296},
    {1965, 9, 1, 3.8401300, 38761, 0.001296},
    {1966, 1, 1, 4.3131700, 39126, 0.002592},
    {1968, 2, 1, 4.2131700, 39126, 0.002592},
    {1972, 1, 1, 10, 0, 0},
    {1972, 7, 1, 11, 0, 0},
    {1973, 1, 1, 12, 0, 0},
    {1974, 1, 1, 13, 0, 0},
    {1975, 1, 1, 14, 0, 0},
    {1976, 1, 1, 15, 0, 0},
    {1977, 1, 1, 16, 0, 0},
    {1978, 1, 1, 17, 0, 0},
    {1979, 1, 1, 18, 0, 0},
    {1980, 1, 1, 19, 0, 0},
    {1981, 7, 1, 20, 0, 0},
    {1982, 7, 1, 21, 0, 0},
    {1983, 7, 1, 22, 0, 0},
    {1985, 7, 1, 23, 0, 0},
    {1988, 1, 1, 24, 0, 0},
    {1990, 1, 1, 25, 0, 0},
    {1991, 1, 1, 26, 0, 0},
    {1992, 7, 1, 27, 0, 0},
    {1993, 7, 1, 28, 0, 0},
    {1994, 7, 1, 29, 0, 0},
    {1996, 1, 1, 30, 0, 0},
    {1997, 7, 1, 31, 0, 0},
    {1999, 1, 1, 32, 0, 0},
    {2006, 1, 1, 33, 0, 0},
    {2009, 1, 1, 34, 0, 0},
    {2012, 7, 1, 35, 0, 0},
    {2015, 7, 1, 36, 0, 0},
    {2017, 1, 1, 37, 0, 0},
};

static double tai_minus_utc(double utc) {
    const int n = (int)(sizeof kSteps / sizeof kSteps[0]);
    int k = 0; /* before 1961 the first offset holds */
    while (k + 1 < n && utc >= utc_seconds(kSteps[k + 1].y, kSteps[k + 1].m, kSteps[k + 1].d, 0))
        ++k;
    const double mjd = utc / kDay + 40587.0;
    const double start = (double)days_from_civil(kSteps[k].y, kSteps[k].m, kSteps[k].d) + 40587.0;
    return kSteps[k].offset + (fmax(mjd, start) - kSteps[k].base) * kSteps[k].rate;
}

/* TAI - UTC at a TAI time (read as a calendar time): the UTC time it stands for, found by
 * two steps back from TAI. */
static double offset_at_tai(double tai) {
    return tai_minus_utc(tai - tai_minus_utc(tai - tai_minus_utc(tai)));
}

static void frame(double origin, double x1, double x2, float y1, float y2, const char* format,
                  float x_step, int x_subticks, float y_step, int y_subticks) {
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_set_time_origin(origin), "lu_plot_set_time_origin");
    check(lu_plot_set_colours(red(), red(), green(), green(), -1), "lu_plot_set_colours");
    check(lu_plot_set_time_format(format), "lu_plot_set_time_format");
    check(lu_plot_frame((float)x1, (float)x2, y1, y2, LU_PLOT_TIME_X | LU_PLOT_NO_BOX),
          "lu_plot_frame");
    check(lu_plot_box("bcnstd", x_step, x_subticks, "bcnst", y_step, y_subticks), "lu_plot_box");
}

static void temperature(void) {
    enum { n = 73 };
    float x[n], y[n], x1[n], x2[n], y1[n], y2[n];
    for (int i = 0; i < n; ++i) {
        x[i] = (float)(kDay * i / n);
        y[i] = (float)(15.0 - 5.0 * cos(2 * kPi * i / n));
        x1[i] = x[i] - 300.0f;
        x2[i] = x[i] + 300.0f;
        y1[i] = y[i] - 0.1f;
        y2[i] = y[i] + 0.1f;
    }
    frame(0.0, 0.0, kDay, 10.0f, 20.0f, "%H:%M", 3.0f * 3600.0f, 3, 1.0f, 5);
    check(lu_plot_labels("Time (hours:mins)", "Temperature (degC)",
                         "PLplot Example 29 - Daily temperature"),
          "lu_plot_labels");
    check(lu_set_pen(aquamarine(), 0, 0, -1), "lu_set_pen");
    check(lu_plot_line(n, x, y), "lu_plot_line");
    check(lu_set_pen(yellow(), 0, 0, -1), "lu_set_pen");
    check(lu_plot_error_x(n, x1, x2, y), "lu_plot_error_x");
    check(lu_set_pen(green(), 0, 0, -1), "lu_set_pen");
    check(lu_plot_error_y(n, x, y1, y2), "lu_plot_error_y");
}

static void daylight(void) {
    enum { n = 365 };
    float x[n], y[n];
    const double lat = 51.5 * kPi / 180.0;
    for (int j = 0; j < n; ++j) {
        x[j] = (float)(j * kDay);
        const double p =
            asin(0.39795 * cos(0.2163108 + 2 * atan(0.9671396 * tan(0.00860 * (j - 186)))));
        y[j] = (float)(24.0 - (24.0 / kPi) * acos((sin(0.8333 * kPi / 180.0) + sin(lat) * sin(p)) /
                                                  (cos(lat) * cos(p))));
    }
    check(lu_open_window(0), "lu_open_window");
    check(lu_plot_set_colours(red(), red(), green(), green(), -1), "lu_plot_set_colours");
    check(lu_plot_set_time_format("%b %d"), "lu_plot_set_time_format");
    check(lu_plot_set_number_format(LU_PLOT_Y_NUMBERS, "%.1f"), "lu_plot_set_number_format");
    check(lu_plot_frame(0.0f, (float)(n * kDay), 0.0f, 24.0f, LU_PLOT_TIME_X), "lu_plot_frame");
    check(lu_plot_labels("Date", "Hours of daylight",
                         "PLplot Example 29 - Hours of daylight at 51.5N"),
          "lu_plot_labels");
    check(lu_set_pen(aquamarine(), 0, 0, -1), "lu_set_pen");
    check(lu_plot_line(n, x, y), "lu_plot_line");
}

static void television(void) {
    enum { n = 62 };
    float x[n], y[n];
    for (int i = 0; i < n; ++i) {
        x[i] = (float)(i * kDay);
        y[i] = (float)(1.0 + sin(2 * kPi * i / 7.0) + exp((double)(i < n - i ? i : n - i) / 31.0));
    }
    /* The times run from 2005-12-01; the origin keeps them small for 32-bit reals. */
    frame(utc_seconds(2005, 12, 1, 0.0), 0.0, n * kDay, 0.0f, 5.0f, "%Y-%m-%d", (float)(14 * kDay),
          14, 1.0f, 4);
    check(lu_plot_labels("Date", "Hours of television watched",
                         "PLplot Example 29 - Hours of television watched in Dec 2005 / Jan 2006"),
          "lu_plot_labels");
    check(lu_set_pen(aquamarine(), 0, 0, -1), "lu_set_pen");
    check(lu_plot_points(n, x, y, 1), "lu_plot_points");
    check(lu_plot_line(n, x, y), "lu_plot_line");
}

/* TAI - UTC over TAI times from `from` to `to` around `epoch` (all TAI read as calendar
 * times), numbered in TAI or, with utc_numbers, in the UTC of the left end. */
static void leap(double epoch, double from, double to, float y1, float y2, const char* format,
                 float step, int utc_numbers, const char* x_label, const char* suffix) {
    static float x[kMaxPoints], y[kMaxPoints];
    const int n = step > 1000.0f ? 70 * 12 + 1 : kMaxPoints;
    for (int i = 0; i < n; ++i) {
        const double tai = from + i * (to - from) / (n - 1);
        x[i] = (float)(tai - epoch);
        y[i] = (float)offset_at_tai(tai);
    }
    const double shift = utc_numbers ? offset_at_tai(from) : 0.0;
    frame(epoch - shift, from - epoch, to - epoch, y1, y2, format, step > 1000.0f ? 0.0f : step, 0,
          0.0f, 0);
    char title[160];
    snprintf(title, sizeof title, "PLplot Example 29 - TAI-UTC %s", suffix);
    check(lu_plot_labels(x_label, "TAI-UTC (sec)", title), "lu_plot_labels");
    for (int i = 0; i < n; ++i) x[i] += (float)shift;
    check(lu_set_pen(aquamarine(), 0, 0, -1), "lu_set_pen");
    check(lu_plot_line(n, x, y), "lu_plot_line");
}

int main(void) {
    temperature();
    daylight();
    television();
    const double e1985 = utc_seconds(1985, 1, 2, 0.0);
    leap(e1985, utc_seconds(1950, 1, 2, 0.0), utc_seconds(2020, 1, 2, 0.0), 0.0f, 36.0f, "%Y",
         10.0f * 365.242198781f * 86400.0f, 0, "Year", "from 1950 to 2020");
    static const struct {
        int y, m;
        double s, half;
        float y1, y2, step;
        const char* suffix;
    } kNear[3] = {{1961, 8, 1.64757, 0.2, 1.625f, 1.725f, 0.05f, "near 1961-08-01 (TAI)"},
                  {1963, 11, 2.6972788, 0.2, 2.55f, 2.75f, 0.05f, "near 1963-11-01 (TAI)"},
                  {2009, 1, 34.0, 5.0, 32.5f, 34.5f, 1.0f, "near 2009-01-01 (TAI)"}};
    for (int k = 0; k < 3; ++k) {
        const double epoch = utc_seconds(kNear[k].y, kNear[k].m, 1, kNear[k].s);
        for (int utc = 0; utc <= 1; ++utc)
            leap(epoch, epoch - kNear[k].half, epoch + kNear[k].half, kNear[k].y1, kNear[k].y2,
                 "%S.%2f", kNear[k].step, utc,
                 utc ? "Seconds (TAI) labelled with corresponding UTC" : "Seconds (TAI)",
                 kNear[k].suffix);
    }
    lu_quit();
    return 0;
}
