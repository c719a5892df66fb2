// The entry points of number formats: a printf-like format for the numbers of the x and y
// axes, contour labels and colour bars, and a strftime-like one for time axes. Axis
// formats hold for the frames made after them in their window; contour and colour-bar
// formats for the contours and bars drawn after them.
#include <string>

#include "client/include/lumora.h"
#include "entry.h"
#include "fortran_text.h"
#include "plot_state.h"
#include "plotcore/fortran_format.h"
#include "plotcore/number_format.h"
#include "plotcore/time_format.h"

using namespace lumora::plot;

namespace {

constexpr int kAllNumbers = LU_PLOT_X_NUMBERS | LU_PLOT_Y_NUMBERS | LU_PLOT_CONTOUR_NUMBERS |
                            LU_PLOT_BAR_NUMBERS | LU_PLOT_TWIN_NUMBERS;

// A format as a message quotes it: a long one cut short.
std::string quoted(const std::string& format) {
    constexpr std::size_t kShown = 64;
    return "\"" + (format.size() <= kShown ? format : format.substr(0, kShown) + "...") + "\"";
}

int set_number_format(int which, const char* given) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    if (which <= 0 || (which & ~kAllNumbers) != 0) {
        return refuse(std::to_string(which) +
                      " names no numbers: a sum of LU_PLOT_X_NUMBERS, LU_PLOT_Y_NUMBERS, "
                      "LU_PLOT_CONTOUR_NUMBERS, LU_PLOT_BAR_NUMBERS and LU_PLOT_TWIN_NUMBERS");
    }
    std::string format = text_of(given);
    if (is_fortran_format(format)) {
        std::string why;
        const std::string converted = printf_of_fortran(format, why);
        if (converted.empty())
            return refuse("the Fortran format " + quoted(format) + " has " + why);
        format = converted;
    }
    if (!format.empty()) {
        if (const std::string why = number_format_problem(format); !why.empty())
            return refuse("the number format " + quoted(format) + " has " + why);
    }
    WindowPlot& s = plot_state(window);
    std::string* const targets[] = {&s.formats.x, &s.formats.y, &s.contour_format, &s.bar_format,
                                    &s.twin_format};
    const int bits[] = {LU_PLOT_X_NUMBERS, LU_PLOT_Y_NUMBERS, LU_PLOT_CONTOUR_NUMBERS,
                        LU_PLOT_BAR_NUMBERS, LU_PLOT_TWIN_NUMBERS};
    for (std::size_t i = 0; i < std::size(bits); ++i)
        if ((which & bits[i]) != 0) *targets[i] = format;
    return window;
}

int set_time_format(const char* given) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    const std::string format = text_of(given);
    if (const std::string why = time_format_problem(format); !why.empty())
        return refuse("the time format " + quoted(format) + " has " + why);
    plot_state(window).formats.time = format;
    return window;
}

}  // namespace

extern "C" {

int lu_plot_set_number_format(int which, const char* format) {
    return guarded(__func__, [&] { return set_number_format(which, format); });
}
int lu_plot_set_number_format_(int* result, const int* which, const char* format,
                               size_t format_length) {
    return guarded(__func__, [&] {
        const std::string f = fortran_text(format, format_length);
        return store(result, set_number_format(at(which), f.c_str()));
    });
}

int lu_plot_set_time_format(const char* format) {
    return guarded(__func__, [&] { return set_time_format(format); });
}
int lu_plot_set_time_format_(int* result, const char* format, size_t format_length) {
    return guarded(__func__, [&] {
        const std::string f = fortran_text(format, format_length);
        return store(result, set_time_format(f.c_str()));
    });
}

}  // extern "C"
