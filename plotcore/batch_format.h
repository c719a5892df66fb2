// The byte layout of a plot batch: the drawing items of one plot element (a frame with its
// ticks and numbers, labels, a data line, a legend, ...) as the library sends them to the
// window process in one command, at sub-pixel precision.
//
// All numbers are little-endian; f32 is an IEEE-754 single, which holds a page coordinate
// up to 131072 pixels to 1/64 pixel. Coordinates are page pixels of the window: x to the
// right, y downward, 0 at the top left corner of the drawing area, before the picture's
// own scale (a 192-dpi picture draws them twice as large).
//
//   header   u32 magic kMagic, u16 version kVersion, u16 0, u32 item count, u32 0
//   item     u8 kind, u8 0, u16 0, u32 payload bytes, then the payload:
//
//   kind              payload
//   kKindPolyline     stroke, u32 n >= 1, n points: a line through them (one point: a dot)
//   kKindSegments     stroke, u32 n (even), n points: separate lines from point 2i to 2i+1
//   kKindPolygon      u8 flags (1 filled, 2 outlined), u8 rule (0 even-odd, 1 nonzero),
//                     u8 the fill's transparency (255 - its opacity: 0 opaque), u8 0,
//                     u32 fill rgb, stroke, u32 n >= 3, n points
//   kKindText         point, f32 height (em, pixels), f32 angle (radians, counterclockwise),
//                     u8 horizontal (0 left, 1 centre, 2 right), u8 vertical (0 top,
//                     1 baseline, 2 bottom), u8 style (1 bold, 2 italic, 4 the bytes are
//                     UTF-8 on every platform), u8 flags (0, or kTextHasMatrix), u32 rgb,
//                     u32 byte count (at most kMaxTextBytes), the bytes (UTF-8 on Linux, the
//                     program's code page on Windows, as lu_draw_text's, unless style 4 says
//                     UTF-8: the named symbols of text markup); with kTextHasMatrix the
//                     angle is 0 and f32 xx, xy, yx, yy follow: the text's own point (u, w),
//                     u along the baseline and w down, stands at (xx u + xy w, yx u + yy w)
//                     from the anchor (each at most kMaxTextMatrixEntry either way, the
//                     determinant at least kMinTextMatrixArea either way)
//   kKindMarkers      u8 type (the marker types of lu_set_marker, 0 .. kMaxMarkerType),
//                     u8 filled (0 or 1), u16 0, f32 size (pixels across), f32 line width
//                     (pixels), u32 rgb, u32 n >= 1, n points: one marker centred on each
//   kKindColouredMarkers  u8 type (as kKindMarkers), u8 filled (0 or 1), u16 0, f32 line
//                     width (pixels), u32 n >= 1, n points each with its own size and colour:
//                     f32 x, f32 y, f32 size (pixels across), u32 rgb
//   kKindClip         u8 on (1 clip to the box, 0 no clip), u8 0, u16 0, f32 left, top,
//                     right, bottom: where the items after it in this batch may draw
//   kKindHatch        stroke (of the lines), u8 rule (0 even-odd, 1 nonzero), u8 sets
//                     (1 .. kMaxHatchSets), u16 0, sets x (f32 angle, radians
//                     counterclockwise from the page's x axis, within kMaxHatchAngle either
//                     way; f32 spacing, page pixels across the lines, kMinHatchSpacing ..
//                     kMaxCoordinate), u32 n >= 3, n points: the polygon hatched with each
//                     set of parallel lines, at whole multiples of the spacing from the
//                     page's origin, nothing drawn between them (see hatch.h, which also
//                     bounds the lines an item draws)
//   kKindGradient     u8 rule (0 even-odd, 1 nonzero), u8 0, u16 0, point from, point to
//                     (apart: the gradient's axis, offset 0 at from and 1 at to), u32 m
//                     (2 .. kMaxGradientStops) stops, each f32 offset (0 .. 1, none below
//                     the one before), u32 rgb, u8 alpha (0 transparent .. 255 opaque),
//                     u8 0, u16 0; u32 n >= 3, n points: the polygon filled with a linear
//                     gradient, the colours blended between the stops along the axis and
//                     the same across it, the first stop's before it and the last's beyond
//
// Seven kinds draw nothing: they say what the items after them (up to the next of these
// seven) were laid out from, so that the window process can lay them out again when the
// page changes size. u32 frame (>= 1) numbers the frame in its window; then
//   kKindFrame        f64 x1, x2, y1, y2 (the ranges as given), u32 options (LU_PLOT_...,
//                     and kPolarRoom 256: room for a polar frame's spoke numbers),
//                     u8 nx, u8 ny (1 .. 16), u16 panel (1 .. nx * ny), f32 text scale
//                     (0.25 .. 4), f32 resolution (dots per inch / 96, 0.25 .. 25), f64
//                     time origin, f32 page width, f32 page height (what it was laid out
//                     on); with options bit 512 (which is no LU_PLOT_ option) the frame's
//                     style follows: five colour values (box and ticks, numbers, axis
//                     labels, title, grid), u8 grid pen style 0 .. 9, u8 1 for grid lines
//                     at subticks (else 0), u16 0; with options bit 4096 (no LU_PLOT_
//                     option either) the number formats follow: three texts (u32 byte
//                     count up to 64, the bytes) for the x numbers, the y numbers (printf-like,
//                     one conversion of a double) and a time axis (strftime-like), empty for
//                     numbers chosen by the axis; with options bit 65536 (no LU_PLOT_ option
//                     either) the labels' own colours follow: three colour values (x label,
//                     y label, title), each 0xFFFFFFFF for the style's colour; with options
//                     bit 131072 (no LU_PLOT_ option) the title's size follows: f32 in text
//                     heights, 0.25 .. 4 (else 1.15)
//   kKindBox          axis x, axis y: u16 letters (bits b c t s g n m l d a o f from bit 0),
//                     u16 subdivisions, f64 step (0 chosen): a box drawn on the frame
//   kKindLabels       three texts (u32 byte count, the bytes): x label, y label, title
//   kKindAnchor       f32 left, top, right, bottom: the frame's box when the items after
//                     it were placed in the frame's world (frame 0: they stay on the page)
//   kKindLegend       u8 place (1 .. 11, as lu_plot_legend takes it; 0 placed), u8 0,
//                     u16 0, u32 n (1 .. kMaxLegendEntries); when placed: u8 position (one of
//                     the sixteen sums of LU_PLOT_LEGEND_...), u8 columns (1 .. 32), u16 0,
//                     f32 dx, dy (text heights, at most kMaxLegendOffset either way), u32
//                     background (a colour value, or 0xFFFFFFFF for neither background nor
//                     outline), where the u16 after columns is the background's
//                     transparency (255 - its opacity: 0 opaque; the outline stays whole); then n
//                     entries: u32 colour value, i8 line style (-1 none, 0 .. 9), u8 marker (0 ..
//                     16, as lu_plot_points takes it), u16 kind (0; when placed 1 for a filled box,
//                     2 for a hatched box), when placed u32 text colour value, for a hatched box
//                     u32 sets (1 .. kMaxHatchSets) and the sets (f32 angle as kKindHatch bounds
//                     it, f32 spacing in pixels at 96 dpi, kMinHatchSpacing .. kMaxWidth), text
//                     (u32 byte count, the bytes)
//   kKindBeside       f32 left, top, right, bottom, f32 gap, f32 width: items placed in a
//                     strip beside the frame's box (a colour bar), the strip's box when
//                     they were placed; the strip begins gap right of the box and is width
//                     across, both in normalized units (the page's shorter side, as
//                     lu_set_viewport takes them; gap -kMaxBesideUnits .. kMaxBesideUnits,
//                     width above 0 up to kMaxBesideUnits), and spans the box's height.
//                     A payload of 32 bytes places the strip on a side of the box: the
//                     same 28 bytes, then u8 side (1 right, 2 left, 3 above, 4 below: the
//                     values of LU_BAR_RIGHT ... LU_BAR_BELOW), u8 0, u16 0. Left of the
//                     box and below it, gap counts from beyond the room of the frame's
//                     numbers and axis label there (plotcore::bar_clearance); a strip
//                     above or below spans the box's width. The library sends a strip
//                     right of the box in the 28 bytes.
//   kKindTwin         u8 axis (0 a twin x axis along the top, 1 a twin y axis along the
//                     right), u8 log (0 or 1), u16 0, f64 v1, v2 (its range as given, as
//                     the frame's ranges are checked), a text (u32 byte count up to 64, the
//                     bytes) with the format of its numbers (empty: chosen), a text (up to
//                     kMaxTextBytes) with its label: a twin axis drawn on the frame, whose
//                     scale the anchored parts after it take. A twin with ticks or colours
//                     of its own adds 20 bytes: f64 step (0 chosen, else its major tick
//                     step, finite, at most 3.4e38), u16 subticks (0 chosen, else 1 ... 100
//                     intervals between major ticks), u16 0, u32 numbers colour, u32 label
//                     colour (each a colour value as the frame's style has them, or
//                     0xFFFFFFFF: the frame's own)
//
//   stroke        u32 rgb, f32 width (pixels, > 0), u8 dash (0 solid, 1 dash, 2 dot,
//                 3 dash-dot, 4 dash-dot-dot), u8 0, u16 0
//   point         f32 x, f32 y
//
// rgb is a colour: red << 16 | green << 8 | blue, or kColourValueFlag | v for a colour
// value v as lu_set_pen takes it (a colour entry 0 .. 35, 0x01000000 | palette index,
// 0x02000000 | r | g << 8 | b), which the window process resolves with the window's colour
// table when the batch arrives, as it does for a pen. A reader refuses the whole batch when
// anything in it is out of these bounds: a wrong magic or version, a payload that does not fit its
// item or the batch, a coordinate that is not finite or lies beyond kMaxCoordinate, a
// width or height that is not positive or beyond the bounds below.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumora::plotcore {

