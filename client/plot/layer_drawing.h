// Drawing into one layer of a window whatever layer the program has chosen: a plot that
// keeps its parts in layers of its own (a strip chart's frame and each pen's line)
// replaces one part, or adds to it, and leaves the program's choice as it was.
#pragma once

namespace lumora::plot {

// Empties layer `layer` (> 0) of the window.
void empty_layer(int window, int layer);

// While it lives, the plotting drawn in the window goes into `layer`: in place of what
// the layer held, or after it (append).
class LayerScope {
  public:
    LayerScope(int window, int layer, bool append);
    // Sends what was not sent yet and gives the window its own layer choice back.
    ~LayerScope();
    LayerScope(const LayerScope&) = delete;
    LayerScope& operator=(const LayerScope&) = delete;
    // Sends what was drawn; a replacement that drew nothing empties the layer. False when
    // the window refused the drawing.
    bool send();

  private:
    int window_, layer_, own_layer_;
    bool append_, own_drawn_, sent_ = false;
};

}  // namespace lumora::plot
