// One picture per plot kind for the guide, drawn by examples/c/plot_kinds.c's own code,
// each in a window of its own.
#include "swatches.h"

#define PLOT_KINDS_NO_MAIN
#include "examples/c/plot_kinds.c"

namespace lumora::gallery {
namespace {

template <void (*kind)()>
void draw_kind(const Tweak&) {
    kind();
}

}  // namespace

const std::vector<Scene>& plot_kind_pictures() {
    static const std::vector<Scene> list = {
        {"lines", draw_kind<kind_lines>, {}},
        {"error-bars", draw_kind<kind_errors>, {}},
        {"log-axes", draw_kind<kind_log>, {}},
        {"time-axis", draw_kind<kind_time>, {}},
        {"step-line", draw_kind<kind_step>, {}},
        {"histogram", draw_kind<kind_histogram>, {}},
        {"bars", draw_kind<kind_bars>, {}},
        {"pie", draw_kind<kind_pie>, {}},
        {"polar", draw_kind<kind_polar>, {}},
        {"box-whisker", draw_kind<kind_box_whisker>, {}},
        {"filled-contours", draw_kind<kind_filled_contours>, {}},
        {"contours-arrows", draw_kind<kind_arrows>, {}},
        {"hatched-bars", draw_kind<kind_hatched>, {}},
        {"plot-transform", draw_kind<kind_transform>, {}},
        {"line-3d", draw_kind<kind_line3d>, {}},
        {"surface-3d", draw_kind<kind_surface3d>, {}},
    };
    return list;
}

}  // namespace lumora::gallery
