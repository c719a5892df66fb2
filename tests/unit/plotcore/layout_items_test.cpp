// What a part of a batch was laid out from travels with it: frames, boxes, labels and
// anchors read back exactly, a long anchored line stays anchored across batches, and a
// description that could not be laid out is refused.
#include <gtest/gtest.h>

#include <limits>

#include "client/include/lumora_plot.h"
#include "plotcore/batch_reader.h"
#include "plotcore/batch_writer.h"

namespace lumora::plotcore {
namespace {

Item frame_item() {
    Item item;
    item.kind = ItemKind::kFrame;
    item.source.frame = 7;
    item.source.setup = {0.5,
                         1e6,
                         -2.25,
                         3.0,
                         LU_PLOT_LOG_X | LU_PLOT_GRID,
                         2,
                         3,
                         5,
                         1.5,
                         1.7e9,
                         2.0,
                         FrameStyle{},
                         NumberFormats{},
                         LabelColours{}};
    item.source.page_width = 640.5f;
    item.source.page_height = 480;
    return item;
}

Item box_item() {
    Item item;
    item.kind = ItemKind::kBox;
    item.source.frame = 7;
    item.source.x = parse_axis_options("bcnstgo", 2.5, 4);
    item.source.y = parse_axis_options("bnlmaf", 0, 0);
    return item;
}

Item labels_item() {
    Item item;
    item.kind = ItemKind::kLabels;
    item.source.frame = 7;
    item.source.labels = {"time (s)", "", "E_kin ω"};
    return item;
}

Item anchor_item(std::uint32_t frame) {
    Item item;
    item.kind = ItemKind::kAnchor;
    item.source.frame = frame;
    item.source.box = {60.5f, 20.25f, 600.75f, 400.125f};
    return item;
}

Item legend_item() {
    Item item;
    item.kind = ItemKind::kLegend;
    item.source.frame = 7;
    item.source.corner = 3;
    item.source.legend = {{"data", 0x02102030, 1, 0}, {"fit ω", 12, -1, 16}};
    return item;
}

Item beside_item() {
    Item item = anchor_item(7);
    item.kind = ItemKind::kBeside;
    item.source.gap = -0.03125f;
    item.source.width = 0.05f;
    return item;
}

Item twin_item() {
    Item item;
    item.kind = ItemKind::kTwin;
    item.source.frame = 7;
    item.source.twin = {false, 1e-3, 1e3, true, "%g Hz", "frequency $f$", {}};
    return item;
}

Item styled_twin_item() {
    Item item = twin_item();
    item.source.twin.x_axis = true;
    item.source.twin.look = {30, 3, 0x02008000, kFrameColour};
    return item;
}

// A twin of the default look keeps the bytes it always had; its own ticks and colours add
// 20 bytes, each checked.
TEST(PlotLayoutItems, ATwinsOwnLookAddsItsBytesAndIsChecked) {
    const Bytes plain = encode_batch({twin_item()});
    const std::size_t texts =
        twin_item().source.twin.format.size() + twin_item().source.twin.label.size();
    EXPECT_EQ(plain.size(), kHeaderBytes + kItemHeaderBytes + 4 + 28 + texts);
    const Bytes bytes = encode_batch({styled_twin_item()});
    ASSERT_EQ(bytes.size(), plain.size() + 20);
    const ReadResult read = read_batch(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.items, Items{styled_twin_item()});
    const std::size_t look = plain.size();
    for (const auto& [at, value] : {std::pair{look + 7, 0xFF},   // step not finite / too large
                                    std::pair{look + 8, 101},    // subticks
                                    std::pair{look + 10, 1},     // padding
                                    std::pair{look + 15, 0x05},  // numbers colour
                                    std::pair{look + 19, 0x07}}) {
        Bytes spoiled = bytes;
        spoiled[at] = static_cast<std::uint8_t>(value);
        EXPECT_FALSE(read_batch(spoiled).ok) << "byte " << at << " = " << value;
    }
}

TEST(PlotLayoutItems, ReadBackExactly) {
    const Items items = {frame_item(),   box_item(),    labels_item(), anchor_item(7),
                         anchor_item(0), legend_item(), beside_item(), twin_item()};
    const ReadResult read = read_batch(encode_batch(items));
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.items, items);
}

// A strip right of the box keeps the 28 bytes it always had; one on another side adds its
// side, and a side out of range, padding that is not zero or a length of neither form
// spoils the batch.
TEST(PlotLayoutItems, AStripOnAnotherSideAddsItsSideAndIsChecked) {
    const Bytes right = encode_batch({beside_item()});
    EXPECT_EQ(right.size(), kHeaderBytes + kItemHeaderBytes + 28);
    for (int side : {kSideLeft, kSideAbove, kSideBelow}) {
        Item strip = beside_item();
        strip.source.side = side;
        const Bytes bytes = encode_batch({strip});
        ASSERT_EQ(bytes.size(), right.size() + 4) << side;
        const ReadResult read = read_batch(bytes);
        ASSERT_TRUE(read.ok) << read.error;
        EXPECT_EQ(read.items, Items{strip});
        const std::size_t side_at = right.size();
        for (const auto& [at, value] :
             {std::pair{side_at, 0}, std::pair{side_at, 5}, std::pair{side_at, 0xFF},
              std::pair{side_at + 1, 1}, std::pair{side_at + 3, 0x80}}) {
            Bytes spoiled = bytes;
            spoiled[at] = static_cast<std::uint8_t>(value);
            EXPECT_FALSE(read_batch(spoiled).ok) << side << ": byte " << at << " = " << value;
        }
        // The item two bytes short: neither form.
        Bytes cut(bytes.begin(), bytes.end() - 2);
        cut[kHeaderBytes + 4] = 30;
        EXPECT_FALSE(read_batch(cut).ok) << side;
    }
}

TEST(PlotLayoutItems, AFramesStyleTravelsOnlyWhenItIsNotTheClassicOne) {
    Item styled = frame_item();
    styled.source.setup.style = named_style(1);
    styled.source.setup.style.grid_line = 9;
    const Bytes plain_bytes = encode_batch({frame_item()}), styled_bytes = encode_batch({styled});
    EXPECT_EQ(styled_bytes.size(), plain_bytes.size() + 24);
    const ReadResult read = read_batch(styled_bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.items, Items{styled});
    EXPECT_EQ(read.items[0].source.setup.options, LU_PLOT_LOG_X | LU_PLOT_GRID);
    // A style with a colour that is no colour value, or a grid style past 9, is refused.
    for (const std::size_t at : {plain_bytes.size(), plain_bytes.size() + 20}) {
        Bytes spoiled = styled_bytes;
        spoiled[at] = 0xFF;
        spoiled[at + 3] = 0x7F;
        EXPECT_FALSE(read_batch(spoiled).ok) << at;
    }
}

// Labels in the style's colours keep the frame's bytes as they were; colours of their own
// add twelve bytes after the style and the formats, each checked on arrival.
TEST(PlotLayoutItems, LabelColoursTravelOnlyWhenGivenAndAreChecked) {
    Item coloured = frame_item();
    coloured.source.setup.style = named_style(2);
    coloured.source.setup.formats = {"%.1f", "", ""};
    Item without = coloured;
    coloured.source.setup.label_colours = {kFrameColour, 0x02000080, 5};
    const Bytes plain = encode_batch({without}), bytes = encode_batch({coloured});
    ASSERT_EQ(bytes.size(), plain.size() + 12);
    // Beside the colours at the end, only the payload's length and the options differ.
    const std::size_t length_at = kHeaderBytes + 4, options_at = length_at + 4 + 4 + 32;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const bool may_differ =
            (i >= length_at && i < length_at + 4) || (i >= options_at && i < options_at + 4);
        if (!may_differ) {
            EXPECT_EQ(bytes[i], plain[i]) << "byte " << i;
        }
    }
    const ReadResult read = read_batch(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.items, Items{coloured});
    for (const std::size_t colour : {0u, 1u, 2u}) {
        Bytes spoiled = bytes;
        spoiled[plain.size() + 4 * colour + 3] = 0x03;  // no form of a colour value
        EXPECT_FALSE(read_batch(spoiled).ok) << colour;
    }
    Bytes cut(bytes.begin(), bytes.end() - 4);
    cut[kHeaderBytes + 4] = static_cast<std::uint8_t>(cut[kHeaderBytes + 4] - 4);
    EXPECT_FALSE(read_batch(cut).ok) << "a colour missing";
}

