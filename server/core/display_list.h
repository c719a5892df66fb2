// What a window would draw, in order, for the renderer to replay: one plain item per
// drawing command, with the attributes that were in force.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "drawing_attributes.h"
#include "image_pixels.h"

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
    kMarker,  // point 0: position; marker: its attributes; rgb: the marker colour ('A' 18)
    // Arrays ('N' 28 .. 32): the device points are in `points`, x and y alternating.
    kPolygon,   // points: the corners (3 or more); arg1: fill rule 1 alternate, 2 winding
    kBezier,    // points: 3k + 1 points: a start, then two controls and an end per segment
    kPolyline,  // points: 1 or more; a single point draws a dot in the pen
    kPlot,      // points: one per value, resolved to (x, y); plot: how to draw them
    kGrid,      // arg1, arg2: spacing of vertical and horizontal lines over the page, 0 none
    kPoint,     // point 0: the pixel; arg1: its colour value; rgb: that colour
    kImage,     // points 0-1: the corners of pixel (0, 0) and of the last pixel; arg1: 1
                // bilinear, 0 nearest; image: the pixels ('B' 60 .. 63)
};

// How the values of a plot ('N' 32) are drawn. Each value has been resolved to a point:
// the run position along the run axis (x for a plot of n > 0 values, y for n < 0) and the
// value along the other, the measure axis.
enum class PlotStyle : std::uint8_t {
    kBars,      // mode 0: a bar `size` wide centred on the run position, from `base` to the value
    kLine,      // mode -1: a polyline through the points
    kImpulses,  // mode < -1: a line from `base` to each point, along the measure axis
    kMarkers,   // mode 1 .. 6: a marker of that type and `size` at each point (see `marker`)
};

struct PlotShape {
    PlotStyle style = PlotStyle::kBars;
    bool runs_along_y = false;  // n < 0: bars and impulses are horizontal
    std::int32_t size = 0;      // bar width or marker size, device units
    std::int32_t base = 0;      // measure-axis coordinate of bars and impulses
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
    std::vector<std::int32_t> points;          // the array kinds: x, y pairs
    PlotShape plot;                            // kPlot only
    std::shared_ptr<const ImagePixels> image;  // kImage only; shared by the copies
};

class DisplayList {
  public:
    static constexpr std::size_t kMaxItems = 1000000;
    // Array coordinates all items together may hold (128 MiB of them).
    static constexpr std::size_t kMaxPointWords = std::size_t{32} << 20;
    // Picture pixels all items together may hold (128 MiB of them).
    static constexpr std::size_t kMaxImagePixels = std::size_t{32} << 20;

    explicit DisplayList(std::size_t limit = kMaxItems) : limit_(limit) {}

    // False, leaving the list alone, when it already holds `limit` items or the item's
    // points would not fit into what is left of kMaxPointWords.
    bool add(DrawItem item);
    // True when one more item with that many point words would be taken.
    bool has_room_for(std::size_t point_words) const;
    // True when one more picture of that many pixels would be taken.
    bool has_room_for_image(std::size_t pixels) const;
    // Drops the last `count` items (all of them when there are fewer).
    void remove_last(std::size_t count);
    void clear() { remove_last(items_.size()); }
    bool full() const { return items_.size() >= limit_; }
    std::size_t size() const { return items_.size(); }
    std::size_t room() const { return full() ? 0 : limit_ - items_.size(); }
    std::size_t point_words() const { return point_words_; }
    std::size_t image_pixels() const { return image_pixels_; }
    const std::vector<DrawItem>& items() const { return items_; }

  private:
    std::size_t limit_;
    std::size_t point_words_ = 0;
    std::size_t image_pixels_ = 0;
    std::vector<DrawItem> items_;
};

}  // namespace luwnd
