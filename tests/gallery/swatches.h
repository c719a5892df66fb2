// Swatches for the guide: one picture per family of numeric codes (text alignments, pen
// styles, widths and mix modes, the colour table, markers, rectangle modes, figures and
// fill rules), each code drawn once with its number beside it.
#pragma once

#include <vector>

#include "scenes.h"

namespace lumora::gallery {

const std::vector<Scene>& swatches();

}  // namespace lumora::gallery
