#include "layout_items.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "client/include/lumora_plot.h"
#include "number_format.h"
#include "time_format.h"

namespace lumora::plotcore {
namespace {

constexpr std::size_t kFramePayload = 64, kAxisBytes = 12, kAnchorPayload = 20, kBesidePayload = 28;
// A strip right of the box keeps the bytes it always had; one on another side adds its
// side and three bytes of 0.
constexpr std::size_t kSidedBesidePayload = kBesidePayload + 4;
constexpr std::size_t kStyleBytes = 24, kPlacementBytes = 16;
constexpr std::size_t kTwinPayload = 4 + 16 + 8;  // and the two texts' bytes
constexpr std::size_t kTwinLookBytes = 20;
// On the wire only: the frame's payload ends with its style (a frame in the classic style
// leaves it out, so that its bytes stay as they were).
constexpr std::uint32_t kStyledFrame = 0x200;
// On the wire only: the number formats follow (after the style, if any).
constexpr std::uint32_t kFormattedFrame = 0x1000;
// On the wire only: the labels' own colours follow (after the formats, if any).
constexpr std::uint32_t kLabelColouredFrame = 0x10000;
constexpr std::size_t kLabelColourBytes = 12;
// On the wire only: the title's own size follows (after the labels' colours, if any).
constexpr std::uint32_t kTitleSizedFrame = 0x20000;
constexpr std::size_t kTitleSizeBytes = 4;

bool styled(const FrameSetup& f) {
    return f.style != FrameStyle{};
}

bool formatted(const FrameSetup& f) {
    return f.formats != NumberFormats{};
}

bool label_coloured(const FrameSetup& f) {
    return f.label_colours != LabelColours{};
}

bool title_sized(const FrameSetup& f) {
    return f.title_size != kDefaultTitleSize;
}

std::size_t formats_size(const FrameSetup& f) {
    const NumberFormats& n = f.formats;
    return formatted(f) ? 12 + n.x.size() + n.y.size() + n.time.size() : 0;
}

NumberFormats read_formats(Reader& r) {
    NumberFormats n;
    for (std::string* format : {&n.x, &n.y, &n.time}) {
        const std::uint32_t length = r.u32();
        if (length > kMaxFormatBytes) {
            r.fail("number format too long");
            return n;
        }
        *format = r.text(length);
    }
    // Empty: chosen by the axis.
    const bool usable = (n.x.empty() || number_format_problem(n.x).empty()) &&
                        (n.y.empty() || number_format_problem(n.y).empty()) &&
                        (n.time.empty() || time_format_problem(n.time).empty());
    if (!usable) r.fail("number format not usable");
    return n;
}

void write_style(Writer& w, const FrameStyle& s) {
    for (int colour : {s.box, s.numbers, s.labels, s.title, s.grid})
        w.u32(static_cast<std::uint32_t>(colour));
    w.u8(static_cast<std::uint8_t>(s.grid_line));
    w.u8(s.grid_subticks ? 1 : 0);
    w.u16(0);
}

FrameStyle read_style(Reader& r) {
    FrameStyle s;
    for (int* colour : {&s.box, &s.numbers, &s.labels, &s.title, &s.grid}) {
        const std::uint32_t v = r.u32();
        if (!is_valid_colour_value(v)) r.fail("frame colour out of range");
        *colour = static_cast<int>(v);
    }
    s.grid_line = r.u8();
    const std::uint8_t subticks = r.u8();
    if (s.grid_line > 9 || subticks > 1) r.fail("frame grid out of range");
    s.grid_subticks = subticks == 1;
    r.skip(2);
    return s;
}

// A colour value, or 0xFFFFFFFF for the frame's own.
int read_own_colour(Reader& r, const char* what) {
    const std::uint32_t v = r.u32();
    if (v == static_cast<std::uint32_t>(kFrameColour)) return kFrameColour;
    if (!is_valid_colour_value(v)) r.fail(what);
    return static_cast<int>(v);
}

enum AxisBit : std::uint16_t {
    kLow = 1,
    kHigh = 2,
    kTicks = 4,
    kSubticks = 8,
    kGrid = 16,
    kNumbersLow = 32,
    kNumbersHigh = 64,
    kLog = 128,
    kTime = 256,
    kZero = 512,
    kOutward = 1024,
    kFixed = 2048,
    kAllAxisBits = 4095
};

std::uint16_t axis_bits(const AxisOptions& o) {
    const bool flags[] = {o.low,          o.high, o.ticks, o.subticks, o.grid,    o.numbers_low,
                          o.numbers_high, o.log,  o.time,  o.zero,     o.outward, o.fixed};
    std::uint16_t bits = 0;
    for (std::size_t i = 0; i < std::size(flags); ++i) {
        if (flags[i]) bits = static_cast<std::uint16_t>(bits | (1u << i));
    }
    return bits;
}

void write_axis(Writer& w, const AxisOptions& o) {
    w.u16(axis_bits(o));
    w.u16(static_cast<std::uint16_t>(std::clamp(o.subdivisions, 0, 0xFFFF)));
    w.f64(o.step);
}

AxisOptions read_axis(Reader& r) {
    AxisOptions o;
    const std::uint16_t bits = r.u16();
    if ((bits & ~kAllAxisBits) != 0) r.fail("unknown axis options");
    bool* flags[] = {&o.low,          &o.high, &o.ticks, &o.subticks, &o.grid,    &o.numbers_low,
                     &o.numbers_high, &o.log,  &o.time,  &o.zero,     &o.outward, &o.fixed};
    for (std::size_t i = 0; i < std::size(flags); ++i) *flags[i] = (bits & (1u << i)) != 0;
    o.subdivisions = r.u16();
    o.step = r.f64();
    if (!std::isfinite(o.step) || o.step < 0) r.fail("axis step out of range");
    return o;
}

void write_frame(Writer& w, const LayoutSource& s) {
    const FrameSetup& f = s.setup;
    for (double v : {f.x1, f.x2, f.y1, f.y2}) w.f64(v);
    w.u32(static_cast<std::uint32_t>(f.options) | (styled(f) ? kStyledFrame : 0) |
          (formatted(f) ? kFormattedFrame : 0) | (label_coloured(f) ? kLabelColouredFrame : 0) |
          (title_sized(f) ? kTitleSizedFrame : 0));
    w.u8(static_cast<std::uint8_t>(f.nx));
    w.u8(static_cast<std::uint8_t>(f.ny));
    w.u16(static_cast<std::uint16_t>(f.panel));
    w.f32(static_cast<float>(f.text_scale));
    w.f32(static_cast<float>(f.resolution));
    w.f64(f.time_origin);
    w.f32(s.page_width);
    w.f32(s.page_height);
    if (styled(f)) write_style(w, f.style);
    if (formatted(f)) {
        for (const std::string* format : {&f.formats.x, &f.formats.y, &f.formats.time})
            w.bytes(*format);
    }
    if (label_coloured(f)) {
        const LabelColours& c = f.label_colours;
        for (int colour : {c.x, c.y, c.title}) w.u32(static_cast<std::uint32_t>(colour));
    }
    if (title_sized(f)) w.f32(static_cast<float>(f.title_size));
}

bool in(double v, double lo, double hi) {
    return v >= lo && v <= hi;
}

void read_frame(Reader& r, LayoutSource& s) {
    FrameSetup& f = s.setup;
    for (double* v : {&f.x1, &f.x2, &f.y1, &f.y2}) *v = r.f64();
    const std::uint32_t options = r.u32();
    constexpr std::uint32_t kWireBits =
        kStyledFrame | kFormattedFrame | kLabelColouredFrame | kTitleSizedFrame;
    if ((options & ~(kFrameOptionBits | kWireBits)) != 0) r.fail("unknown frame options");
    f.options = static_cast<int>(options & kFrameOptionBits);
    f.nx = r.u8();
    f.ny = r.u8();
    f.panel = r.u16();
    if (!in(f.nx, 1, kMaxPanelsAcross) || !in(f.ny, 1, kMaxPanelsAcross) ||
        !in(f.panel, 1, f.nx * f.ny))
        r.fail("panel out of range");
    f.text_scale = r.f32();
    f.resolution = r.f32();
    if (!in(f.text_scale, kSmallestTextScale, kLargestTextScale) ||
        !in(f.resolution, kSmallestResolution, kLargestResolution))
        r.fail("frame scale out of range");
    f.time_origin = r.f64();
    if (!std::isfinite(f.time_origin)) r.fail("time origin out of range");
    s.page_width = r.size(kMaxCoordinate);
    s.page_height = r.size(kMaxCoordinate);
    if ((options & kStyledFrame) != 0) f.style = read_style(r);
    if ((options & kFormattedFrame) != 0) f.formats = read_formats(r);
    if ((options & kLabelColouredFrame) != 0) {
        LabelColours& c = f.label_colours;
        for (int* colour : {&c.x, &c.y, &c.title})
            *colour = read_own_colour(r, "label colour out of range");
    }
    if ((options & kTitleSizedFrame) != 0) {
        f.title_size = r.f32();
        if (!in(f.title_size, kSmallestTextScale, kLargestTextScale))
            r.fail("title size out of range");
    }
    Frame world;
    if (r.ok() && frame_world(f, world) != Ends::kOk) r.fail("frame ranges out of range");
}

// The kinds of a placed legend's entries: a line and marker, a filled box, a hatched box.
constexpr int kFilledBox = 1, kHatchedBox = 2;
int entry_kind(const LegendEntry& e, bool placed) {
    if (!placed || !e.swatch) return 0;
    return e.hatch.empty() ? kFilledBox : kHatchedBox;
}

// A legend at a place (corner 1 ... kLegendPlaces) keeps the bytes it always had; a placed
// one (corner 0) carries its placement and each entry's kind and text colour.
void write_legend(Writer& w, const LayoutSource& s) {
    const bool placed = s.corner == 0;
    w.u8(static_cast<std::uint8_t>(s.corner));
    w.u8(0);
    w.u16(0);
    w.u32(static_cast<std::uint32_t>(s.legend.size()));
    if (placed) {
        const LegendPlacement& p = s.placement;
        w.u8(static_cast<std::uint8_t>(p.position));
        w.u8(static_cast<std::uint8_t>(p.columns));
        w.u8(static_cast<std::uint8_t>(255 - p.background_alpha));
        w.u8(0);
        w.f32(static_cast<float>(p.dx));
        w.f32(static_cast<float>(p.dy));
        w.u32(static_cast<std::uint32_t>(p.background));
    }
    for (const LegendEntry& e : s.legend) {
        w.u32(static_cast<std::uint32_t>(e.colour));
        w.u8(static_cast<std::uint8_t>(static_cast<std::int8_t>(e.line_style)));
        w.u8(static_cast<std::uint8_t>(e.marker));
        w.u16(static_cast<std::uint16_t>(entry_kind(e, placed)));
        if (placed) w.u32(static_cast<std::uint32_t>(e.text_colour));
        if (entry_kind(e, placed) == kHatchedBox) {
            w.u32(static_cast<std::uint32_t>(e.hatch.size()));
            w.hatch(e.hatch);
        }
        w.bytes(e.text);
    }
}

void read_placement(Reader& r, LegendPlacement& p) {
    p.position = r.u8();
    p.columns = r.u8();
    p.background_alpha = 255 - r.u8();
    r.skip(1);
    p.dx = r.f32();
    p.dy = r.f32();
    const std::uint32_t background = r.u32();
    p.background = static_cast<int>(background);
    if (!valid_legend_position(p.position) || p.columns < 1 ||
        p.columns > static_cast<int>(kMaxLegendEntries) || !(std::fabs(p.dx) <= kMaxLegendOffset) ||
        !(std::fabs(p.dy) <= kMaxLegendOffset) ||
        (background != 0xFFFFFFFFu && !is_valid_colour_value(background)))
        r.fail("legend placement out of range");
}

void read_legend(Reader& r, LayoutSource& s) {
    s.corner = r.u8();
    if (s.corner > kLegendPlaces) r.fail("legend place out of range");
    const bool placed = s.corner == 0;
    r.skip(3);
    const std::uint32_t n = r.u32();
    if (n < 1 || n > kMaxLegendEntries) return r.fail("legend entries out of range");
    if (placed) read_placement(r, s.placement);
    s.legend.resize(n);
    for (LegendEntry& e : s.legend) {
        const std::uint32_t colour = r.u32();
        if (!is_valid_colour_value(colour)) r.fail("legend colour out of range");
        e.colour = static_cast<int>(colour);
        e.line_style = static_cast<std::int8_t>(r.u8());
        e.marker = r.u8();
        if (e.line_style < -1 || e.line_style > 9 || e.marker > 16 || e.marker % 10 > 6)
            r.fail("legend entry out of range");
        const std::uint16_t kind = r.u16();
        if (kind > (placed ? kHatchedBox : 0)) r.fail("legend entry kind out of range");
        e.swatch = kind == kFilledBox || kind == kHatchedBox;
        if (placed) {
            const std::uint32_t text_colour = r.u32();
            if (!is_valid_colour_value(text_colour)) r.fail("legend text colour out of range");
            e.text_colour = static_cast<int>(text_colour);
        }
        if (kind == kHatchedBox) e.hatch = r.hatch(r.u32(), kMaxWidth);
        const std::uint32_t length = r.u32();
        if (length > kMaxTextBytes) return r.fail("text too long");
        e.text = r.text(length);
    }
}

void write_beside(Writer& w, const LayoutSource& s) {
    for (float v : {s.box.left, s.box.top, s.box.right, s.box.bottom, s.gap, s.width}) w.f32(v);
    if (s.side == kSideRight) return;
    w.u8(static_cast<std::uint8_t>(s.side));
    w.u8(0);
    w.u16(0);
}

void read_beside(Reader& r, LayoutSource& s, std::size_t length) {
    for (float* v : {&s.box.left, &s.box.top, &s.box.right, &s.box.bottom}) *v = r.coordinate();
    s.gap = r.f32();
    s.width = r.size(kMaxBesideUnits);
    if (!(std::fabs(s.gap) <= kMaxBesideUnits)) r.fail("strip gap out of range");
    s.side = kSideRight;
    if (length != kSidedBesidePayload) return;
    s.side = r.u8();
    const std::uint8_t zero = r.u8();
    if (!is_side(s.side) || zero != 0 || r.u16() != 0) r.fail("strip side out of range");
}

void write_twin(Writer& w, const TwinAxis& t) {
    w.u8(t.x_axis ? 0 : 1);
    w.u8(t.log ? 1 : 0);
    w.u16(0);
    w.f64(t.v1);
    w.f64(t.v2);
    w.bytes(t.format);
    w.bytes(t.label);
    if (t.look == TwinLook{}) return;
    w.f64(t.look.step);
    w.u16(static_cast<std::uint16_t>(t.look.subticks));
    w.u16(0);
    w.u32(static_cast<std::uint32_t>(t.look.numbers_colour));
    w.u32(static_cast<std::uint32_t>(t.look.label_colour));
}

// What a twin with its own ticks or colours adds after its label.
void read_twin_look(Reader& r, TwinLook& look) {
    look.step = r.f64();
    look.subticks = r.u16();
    if (!(look.step >= 0 && look.step <= std::numeric_limits<float>::max()) ||
        look.subticks > kMaxTwinSubticks)
        r.fail("twin ticks out of range");
    if (r.u16() != 0) r.fail("twin ticks out of range");
    look.numbers_colour = read_own_colour(r, "twin colour out of range");
    look.label_colour = read_own_colour(r, "twin colour out of range");
}

void read_twin(Reader& r, TwinAxis& t, std::size_t end) {
    const std::uint8_t axis = r.u8(), log = r.u8();
    if (axis > 1 || log > 1) r.fail("twin axis out of range");
    t.x_axis = axis == 0;
    t.log = log == 1;
    r.skip(2);
    t.v1 = r.f64();
    t.v2 = r.f64();
    double lo = 0, hi = 1;
    if (r.ok() && axis_world(t.v1, t.v2, t.log, lo, hi) != Ends::kOk)
        r.fail("twin range out of range");
    const std::uint32_t format_length = r.u32();
    if (format_length > kMaxFormatBytes) return r.fail("number format too long");
    t.format = r.text(format_length);
    if (!t.format.empty() && !number_format_problem(t.format).empty())
        r.fail("number format not usable");
    const std::uint32_t label_length = r.u32();
    if (label_length > kMaxTextBytes) return r.fail("text too long");
    t.label = r.text(label_length);
    if (r.ok() && r.at() < end) read_twin_look(r, t.look);
}

}  // namespace

bool is_layout_kind(ItemKind kind) {
    return kind == ItemKind::kFrame || kind == ItemKind::kBox || kind == ItemKind::kLabels ||
           kind == ItemKind::kAnchor || kind == ItemKind::kLegend || kind == ItemKind::kBeside ||
           kind == ItemKind::kTwin;
}

std::size_t layout_payload_size(const Item& item) {
    const Labels& l = item.source.labels;
    switch (item.kind) {
        case ItemKind::kFrame:
            return 4 + kFramePayload + (styled(item.source.setup) ? kStyleBytes : 0) +
                   formats_size(item.source.setup) +
                   (label_coloured(item.source.setup) ? kLabelColourBytes : 0) +
                   (title_sized(item.source.setup) ? kTitleSizeBytes : 0);
        case ItemKind::kBox:
            return 4 + 2 * kAxisBytes;
        case ItemKind::kLabels:
            return 4 + 12 + l.x.size() + l.y.size() + l.title.size();
        case ItemKind::kAnchor:
            return kAnchorPayload;
        case ItemKind::kBeside:
            return item.source.side == kSideRight ? kBesidePayload : kSidedBesidePayload;
        case ItemKind::kTwin:
            return 4 + kTwinPayload + item.source.twin.format.size() +
                   item.source.twin.label.size() +
                   (item.source.twin.look == TwinLook{} ? 0 : kTwinLookBytes);
        case ItemKind::kLegend: {
            const bool placed = item.source.corner == 0;
            std::size_t size = 4 + 8 + (placed ? kPlacementBytes : 0);
            for (const LegendEntry& e : item.source.legend) {
                size += 12 + (placed ? 4 : 0) + e.text.size();
                if (entry_kind(e, placed) == kHatchedBox) size += 4 + 8 * e.hatch.size();
            }
            return size;
        }
        default:
            return 0;
    }
}

void write_layout(Writer& w, const Item& item) {
    const LayoutSource& s = item.source;
    w.u32(s.frame);
    switch (item.kind) {
        case ItemKind::kFrame:
            return write_frame(w, s);
        case ItemKind::kBox:
            write_axis(w, s.x);
            return write_axis(w, s.y);
        case ItemKind::kLabels:
            for (const std::string* t : {&s.labels.x, &s.labels.y, &s.labels.title}) w.bytes(*t);
            return;
        case ItemKind::kAnchor:
            for (float v : {s.box.left, s.box.top, s.box.right, s.box.bottom}) w.f32(v);
            return;
        case ItemKind::kBeside:
            return write_beside(w, s);
        case ItemKind::kLegend:
            return write_legend(w, s);
        case ItemKind::kTwin:
            return write_twin(w, s.twin);
        default:
            return;
    }
}

void read_layout(Reader& r, Item& item, std::size_t length) {
    const std::size_t end = r.at() + length;
    LayoutSource& s = item.source;
    s.frame = r.u32();
    // Frame 0 only for an anchor: items on the page as they are.
    if (s.frame == 0 && item.kind != ItemKind::kAnchor) r.fail("frame number out of range");
    switch (item.kind) {
        case ItemKind::kFrame:
            return read_frame(r, s);
        case ItemKind::kBox:
            s.x = read_axis(r);
            s.y = read_axis(r);
            return;
        case ItemKind::kLabels:
            for (std::string* t : {&s.labels.x, &s.labels.y, &s.labels.title}) {
                const std::uint32_t n = r.u32();
                if (n > kMaxTextBytes) return r.fail("text too long");
                *t = r.text(n);
            }
            return;
        case ItemKind::kAnchor:
            for (float* v : {&s.box.left, &s.box.top, &s.box.right, &s.box.bottom}) {
                *v = r.coordinate();
            }
            return;
        case ItemKind::kLegend:
            return read_legend(r, s);
        case ItemKind::kBeside:
            return read_beside(r, s, length);
        case ItemKind::kTwin:
            return read_twin(r, s.twin, end);
        default:
            r.fail("unknown item kind");
    }
}

}  // namespace lumora::plotcore
