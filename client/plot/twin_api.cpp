// The entry points of twin axes: a second x axis along the top of the frame's box or a
// second y axis along its right, with a range and scale of its own; the data drawn after
// it take its scale.
#include <cmath>
#include <string>

#include "client/include/lumora.h"
#include "entry.h"
#include "fortran_text.h"
#include "frame.h"
#include "plotcore/layout_items.h"

using namespace lumora::plot;

namespace {

int refuse_twin_range(const TwinAxis& t) {
    const char* axis = t.x_axis ? "twin x" : "twin y";
    const std::string why = axis_problem(axis, t.v1, t.v2, t.log);
    return refuse(!why.empty() ? why
                               : std::string("the ") + axis +
                                     " range reaches beyond single precision (3.4e38)");
}

int twin_axis(bool x_axis, float v1, float v2, int options, const char* label) {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    const Page page = current_page();
    WindowPlot& s = plot_state(window);
    if (!page.ok) return refuse_no_window();
    if (!s.frame.set) return refuse_no_frame(window);
    const char* name = x_axis ? "x" : "y";
    if (!has_room_for(s.frame, x_axis)) {
        return refuse(std::string("the frame leaves no room for a twin ") + name +
                      " axis: make it with LU_PLOT_ROOM_TWIN_" + (x_axis ? "X" : "Y"));
    }
    std::optional<TwinAxis>& kept = x_axis ? s.twin_x : s.twin_y;
    if (kept) return refuse(std::string("the frame has its twin ") + name + " axis already");
    TwinAxis t;
    t.x_axis = x_axis;
    t.v1 = v1;
    t.v2 = v2;
    t.log = (options & (x_axis ? LU_PLOT_LOG_X : LU_PLOT_LOG_Y)) != 0;
    t.format = s.twin_format;
    t.look = s.twin_look;
    t.label = label != nullptr ? label : "";
    Frame probe = s.frame;
    if (use_twin_world(probe, t) != Ends::kOk) return refuse_twin_range(t);
    Item description;
    description.kind = ItemKind::kTwin;
    description.source.frame = s.frame.id;
    description.source.twin = t;
    {
        PenScope pen;
        use_page_world(page);
        describe(description);
        draw_twin(page_canvas(), s.frame, t);
        end_description();
    }
    kept = t;
    use_frame_world(page, s.frame);
    return window;
}

int set_twin_style(float step, int subticks, int numbers_colour, int label_colour) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    if (!(step >= 0) || !std::isfinite(step))
        return refuse("the step " + number_text(step) +
                      " is not 0 (chosen) or a finite number above 0");
    if (subticks < 0 || subticks > kMaxTwinSubticks)
        return refuse("subticks is " + std::to_string(subticks) + ", not within 0 ... 100");
    for (int colour : {numbers_colour, label_colour}) {
        if (!colour_or_minus_one(colour))
            return refuse(std::to_string(colour) + " is no colour value (-1: the frame's own)");
    }
    plot_state(window).twin_look = {step, subticks, numbers_colour, label_colour};
    return window;
}

}  // namespace

extern "C" {

int lu_plot_twin_x(float x1, float x2, int options, const char* label) {
    return guarded(__func__, [&] { return twin_axis(true, x1, x2, options, label); });
}
int lu_plot_twin_x_(int* result, const float* x1, const float* x2, const int* options,
                    const char* label, size_t label_length) {
    return guarded(__func__, [&] {
        const std::string l = fortran_text(label, label_length);
        return store(result, twin_axis(true, at(x1), at(x2), at(options), l.c_str()));
    });
}

int lu_plot_twin_y(float y1, float y2, int options, const char* label) {
    return guarded(__func__, [&] { return twin_axis(false, y1, y2, options, label); });
}
int lu_plot_twin_y_(int* result, const float* y1, const float* y2, const int* options,
                    const char* label, size_t label_length) {
    return guarded(__func__, [&] {
        const std::string l = fortran_text(label, label_length);
        return store(result, twin_axis(false, at(y1), at(y2), at(options), l.c_str()));
    });
}

int lu_plot_twin_style(float step, int subticks, int numbers_colour, int label_colour) {
    return guarded(__func__,
                   [&] { return set_twin_style(step, subticks, numbers_colour, label_colour); });
}
int lu_plot_twin_style_(int* result, const float* step, const int* subticks,
                        const int* numbers_colour, const int* label_colour) {
    return guarded(__func__, [&] {
        return store(result,
                     set_twin_style(at(step), at(subticks), at(numbers_colour), at(label_colour)));
    });
}

}  // extern "C"
