// What a window would draw, in order, for the renderer to replay: one plain item per
// drawing command, with the attributes that were in force.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "drawing_attributes.h"

namespace luwnd {

enum class ItemKind : std::uint8_t {
    kLine,    // points 0-1: from, to
    kBox21,   // points 0-1: the two corners as given (unsorted)
    kBox22,   // corners; arg1: the integer code k
    kBox23,   // corners; arg1, arg2: corner width and height
    kBox24,   // corners
    kArc25,   // points 0-1 corners of the ellipse box, 2 start ray point, 3 end ray point
    kArc26,   // as kArc25
    kArc27,   // as kArc25
    kText,    // point 0: position; text; font: the text font
    kSymbol,  // point 0: position; arg1: symbol code 0..255; font: the symbol font
    kMarker,  // point 0: position; marker: its attributes
};

struct DrawItem {
    ItemKind kind = ItemKind::kLine;
    std::array<std::int32_t, 8> coords{};  // x, y pairs in device units
    int point_count = 0;
    std::int32_t arg1 = 0, arg2 = 0;
    std::uint32_t rgb = 0;  // the item's colour resolved when it was drawn (pen or font)
    PenState pen;
    MarkerState marker;
    FontState font;
    Transform transform;
    RectangleMode rectangle;
    std::string text;
};

class DisplayList {
  public:
    static constexpr std::size_t kMaxItems = 1000000;

    explicit DisplayList(std::size_t limit = kMaxItems) : limit_(limit) {}

    // False, leaving the list alone, when it already holds `limit` items.
    bool add(DrawItem item);
    bool full() const { return items_.size() >= limit_; }
    std::size_t size() const { return items_.size(); }
    std::size_t room() const { return full() ? 0 : limit_ - items_.size(); }
    const std::vector<DrawItem>& items() const { return items_; }

  private:
    std::size_t limit_;
    std::vector<DrawItem> items_;
};

}  // namespace luwnd
