// The drawing items of a plot batch in memory: what the library's layout produces and
// what the window process paints, in page pixels at full precision (see batch_format.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame_layout.h"
#include "legend_layout.h"
#include "twin_axis.h"

namespace lumora::plotcore {

struct BoxF {
    float left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const BoxF&) const = default;
};

struct PointF {
    float x = 0, y = 0;
    bool operator==(const PointF&) const = default;
};

enum class Dash : std::uint8_t { kSolid, kDash, kDot, kDashDot, kDashDotDot };

struct Stroke {
    std::uint32_t rgb = 0;
    float width = 1.5f;
    Dash dash = Dash::kSolid;
    bool operator==(const Stroke&) const = default;
};

enum class HAlign : std::uint8_t { kLeft, kCentre, kRight };
enum class VAlign : std::uint8_t { kTop, kBaseline, kBottom };

// A text's picture in batch coordinates: its point (u, w), u along the baseline and w
// down from it, stands at (xx * u + xy * w, yx * u + yy * w) from its anchor.
struct BatchTextMatrix {
    float xx = 1, xy = 0, yx = 0, yy = 1;
    bool operator==(const BatchTextMatrix&) const = default;
};

struct TextLook {
    float height = 12;  // em height, pixels
    float angle = 0;    // radians, counterclockwise; 0 with a matrix
    HAlign h_align = HAlign::kLeft;
    VAlign v_align = VAlign::kBaseline;
    std::uint8_t style = 0;  // 1 bold, 2 italic
    std::uint32_t rgb = 0;
    std::string bytes;
    std::optional<BatchTextMatrix> matrix;  // in place of the angle
    bool operator==(const TextLook&) const = default;
};

struct MarkerShape {
    std::uint8_t type = 0;  // 0 .. kMaxMarkerType
    bool filled = false;
    float size = 5;
    float line_width = 1;
    std::uint32_t rgb = 0;
    bool operator==(const MarkerShape&) const = default;
};

enum class ItemKind : std::uint8_t {
    kPolyline = 1,
    kSegments = 2,
    kPolygon = 3,
    kText = 4,
    kMarkers = 5,
    kClip = 6,
    kFrame = 7,
    kBox = 8,
    kLabels = 9,
    kAnchor = 10,
    kLegend = 11,
    kBeside = 12,
    kTwin = 13,
    kHatch = 14,
    kColouredMarkers = 15,
    kGradient = 16,
};

// A colour of a gradient at its offset along the gradient's axis (0 at its start, 1 at
// its end), with its opacity (255 opaque).
struct GradientStop {
    float offset = 0;
    std::uint32_t rgb = 0;
    std::uint8_t alpha = 255;
    bool operator==(const GradientStop&) const = default;
};

// A linear gradient: the colour changes along the axis from `from` to `to` and stays the
// same across it; before the start the first stop's colour, beyond the end the last's.
struct Gradient {
    PointF from, to;
    std::vector<GradientStop> stops;
    bool operator==(const Gradient&) const = default;
};

// What a part of a batch was laid out from, so that the window process can lay it out
// again for another page size: the items after it, up to the next such item, are
//   kFrame    a frame laid out from setup on a page of page_width x page_height
//   kBox      a box with these axis options drawn on the frame
//   kLabels   the labels of the frame
//   kAnchor   items placed in the frame's world, box being the frame's box (batch
//             coordinates) when they were placed
//   kLegend   a legend of these entries in a corner of the frame's box
//   kBeside   items placed in a strip beside the frame's box on one side of it (kSide...),
//             box being the strip (batch coordinates) when they were placed, gap and
//             width its place in normalized units
//   kTwin     a twin axis drawn on the frame (its data follow in anchored parts)
// frame numbers the frame in its window (1 ...).
struct LayoutSource {
    std::uint32_t frame = 0;
    FrameSetup setup;
    float page_width = 0, page_height = 0;
    AxisOptions x, y;
    Labels labels;
    BoxF box;
    int corner = 1;  // a place of lu_plot_legend, or 0: placed
    LegendPlacement placement;
    std::vector<LegendEntry> legend;
    float gap = 0, width = 0;  // beside
    int side = kSideRight;     // beside
    TwinAxis twin;
    bool operator==(const LayoutSource&) const = default;
};

// One item; only the members its kind names are used.
struct Item {
    ItemKind kind = ItemKind::kPolyline;
    Stroke stroke;               // polyline, segments, polygon outline, hatch lines
    std::vector<PointF> points;  // polyline, segments, polygon, markers, hatch, gradient;
                                 // text: its anchor
    bool filled = false, outlined = true, nonzero = false;  // polygon; nonzero: hatch, gradient
    Hatch hatch;                    // hatch: its line sets, spacing in page pixels
    Gradient gradient;              // gradient: the polygon's colours
    std::uint32_t fill_rgb = 0;     // polygon
    std::uint8_t fill_alpha = 255;  // polygon: the fill's opacity (the outline's is whole)
    TextLook text;
    MarkerShape marker;  // markers; coloured markers: type, filled and line width
    // Coloured markers: each point's size (pixels across) and colour (as MarkerShape's).
    std::vector<float> sizes;
    std::vector<std::uint32_t> colours;
    bool clip_on = false;  // clip
    BoxF clip;
    LayoutSource source;  // frame, box, labels, anchor
    bool operator==(const Item&) const = default;
};

using Items = std::vector<Item>;

}  // namespace lumora::plotcore
