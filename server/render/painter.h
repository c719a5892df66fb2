// Turns the window's drawings into canvas calls. What each drawing means:
//
// Pen styles: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none (no outline),
// 6 inside frame (solid; the outline of a closed figure lies inside its box), 7 long
// dash, 8 alternate (every other pixel), 9 sparse dot; other values solid. Width 0 is one
// pixel; widths are capped at kMaxDeviceLength. Mix modes: see mix_mode.h.
//
// Lines run from the current position to the new one. Figures take the box of their two
// corners (sorted, the larger corner's pixels excluded, as the Windows GDI does):
//   21 rectangle outline; 22 rectangle filled with the colour value k (the pen colour
//   when k is not a colour), without outline; 23 rectangle outline with rounded corners
//   of the given width and height; 24 ellipse outline; 25 arc, 26 chord, 27 pie of the
//   ellipse, counterclockwise from the direction of the start ray point to that of the
//   end ray point, both seen from the box centre (equal directions: the whole ellipse).
// Texts and symbols: the font height is the em height in pixels; the angle is in tenths
// of a degree counterclockwise; alignment a anchors the text at its point horizontally by
// a % 3 (0 left, 1 centre, 2 right) and vertically by a / 3 (0 top, 1 baseline,
// 2 bottom); style bits 1 bold, 2 italic, 4 underline, 8 strikeout. A symbol is its code
// as a Latin-1 character in the symbol font; codes of control characters draw nothing.
// Markers: see marker_painter.h. Arrays, plots, grids and points: see array_painter.h.
// Pictures: scaled into the box of their corners, see image_resample.h.
// Plot batches: at full precision, see batch_painter.h.
// The page is cleared to the window's background colour (white unless set).
//
// Compositing ('B' 47) treats the page as drawn over its background colour: an item
// that replaces goes first as a shape of the background, opaque, and then over it; an
// item in xor goes only as that shape, at the item's opacity, so what lies under it
// fades to the background. Each item goes as a whole, as its opacity does.
//
// The transform of 'A' 7 maps every coordinate of the drawings after it. The rectangle
// of 'A' 8 clips the drawings after it, in device pixels: mode 1 and 3 keep what lies
// inside it, 2 and 4 what lies outside; mode 0 does not clip.
#pragma once

#include "canvas.h"
#include "picture.h"

namespace luwnd::render {

Pen pen_of(const PenState& state, std::uint32_t rgb);
Clip clip_of(const RectangleMode& rectangle);
// The sorted box of two corners.
Box box_of(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
TextStyle text_style_of(const FontState& font, std::uint32_t rgb);

// One drawing on a page of that size and background colour (packed RGB).
void paint(const PaintItem& op, std::int32_t page_width, std::int32_t page_height, Canvas& canvas,
           std::uint32_t background = 0xFFFFFF);
// The whole picture: the page in its background colour, then every drawing in order.
void paint(const Picture& picture, Canvas& canvas);

}  // namespace luwnd::render