inline constexpr std::uint32_t kMagic = 0x3142754Cu;  // "LuB1" in memory
inline constexpr std::uint16_t kVersion = 1;
inline constexpr std::size_t kHeaderBytes = 16;
inline constexpr std::size_t kItemHeaderBytes = 8;
inline constexpr std::size_t kStrokeBytes = 12;
inline constexpr std::size_t kPointBytes = 8;
// A point of kKindColouredMarkers with its size and colour.
inline constexpr std::size_t kColouredPointBytes = 16;

inline constexpr std::uint8_t kKindPolyline = 1;
inline constexpr std::uint8_t kKindSegments = 2;
inline constexpr std::uint8_t kKindPolygon = 3;
inline constexpr std::uint8_t kKindText = 4;
inline constexpr std::uint8_t kKindMarkers = 5;
inline constexpr std::uint8_t kKindClip = 6;
inline constexpr std::uint8_t kKindFrame = 7;
inline constexpr std::uint8_t kKindBox = 8;
inline constexpr std::uint8_t kKindLabels = 9;
inline constexpr std::uint8_t kKindAnchor = 10;
inline constexpr std::uint8_t kKindLegend = 11;
inline constexpr std::uint8_t kKindBeside = 12;
inline constexpr std::uint8_t kKindTwin = 13;
inline constexpr std::uint8_t kKindHatch = 14;
inline constexpr float kMaxHatchAngle = 6.2832f;  // a turn
inline constexpr float kMinHatchSpacing = 1.0f / 64;
inline constexpr std::uint8_t kKindColouredMarkers = 15;
inline constexpr std::uint8_t kKindGradient = 16;
inline constexpr std::size_t kMaxGradientStops = 256;
inline constexpr std::size_t kGradientStopBytes = 12;
inline constexpr std::size_t kMaxLegendEntries = 32;
inline constexpr float kMaxLegendOffset = 100.0f;
inline constexpr float kMaxBesideUnits = 16.0f;

