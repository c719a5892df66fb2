// Plot batches: what is written is read back exactly, long items are split so that
// nothing is lost, and a reader refuses every malformed batch instead of drawing part
// of it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

#include "plotcore/batch_format.h"
#include "plotcore/batch_reader.h"
#include "plotcore/batch_writer.h"

namespace lumora::plotcore {
namespace {

Item polyline(std::size_t n, float offset = 0.3f) {
    Item item;
    item.kind = ItemKind::kPolyline;
    item.stroke = {0x102030, 1.5f, Dash::kDashDot};
    for (std::size_t i = 0; i < n; ++i) {
        const float x = static_cast<float>(i);
        item.points.push_back({x + offset, 100.0f / (1.0f + x) + 0.015625f});
    }
    return item;
}

Item hatched() {
    Item hatch = polyline(4);
    hatch.kind = ItemKind::kHatch;
    hatch.nonzero = true;
    hatch.hatch = {{0.7853982f, 7.5f}, {-1.5707964f, 0.015625f}};
    return hatch;
}

Items one_of_each() {
    Items items;
    Item clip;
    clip.kind = ItemKind::kClip;
    clip.clip_on = true;
    clip.clip = {10.25f, 20.5f, 300.75f, 200.125f};
    items.push_back(clip);
    items.push_back(polyline(5));
    Item ticks = polyline(4);
    ticks.kind = ItemKind::kSegments;
    items.push_back(ticks);
    Item poly = polyline(3);
    poly.kind = ItemKind::kPolygon;
    poly.filled = true;
    poly.outlined = false;
    poly.nonzero = true;
    poly.fill_rgb = 0xFF8000;
    poly.fill_alpha = 77;
    items.push_back(poly);
    Item text;
    text.kind = ItemKind::kText;
    text.points = {{12.34375f, 56.78125f}};
    text.text = {14.5f, 1.5707964f, HAlign::kCentre, VAlign::kTop, 2, 0x0000FF, "E_kin ω", {}};
    items.push_back(text);
    Item markers = polyline(7);
    markers.kind = ItemKind::kMarkers;
    markers.stroke = {};
    markers.marker = {3, true, 6.5f, 1.25f, 0x00FF00};
    items.push_back(markers);
    items.push_back(hatched());
    return items;
}

TEST(PlotBatch, ReadsBackEveryKindExactly) {
    const Items items = one_of_each();
    const Bytes bytes = encode_batch(items);
    const ReadResult read = read_batch(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.items.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& a = items[i];
        const Item& b = read.items[i];
        EXPECT_EQ(a.kind, b.kind) << i;
        EXPECT_EQ(a.points, b.points) << i;
        if (a.kind == ItemKind::kText) {
            EXPECT_EQ(a.text, b.text);
        }
        if (a.kind == ItemKind::kMarkers) {
            EXPECT_EQ(a.marker, b.marker);
        }
        if (a.kind == ItemKind::kClip) {
            EXPECT_EQ(a.clip, b.clip);
        }
        if (a.kind == ItemKind::kPolygon) {
            EXPECT_EQ(a.fill_rgb, b.fill_rgb);
            EXPECT_EQ(a.fill_alpha, b.fill_alpha);
            EXPECT_EQ(std::tie(a.filled, a.outlined, a.nonzero),
                      std::tie(b.filled, b.outlined, b.nonzero));
        }
        if (a.kind == ItemKind::kPolyline || a.kind == ItemKind::kSegments ||
            a.kind == ItemKind::kHatch) {
            EXPECT_EQ(a.stroke, b.stroke);
        }
        if (a.kind == ItemKind::kHatch) {
            EXPECT_EQ(a.hatch, b.hatch);
            EXPECT_EQ(a.nonzero, b.nonzero);
        }
    }
    std::size_t total = kHeaderBytes;
    for (const Item& item : items) total += encoded_size(item);
    EXPECT_EQ(bytes.size(), total);
}

TEST(PlotBatch, SplitsLongLinesIntoJoinedPiecesAndRepeatsTheClip) {
    Items items;
    Item clip;
    clip.kind = ItemKind::kClip;
    clip.clip_on = true;
    clip.clip = {0, 0, 100, 100};
    items.push_back(clip);
    items.push_back(polyline(10000));
    const std::size_t max = 4096;
    const std::vector<Bytes> batches = encode_batches(items, max);
    ASSERT_GT(batches.size(), 10u);
    std::vector<PointF> joined;
    for (const Bytes& batch : batches) {
        EXPECT_LE(batch.size(), max);
        const ReadResult read = read_batch(batch);
        ASSERT_TRUE(read.ok) << read.error;
        ASSERT_EQ(read.items.size(), 2u);
        EXPECT_EQ(read.items[0].kind, ItemKind::kClip);
        const std::vector<PointF>& piece = read.items[1].points;
        if (!joined.empty()) {
            EXPECT_EQ(joined.back(), piece.front());  // pieces share their end points
            joined.pop_back();
        }
        joined.insert(joined.end(), piece.begin(), piece.end());
    }
    EXPECT_EQ(joined, polyline(10000).points);
}

TEST(PlotBatch, SplitsSegmentsAndMarkersWithoutSharingPoints) {
    Item segments = polyline(5000);
    segments.kind = ItemKind::kSegments;
    Item markers = polyline(3001);
    markers.kind = ItemKind::kMarkers;
    const std::vector<Bytes> batches = encode_batches({segments, markers}, 2000);
    std::size_t segment_points = 0, marker_points = 0;
    for (const Bytes& batch : batches) {
        const ReadResult read = read_batch(batch);
        ASSERT_TRUE(read.ok) << read.error;
        for (const Item& item : read.items) {
            if (item.kind == ItemKind::kSegments) {
                EXPECT_EQ(item.points.size() % 2, 0u);
                segment_points += item.points.size();
            } else {
                marker_points += item.points.size();
            }
        }
    }
    EXPECT_EQ(segment_points, 5000u);
    EXPECT_EQ(marker_points, 3001u);
}

TEST(PlotBatch, APolygonLargerThanABatchIsRefusedWhole) {
    Item poly = polyline(1000);
    poly.kind = ItemKind::kPolygon;
    EXPECT_TRUE(encode_batches({poly}, 4096).empty());
    EXPECT_EQ(encode_batches({poly}, 1 << 20).size(), 1u);
}

// Writes a float at a byte offset, as a peer could.
void poke_f32(Bytes& bytes, std::size_t at, float v) {
    std::memcpy(bytes.data() + at, &v, sizeof v);
}

// A way to spoil a good batch, and the check that each one refuses the batch whole.
struct Spoil {
    const char* what;
    std::function<void(Bytes&)> spoil;
};

void expect_each_refused(const Bytes& good, const std::vector<Spoil>& cases) {
    ASSERT_TRUE(read_batch(good).ok);
    for (const Spoil& c : cases) {
        Bytes bad = good;
        c.spoil(bad);
        const ReadResult read = read_batch(bad);
        EXPECT_FALSE(read.ok) << c.what;
        EXPECT_TRUE(read.items.empty()) << c.what;
        EXPECT_FALSE(read.error.empty()) << c.what;
    }
}

TEST(PlotBatch, RefusesMalformedBatchesWhole) {
    const Bytes good = encode_batch({polyline(3)});
    // Header 16, item header 8, stroke 12, count 4, then the points.
    const std::size_t first_x = kHeaderBytes + kItemHeaderBytes + kStrokeBytes + 4;
    const std::vector<Spoil> cases = {
        {"magic", [](Bytes& b) { b[0] ^= 1; }},
        {"version", [](Bytes& b) { b[4] = 9; }},
        {"count beyond the bytes", [](Bytes& b) { b[8] = 200; }},
        {"truncated", [](Bytes& b) { b.resize(b.size() - 1); }},
        {"trailing bytes", [](Bytes& b) { b.push_back(0); }},
        {"unknown kind", [](Bytes& b) { b[kHeaderBytes] = 77; }},
        {"payload length beyond the batch", [](Bytes& b) { b[kHeaderBytes + 7] = 0x7F; }},
        {"not a number", [&](Bytes& b) { poke_f32(b, first_x, std::nanf("")); }},
        {"infinite", [&](Bytes& b) { poke_f32(b, first_x + 4, INFINITY); }},
        {"far away", [&](Bytes& b) { poke_f32(b, first_x, 2e6f); }},
        {"negative width",
         [](Bytes& b) { poke_f32(b, kHeaderBytes + kItemHeaderBytes + 4, -1.0f); }},
        {"colour beyond 24 bits", [](Bytes& b) { b[kHeaderBytes + kItemHeaderBytes + 3] = 1; }},
        {"point count beyond the payload", [&](Bytes& b) { b[first_x - 4] = 0xFF; }},
    };
    expect_each_refused(good, cases);
}

TEST(PlotBatch, RefusesOutOfRangeFieldsOfEachKind) {
    Items items = one_of_each();
    items[4].text.bytes.assign(kMaxTextBytes + 1, 'x');
    EXPECT_FALSE(read_batch(encode_batch({items[4]})).ok);
    Item coloured = polyline(2);
    for (std::uint32_t v : {35u, 0x010000FFu, 0x02123456u}) {
        coloured.stroke.rgb = kColourValueFlag | v;
        EXPECT_TRUE(read_batch(encode_batch({coloured})).ok) << v;
    }
    for (std::uint32_t v : {36u, 0x01000100u, 0x03000000u}) {
        coloured.stroke.rgb = kColourValueFlag | v;
        EXPECT_FALSE(read_batch(encode_batch({coloured})).ok) << v;
    }
    items[5].marker.type = kMaxMarkerType + 1;
    EXPECT_FALSE(read_batch(encode_batch({items[5]})).ok);
    Item two = polyline(2);
    two.kind = ItemKind::kPolygon;
    EXPECT_FALSE(read_batch(encode_batch({two})).ok);
    Item odd = polyline(3);
    odd.kind = ItemKind::kSegments;
    EXPECT_FALSE(read_batch(encode_batch({odd})).ok);
    Item empty = polyline(0);
    EXPECT_FALSE(read_batch(encode_batch({empty})).ok);
}

// A text with a picture: the bytes of the same text without one, and the matrix after them.
TEST(PlotBatch, ATextMatrixTravelsOnlyWhenThereIsOne) {
    Item plain = one_of_each()[4];
    plain.text.angle = 0;
    Item shaped = plain;
    shaped.text.matrix = BatchTextMatrix{0.75f, -0.5f, 0.125f, 1.25f};
    const Bytes without = encode_batch({plain}), with = encode_batch({shaped});
    ASSERT_EQ(with.size(), without.size() + 16);
    // The flags byte follows the style; all else up to the matrix is the same.
    const std::size_t flags = kHeaderBytes + kItemHeaderBytes + kPointBytes + 8 + 3;
    EXPECT_EQ(without[flags], 0);
    EXPECT_EQ(with[flags], kTextHasMatrix);
    for (std::size_t i = kHeaderBytes + kItemHeaderBytes; i < without.size(); ++i) {
        if (i != flags) {
            EXPECT_EQ(with[i], without[i]) << i;
        }
    }
    const ReadResult read = read_batch(with);
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.items.size(), 1u);
    EXPECT_EQ(read.items[0].text, shaped.text);
    EXPECT_FALSE(read_batch(without).items[0].text.matrix.has_value());
}

// A matrix that is not finite, beyond its bounds, flattened into a line, or with an angle
// beside it refuses the batch; so do flags nobody writes.
TEST(PlotBatch, RefusesACorruptTextMatrix) {
    Item shaped = one_of_each()[4];
    shaped.text.angle = 0;
    shaped.text.matrix = BatchTextMatrix{};
    const Bytes good = encode_batch({shaped});
    const std::size_t matrix = good.size() - 16;
    const std::size_t angle = kHeaderBytes + kItemHeaderBytes + kPointBytes + 4;
    const std::size_t flags = angle + 4 + 3;
    const std::vector<Spoil> cases = {
        {"not a number", [&](Bytes& b) { poke_f32(b, matrix + 4, std::nanf("")); }},
        {"infinite", [&](Bytes& b) { poke_f32(b, matrix, INFINITY); }},
        {"too large", [&](Bytes& b) { poke_f32(b, matrix + 12, kMaxTextMatrixEntry * 2); }},
        {"flattened",
         [&](Bytes& b) {
             const float rows[] = {1, 2, 2, 4};
             for (std::size_t i = 0; i < 4; ++i) poke_f32(b, matrix + 4 * i, rows[i]);
         }},
        {"a sliver", [&](Bytes& b) { poke_f32(b, matrix + 12, kMinTextMatrixArea / 2); }},
        {"an angle beside it", [&](Bytes& b) { poke_f32(b, angle, 0.5f); }},
        {"unknown flags", [&](Bytes& b) { b[flags] = 2; }},
        {"a matrix cut short", [](Bytes& b) { b.resize(b.size() - 4); }},
    };
    expect_each_refused(good, cases);
    // Mirrored is a picture too (a text seen from behind).
    Bytes mirrored = good;
    poke_f32(mirrored, matrix, -1);
    EXPECT_TRUE(read_batch(mirrored).ok);
}

Item coloured_markers(std::size_t n) {
    Item item = polyline(n);
    item.kind = ItemKind::kColouredMarkers;
    item.stroke = {};
    item.marker = {};  // the size and colour of the shape are the points' own
    item.marker.type = 5;
    item.marker.filled = true;
    item.marker.line_width = 1.5f;
    for (std::size_t i = 0; i < n; ++i) {
        item.sizes.push_back(2.0f + static_cast<float>(i % 50) * 0.25f);
        item.colours.push_back(static_cast<std::uint32_t>(i * 977 % 0x1000000));
    }
    return item;
}

TEST(PlotBatch, ColouredMarkersKeepEachPointsSizeAndColourThroughSplits) {
    const Item one = coloured_markers(7);
    const ReadResult read = read_batch(encode_batch({one}));
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.items.size(), 1u);
    EXPECT_EQ(read.items[0], one);
    const Item many = coloured_markers(5003);
    const std::vector<Bytes> batches = encode_batches({many}, 4096);
    ASSERT_GT(batches.size(), 10u);
    Item joined = many;
    joined.points.clear();
    joined.sizes.clear();
    joined.colours.clear();
    for (const Bytes& batch : batches) {
        EXPECT_LE(batch.size(), 4096u);
        const ReadResult piece = read_batch(batch);
        ASSERT_TRUE(piece.ok) << piece.error;
        for (const Item& item : piece.items) {
            ASSERT_EQ(item.kind, ItemKind::kColouredMarkers);
            joined.points.insert(joined.points.end(), item.points.begin(), item.points.end());
            joined.sizes.insert(joined.sizes.end(), item.sizes.begin(), item.sizes.end());
            joined.colours.insert(joined.colours.end(), item.colours.begin(), item.colours.end());
        }
    }
    EXPECT_EQ(joined, many);
}