// A title of the default size keeps the frame's bytes; its own size adds four, checked.
TEST(PlotLayoutItems, ATitlesOwnSizeTravelsOnlyWhenGivenAndIsChecked) {
    EXPECT_EQ(encode_batch({frame_item()}).size(), kHeaderBytes + kItemHeaderBytes + 4 + 64)
        << "a frame with labels of the style's colours and size keeps its bytes";
    Item sized = frame_item();
    sized.source.setup.label_colours.title = 4;
    const Bytes without = encode_batch({sized});
    sized.source.setup.title_size = 1.5;
    const Bytes bytes = encode_batch({sized});
    ASSERT_EQ(bytes.size(), without.size() + 4);
    const ReadResult read = read_batch(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.items, Items{sized});
    for (const double size : {0.2, 4.5, std::numeric_limits<double>::quiet_NaN()}) {
        sized.source.setup.title_size = size;
        EXPECT_FALSE(read_batch(encode_batch({sized})).ok) << size;
    }
}

TEST(PlotLayoutItems, NumberFormatsTravelOnlyWhenGivenAndAreCheckedOnArrival) {
    Item formatted = frame_item();
    formatted.source.setup.formats = {"%.2f", "", "%H:%M"};
    const Bytes plain_bytes = encode_batch({frame_item()});
    const Bytes bytes = encode_batch({formatted});
    EXPECT_EQ(bytes.size(), plain_bytes.size() + 12 + 4 + 5);
    const ReadResult read = read_batch(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.items, Items{formatted});
    // A conversion that would read past its one double, or a time conversion the
    // calendar does not have, spoils the batch.
    for (const NumberFormats& bad :
         {NumberFormats{"%s", "", ""}, NumberFormats{"", "%n", ""}, NumberFormats{"", "", "%Q"}}) {
        formatted.source.setup.formats = bad;
        EXPECT_FALSE(read_batch(encode_batch({formatted})).ok) << bad.x << bad.y << bad.time;
    }
    Bytes spoiled = bytes;
    spoiled[plain_bytes.size()] = 0xFF;  // the x format's length
    EXPECT_FALSE(read_batch(spoiled).ok);
}