inline constexpr std::uint8_t kPolygonFilled = 1;
inline constexpr std::uint8_t kPolygonOutlined = 2;

inline constexpr std::size_t kMaxTextBytes = 4096;
inline constexpr int kMaxMarkerType = 6;
inline constexpr float kMaxCoordinate = 1.0e6f;
inline constexpr float kMaxWidth = 1000.0f;  // pen widths and marker sizes
inline constexpr float kMaxTextHeight = 10000.0f;
inline constexpr std::uint8_t kTextUtf8Bytes = 4;  // text style: UTF-8 on every platform
inline constexpr std::uint8_t kMaxTextStyle = 7;
inline constexpr std::uint8_t kTextHasMatrix = 1;
inline constexpr float kMaxTextMatrixEntry = 64.0f;
// Below this a text's picture is a sliver seen edge on, drawn as nothing at all.
inline constexpr float kMinTextMatrixArea = 1.0e-3f;
inline constexpr int kMaxDash = 4;
inline constexpr std::uint32_t kColourValueFlag = 0x80000000u;

// True for a colour that carries a colour value.
inline constexpr bool is_colour_value(std::uint32_t colour) {
    return (colour & kColourValueFlag) != 0;
}
// True when v has one of the three forms of a colour value.
inline constexpr bool is_valid_colour_value(std::uint32_t v) {
    const std::uint32_t form = v >> 24, low = v & 0xFFFFFFu;
    return v <= 35 || (form == 1 && low <= 255) || form == 2;
}

}  // namespace lumora::plotcore
