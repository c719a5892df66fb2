// The entry points that set a window's plot transform: a program's function in either
// calling form, or one of the provided transforms by its code.
#include <string>

#include "client/include/lumora_plot.h"
#include "entry.h"
#include "plot_state.h"
#include "plot_transform.h"

using namespace lumora::plot;

namespace {

int set_transform(const PlotTransform& t) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    plot_state(window).transform = t;
    return window;
}

int set_code(int code, double p1, double p2) {
    if (code == 0) return set_transform({});
    if (const std::string problem = transform_code_problem(code, p1, p2); !problem.empty())
        return refuse(problem);
    PlotTransform t;
    t.code = code;
    t.p1 = p1;
    t.p2 = p2;
    return set_transform(t);
}

}  // namespace

extern "C" {

int lu_set_plot_transform(lu_plot_transform_fn transform, void* data) {
    return guarded(__func__, [&] { return set_transform({transform, nullptr, data}); });
}
int lu_set_plot_transform_(int* result, lu_plot_transform_ref_fn transform, void* data) {
    return guarded(__func__, [&] {
        return store(result, set_transform({nullptr, transform, data}));
    });
}

int lu_set_plot_transform_code(int code, float p1, float p2) {
    return guarded(__func__, [&] { return set_code(code, p1, p2); });
}
int lu_set_plot_transform_code_(int* result, const int* code, const float* p1, const float* p2) {
    return guarded(__func__, [&] { return store(result, set_code(at(code), at(p1), at(p2))); });
}

}  // extern "C"
