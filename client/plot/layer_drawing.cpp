#include "layer_drawing.h"

#include <exception>

#include "client/channel/primitives.h"
#include "page_draw.h"
#include "plot_state.h"
#include "plotcore/plot_commands.h"

namespace lumora::plot {

void empty_layer(int window, int layer) {
    command_with_2int(window, 'B', plotcore::kRemoveElement, layer);
}

// What was recorded before belongs to the program's layer: it is sent first.
LayerScope::LayerScope(int window, int layer, bool append)
    : window_(window), layer_(layer), append_(append) {
    finish_plot_drawing();
    WindowPlot& state = plot_state(window);
    own_layer_ = state.layer;
    own_drawn_ = state.layer_drawn;
    state.layer = layer;
    state.layer_drawn = append;
}

LayerScope::~LayerScope() {
    try {
        if (!sent_) finish_plot_drawing();
    } catch (const std::exception&) {
        // The entry point reports the failure that brought it here.
    }
    WindowPlot& state = plot_state(window_);
    state.layer = own_layer_;
    state.layer_drawn = own_drawn_;
}

bool LayerScope::send() {
    sent_ = true;
    const bool ok = finish_plot_drawing();
    if (!append_ && !plot_state(window_).layer_drawn) empty_layer(window_, layer_);
    return ok;
}

}  // namespace lumora::plot
