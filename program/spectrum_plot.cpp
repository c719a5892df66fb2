#include "spectrum_plot.h"

#include <string>

#include "lumora.h"
#include "plot_label.h"

namespace lumora::fourier {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr float kTickHalfHeight = 0.04f;
constexpr int kPlotColour = 13;

// The axis from x = 0 to x = m at y = 0, with a tick at each positive k.
void draw_axis(std::int32_t m, const float& tick) {
    int r = 0;
    const float zero = 0.0f;
    const float last = static_cast<float>(m);
    lu_draw_line_(&r, &zero, &zero, &last, &zero);
    const float below = -tick;
    for (std::int32_t i = 1; i <= m; ++i) {
        const float x = static_cast<float>(i);
        lu_draw_line_(&r, &x, &below, &x, &tick);
    }
}

// One framed chart: viewport, world window, label, axis, pen colour, saved view.
void draw_frame(std::int32_t m, float y_low, float y_high, const std::string& label,
                std::int32_t view) {
    int r = 0;
    const int aspect_code = 1;
    const float ratio = lu_get_aspect_ratio_(&aspect_code);
    const float x_low = 0.0f;
    lu_set_viewport_(&r, &x_low, &y_low, &ratio, &y_high);
    const float wx1 = -1.0f, wy1 = -2.0f, wx2 = static_cast<float>(m) + 1.0f, wy2 = 2.0f;
    lu_set_world_(&r, &wx1, &wy1, &wx2, &wy2);
    const float text_x = 0.0f, text_y = 1.4f;
    lu_draw_text_(&r, &text_x, &text_y, label.data(), label.size());
    draw_axis(m, kTickHalfHeight);
    const int colour = kPlotColour, keep = -1;
    lu_set_pen_(&r, &colour, &keep, &keep, &keep);
    lu_save_view_(&r, &view);
}

}  // namespace

std::int32_t SpectrumPlot::open() {
    int result = 0;
    const int any_window = 0;
    return lu_open_window_(&result, &any_window);
}

void SpectrumPlot::draw_frames(std::int32_t m, double t, std::int32_t upper_view,
                               std::int32_t lower_view) {
    draw_frame(m, 0.5f, 1.0f, upper_label(kTwoPi / t), upper_view);
    int r = 0;
    lu_send_command_a2_(&r);
    draw_frame(m, 0.0f, 0.5f, lower_label(), lower_view);
}

void SpectrumPlot::draw_bars(std::int32_t upper_view, std::int32_t lower_view, std::int32_t k,
                             float a_k, float b_k) {
    int r = 0;
    const float x = static_cast<float>(k);
    const float zero = 0.0f;
    lu_restore_view_(&r, &upper_view);
    lu_draw_line_(&r, &x, &zero, &x, &a_k);
    lu_restore_view_(&r, &lower_view);
    lu_draw_line_(&r, &x, &zero, &x, &b_k);
}

std::int32_t SpectrumPlot::end() {
    int result = 0;
    return lu_quit_(&result);
}

void SpectrumPlot::abandon() {
    int result = 0;
    const int no_wait = 0;
    lu_quit_with_flag_(&result, &no_wait);
}

}  // namespace lumora::fourier
