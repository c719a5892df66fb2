// What one window shows, as the host keeps it: the page, the title and every drawing in
// order, each with the attributes and colours that were in force.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "server/core/display_list.h"

namespace luwnd::render {

// A display-list item with the fill colour value of a box 22 resolved when it was drawn;
// nothing when that value is not a colour (the item's colour applies).
struct PaintItem {
    DrawItem item;
    std::optional<std::uint32_t> extra_rgb;
};

struct Picture {
    std::int32_t width = 1, height = 1;
    // Where on the screen the window asked to be (its top left corner); 0, 0: wherever
    // the system puts new windows.
    std::int32_t x = 0, y = 0;
    std::uint32_t background = 0xFFFFFF;
    // The resolution the window is drawn for (dots per inch): vector files are written in
    // points, 72 / dpi of them a pixel, so that they print at the size the window has at
    // that resolution.
    std::int32_t dpi = 96;
    std::string title;  // UTF-8
    // The format the window asked to be written in at the end: 0 none, 1 PNG, 2 SVG,
    // 3 PDF, -1 not asked (the window process's own choice).
    std::int32_t format = -1;
    // The program draws a buffered frame: a screen keeps showing what it showed before.
    // Pictures written to files take the items as they are.
    bool held = false;
    std::vector<PaintItem> items;
    // Counts the times items were removed or changed other than by adding at the end (an
    // erase, an undo, a plot element replaced): a screen that paints only the items added
    // since it last looked paints the whole picture again when this changes.
    std::uint64_t rewrites = 0;
};

}  // namespace luwnd::render