TEST(PlotBatch, ColouredMarkersWithAnyFieldOutOfRangeAreRefused) {
    const Bytes good = encode_batch({coloured_markers(3)});
    ASSERT_TRUE(read_batch(good).ok);
    // Item header, then type, filled, 2 spare bytes, line width, count, then the points.
    const std::size_t head = kHeaderBytes + kItemHeaderBytes, first = head + 12;
    const std::size_t size_at = first + 8, colour_at = first + 12;
    const std::vector<std::pair<const char*, std::function<void(Bytes&)>>> cases = {
        {"type", [&](Bytes& b) { b[head] = kMaxMarkerType + 1; }},
        {"fill", [&](Bytes& b) { b[head + 1] = 2; }},
        {"line width", [&](Bytes& b) { poke_f32(b, head + 4, 0); }},
        {"no points", [&](Bytes& b) { std::memset(b.data() + head + 8, 0, 4); }},
        {"count beyond the bytes", [&](Bytes& b) { b[head + 8] = 4; }},
        {"a point not a number", [&](Bytes& b) { poke_f32(b, first + 16, std::nanf("")); }},
        {"a size of 0", [&](Bytes& b) { poke_f32(b, size_at, 0); }},
        {"a size too large", [&](Bytes& b) { poke_f32(b, size_at + 16, kMaxWidth * 2); }},
        {"a colour beyond 24 bits", [&](Bytes& b) { b[colour_at + 3] = 1; }},
    };
    for (const auto& [what, spoil] : cases) {
        Bytes bad = good;
        spoil(bad);
        const ReadResult read = read_batch(bad);
        EXPECT_FALSE(read.ok) << what;
        EXPECT_TRUE(read.items.empty()) << what;
    }
}

