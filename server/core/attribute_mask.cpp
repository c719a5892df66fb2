#include "attribute_mask.h"

#include <cstddef>

#include "client/channel/block_layout.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

struct Field {
    std::int32_t bit;
    std::size_t offset;
    std::int32_t low, high;
};

constexpr Field kPenStyle{layout::kChangedPenStyle, layout::kPenStyle, 0, 9};
constexpr Field kPenWidth{layout::kChangedPenWidth, layout::kPenWidth, 0, kMaxDeviceLength};
constexpr Field kPenMix{layout::kChangedPenMix, layout::kPenMix, 0, 31};
constexpr Field kMarkerType{layout::kChangedMarkerType, layout::kMarkerType, 0, 6};
constexpr Field kMarkerSize{layout::kChangedMarkerSize, layout::kMarkerSize, 0, kMaxDeviceLength};
constexpr Field kMarkerAttr1{layout::kChangedMarkerAttr1, layout::kMarkerAttr1, INT32_MIN,
                             INT32_MAX};
constexpr Field kMarkerAttr2{layout::kChangedMarkerAttr2, layout::kMarkerAttr2, INT32_MIN,
                             INT32_MAX};
constexpr Field kMarkerAttr3{layout::kChangedMarkerAttr3, layout::kMarkerAttr3, 0, INT32_MAX};

// Takes one marked, valid word into target; returns its bit when the value changed.
std::int32_t take(const std::uint8_t* block, std::int32_t mask, const Field& field,
                  std::int32_t& target) {
    if ((mask & field.bit) == 0) return 0;
    std::int32_t value = layout::read_i32(block, field.offset);
    if (value < field.low || value > field.high || value == target) return 0;
    target = value;
    return field.bit;
}

}  // namespace

std::int32_t apply_attribute_mask(const std::uint8_t* block, const ColourTable& colours,
                                  PenState& pen, MarkerState& marker) {
    std::int32_t mask = layout::read_i32(block, layout::kChanged);
    std::int32_t changed = take(block, mask, kPenStyle, pen.style) |
                           take(block, mask, kPenWidth, pen.width) |
                           take(block, mask, kPenMix, pen.mix);
    if ((mask & layout::kChangedPenColour) != 0) {
        std::int32_t colour = layout::read_i32(block, layout::kPenColour);
        if (colour != pen.colour && colours.resolve(colour)) {
            pen.colour = colour;
            changed |= layout::kChangedPenColour;
        }
    }
    return changed | take(block, mask, kMarkerType, marker.type) |
           take(block, mask, kMarkerSize, marker.size) |
           take(block, mask, kMarkerAttr1, marker.attr1) |
           take(block, mask, kMarkerAttr2, marker.attr2) |
           take(block, mask, kMarkerAttr3, marker.attr3);
}

}  // namespace luwnd
