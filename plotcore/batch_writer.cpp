#include "batch_writer.h"

#include <algorithm>
#include <cstring>

#include "batch_format.h"
#include "byte_writer.h"
#include "layout_items.h"

namespace lumora::plotcore {
namespace {

std::size_t payload_size(const Item& item) {
    const std::size_t points = 4 + kPointBytes * item.points.size();
    switch (item.kind) {
        case ItemKind::kPolyline:
        case ItemKind::kSegments:
            return kStrokeBytes + points;
        case ItemKind::kPolygon:
            return 8 + kStrokeBytes + points;
        case ItemKind::kText:
            return kPointBytes + 16 + 4 + item.text.bytes.size() + (item.text.matrix ? 16 : 0);
        case ItemKind::kMarkers:
            return 16 + points;
        case ItemKind::kColouredMarkers:
            return 12 + kColouredPointBytes * item.points.size();
        case ItemKind::kClip:
            return 20;
        case ItemKind::kHatch:
            return kStrokeBytes + 4 + 8 * item.hatch.size() + points;
        case ItemKind::kGradient:
            return 4 + 2 * kPointBytes + 4 + kGradientStopBytes * item.gradient.stops.size() +
                   points;
        default:
            return layout_payload_size(item);
    }
}

void write_coloured_markers(Writer& w, const Item& item) {
    w.u8(item.marker.type);
    w.u8(item.marker.filled ? 1 : 0);
    w.u16(0);
    w.f32(item.marker.line_width);
    w.u32(static_cast<std::uint32_t>(item.points.size()));
    for (std::size_t i = 0; i < item.points.size(); ++i) {
        w.point(item.points[i]);
        w.f32(item.sizes[i]);
        w.u32(item.colours[i]);
    }
}

void write_gradient(Writer& w, const Item& item) {
    w.u8(item.nonzero ? 1 : 0);
    w.u8(0);
    w.u16(0);
    w.point(item.gradient.from);
    w.point(item.gradient.to);
    w.u32(static_cast<std::uint32_t>(item.gradient.stops.size()));
    for (const GradientStop& stop : item.gradient.stops) {
        w.f32(stop.offset);
        w.u32(stop.rgb);
        w.u8(stop.alpha);
        w.u8(0);
        w.u16(0);
    }
    w.points(item.points);
}

void write_payload(Writer& w, const Item& item) {
    switch (item.kind) {
        case ItemKind::kPolyline:
        case ItemKind::kSegments:
            w.stroke(item.stroke);
            w.points(item.points);
            break;
        case ItemKind::kPolygon:
            w.u8(static_cast<std::uint8_t>((item.filled ? kPolygonFilled : 0) |
                                           (item.outlined ? kPolygonOutlined : 0)));
            w.u8(item.nonzero ? 1 : 0);
            w.u8(static_cast<std::uint8_t>(255 - item.fill_alpha));
            w.u8(0);
            w.u32(item.fill_rgb);
            w.stroke(item.stroke);
            w.points(item.points);
            break;
        case ItemKind::kText: {
            const TextLook& t = item.text;
            w.point(item.points.empty() ? PointF{} : item.points.front());
            w.f32(t.height);
            w.f32(t.angle);
            w.u8(static_cast<std::uint8_t>(t.h_align));
            w.u8(static_cast<std::uint8_t>(t.v_align));
            w.u8(t.style);
            w.u8(t.matrix ? kTextHasMatrix : 0);
            w.u32(t.rgb);
            w.u32(static_cast<std::uint32_t>(t.bytes.size()));
            for (char c : t.bytes) w.u8(static_cast<std::uint8_t>(c));
            if (t.matrix) {
                for (float v : {t.matrix->xx, t.matrix->xy, t.matrix->yx, t.matrix->yy}) w.f32(v);
            }
            break;
        }
        case ItemKind::kMarkers:
            w.u8(item.marker.type);
            w.u8(item.marker.filled ? 1 : 0);
            w.u16(0);
            w.f32(item.marker.size);
            w.f32(item.marker.line_width);
            w.u32(item.marker.rgb);
            w.points(item.points);
            break;
        case ItemKind::kColouredMarkers:
            write_coloured_markers(w, item);
            break;
        case ItemKind::kClip:
            w.u8(item.clip_on ? 1 : 0);
            w.u8(0);
            w.u16(0);
            w.f32(item.clip.left);
            w.f32(item.clip.top);
            w.f32(item.clip.right);
            w.f32(item.clip.bottom);
            break;
        case ItemKind::kHatch:
            w.stroke(item.stroke);
            w.u8(item.nonzero ? 1 : 0);
            w.u8(static_cast<std::uint8_t>(item.hatch.size()));
            w.u16(0);
            w.hatch(item.hatch);
            w.points(item.points);
            break;
        case ItemKind::kGradient:
            write_gradient(w, item);
            break;
        default:
            write_layout(w, item);
            break;
    }
}

void write_header(Bytes& out, std::uint32_t count) {
    Writer w(out);
    w.u32(kMagic);
    w.u16(kVersion);
    w.u16(0);
    w.u32(count);
    w.u32(0);
}

void set_count(Bytes& out, std::uint32_t count) {
    for (int i = 0; i < 4; ++i) out[8 + i] = static_cast<std::uint8_t>(count >> (8 * i));
}

void append_item(Bytes& out, const Item& item) {
    Writer w(out);
    w.u8(static_cast<std::uint8_t>(item.kind));
    w.u8(0);
    w.u16(0);
    w.u32(static_cast<std::uint32_t>(payload_size(item)));
    write_payload(w, item);
}

bool splittable(const Item& item) {
    return item.kind == ItemKind::kPolyline || item.kind == ItemKind::kSegments ||
           item.kind == ItemKind::kMarkers || item.kind == ItemKind::kColouredMarkers;
}

std::size_t bytes_per_point(const Item& item) {
    return item.kind == ItemKind::kColouredMarkers ? kColouredPointBytes : kPointBytes;
}

// Points first ... last of a splittable item, with what belongs to each point.
Item piece_of(const Item& item, std::size_t first, std::size_t last) {
    Item piece = item;
    const auto slice = [&](auto& out, const auto& all) {
        if (all.empty()) return;
        out.assign(all.begin() + static_cast<std::ptrdiff_t>(first),
                   all.begin() + static_cast<std::ptrdiff_t>(last));
    };
    slice(piece.points, item.points);
    slice(piece.sizes, item.sizes);
    slice(piece.colours, item.colours);
    return piece;
}

// Batches under construction: a new one starts when the next item would not fit.
class Batcher {
  public:
    explicit Batcher(std::size_t max_bytes) : max_(max_bytes) {}

