// The drawing surface the window process paints on. The painter turns display items into
// these calls; cairo/ draws them with Cairo and Pango, record/ writes them down for the
// tests. Coordinates are device pixels (x right, y down) before the current transform;
// colours are packed RGB (red << 16 | green << 8 | blue).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "plotcore/items.h"
#include "server/core/drawing_attributes.h"
#include "server/core/image_pixels.h"

namespace luwnd::render {

struct Point {
    double x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// A box in pixel edges: it covers the pixels left .. right - 1 and top .. bottom - 1.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Box&) const = default;
};

enum class DashStyle : std::uint8_t {
    kSolid,
    kDash,
    kDot,
    kDashDot,
    kDashDotDot,
    kNone,  // draws no outline
    kLongDash,
    kAlternate,  // every other pixel
    kSparseDot,
};

struct Pen {
    std::uint32_t rgb = 0;
    DashStyle dash = DashStyle::kSolid;
    std::int32_t width = 1;  // pixels, at least 1
    std::int32_t mix = 0;    // mix mode 0 .. 16, see mix_mode.h
    // Above 0 for the pens of plot items: the stroke is this wide, fractions of a pixel
    // too, and it and the outlines of boxes run exactly along the coordinates given,
    // where the other pens are shifted to cover whole pixels and outline a box's border
    // pixels. `width` then holds this width rounded, for canvases that cannot do better.
    double exact_width = 0;
    bool exact() const { return exact_width > 0; }
    bool operator==(const Pen&) const = default;
};

struct Fill {
    std::uint32_t rgb = 0;
    std::int32_t mix = 0;
    bool operator==(const Fill&) const = default;
};

enum class FillRule : std::uint8_t { kAlternate, kWinding };

enum class ArcShape : std::uint8_t { kOpen, kChord, kPie };

// Where later drawing may go: everywhere, only inside the box, or only outside it.
struct Clip {
    enum class Kind : std::uint8_t { kNone, kInside, kOutside } kind = Kind::kNone;
    Box box;
    bool operator==(const Clip&) const = default;
};

// Horizontal and vertical anchor of a text at its point.
enum class HAlign : std::uint8_t { kLeft, kCentre, kRight };
enum class VAlign : std::uint8_t { kTop, kBaseline, kBottom };

// Style bits of a text.
inline constexpr std::int32_t kTextBold = 1;
inline constexpr std::int32_t kTextItalic = 2;
inline constexpr std::int32_t kTextUnderline = 4;
inline constexpr std::int32_t kTextStrikeout = 8;
// The bytes are UTF-8 whatever the platform reads (plot texts only; the drawing
// operations never set it).
inline constexpr std::int32_t kTextUtf8 = 16;
// Slanted upright letters rather than an italic face where the system tells them apart
// (Pango); GDI has the italic only.
inline constexpr std::int32_t kTextOblique = 32;

// A text's affine picture: its own point (u, w), u along the baseline and w down from it,
// stands at (xx u + xy w, yx u + yy w) pixels from its anchor.
struct TextShape {
    double xx = 1, xy = 0, yx = 0, yy = 1;
    bool operator==(const TextShape&) const = default;
};

struct TextStyle {
    std::string face;                // bytes as sent, read like the text; empty: the default face
    double height = 16;              // em height in pixels
    double angle = 0;                // radians, counterclockwise on the screen
    std::optional<TextShape> shape;  // in place of the angle (plot texts only)
    HAlign h_align = HAlign::kLeft;
    VAlign v_align = VAlign::kTop;
    std::int32_t style = 0;  // kTextBold | kTextItalic | ...
    std::uint32_t rgb = 0;
    std::int32_t mix = 0;
    bool operator==(const TextStyle&) const = default;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Clears the whole page to the colour, with no transform and no clip.
    virtual void clear(std::uint32_t rgb) = 0;
    // The device transform of the calls that follow (see Transform).
    virtual void set_transform(const Transform& transform) = 0;
    virtual void set_clip(const Clip& clip) = 0;
    // The opacity of the calls that follow, pictures too: 0 transparent .. 255 opaque,
    // each call laid over what lies under it. clear() makes them opaque again.
    virtual void set_opacity(std::uint8_t alpha) = 0;

    virtual void line(Point from, Point to, const Pen& pen) = 0;
    virtual void polyline(std::span<const Point> points, const Pen& pen) = 0;
    // Cubic Bezier: the first point, then three points per segment.
    virtual void bezier(std::span<const Point> points, const Pen& pen) = 0;
    // Closed figures are filled first (when a fill is given), then outlined.
    virtual void polygon(std::span<const Point> points, FillRule rule, const Pen& pen,
                         std::optional<Fill> fill) = 0;
    // Filled with a linear gradient (plotcore/items.h: its axis in the coordinates of the
    // points, its stops' colours packed RGB with their opacity under the canvas's own),
    // not outlined.
    virtual void gradient_polygon(std::span<const Point> points, FillRule rule,
                                  const lumora::plotcore::Gradient& gradient) = 0;
    virtual void rectangle(const Box& box, const Pen& pen, std::optional<Fill> fill) = 0;
    virtual void rounded_rectangle(const Box& box, double corner_width, double corner_height,
                                   const Pen& pen, std::optional<Fill> fill) = 0;
    virtual void ellipse(const Box& box, const Pen& pen, std::optional<Fill> fill) = 0;
    // Part of the ellipse in the box from angle start counterclockwise to angle end
    // (radians, counterclockwise on the screen, 0 pointing right). The fill applies to
    // chords and pies.
    virtual void arc(const Box& box, double start, double end, ArcShape shape, const Pen& pen,
                     std::optional<Fill> fill) = 0;
    // Text anchored at the point, as the bytes the program sent: each canvas reads them in
    // its platform's encoding (see text_bytes.h).
    virtual void text(Point at, const std::string& bytes, const TextStyle& style) = 0;
    // A picture scaled into the box of two corners: its first pixel at the corner `first`,
    // its last at `last` (see image_resample.h), nearest or bilinear (smooth). The mix
    // mode does not apply: a picture covers what lies under it.
    virtual void image(const ImagePixels& pixels, Point first, Point last, bool smooth) = 0;
};

}  // namespace luwnd::render
