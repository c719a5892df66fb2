// The entry points of frame styles: colours of the box, numbers, labels, title and grid,
// the grid's line, the named styles, and the labels' own colours. A style holds for the frames made
// after it in its window.
#include <cstdint>
#include <string>

#include "client/include/lumora.h"
#include "entry.h"
#include "plot_state.h"
#include "plotcore/batch_format.h"
#include "plotcore/frame_style.h"

using namespace lumora::plot;
namespace plotcore = lumora::plotcore;

namespace {

int set_colours(int box, int numbers, int labels, int title, int grid) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    for (int colour : {box, numbers, labels, title, grid}) {
        if (!colour_or_minus_one(colour))
            return refuse(std::to_string(colour) + " is no colour value (-1 keeps a colour)");
    }
    plotcore::FrameStyle& s = plot_state(window).style;
    int* const targets[] = {&s.box, &s.numbers, &s.labels, &s.title, &s.grid};
    const int given[] = {box, numbers, labels, title, grid};
    for (std::size_t i = 0; i < std::size(given); ++i)
        if (given[i] != -1) *targets[i] = given[i];
    return window;
}

int set_label_colours(int x_label, int y_label, int title) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    for (int colour : {x_label, y_label, title}) {
        if (!colour_or_minus_one(colour))
            return refuse(std::to_string(colour) +
                          " is no colour value (-1: the colour lu_plot_set_colours gives)");
    }
    plot_state(window).label_colours = {x_label, y_label, title};
    return window;
}

int set_grid(int line_style, int at_subticks) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    if (line_style < -1 || line_style > 9)
        return refuse("the line style " + std::to_string(line_style) + " is not within 0 ... 9");
    if (at_subticks < -1 || at_subticks > 1)
        return refuse("at_subticks is " + std::to_string(at_subticks) + ", not 0 or 1");
    plotcore::FrameStyle& s = plot_state(window).style;
    if (line_style != -1) s.grid_line = line_style;
    if (at_subticks != -1) s.grid_subticks = at_subticks == 1;
    return window;
}

int set_style(int style) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    if (style < 0 || style >= plotcore::kNamedStyles)
        return refuse("there is no style " + std::to_string(style) + " (0 ... 2)");
    plot_state(window).style = plotcore::named_style(style);
    return window;
}

}  // namespace

extern "C" {

int lu_plot_set_colours(int box, int numbers, int labels, int title, int grid) {
    return guarded(__func__, [&] { return set_colours(box, numbers, labels, title, grid); });
}
int lu_plot_set_colours_(int* result, const int* box, const int* numbers, const int* labels,
                         const int* title, const int* grid) {
    return guarded(__func__, [&] {
        return store(result, set_colours(at(box), at(numbers), at(labels), at(title), at(grid)));
    });
}

int lu_plot_label_colours(int x_label, int y_label, int title) {
    return guarded(__func__, [&] { return set_label_colours(x_label, y_label, title); });
}
int lu_plot_label_colours_(int* result, const int* x_label, const int* y_label, const int* title) {
    return guarded(__func__, [&] {
        return store(result, set_label_colours(at(x_label), at(y_label), at(title)));
    });
}

int lu_plot_set_grid(int line_style, int at_subticks) {
    return guarded(__func__, [&] { return set_grid(line_style, at_subticks); });
}
int lu_plot_set_grid_(int* result, const int* line_style, const int* at_subticks) {
    return guarded(__func__,
                   [&] { return store(result, set_grid(at(line_style), at(at_subticks))); });
}

int lu_plot_style(int style) {
    return guarded(__func__, [&] { return set_style(style); });
}
int lu_plot_style_(int* result, const int* style) {
    return guarded(__func__, [&] { return store(result, set_style(at(style))); });
}

}  // extern "C"
