// What a window would draw, in order, for the renderer to replay: one plain item per
// drawing command, with the attributes that were in force.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drawing_attributes.h"
#include "image_pixels.h"
#include "plotcore/items.h"

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
    kBatch,     // batch: plot items in page pixels at full precision ('B' 71); element:
                // the element it belongs to, 0 none
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
    // The window's opacity when the item was drawn ('B' 44), 255 opaque; one byte, in
    // what the kind's padding leaves, so that an item costs no more memory.
    std::uint8_t alpha = 255;
    // The window's compositing when the item was drawn ('B' 47, kCompose...), one byte
    // beside the opacity.
    std::uint8_t compose = 0;
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
    std::vector<std::int32_t> points;                      // the array kinds: x, y pairs
    PlotShape plot;                                        // kPlot only
    std::shared_ptr<const ImagePixels> image;              // kImage only; shared by the copies
    std::shared_ptr<const lumora::plotcore::Items> batch;  // kBatch only; shared likewise
    std::int32_t element = 0;                              // kBatch: its element handle
    // Given by the display list when the item is added, one number per item it ever held,
    // so that a copy of the list can tell which of its items are still there.
    std::uint64_t serial = 0;
};

// The memory all display lists of the process may hold together, so that many windows
// cannot exhaust the machine where each alone stays within its limits. An item costs its
// own size, its text, its points, its picture pixels and its plot items.
class DrawingBudget {
  public:
    static constexpr std::size_t kDefaultBytes = std::size_t{512} << 20;

    explicit DrawingBudget(std::size_t bytes = kDefaultBytes) : limit_(bytes) {}
    bool take(std::size_t bytes) {
        if (bytes > limit_ - used_) return false;
        used_ += bytes;
        return true;
    }
    void give_back(std::size_t bytes) { used_ -= bytes < used_ ? bytes : used_; }
    bool has(std::size_t bytes) const { return bytes <= limit_ - used_; }
    std::size_t used() const { return used_; }
    std::size_t left() const { return limit_ - used_; }

  private:
    std::size_t limit_;
    std::size_t used_ = 0;
};

// What an item costs of the budget.
std::size_t item_cost(const DrawItem& item);
// What an item with that many point words and no text costs.
std::size_t item_cost(std::size_t point_words);

class DisplayList {
  public:
    static constexpr std::size_t kMaxItems = 1000000;
    // Array coordinates all items together may hold (128 MiB of them).
    static constexpr std::size_t kMaxPointWords = std::size_t{32} << 20;
    // Picture pixels all items together may hold (128 MiB of them).
    static constexpr std::size_t kMaxImagePixels = std::size_t{32} << 20;

    // budget: shared by the process's lists (not owned); nullptr for none.
    explicit DisplayList(std::size_t limit = kMaxItems, DrawingBudget* budget = nullptr)
        : limit_(limit), budget_(budget) {}
    ~DisplayList() { clear(); }
    // A copy is a picture of the list: it counts against no budget.
    DisplayList(const DisplayList& other)
        : limit_(other.limit_),
          point_words_(other.point_words_),
          image_pixels_(other.image_pixels_),
          serials_(other.serials_),
          edits_(other.edits_),
          items_(other.items_) {}
    DisplayList& operator=(const DisplayList& other) = delete;
    DisplayList(DisplayList&& other) noexcept { *this = std::move(other); }
    DisplayList& operator=(DisplayList&& other) noexcept;

    // False, leaving the list alone, when it already holds `limit` items, the item's
    // points would not fit into what is left of kMaxPointWords, or the process's budget
    // has no room for it.
    bool add(DrawItem item);
    // The same at position `at` (0 .. size()), before the item there.
    bool insert(std::size_t at, DrawItem item);
    // Puts the item where the first item of its element stands and removes the element's
    // other items; when the element has none, adds it at the end. False, leaving the list
    // alone, when what it takes beyond what the element's items gave back has no room.
    bool replace_element(DrawItem item);
    // Gives the batch item at `at` other plot items (laid out again); false, leaving it
    // alone, when they take more room than is left.
    bool replace_batch(std::size_t at, std::shared_ptr<const lumora::plotcore::Items> batch);
    // Removes every item of element h (h > 0); returns how many there were.
    std::size_t remove_element(std::int32_t element);
    // One past the last item of element h, or nothing when it has none.
    std::optional<std::size_t> element_end(std::int32_t element) const;
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
    // Counts the changes other than adding at the end and removing from the end (an
    // insertion, an element replaced or removed): a copy that kept up by adding and
    // dropping at the end compares its items' serials again when it changes.
    std::uint64_t edits() const { return edits_; }

  private:
    // Whether an item of these sizes fits once the items of `freed` points, pixels and
    // cost have gone, and takes its cost from the budget; false, taking nothing, if not.
    bool take_room(const DrawItem& item, std::size_t cost, std::size_t freed_words,
                   std::size_t freed_pixels, std::size_t freed_cost);
    // Counts what the item holds as held, or as no longer held (sign -1).
    void tally(const DrawItem& item, std::size_t cost, int sign);

    std::size_t limit_ = kMaxItems;
    DrawingBudget* budget_ = nullptr;
    std::size_t point_words_ = 0;
    std::size_t charged_ = 0;  // taken from the budget for the items held
    std::size_t image_pixels_ = 0;
    std::uint64_t serials_ = 0;  // the last serial given
    std::uint64_t edits_ = 0;
    std::vector<DrawItem> items_;
};

}  // namespace luwnd
