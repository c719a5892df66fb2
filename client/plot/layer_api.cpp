// Layers: a program that redraws one part of a plot (the data line of a live view) puts
// it in a layer, and each redraw replaces what the layer held, where it stands, without
// redrawing the frame and without counting drawing items.
#include "client/drawing/binding.h"
#include "client/include/lumora_plot.h"
#include "entry.h"
#include "layer_drawing.h"
#include "plot_lane.h"
#include "plot_state.h"
#include "plotcore/plot_commands.h"

using namespace lumora;
using namespace lumora::plot;

namespace {

int choose_layer(int window, int layer) {
    if (!is_open_window(window)) return refuse_no_window();
    if (layer < 0 || layer > plotcore::kMaxElement) {
        return refuse("the layer must be 0 (none) or 1 ... 1073741823");
    }
    if (!plot_lane_open(window)) return refuse("the window process keeps no layers");
    WindowPlot& state = plot_state(window);
    // A layer chosen and left without drawing is emptied: its new drawing was nothing.
    if (state.layer != 0 && !state.layer_drawn) {
        empty_layer(window, state.layer);
    }
    state.layer = layer;
    state.layer_drawn = false;
    return 1;
}

}  // namespace

extern "C" {

int lu_plot_layer_in_window(int window, int layer) {
    return guarded(__func__, [&] { return choose_layer(window, layer); });
}
int lu_plot_layer(int layer) {
    return guarded(__func__, [&] { return lu_plot_layer_in_window(current_window(), layer); });
}
int lu_plot_layer_(int* result, const int* layer) {
    return guarded(__func__, [&] { return store(result, lu_plot_layer(at(layer))); });
}

}  // extern "C"
