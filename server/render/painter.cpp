#include "painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "array_painter.h"
#include "background_canvas.h"
#include "batch_painter.h"
#include "marker_painter.h"
#include "server/core/further_commands.h"

namespace luwnd::render {
namespace {

constexpr std::int32_t kStyleInsideFrame = 6;

DashStyle dash_of(std::int32_t style) {
    static constexpr DashStyle kStyles[] = {
        DashStyle::kSolid,      DashStyle::kDash,     DashStyle::kDot,   DashStyle::kDashDot,
        DashStyle::kDashDotDot, DashStyle::kNone,     DashStyle::kSolid, DashStyle::kLongDash,
        DashStyle::kAlternate,  DashStyle::kSparseDot};
    return style >= 0 && style <= 9 ? kStyles[style] : DashStyle::kSolid;
}

// The box an inside-frame pen outlines so that its whole width stays inside.
Box frame_box(Box box, const PenState& state, const Pen& pen) {
    if (state.style != kStyleInsideFrame || pen.width <= 1) return box;
    // The stroke is centred on the inset line: half the width keeps it inside for odd
    // and even widths alike.
    double inset = std::floor(pen.width / 2.0);
    inset = std::min({inset, (box.right - box.left) / 2, (box.bottom - box.top) / 2});
    return {box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
}

// Direction of a ray point seen from the box centre, counterclockwise on the screen.
double ray_angle(const Box& box, std::int32_t x, std::int32_t y) {
    double cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    return std::atan2(cy - y, x - cx);
}

void paint_figure(const DrawItem& item, const std::optional<std::uint32_t>& extra, Canvas& canvas) {
    const auto& c = item.coords;
    Pen pen = pen_of(item.pen, item.rgb);
    Box box = frame_box(box_of(c[0], c[1], c[2], c[3]), item.pen, pen);
    switch (item.kind) {
        case ItemKind::kBox21:
            canvas.rectangle(box, pen, std::nullopt);
            break;
        case ItemKind::kBox22: {
            Pen none = pen;
            none.dash = DashStyle::kNone;
            canvas.rectangle(box_of(c[0], c[1], c[2], c[3]), none,
                             Fill{extra.value_or(item.rgb), pen.mix});
            break;
        }
        case ItemKind::kBox23:
            canvas.rounded_rectangle(box, std::min<double>(item.arg1, box.right - box.left),
                                     std::min<double>(item.arg2, box.bottom - box.top), pen,
                                     std::nullopt);
            break;
        case ItemKind::kBox24:
            canvas.ellipse(box, pen, std::nullopt);
            break;
        default: {
            Box ellipse = box_of(c[0], c[1], c[2], c[3]);
            ArcShape shape = item.kind == ItemKind::kArc25   ? ArcShape::kOpen
                             : item.kind == ItemKind::kArc26 ? ArcShape::kChord
                                                             : ArcShape::kPie;
            canvas.arc(box, ray_angle(ellipse, c[4], c[5]), ray_angle(ellipse, c[6], c[7]), shape,
                       pen, std::nullopt);
            break;
        }
    }
}

void paint_text(const DrawItem& item, Canvas& canvas) {
    Point at{static_cast<double>(item.coords[0]), static_cast<double>(item.coords[1])};
    TextStyle style = text_style_of(item.font, item.rgb);
    if (item.kind == ItemKind::kText) {
        canvas.text(at, item.text, style);
        return;
    }
    auto code = static_cast<unsigned char>(item.arg1 & 0xFF);
    if (code < 0x20 || (code >= 0x7F && code < 0xA0)) return;
    char byte = static_cast<char>(code);
    canvas.text(at, std::string(1, byte), style);
}

}  // namespace

void paint_item(const PaintItem& op, std::int32_t page_width, std::int32_t page_height,
                Canvas& canvas) {
    const DrawItem& item = op.item;
    canvas.set_transform(item.transform);
    canvas.set_clip(clip_of(item.rectangle));
    canvas.set_opacity(item.alpha);
    switch (item.kind) {
        case ItemKind::kLine:
            canvas.line({static_cast<double>(item.coords[0]), static_cast<double>(item.coords[1])},
                        {static_cast<double>(item.coords[2]), static_cast<double>(item.coords[3])},
                        pen_of(item.pen, item.rgb));
            break;
        case ItemKind::kText:
        case ItemKind::kSymbol:
            paint_text(item, canvas);
            break;
        case ItemKind::kMarker:
            paint_marker(item, canvas);
            break;
        case ItemKind::kBox21:
        case ItemKind::kBox22:
        case ItemKind::kBox23:
        case ItemKind::kBox24:
        case ItemKind::kArc25:
        case ItemKind::kArc26:
        case ItemKind::kArc27:
            paint_figure(item, op.extra_rgb, canvas);
            break;
        case ItemKind::kImage:
            if (item.image) {
                canvas.image(
                    *item.image,
                    {static_cast<double>(item.coords[0]), static_cast<double>(item.coords[1])},
                    {static_cast<double>(item.coords[2]), static_cast<double>(item.coords[3])},
                    item.arg1 == 1);
            }
            break;
        case ItemKind::kBatch:
            paint_batch(item, canvas);
            break;
        default:
            paint_array(item, page_width, page_height, canvas);
            break;
    }
}

void paint(const PaintItem& op, std::int32_t page_width, std::int32_t page_height, Canvas& canvas,
           std::uint32_t background) {
    const std::uint8_t compose = op.item.compose;
    if (compose == further::kComposeReplace || compose == further::kComposeXor) {
        const bool xor_mode = compose == further::kComposeXor;
        BackgroundCanvas under(canvas, background & 0xFFFFFF, xor_mode ? op.item.alpha : 255);
        paint_item(op, page_width, page_height, under);
        if (xor_mode) return;
    }
    paint_item(op, page_width, page_height, canvas);
}

Pen pen_of(const PenState& state, std::uint32_t rgb) {
    return {rgb & 0xFFFFFF, dash_of(state.style), std::clamp(state.width, 1, kMaxDeviceLength),
            state.mix};
}

Clip clip_of(const RectangleMode& rectangle) {
    Clip clip;
    if (rectangle.mode == 1 || rectangle.mode == 3) clip.kind = Clip::Kind::kInside;
    if (rectangle.mode == 2 || rectangle.mode == 4) clip.kind = Clip::Kind::kOutside;
    if (clip.kind != Clip::Kind::kNone)
        clip.box = box_of(rectangle.x1, rectangle.y1, rectangle.x2, rectangle.y2);
    return clip;
}

Box box_of(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    return {static_cast<double>(std::min(x1, x2)), static_cast<double>(std::min(y1, y2)),
            static_cast<double>(std::max(x1, x2)), static_cast<double>(std::max(y1, y2))};
}

TextStyle text_style_of(const FontState& font, std::uint32_t rgb) {
    TextStyle style;
    style.face = font.face;
    style.height = std::clamp(font.size, 1, kMaxDeviceLength);
    style.angle = (font.angle % 3600) * std::numbers::pi / 1800.0;
    std::int32_t align = font.align >= 0 && font.align <= 8 ? font.align : 0;
    style.h_align = static_cast<HAlign>(align % 3);
    style.v_align = static_cast<VAlign>(align / 3);
    style.style =
        font.style & (kTextBold | kTextItalic | kTextUnderline | kTextStrikeout | kTextOblique);
    style.rgb = rgb & 0xFFFFFF;
    return style;
}

void paint(const Picture& picture, Canvas& canvas) {
    canvas.clear(picture.background);
    for (const PaintItem& op : picture.items)
        paint(op, picture.width, picture.height, canvas, picture.background);
}

}  // namespace luwnd::render
