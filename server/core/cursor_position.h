// Where a pixel of a window lies in the plot under it: the frame of the plotting layer
// whose box holds the pixel (else whose panel does), in that frame's world, or the
// window's own world (its block's drawing state) where no frame is under it. On a log
// axis the value is the data value (10 to the world's power); on a time axis it is the
// world's value, seconds after the frame's time origin. And back: where a point of such
// a world lies, for the rubber band's anchor.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "plotcore/frame_layout.h"

namespace luwnd {

struct CursorPoint {
    double x = 0, y = 0;
    std::uint32_t frame = 0;  // the frame's number in its window, 0: the window's world
};

struct Pixel {
    std::int32_t x = 0, y = 0;  // from the upper left corner of the page
    bool operator==(const Pixel&) const = default;
};

using Frames = std::vector<lumora::plotcore::Frame>;

// Whether the rectangle (of some size) holds the page point.
bool holds(const lumora::plotcore::Rect& r, double x, double y);

// The last frame drawn whose box (or, failing that, panel) holds the page point (pixels,
// y upward); nullptr when none does.
const lumora::plotcore::Frame* frame_under(const Frames& frames, double x, double y);

// The pixel's point; frames in the order they were drawn (a later one lies on top), laid
// out on the page the block's words describe.
CursorPoint cursor_point(const Frames& frames, const std::uint8_t* words, Pixel pixel);

// The pixel of the point (x, y) of the frame numbered `frame` (0 or one not among the
// frames: the window's world); nullopt when the point has no pixel (not a number, a log
// axis value <= 0, or beyond the page's range).
std::optional<Pixel> cursor_pixel(const Frames& frames, const std::uint8_t* words,
                                  std::uint32_t frame, double x, double y);

}  // namespace luwnd