TEST(PlotBatch, RefusesHatchesOutOfBounds) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (float angle : {nan, inf, 6.3f, -6.3f}) {
        Item h = hatched();
        h.hatch[0].angle = angle;
        EXPECT_FALSE(read_batch(encode_batch({h})).ok) << angle;
    }
    for (float spacing : {nan, inf, 0.0f, -8.0f, 0.015f, 2 * kMaxCoordinate}) {
        Item h = hatched();
        h.hatch[1].spacing = spacing;
        EXPECT_FALSE(read_batch(encode_batch({h})).ok) << spacing;
    }
    Item none = hatched(), three = hatched(), two_points = hatched();
    none.hatch.clear();
    three.hatch.push_back({0, 8});
    two_points.points.resize(2);
    for (const Item& h : {none, three, two_points}) EXPECT_FALSE(read_batch(encode_batch({h})).ok);
    Bytes rule = encode_batch({hatched()});
    rule[kHeaderBytes + kItemHeaderBytes + kStrokeBytes] = 2;  // the fill rule
    EXPECT_FALSE(read_batch(rule).ok);
    Item widest = hatched();
    widest.hatch[0] = {-6.28f, kMaxCoordinate};
    EXPECT_TRUE(read_batch(encode_batch({widest})).ok);
}

TEST(PlotBatch, AnEmptyBatchIsValidAndShortBytesAreNot) {
    EXPECT_TRUE(read_batch(encode_batch({})).ok);
    for (std::size_t n = 0; n < kHeaderBytes; ++n) {
        const Bytes header = encode_batch({});
        EXPECT_FALSE(read_batch(std::span(header.data(), n)).ok) << n;
    }
}

}  // namespace
}  // namespace lumora::plotcore

