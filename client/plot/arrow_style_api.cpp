// The entry points of arrow styles: a named shape or the caller's points, filled or not,
// with a head of fixed pixels or one that scales with its arrow; per window.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "arrow_shape.h"
#include "client/include/lumora.h"
#include "entry.h"
#include "plot_state.h"

using namespace lumora::plot;

namespace {

constexpr int kNamedArrows = LU_ARROW_WHOLE;

int set_arrow_style(int shape, int n, const float* x, const float* y, int fill, double head) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    const bool no_points = n == 0 || (x == nullptr && y == nullptr);
    if (shape == 0 && no_points) {
        plot_state(window).arrow = default_arrow_style();
        return window;
    }
    if (shape < 0 || shape > kNamedArrows)
        return refuse("shape " + std::to_string(shape) +
                      " is none of 0 (points), LU_ARROW_BARBS ... LU_ARROW_WHOLE (1 ... 3)");
    if (shape != 0 && !no_points)
        return refuse("a named shape takes no points (n " + std::to_string(n) + ")");
    if (fill != 0 && fill != 1) return refuse("fill " + std::to_string(fill) + " is not 0 or 1");
    if (!(head >= 0 && head <= kMaxHeadPixels))
        return refuse("the head " + number_text(head) +
                      " is not 0 (scaled) or a size of up to 1000 pixels");
    if (shape != 0) {
        plot_state(window).arrow =
            arrow_style_of(named_arrow_shape(static_cast<NamedArrow>(shape)), fill == 1, head);
        return window;
    }
    if (x == nullptr || y == nullptr) return refuse("the shape's x or y points are NULL");
    if (const std::string why = arrow_shape_problem(x, y, n, fill == 1); !why.empty())
        return refuse(why);
    std::vector<double> points;
    for (int k = 0; k < n; ++k) points.insert(points.end(), {x[k], y[k]});
    plot_state(window).arrow = arrow_style_of(std::move(points), fill == 1, head);
    return window;
}

}  // namespace

extern "C" {

int lu_set_arrow_style(int shape, int n, const float* x, const float* y, int fill, float head) {
    return guarded(__func__, [&] { return set_arrow_style(shape, n, x, y, fill, head); });
}

int lu_set_arrow_style_(int* result, const int* shape, const int* n, const float* x, const float* y,
                        const int* fill, const float* head) {
    return guarded(__func__, [&] {
        return store(result, set_arrow_style(at(shape), at(n), x, y, at(fill), at(head)));
    });
}

}  // extern "C"
