#include "batch_reader.h"

#include <cmath>
#include <cstring>

#include "batch_format.h"

namespace lumora::plotcore {
namespace {

// Reads fields in order; any read past the end, or a value out of bounds, marks the
// reader failed with the first reason, and every later read yields 0.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    std::size_t left() const { return bytes_.size() - at_; }
    std::size_t at() const { return at_; }
    void fail(const char* why) {
        if (error_.empty()) error_ = why;
        at_ = bytes_.size();
    }

    std::uint8_t u8() {
        if (left() < 1) {
            fail("truncated");
            return 0;
        }
        return bytes_[at_++];
    }
    std::uint16_t u16() {
        const std::uint16_t lo = u8();
        return static_cast<std::uint16_t>(lo | (u8() << 8));
    }
    std::uint32_t u32() {
        const std::uint32_t lo = u16();
        return lo | (static_cast<std::uint32_t>(u16()) << 16);
    }
    float f32() {
        const std::uint32_t bits = u32();
        float v = 0;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    float coordinate() {
        const float v = f32();
        if (!std::isfinite(v) || std::fabs(v) > kMaxCoordinate) fail("coordinate out of range");
        return v;
    }
    // A size: positive, finite, at most most.
    float size(float most) {
        const float v = f32();
        if (!(v > 0 && v <= most)) fail("size out of range");
        return v;
    }
    PointF point() {
        const float x = coordinate();
        return {x, coordinate()};
    }
    void points(std::vector<PointF>& out, std::size_t least, std::size_t multiple) {
        const std::uint32_t n = u32();
        if (n < least || n % multiple != 0) return fail("wrong point count");
        if (n > left() / kPointBytes) return fail("truncated");
        out.resize(n);
        for (PointF& p : out) p = point();
    }
    Stroke stroke() {
        Stroke s;
        s.rgb = colour();
        s.width = size(kMaxWidth);
        const std::uint8_t dash = u8();
        if (dash > kMaxDash) fail("unknown dash");
        s.dash = static_cast<Dash>(dash);
        skip(3);
        return s;
    }
    std::uint32_t colour() {
        const std::uint32_t v = u32();
        const bool value = is_colour_value(v) && is_valid_colour_value(v & ~kColourValueFlag);
        if (v > 0xFFFFFFu && !value) fail("colour out of range");
        return v;
    }
    void skip(std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) u8();
    }
    std::string text(std::size_t n) {
        if (n > left()) {
            fail("truncated");
            return {};
        }
        std::string s(reinterpret_cast<const char*>(bytes_.data() + at_), n);
        at_ += n;
        return s;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    std::string error_;
};

void read_polygon(Reader& r, Item& item) {
    const std::uint8_t flags = r.u8();
    if (flags == 0 || flags > (kPolygonFilled | kPolygonOutlined)) r.fail("unknown polygon flags");
    item.filled = (flags & kPolygonFilled) != 0;
    item.outlined = (flags & kPolygonOutlined) != 0;
    const std::uint8_t rule = r.u8();
    if (rule > 1) r.fail("unknown fill rule");
    item.nonzero = rule == 1;
    r.skip(2);
    item.fill_rgb = r.colour();
    item.stroke = r.stroke();
    r.points(item.points, 3, 1);
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
    if (t.style > 3) r.fail("unknown text style");
    r.skip(1);
    t.rgb = r.colour();
    const std::uint32_t n = r.u32();
    if (n > kMaxTextBytes) return r.fail("text too long");
    t.bytes = r.text(n);
}

void read_markers(Reader& r, Item& item) {
    MarkerShape& m = item.marker;
    m.type = r.u8();
    if (m.type > kMaxMarkerType) r.fail("unknown marker type");
    const std::uint8_t filled = r.u8();
    if (filled > 1) r.fail("unknown marker fill");
    m.filled = filled == 1;
    r.skip(2);
    m.size = r.size(kMaxWidth);
    m.line_width = r.size(kMaxWidth);
    m.rgb = r.colour();
    r.points(item.points, 1, 1);
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

void read_payload(Reader& r, std::uint8_t kind, Item& item) {
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
        case kKindClip:
            return read_clip(r, item);
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
        read_payload(r, kind, item);
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