namespace lumora::plotcore {
namespace {

Item graded() {
    Item g = polyline(5);
    g.kind = ItemKind::kGradient;
    g.stroke = {};
    g.nonzero = true;
    g.gradient.from = {1.5f, 2.25f};
    g.gradient.to = {90.75f, 40.5f};
    g.gradient.stops = {{0, 0xFF0000, 255}, {0.25f, kColourValueFlag | 3, 128}, {1, 0x0000FF, 0}};
    return g;
}

TEST(PlotBatch, GradientsReadBackExactly) {
    const Item g = graded();
    const Bytes bytes = encode_batch({g, polyline(3)});
    const ReadResult read = read_batch(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.items.size(), 2u);
    EXPECT_EQ(read.items[0], g);
    EXPECT_EQ(bytes.size(), kHeaderBytes + encoded_size(g) + encoded_size(polyline(3)));
    // One polygon cannot be split: a batch too small for it sends nothing.
    EXPECT_TRUE(encode_batches({g}, kHeaderBytes + encoded_size(g) - 1).empty());
    EXPECT_EQ(encode_batches({g}, kHeaderBytes + encoded_size(g)).size(), 1u);
}

TEST(PlotBatch, RefusesGradientsOutOfBounds) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<std::pair<const char*, std::function<void(Item&)>>> faults = {
        {"axis of no length", [](Item& g) { g.gradient.to = g.gradient.from; }},
        {"axis end not finite", [&](Item& g) { g.gradient.to.x = nan; }},
        {"one stop", [](Item& g) { g.gradient.stops.resize(1); }},
        {"257 stops",
         [](Item& g) {
             g.gradient.stops.resize(kMaxGradientStops + 1, {1, 0, 0});
         }},
        {"offsets back", [](Item& g) { g.gradient.stops[2].offset = 0.1f; }},
        {"offset beyond 1", [](Item& g) { g.gradient.stops[2].offset = 1.01f; }},
        {"offset below 0", [](Item& g) { g.gradient.stops[0].offset = -0.01f; }},
        {"offset NaN", [&](Item& g) { g.gradient.stops[1].offset = nan; }},
        {"colour value out of range",
         [](Item& g) { g.gradient.stops[0].rgb = kColourValueFlag | 36; }},
        {"two points", [](Item& g) { g.points.resize(2); }},
    };
    for (const auto& [what, fault] : faults) {
        Item g = graded();
        fault(g);
        const ReadResult read = read_batch(encode_batch({g}));
        EXPECT_FALSE(read.ok) << what;
        EXPECT_TRUE(read.items.empty()) << what;
    }
    Bytes rule = encode_batch({graded()});
    rule[kHeaderBytes + kItemHeaderBytes] = 2;  // the fill rule
    EXPECT_EQ(read_batch(rule).error, "unknown fill rule");
    Bytes count = encode_batch({graded()});
    count[kHeaderBytes + kItemHeaderBytes + 4 + 2 * kPointBytes] = 200;  // stops beyond the item
    EXPECT_FALSE(read_batch(count).ok);
    Item sharp = graded();
    sharp.gradient.stops[1].offset = 0;  // equal offsets: a sharp step
    EXPECT_TRUE(read_batch(encode_batch({sharp})).ok);
}

}  // namespace
}  // namespace lumora::plotcore