    bool add(const Item& item) {
        if (kHeaderBytes + encoded_size(item) > max_) return splittable(item) && add_split(item);
        if (current_.size() + encoded_size(item) > max_) start_next();
        put(item);
        if (item.kind == ItemKind::kClip) clip_ = item;
        if (is_layout_kind(item.kind)) anchor_ = item;
        return true;
    }

    std::vector<Bytes> finish() {
        if (count_ > 0) close_current();
        return std::move(done_);
    }

  private:
    void put(const Item& item) {
        if (current_.empty()) write_header(current_, 0);
        append_item(current_, item);
        ++count_;
    }
    void close_current() {
        set_count(current_, count_);
        done_.push_back(std::move(current_));
        current_.clear();
        count_ = 0;
    }
    void start_next() {
        if (count_ > 0) close_current();
        // A line split across batches stays anchored to its frame (or its strip).
        if (anchor_.kind == ItemKind::kAnchor || anchor_.kind == ItemKind::kBeside) put(anchor_);
        if (clip_.clip_on) put(clip_);
    }
    // Pieces of the item that each fill what is left of a batch.
    bool add_split(const Item& item) {
        Item empty;  // the size of a splittable item depends on its kind and points only
        empty.kind = item.kind;
        const std::size_t fixed = encoded_size(empty);
        const std::size_t step = item.kind == ItemKind::kSegments ? 2 : 1;
        const std::size_t overlap = item.kind == ItemKind::kPolyline ? 1 : 0;
        std::size_t first = 0;
        while (first + overlap < item.points.size() || first == 0) {
            const std::size_t point_bytes = bytes_per_point(item);
            if (current_.empty() || current_.size() + fixed + 2 * point_bytes > max_) start_next();
            const std::size_t base = current_.empty() ? kHeaderBytes : current_.size();
            std::size_t room = (max_ - base - fixed) / point_bytes;
            room -= room % step;
            if (room <= overlap) return false;
            const std::size_t last = std::min(item.points.size(), first + room);
            put(piece_of(item, first, last));
            if (last == item.points.size()) break;
            first = last - overlap;
            start_next();
        }
        return true;
    }

    std::size_t max_;
    std::vector<Bytes> done_;
    Bytes current_;
    std::uint32_t count_ = 0;
    Item clip_;    // the clip in force, repeated in the next batch
    Item anchor_;  // the last layout item, an anchor repeated in the next batch
};

}  // namespace

std::size_t encoded_size(const Item& item) {
    return kItemHeaderBytes + payload_size(item);
}

Bytes encode_batch(const Items& items) {
    Bytes out;
    std::size_t total = kHeaderBytes;
    for (const Item& item : items) total += encoded_size(item);
    out.reserve(total);
    write_header(out, static_cast<std::uint32_t>(items.size()));
    for (const Item& item : items) append_item(out, item);
    return out;
}

std::vector<Bytes> encode_batches(const Items& items, std::size_t max_bytes) {
    Batcher batcher(max_bytes);
    for (const Item& item : items) {
        if (!batcher.add(item)) return {};
    }
    return batcher.finish();
}

}  // namespace lumora::plotcore
