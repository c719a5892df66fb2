#include "mix_mode.h"

namespace luwnd::render {

std::int32_t effective_mix(std::int32_t mix) {
    return mix >= kMixBlack && mix <= kMixWhite ? mix : kMixCopyPen;
}

std::uint32_t apply_mix(std::int32_t mix, std::uint32_t pen, std::uint32_t destination) {
    const std::uint32_t p = pen & 0xFFFFFF, d = destination & 0xFFFFFF;
    std::uint32_t result = p;
    switch (effective_mix(mix)) {
        case kMixBlack:
            result = 0;
            break;
        case kMixNotMergePen:
            result = ~(p | d);
            break;
        case kMixMaskNotPen:
            result = ~p & d;
            break;
        case kMixNotCopyPen:
            result = ~p;
            break;
        case kMixMaskPenNot:
            result = p & ~d;
            break;
        case kMixNot:
            result = ~d;
            break;
        case kMixXorPen:
            result = p ^ d;
            break;
        case kMixNotMaskPen:
            result = ~(p & d);
            break;
        case kMixMaskPen:
            result = p & d;
            break;
        case kMixNotXorPen:
            result = ~(p ^ d);
            break;
        case kMixNop:
            result = d;
            break;
        case kMixMergeNotPen:
            result = ~p | d;
            break;
        case kMixMergePen:
            result = p | d;
            break;
        case kMixMergePenNot:
            result = p | ~d;
            break;
        case kMixWhite:
            result = 0xFFFFFF;
            break;
        default:
            break;
    }
    return result & 0xFFFFFF;
}

}  // namespace luwnd::render
