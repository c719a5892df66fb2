// Swatches for the guide: one picture per family of numeric codes (text alignments, pen
// styles, widths and mix modes, the colour table, markers, rectangle modes, figures and
// fill rules), each code drawn once with its number beside it.
#pragma once

#include <vector>

#include "scenes.h"

namespace lumora::gallery {

const std::vector<Scene>& swatches();
// The guide's pictures of the plot kinds (docs/images/plots/<name>.png), drawn by the
// example examples/c/plot_kinds.c.
const std::vector<Scene>& plot_kind_pictures();

}  // namespace lumora::gallery