TEST(PlotLayoutItems, ATwinThatCouldNotBeDrawnSpoilsItsBatch) {
    const auto refused = [](const TwinAxis& twin) {
        Item item = twin_item();
        item.source.twin = twin;
        return !read_batch(encode_batch({item})).ok;
    };
    EXPECT_FALSE(refused({true, 5, 5, false, "", "", {}})) << "equal ends are widened";
    EXPECT_TRUE(refused({false, -1, 10, true, "", "", {}})) << "a log range below 0";
    EXPECT_TRUE(refused({false, 0, std::numeric_limits<double>::quiet_NaN(), false, "", "", {}}));
    EXPECT_TRUE(refused({false, -3e38, 3e38, false, "", "", {}})) << "beyond single precision";
    EXPECT_TRUE(refused({false, 0, 1, false, "%s", "", {}})) << "a format for no double";
    EXPECT_TRUE(refused({false, 0, 1, false, std::string(65, 'x'), "", {}}));
    EXPECT_TRUE(refused({false, 0, 1, false, "", std::string(5000, 'x'), {}}));
    Bytes spoiled = encode_batch({twin_item()});
    spoiled[kHeaderBytes + kItemHeaderBytes + 4] = 2;  // neither x nor y
    EXPECT_FALSE(read_batch(spoiled).ok);
}

TEST(PlotLayoutItems, APlacedLegendCarriesItsPlacementAndEntryKinds) {
    Item placed = legend_item();
    placed.source.corner = 0;
    placed.source.placement = {kLegendOutside | kLegendBottom, 1.5, -2, 2, -1};
    placed.source.legend[0].swatch = true;
    placed.source.legend[1].text_colour = 12;
    const Bytes bytes = encode_batch({placed});
    EXPECT_EQ(bytes.size(), encode_batch({legend_item()}).size() + 16 + 2 * 4)
        << "a legend at a place keeps its bytes";
    const ReadResult read = read_batch(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.items, Items{placed});
    const auto refused = [&](auto spoil) {
        Item item = placed;
        spoil(item.source);
        return !read_batch(encode_batch({item})).ok;
    };
    EXPECT_TRUE(refused([](LayoutSource& s) { s.placement.position = kLegendOutside; }));
    EXPECT_TRUE(
        refused([](LayoutSource& s) { s.placement.position = kLegendLeft | kLegendRight; }));
    EXPECT_TRUE(refused([](LayoutSource& s) { s.placement.columns = 0; }));
    EXPECT_TRUE(refused([](LayoutSource& s) { s.placement.dx = 101; }));
    EXPECT_TRUE(refused([](LayoutSource& s) { s.placement.background = 36; }));
    EXPECT_TRUE(refused([](LayoutSource& s) { s.legend[0].text_colour = 0x03000000; }));
    // The kind of the first entry in a legend at a place, which has no kinds.
    Bytes spoiled = encode_batch({legend_item()});
    spoiled[kHeaderBytes + kItemHeaderBytes + 4 + 4 + 4 + 4 + 2] = 1;
    EXPECT_FALSE(read_batch(spoiled).ok);
}

