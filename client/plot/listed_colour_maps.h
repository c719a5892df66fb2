// Colour maps given as tables of colours rather than computed.
#pragma once

#include <array>
#include <cstdint>

namespace lumora::plot {

using ListedMap = std::array<std::uint32_t, 256>;

// The tables in order: viridis, magma, cividis, inferno, plasma; nullptr past them.
const ListedMap* listed_map(int which);

}  // namespace lumora::plot
