// The key arrow of a vector field: an arrow as long as a value's at the scale of the
// window's last field, with the value written beside it.
#include <algorithm>
#include <cmath>
#include <exception>
#include <string>

#include "arrow_drawing.h"
#include "client/channel/block_layout.h"
#include "client/channel/client_state.h"
#include "client/include/lumora.h"
#include "entry.h"
#include "page_draw.h"
#include "plot_state.h"
#include "plotcore/number_format.h"

using namespace lumora;
using namespace lumora::plot;

namespace {

constexpr double kTextGap = 0.5;  // text heights between the arrow and its value
constexpr double kTextDrop = 0.35;
constexpr double kMaxKeyPixels = 100000;  // the baseline this many text heights below the shaft

// Puts the window's text font back at its angle and alignment, however the key ends.
class FontTurnScope {
  public:
    explicit FontTurnScope(int window) {
        const std::uint8_t* block = window_block(window);
        if (block == nullptr) return;
        angle_ = layout::read_i32(block, layout::kFontAngle) / 3600.0;
        align_ = layout::read_i32(block, layout::kFontAlign);
        saved_ = true;
    }
    ~FontTurnScope() {
        try {
            if (saved_) turn_text(angle_, align_);
        } catch (const std::exception&) {
        }
    }
    FontTurnScope(const FontTurnScope&) = delete;
    FontTurnScope& operator=(const FontTurnScope&) = delete;

  private:
    bool saved_ = false;
    double angle_ = 0;
    int align_ = 0;
};

// The value as the key writes it: in the frame's x number format when one was set.
std::string key_text(const WindowPlot& s, double value) {
    const std::string& format = s.frame.set ? s.frame.setup.formats.x : std::string();
    return plotcore::format_number(format.empty() ? "%g" : format, value);
}

// A normalized position in the view's world.
void world_of_normalized(const View& v, double& x, double& y) {
    x = v.wx1 + (x - v.vx1) / (double(v.vx2) - v.vx1) * (double(v.wx2) - v.wx1);
    y = v.wy1 + (y - v.vy1) / (double(v.vy2) - v.vy1) * (double(v.wy2) - v.wy1);
}

// The value beside the arrow's right end on the page, centred on the shaft.
bool draw_key_text(const std::string& text, double x, double y, double right,
                   const DeviceScale& s) {
    const double height = measure_window_text(text).height;
    turn_text(0, plotcore::kLeftBase);
    return draw_text(x + (right + kTextGap * height) / s.sx, y + kTextDrop * height / s.sy, text);
}

int vector_key(double x, double y, double value, int where) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    if (where != LU_KEY_WORLD && where != LU_KEY_NORMALIZED)
        return refuse(std::to_string(where) + " is not LU_KEY_WORLD or LU_KEY_NORMALIZED");
    if (!std::isfinite(x) || !std::isfinite(y))
        return refuse("the position " + number_text(x) + ", " + number_text(y) + " is not finite");
    if (!std::isfinite(value) || value == 0)
        return refuse("the value " + number_text(value) + " is not a finite number other than 0");
    const WindowPlot& s = plot_state(window);
    if (s.vector_scale <= 0)
        return refuse("no arrows drawn in this window yet: the key takes lu_draw_vectors' scale");
    const View view = window_view();
    if (where == LU_KEY_NORMALIZED) world_of_normalized(view, x, y);
    DeviceScale device;
    if (!std::isfinite(x) || !std::isfinite(y) ||
        !device_scale(even_placement(view.wx1, view.wy1, view.wx2, view.wy2, 1, 1), device))
        return refuse("the window's viewport and world make no area on the page");
    const double dx = value * s.vector_scale;
    if (!(std::fabs(dx * device.sx) <= kMaxKeyPixels))
        return refuse("the key of the value " + number_text(value) + " would be " +
                      number_text(std::fabs(dx * device.sx)) + " pixels long");
    use_view_space(view);
    const FontTurnScope font(window);
    if (window_refused(draw_arrow(s.arrow, x, y, dx, 0, device))) return 0;
    const double right = std::max(0.0, dx * device.sx);
    if (window_refused(draw_key_text(key_text(s, value), x, y, right, device))) return 0;
    return window;
}

}  // namespace

extern "C" {

int lu_draw_vector_key(float x, float y, float value, int where) {
    return guarded(__func__, [&] { return vector_key(x, y, value, where); });
}

int lu_draw_vector_key_(int* result, const float* x, const float* y, const float* value,
                        const int* where) {
    return guarded(__func__,
                   [&] { return store(result, vector_key(at(x), at(y), at(value), at(where))); });
}

int lu_draw_vector_key_double(double x, double y, double value, int where) {
    return guarded(__func__, [&] { return vector_key(x, y, value, where); });
}

int lu_draw_vector_key_double_(int* result, const double* x, const double* y, const double* value,
                               const int* where) {
    return guarded(__func__,
                   [&] { return store(result, vector_key(at(x), at(y), at(value), at(where))); });
}

}  // extern "C"
