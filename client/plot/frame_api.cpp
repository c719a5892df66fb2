// The entry points of frames, boxes, labels and subpages.
#include <cmath>
#include <string>

#include "client/include/lumora.h"
#include "entry.h"
#include "fortran_text.h"
#include "frame.h"
#include "plotcore/layout_items.h"

using namespace lumora::plot;

namespace {

constexpr int kMaxPanels = lumora::plotcore::kMaxPanelsAcross;
constexpr double kSmallestScale = lumora::plotcore::kSmallestTextScale;
constexpr double kLargestScale = lumora::plotcore::kLargestTextScale;

int current() {
    return lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
}

int draw_labels(const char* x_label, const char* y_label, const char* title) {
    const int window = current();
    const Page page = current_page();
    const Frame& f = plot_state(window).frame;
    if (!page.ok) return refuse_no_window();
    if (!f.set) return refuse_no_frame(window);
    Item description;
    description.kind = ItemKind::kLabels;
    description.source.frame = f.id;
    auto text = [](const char* t) { return std::string(t != nullptr ? t : ""); };
    description.source.labels = {text(x_label), text(y_label), text(title)};
    {
        PenScope pen;
        use_page_world(page);
        describe(description);
        lumora::plotcore::draw_labels(page_canvas(), f, description.source.labels);
        end_description();
    }
    use_frame_world(page, f);
    return window;
}

int draw_frame_box(const char* x_options, float x_step, int x_subticks, const char* y_options,
                   float y_step, int y_subticks) {
    const int window = current();
    const Page page = current_page();
    WindowPlot& s = plot_state(window);
    if (!page.ok) return refuse_no_window();
    if (!s.frame.set) return refuse_no_frame(window);
    Item description;
    description.kind = ItemKind::kBox;
    description.source.frame = s.frame.id;
    description.source.x = parse_axis_options(x_options, x_step, x_subticks);
    description.source.y = parse_axis_options(y_options, y_step, y_subticks);
    {
        PenScope pen;
        use_page_world(page);
        describe(description);
        draw_box(page_canvas(), s.frame, description.source.x, description.source.y,
                 s.frame.setup.time_origin);
        end_description();
    }
    s.own_box = true;
    s.box_x = description.source.x;
    s.box_y = description.source.y;
    use_frame_world(page, s.frame);
    return window;
}

// Sets a size factor of the window's frames to come, within 0.25 ... 4; `what` names it
// in the message of a refusal.
int set_factor(double WindowPlot::*factor, float value, const std::string& what) {
    const int window = current();
    if (window == 0) return refuse_no_window();
    if (!(value >= kSmallestScale && value <= kLargestScale))
        return refuse("the " + what + " " + number_text(value) + " is not within 0.25 ... 4");
    plot_state(window).*factor = value;
    return window;
}

int set_text_scale(float scale) {
    return set_factor(&WindowPlot::text_scale, scale, "scale");
}

int set_title_size(float size) {
    return set_factor(&WindowPlot::title_size, size, "size");
}

int set_time_origin(double seconds) {
    const int window = current();
    if (window == 0) return refuse_no_window();
    if (!std::isfinite(seconds)) return refuse("the time origin is not a finite number");
    plot_state(window).time_origin = seconds;
    return window;
}

int set_subpages(int nx, int ny) {
    const int window = current();
    if (window == 0) return refuse_no_window();
    if (nx < 1 || ny < 1 || nx > kMaxPanels || ny > kMaxPanels) {
        return refuse(std::to_string(nx) + " x " + std::to_string(ny) +
                      " panels: there must be 1 ... 16 across and down");
    }
    WindowPlot& s = plot_state(window);
    s.nx = nx;
    s.ny = ny;
    s.panel = 0;
    s.panel_fresh = false;
    s.frame.set = false;
    return window;
}

int advance(int n) {
    const int window = current();
    if (window == 0) return refuse_no_window();
    WindowPlot& s = plot_state(window);
    const int count = s.nx * s.ny;
    if (n < 0 || n > count) {
        return refuse("there is no panel " + std::to_string(n) + ": the window has " +
                      std::to_string(count) + " (0: the next)");
    }
    s.panel = n == 0 ? s.panel % count + 1 : n;
    s.panel_fresh = true;
    return window;
}

}  // namespace

extern "C" {

int lu_plot_frame(float x1, float x2, float y1, float y2, int options) {
    return guarded(__func__, [&] {
        return make_frame({x1, x2, y1, y2, options & lumora::plotcore::kPublicFrameOptions});
    });
}

int lu_plot_frame_(int* result, const float* x1, const float* x2, const float* y1, const float* y2,
                   const int* options) {
    return guarded(__func__, [&] {
        return store(result, lu_plot_frame(at(x1), at(x2), at(y1), at(y2), at(options)));
    });
}

int lu_plot_box(const char* x_options, float x_step, int x_subticks, const char* y_options,
                float y_step, int y_subticks) {
    return guarded(__func__, [&] {
        return draw_frame_box(x_options, x_step, x_subticks, y_options, y_step, y_subticks);
    });
}

int lu_plot_box_(int* result, const char* x_options, const float* x_step, const int* x_subticks,
                 const char* y_options, const float* y_step, const int* y_subticks,
                 size_t x_options_length, size_t y_options_length) {
    return guarded(__func__, [&] {
        const std::string x = fortran_text(x_options, x_options_length);
        const std::string y = fortran_text(y_options, y_options_length);
        return store(result, lu_plot_box(x.c_str(), at(x_step), at(x_subticks), y.c_str(),
                                         at(y_step), at(y_subticks)));
    });
}

int lu_plot_labels(const char* x_label, const char* y_label, const char* title) {
    return guarded(__func__, [&] { return draw_labels(x_label, y_label, title); });
}

int lu_plot_labels_(int* result, const char* x_label, const char* y_label, const char* title,
                    size_t x_label_length, size_t y_label_length, size_t title_length) {
    return guarded(__func__, [&] {
        const std::string x = fortran_text(x_label, x_label_length);
        const std::string y = fortran_text(y_label, y_label_length);
        const std::string t = fortran_text(title, title_length);
        return store(result, lu_plot_labels(x.c_str(), y.c_str(), t.c_str()));
    });
}

int lu_plot_set_text_scale(float scale) {
    return guarded(__func__, [&] { return set_text_scale(scale); });
}

int lu_plot_set_text_scale_(int* result, const float* scale) {
    return guarded(__func__, [&] { return store(result, lu_plot_set_text_scale(at(scale))); });
}

int lu_plot_title_size(float size) {
    return guarded(__func__, [&] { return set_title_size(size); });
}

int lu_plot_title_size_(int* result, const float* size) {
    return guarded(__func__, [&] { return store(result, lu_plot_title_size(at(size))); });
}

int lu_plot_set_time_origin(double seconds) {
    return guarded(__func__, [&] { return set_time_origin(seconds); });
}

int lu_plot_set_time_origin_(int* result, const double* seconds) {
    return guarded(__func__, [&] { return store(result, lu_plot_set_time_origin(at(seconds))); });
}

int lu_plot_subpages(int nx, int ny) {
    return guarded(__func__, [&] { return set_subpages(nx, ny); });
}

int lu_plot_subpages_(int* result, const int* nx, const int* ny) {
    return guarded(__func__, [&] { return store(result, lu_plot_subpages(at(nx), at(ny))); });
}

int lu_plot_advance(int n) {
    return guarded(__func__, [&] { return advance(n); });
}

int lu_plot_advance_(int* result, const int* n) {
    return guarded(__func__, [&] { return store(result, lu_plot_advance(at(n))); });
}

}  // extern "C"