TEST(PlotLayoutItems, AHatchedSwatchCarriesItsLineSets) {
    Item placed = legend_item();
    placed.source.corner = 0;
    placed.source.legend[0].swatch = true;
    placed.source.legend[0].hatch = {{0.5f, 8}, {-0.5f, 12.5f}};
    Item filled = placed;
    filled.source.legend[0].hatch.clear();
    const Bytes bytes = encode_batch({placed});
    EXPECT_EQ(bytes.size(), encode_batch({filled}).size() + 4 + 2 * 8);
    const ReadResult read = read_batch(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.items, Items{placed});
    const auto refused = [&](const Hatch& hatch) {
        Item item = placed;
        item.source.legend[0].hatch = hatch;
        return !read_batch(encode_batch({item})).ok;
    };
    EXPECT_TRUE(refused({{0, 8}, {0, 8}, {0, 8}}));
    EXPECT_TRUE(refused({{7, 8}}));
    EXPECT_TRUE(refused({{0, 0}}));
    EXPECT_TRUE(refused({{0, kMaxWidth * 2}}));
    EXPECT_FALSE(refused({{-6.28f, kMaxWidth}}));
}

TEST(PlotLayoutItems, ALongAnchoredLineStaysAnchoredInEveryBatch) {
    Item line;
    line.kind = ItemKind::kPolyline;
    for (int i = 0; i < 3000; ++i) line.points.push_back({0.25f * float(i), 1.5f});
    for (const Item& anchor : {anchor_item(3), beside_item()}) {
        const std::vector<Bytes> batches = encode_batches({anchor, line}, 8192);
        ASSERT_GT(batches.size(), 2u);
        for (const Bytes& bytes : batches) {
            const ReadResult read = read_batch(bytes);
            ASSERT_TRUE(read.ok) << read.error;
            ASSERT_GE(read.items.size(), 2u);
            EXPECT_EQ(read.items.front(), anchor);
        }
    }
}

TEST(PlotLayoutItems, RefusesWhatCouldNotBeLaidOut) {
    const auto refused = [](const Item& item) { return !read_batch(encode_batch({item})).ok; };
    EXPECT_FALSE(refused(frame_item()));
    Item f = frame_item();
    f.source.frame = 0;
    EXPECT_TRUE(refused(f)) << "frame 0";
    f = frame_item();
    f.source.setup.panel = 7;  // of 2 x 3
    EXPECT_TRUE(refused(f)) << "panel";
    f = frame_item();
    f.source.setup.nx = 17;
    EXPECT_TRUE(refused(f)) << "panels across";
    f = frame_item();
    f.source.setup.x1 = -1;  // on a log axis
    EXPECT_TRUE(refused(f)) << "log range";
    f = frame_item();
    f.source.setup.y2 = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(refused(f)) << "NaN";
    f = frame_item();
    f.source.setup.text_scale = 10;
    EXPECT_TRUE(refused(f)) << "scale";
    f = frame_item();
    f.source.setup.options = 0x200;
    EXPECT_TRUE(refused(f)) << "options";
    f = frame_item();
    f.source.page_width = 0;
    EXPECT_TRUE(refused(f)) << "page";
    Item b = box_item();
    b.source.x.step = -1;
    EXPECT_TRUE(refused(b)) << "step";
    Item l = labels_item();
    l.source.labels.title.assign(kMaxTextBytes + 1, 't');
    EXPECT_TRUE(refused(l)) << "title";
    Item g = legend_item();
    g.source.corner = 11;
    EXPECT_FALSE(refused(g)) << "outside the box, level with its bottom";
    g.source.corner = 12;
    EXPECT_TRUE(refused(g)) << "place";
    g = legend_item();
    g.source.legend[1].marker = 17;
    EXPECT_TRUE(refused(g)) << "marker";
    g = legend_item();
    g.source.legend[0].colour = 36;
    EXPECT_TRUE(refused(g)) << "colour";
    g = legend_item();
    g.source.legend.clear();
    EXPECT_TRUE(refused(g)) << "no entries";
    Item a = anchor_item(2);
    a.source.box.right = std::numeric_limits<float>::infinity();
    EXPECT_TRUE(refused(a)) << "anchor box";
    Item strip = beside_item();
    strip.source.frame = 0;
    EXPECT_TRUE(refused(strip)) << "strip of no frame";
    for (float width : {0.0f, -0.1f, 16.5f, std::numeric_limits<float>::quiet_NaN()}) {
        strip = beside_item();
        strip.source.width = width;
        EXPECT_TRUE(refused(strip)) << "strip width " << width;
    }
    for (float gap : {-17.0f, std::numeric_limits<float>::infinity(),
                      std::numeric_limits<float>::quiet_NaN()}) {
        strip = beside_item();
        strip.source.gap = gap;
        EXPECT_TRUE(refused(strip)) << "strip gap " << gap;
    }
}

}  // namespace
}  // namespace lumora::plotcore
