// Mix modes of the pen: how a drawn pixel combines with the pixel already there. The
// codes 1 .. 16 are the sixteen binary raster operations, in the numbering of the Windows
// graphics device interface (R2_BLACK = 1 .. R2_WHITE = 16); 0 and 17 .. 31 draw plainly.
// The operations work bitwise on the red, green and blue bytes.
#pragma once

#include <cstdint>

namespace luwnd::render {

enum MixMode : std::int32_t {
    kMixCopy = 0,
    kMixBlack = 1,
    kMixNotMergePen = 2,
    kMixMaskNotPen = 3,
    kMixNotCopyPen = 4,
    kMixMaskPenNot = 5,
    kMixNot = 6,
    kMixXorPen = 7,
    kMixNotMaskPen = 8,
    kMixMaskPen = 9,
    kMixNotXorPen = 10,
    kMixNop = 11,
    kMixMergeNotPen = 12,
    kMixCopyPen = 13,
    kMixMergePenNot = 14,
    kMixMergePen = 15,
    kMixWhite = 16,
};

// The mix mode a drawing uses: codes outside 1 .. 16 draw plainly (kMixCopyPen).
std::int32_t effective_mix(std::int32_t mix);
// Packed RGB of the pen colour mixed into the destination colour.
std::uint32_t apply_mix(std::int32_t mix, std::uint32_t pen, std::uint32_t destination);

}  // namespace luwnd::render
