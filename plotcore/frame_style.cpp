#include "frame_style.h"

namespace lumora::plotcore {

FrameStyle named_style(int n) {
    FrameStyle s;
    if (n == 1) {
        // Soft: greys that step back behind the data, a faint grid at subticks too.
        s.box = rgb_colour_value(120, 120, 120);
        s.numbers = rgb_colour_value(80, 80, 80);
        s.labels = rgb_colour_value(50, 50, 50);
        s.title = rgb_colour_value(30, 30, 30);
        s.grid = rgb_colour_value(225, 225, 225);
        s.grid_subticks = true;
    } else if (n == 2) {
        // Technical: black, with a dashed grid at every tick and subtick.
        s.grid = rgb_colour_value(160, 160, 160);
        s.grid_line = 1;
        s.grid_subticks = true;
    }
    return s;
}

}  // namespace lumora::plotcore
