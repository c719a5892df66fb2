#include "batch_reader.h"

#include <cmath>
#include <cstring>

#include "batch_format.h"
#include "byte_reader.h"
#include "layout_items.h"

namespace lumora::plotcore {
namespace {

void read_polygon(Reader& r, Item& item) {
    const std::uint8_t flags = r.u8();
    if (flags == 0 || flags > (kPolygonFilled | kPolygonOutlined)) r.fail("unknown polygon flags");
    item.filled = (flags & kPolygonFilled) != 0;
    item.outlined = (flags & kPolygonOutlined) != 0;
    const std::uint8_t rule = r.u8();
    if (rule > 1) r.fail("unknown fill rule");
    item.nonzero = rule == 1;
    item.fill_alpha = static_cast<std::uint8_t>(255 - r.u8());
    r.skip(1);
    item.fill_rgb = r.colour();
    item.stroke = r.stroke();
    r.points(item.points, 3, 1);
}

// A text's picture: finite, bounded and not flattened into a line; the angle it replaces 0.
void read_text_matrix(Reader& r, TextLook& t) {
    BatchTextMatrix m;
    for (float* v : {&m.xx, &m.xy, &m.yx, &m.yy}) {
        *v = r.f32();
        if (!std::isfinite(*v) || std::fabs(*v) > kMaxTextMatrixEntry)
            return r.fail("text matrix out of range");
    }
    const double area = double(m.xx) * m.yy - double(m.xy) * m.yx;
    if (!(std::fabs(area) >= kMinTextMatrixArea)) return r.fail("text matrix flattened");
    if (t.angle != 0) return r.fail("text with both an angle and a matrix");
    t.matrix = m;
}

void read_text(Reader& r, Item& item) {
    item.points = {r.point()};
    TextLook& t = item.text;
    t.height = r.size(kMaxTextHeight);
    t.angle = r.f32();
    if (!std::isfinite(t.angle) || std::fabs(t.angle) > 100) r.fail("angle out of range");
    const std::uint8_t h = r.u8(), v = r.u8();
    if (h > 2 || v > 2) r.fail("unknown alignment");
    t.h_align = static_cast<HAlign>(h);
    t.v_align = static_cast<VAlign>(v);
    t.style = r.u8();
    if (t.style > kMaxTextStyle) r.fail("unknown text style");
    const std::uint8_t flags = r.u8();
    if (flags > kTextHasMatrix) r.fail("unknown text flags");
    t.rgb = r.colour();
    const std::uint32_t n = r.u32();
    if (n > kMaxTextBytes) return r.fail("text too long");
    t.bytes = r.text(n);
    if (flags == kTextHasMatrix) read_text_matrix(r, t);
}

// The type and fill of markers of either kind.
void read_marker_look(Reader& r, MarkerShape& m) {
    m.type = r.u8();
    if (m.type > kMaxMarkerType) r.fail("unknown marker type");
    const std::uint8_t filled = r.u8();
    if (filled > 1) r.fail("unknown marker fill");
    m.filled = filled == 1;
    r.skip(2);
}

void read_markers(Reader& r, Item& item) {
    MarkerShape& m = item.marker;
    read_marker_look(r, m);
    m.size = r.size(kMaxWidth);
    m.line_width = r.size(kMaxWidth);
    m.rgb = r.colour();
    r.points(item.points, 1, 1);
}

void read_coloured_markers(Reader& r, Item& item) {
    MarkerShape& m = item.marker;
    read_marker_look(r, m);
    m.line_width = r.size(kMaxWidth);
    const std::uint32_t n = r.u32();
    if (n < 1) return r.fail("wrong point count");
    if (n > r.left() / kColouredPointBytes) return r.fail("truncated");
    item.points.resize(n);
    item.sizes.resize(n);
    item.colours.resize(n);
    for (std::uint32_t i = 0; i < n && r.ok(); ++i) {
        item.points[i] = r.point();
        item.sizes[i] = r.size(kMaxWidth);
        item.colours[i] = r.colour();
    }
}

void read_clip(Reader& r, Item& item) {
    const std::uint8_t on = r.u8();
    if (on > 1) r.fail("unknown clip");
    item.clip_on = on == 1;
    r.skip(3);
    item.clip.left = r.coordinate();
    item.clip.top = r.coordinate();
    item.clip.right = r.coordinate();
    item.clip.bottom = r.coordinate();
}

void read_hatch(Reader& r, Item& item) {
    item.stroke = r.stroke();
    const std::uint8_t rule = r.u8();
    if (rule > 1) r.fail("unknown fill rule");
    item.nonzero = rule == 1;
    const std::uint8_t sets = r.u8();
    r.skip(2);
    item.hatch = r.hatch(sets, kMaxCoordinate);
    r.points(item.points, 3, 1);
}

void read_gradient(Reader& r, Item& item) {
    const std::uint8_t rule = r.u8();
    if (rule > 1) r.fail("unknown fill rule");
    item.nonzero = rule == 1;
    r.skip(3);
    Gradient& g = item.gradient;
    g.from = r.point();
    g.to = r.point();
    if (r.ok() && g.from == g.to) r.fail("gradient axis of no length");
    const std::uint32_t m = r.u32();
    if (m < 2 || m > kMaxGradientStops) return r.fail("wrong gradient stop count");
    if (m > r.left() / kGradientStopBytes) return r.fail("truncated");
    g.stops.resize(m);
    float last = 0;
    for (GradientStop& stop : g.stops) {
        stop.offset = r.f32();
        if (!(stop.offset >= last && stop.offset <= 1)) r.fail("gradient offset out of order");
        last = stop.offset;
        stop.rgb = r.colour();
        stop.alpha = r.u8();
        r.skip(3);
    }
    r.points(item.points, 3, 1);
}

void read_payload(Reader& r, std::uint8_t kind, Item& item, std::size_t length) {
    switch (kind) {
        case kKindPolyline:
            item.stroke = r.stroke();
            return r.points(item.points, 1, 1);
        case kKindSegments:
            item.stroke = r.stroke();
            return r.points(item.points, 2, 2);
        case kKindPolygon:
            return read_polygon(r, item);
        case kKindText:
            return read_text(r, item);
        case kKindMarkers:
            return read_markers(r, item);
        case kKindColouredMarkers:
            return read_coloured_markers(r, item);
        case kKindClip:
            return read_clip(r, item);
        case kKindHatch:
            return read_hatch(r, item);
        case kKindGradient:
            return read_gradient(r, item);
        case kKindFrame:
        case kKindBox:
        case kKindLabels:
        case kKindAnchor:
        case kKindLegend:
        case kKindBeside:
        case kKindTwin:
            return read_layout(r, item, length);
        default:
            r.fail("unknown item kind");
    }
}

}  // namespace

ReadResult read_batch(std::span<const std::uint8_t> bytes, std::size_t max_items) {
    ReadResult result;
    Reader r(bytes);
    if (r.u32() != kMagic) r.fail("not a plot batch");
    if (r.u16() != kVersion) r.fail("unknown batch version");
    r.skip(2);
    const std::uint32_t count = r.u32();
    r.skip(4);
    if (count > max_items || count > r.left() / kItemHeaderBytes) r.fail("too many items");
    if (r.ok()) result.items.reserve(count);
    for (std::uint32_t i = 0; r.ok() && i < count; ++i) {
        const std::uint8_t kind = r.u8();
        r.skip(3);
        const std::uint32_t length = r.u32();
        if (length > r.left()) r.fail("truncated");
        const std::size_t end = r.at() + length;
        Item item;
        item.kind = static_cast<ItemKind>(kind);
        read_payload(r, kind, item, length);
        if (r.ok() && r.at() != end) r.fail("item length does not match its contents");
        if (r.ok()) result.items.push_back(std::move(item));
    }
    if (r.ok() && r.left() != 0) r.fail("bytes after the last item");
    result.ok = r.ok();
    result.error = r.error();
    if (!result.ok) result.items.clear();
    return result;
}

}  // namespace lumora::plotcore
