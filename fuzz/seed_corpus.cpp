// Writes the seed corpus of the luwnd fuzz targets: real client sessions, one file each,
// and for the batch target plot batches of every item kind.
// Usage: luwnd_fuzz_seeds <directory>...   (every directory gets the same seeds)
//        luwnd_fuzz_seeds --batches <directory>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "plotcore/batch_format.h"
#include "plotcore/batch_writer.h"
#include "plotcore/frame_layout.h"
#include "seed_writer.h"

namespace {

using luwnd::fuzz::SeedWriter;
namespace layout = lumora::layout;

constexpr std::int32_t kRed = 0x02000000 | 0xFF;
constexpr std::int32_t kBlue = 0x02000000 | 0xFF << 16;
constexpr std::int32_t kAllPenBits = layout::kChangedPenStyle | layout::kChangedPenWidth |
                                     layout::kChangedPenColour | layout::kChangedPenMix;
constexpr std::int32_t kAllMarkerBits = layout::kChangedMarkerType | layout::kChangedMarkerSize |
                                        layout::kChangedMarkerAttr1 | layout::kChangedMarkerAttr2 |
                                        layout::kChangedMarkerAttr3;

// A small page keeps the seeds fast: the mailbox sets the size of new windows first.
SeedWriter small_page(std::uint8_t flags = 0, int width = 200, int height = 150) {
    SeedWriter w(flags);
    w.poke(0, 0, "-3;3;" + std::to_string(width) + ";" + std::to_string(height) + ";" + '\0');
    w.send_raw({'E', ' ', ' ', 0});
    return w;
}

SeedWriter handshake() {
    SeedWriter w;
    w.send_text("K,4711,/home/user;demo;Lumora demo").quit();
    return w;
}

SeedWriter lines() {
    SeedWriter w = small_page();
    w.connect_and_open();
    w.slot('A', 1, 11, 10, 10).slot('A', 1, 20, 190, 10).slot('A', 1, 20, 190, 140);
    w.slot('A', 1, 20, 10, 140).slot('A', 1, 20, 10, 10).slot('A', 1, 2);
    return w.quit();
}

SeedWriter figures() {
    SeedWriter w = small_page();
    w.connect_and_open();
    for (int code = 21; code <= 27; ++code) {
        w.words(1, layout::kResult1, {10 + code, 20, 120, 90 + code});
        if (code >= 25) w.text_words(1, {0, 0, 200, 150});
        w.slot('A', 1, code, code == 22 ? 3 : 12, 8);
    }
    return w.paint().quit();
}

SeedWriter attributes() {
    SeedWriter w = small_page();
    w.connect_and_open();
    w.words(1, layout::kChanged, {kAllPenBits});
    w.words(1, layout::kPenStyle, {1, 3, kRed, 7});
    w.slot('A', 1, 6);
    w.slot('A', 1, 5, kBlue, 4).slot('B', 1, 9, 4);
    w.words(1, layout::kResult1, {65536, 0, 0, 65536});
    w.slot('A', 1, 7, 5, 5).slot('B', 1, 30);
    w.words(1, layout::kResult1, {20, 20, 150, 120});
    w.slot('A', 1, 8, 1);
    w.slot('A', 1, 11, 0, 0).slot('A', 1, 20, 200, 150);
    w.words(1, layout::kChanged, {kAllPenBits | kAllMarkerBits});
    w.words(1, layout::kMarkerType, {3, 9, 1, 2, 0});
    w.slot('A', 1, 6).slot('A', 1, 17, 50, 50);
    return w.quit();
}

SeedWriter texts() {
    SeedWriter w = small_page();
    w.connect_and_open();
    w.words(1, layout::kFontAngle, {450, 14, 4, 1 | 4, kRed});
    w.text(1, "DejaVu Sans").slot('A', 1, 9, 5);
    w.text(1, "Hello, world").slot('A', 1, 15, 20, 40).slot('B', 1, 17);
    w.words(1, layout::kFont2Angle, {900, 0, 20, 7, 0, kBlue});
    w.text(1, "Symbol").slot('A', 1, 10, 3);
    w.text(1, "a").slot('A', 1, 16, 60, 60).slot('B', 1, 18, 97);
    w.text(1,
           "\x82\xa0 Gr\xfc\xdf"
           "e")
        .slot('A', 1, 15, 32767, 32767);
    return w.quit();
}

SeedWriter polyline_chunks() {
    SeedWriter w = small_page();
    w.connect_and_open();
    w.slot('N', 1, 30, 300);
    std::vector<std::int32_t> first, second;
    for (int i = 0; i < 512; ++i) first.push_back(i % 2 == 0 ? i / 3 : (i * 7) % 150);
    for (int i = 0; i < 88; ++i) second.push_back(i);
    w.text_words(1, first).slot('B', 1, 36, 0, 2048);
    w.text_words(1, second).slot('B', 1, 36, 2048, 352);
    return w.slot('B', 1, 37).paint().quit();
}

SeedWriter images() {
    SeedWriter w = small_page();
    w.connect_and_open();
    std::string rgb, indexed;
    for (int i = 0; i < 3 * 40 * 30; ++i) rgb += static_cast<char>(i * 37 % 256);
    for (int i = 0; i < 64 * 64; ++i) indexed += static_cast<char>(i % 7);
    w.image(1, 1, 1, 40, 30, {10, 10, 150, 110}, 0, rgb);
    w.image(1, 2, 0, 64, 64, {200, 20, 20, 200}, 5, indexed);  // mirrored, 2 chunks
    w.image(1, 1, 0, 200, 200, {0, 0, 10, 10}, 0, "cut short");
    return w.paint().quit();
}

SeedWriter polygon_and_bezier() {
    SeedWriter w = small_page();
    w.connect_and_open();
    w.words(1, layout::kFillRule, {2});
    w.slot('N', 1, 28, 5).text_words(1, {10, 10, 100, 20, 60, 140, 20, 90, 150, 80});
    w.slot('B', 1, 36, 0, 40).slot('B', 1, 37);
    w.slot('N', 1, 29, 4).text_words(1, {10, 140, 60, 0, 120, 150, 190, 10});
    w.slot('B', 1, 36, 0, 32).slot('B', 1, 37);
    w.slot('N', 1, 30, 3).slot('B', 1, 36, 0, 8).slot('B', 1, 38).slot('B', 1, 37);
    return w.quit();
}

SeedWriter plots() {
    SeedWriter w = small_page();
    w.connect_and_open();
    const std::int32_t modes[] = {0, -1, -5, 3};
    for (std::int32_t mode : modes) {
        w.words(1, layout::kResult1, {10, 190, 6, 75});
        w.slot('N', 1, 32, mode == -1 ? -5 : 5, mode);  // negative: the values run along y
        w.text_words(1, {20, 140, 60, 100, 10}).slot('B', 1, 36, 0, 20).slot('B', 1, 37);
    }
    return w.paint().quit();
}

SeedWriter further() {
    SeedWriter w = small_page();
    w.connect_and_open();
    w.slot('A', 1, 11, 0, 0).slot('A', 1, 20, 9, 9).slot('B', 1, 4);
    w.words(1, layout::kResult2, {20, 25}).slot('A', 1, 14);
    w.words(1, layout::kResult1, {kRed}).slot('A', 1, 18).slot('A', 1, 17, 30, 30);
    w.slot('B', 1, 28).slot('B', 1, 27);
    w.words(1, layout::kResult1, {kBlue}).slot('A', 1, 19, 5, 6).slot('F', 1, 5, 6);
    w.text(1, "Spectrum").slot('B', 1, 12);
    for (int kind : {128, 64, 32}) w.slot('B', 1, 1, kind);
    for (int a = 1; a <= 5; ++a) w.slot('B', 1, 15, a);
    w.slot('B', 1, 23, kBlue, 0).slot('B', 1, 26, 1).slot('B', 1, 5, 10, 10);
    w.slot('B', 1, 6, 0).slot('B', 1, 29, 1).slot('B', 1, 34, 2);
    w.words(1, layout::kResult3, {3, 5}).slot('B', 1, 32, 1).slot('B', 1, 33, 1);
    for (int code = 1; code <= 4; ++code)
        w.send_raw({'P', ' ', static_cast<std::uint8_t>(code + 32), 0});
    w.slot('G', 1, 7).slot('G', 1, 20).slot('B', 1, 16, 3);
    w.slot('B', 1, 10, 2, 1).slot('B', 1, 10, 2, -1).slot('E', 1, 14).slot('E', 1, 10);
    return w.quit();
}

SeedWriter views() {
    SeedWriter w = small_page();
    w.connect_and_open();
    w.slot('B', 1, 24, 1);
    w.floats(1, layout::kXScale, {100.0f, 50.0f, -1.0f, -1.0f, 1.0f, 2.0f, 0.1f, 0.1f, 1.2f, 0.9f});
    w.slot('B', 1, 41).slot('B', 1, 19).slot('B', 1, 31);
    w.slot('A', 1, 11, 5, 5).slot('A', 1, 20, 100, 100);
    w.slot('B', 1, 25, 1).slot('B', 1, 25, 7).slot('E', 1, 1);
    return w.quit();
}

SeedWriter dialogs() {
    SeedWriter w = small_page();
    w.connect_and_open();
    w.text(1, "Saved.").slot('B', 1, 2);
    for (int i = 0; i < 3; ++i) w.text(1, "Continue?").slot('B', 1, 3);
    w.text(1, "*.lmd").slot('B', 1, 13).slot('B', 1, 13);
    w.text(1, "Your name?").slot('B', 1, 14).slot('B', 1, 14);
    return w.quit();
}

SeedWriter data_file() {
    SeedWriter w = small_page();
    w.connect_and_open();
    w.file(
        "LMD 1\r\n# a square\nline 0 0 100 100\nbox 10 10 50 50\n\ntext 20 30 Hello "
        "there\nbogus 1\nline 1 2 3\n");
    w.slot('B', 1, 11, 0).slot('B', 1, 11, 1).slot('B', 1, 11, 2);
    return w.paint().quit();
}

SeedWriter windows() {
    SeedWriter w = small_page(luwnd::fuzz::kFlagJoinable);
    w.connect_and_open(1, "first");
    w.send_text("I,0,50,60,255,16711680,3,second").send_text("I,5,0,0,-1,-1,-1,fifth");
    w.slot('A', 2, 11, 1, 1).slot('A', 2, 20, 50, 50);
    w.send_raw({'J', '"', 0}).slot('B', 1, 22).slot('A', 5, 2);
    w.quit(0).gone();
    w.send_text("K,4711,/tmp;other;joined").slot('A', 1, 2).quit(1);
    return w;
}

SeedWriter mailbox_and_probes() {
    SeedWriter w;
    w.send_text("K,4711,x;y;z");
    w.send_raw({'O', ',', '0', 0, 0x00, 0x09, 0x00, 0x00});
    w.send_raw({'O', ',', '1', 0, 0xDB, 0x0F, 0x49, 0xC0});
    w.send_raw({'O', ',', '2', 0, 0x18, 0x2D, 0x44, 0x54, 0xFB, 0x21, 0x09, 0xC0});
    w.send_raw({'O', ',', '3', 0, 0xE2, 0xE9, 0x1D, 0x41});
    for (const char* request : {"1;0;0;0;", "-4;3;30;40;", "-10;1;144;0;", "2;0;0;0;"}) {
        w.poke(0, 0, std::string(request) + '\0').send_raw({'E', ' ', ' ', 0});
    }
    w.send_text("I,0,0,0,-1,-1,-1,");
    w.slot('O', 1, 1).slot('O', 1, 2).slot('E', 1, 3);
    return w.quit();
}

SeedWriter garbage() {
    SeedWriter w(luwnd::fuzz::kFlagTrace | luwnd::fuzz::kFlagEndsAfterQuit);
    w.tagged(2, "K,4711,x;y;z").send_text("K,4711").send_text("K,99,a;b;c");
    w.send_raw({'I', 'x', 'y', 'z'}).send_text("I,99999999999,0,0,0,0,0,t");
    w.send_text("Z,1,2,\"quoted\\text\"\x01\x7f");
    w.slot('A', 70, 20, 1, 1).slot('B', 0, 37);
    w.send_text("L,2,").gone();
    return w;
}

SeedWriter options() {
    SeedWriter w(luwnd::fuzz::kFlagSmallLists, "/t /B /s120,90 /m3 /z2 /a2");
    w.connect_and_open();
    for (int i = 0; i < 70; ++i) w.slot('A', 1, 20, (i * 37) % 120, (i * 53) % 90);
    for (int i = 0; i < 70; ++i) w.posted('A', 1, 20 - 9 * (i % 2), (i * 41) % 120, (i * 29) % 90);
    w.posted('A', 2, 11).posted('B', 1, 4).posted('A', 1, 21);
    w.slot('B', 1, 26, 10).slot('E', 1, 14);
    return w.quit();
}

// A page of the largest size the mailbox allows (painted within the harness's cap).
SeedWriter big_page() {
    SeedWriter w = small_page(0, 16384, 16384);
    w.connect_and_open();
    w.words(1, layout::kResult2, {1, 1}).slot('A', 1, 14);
    w.slot('A', 1, 11, 0, 0).slot('A', 1, 20, 16383, 16383);
    return w.quit();
}

namespace plotcore = lumora::plotcore;

plotcore::Item stroked(plotcore::ItemKind kind, std::vector<plotcore::PointF> points) {
    plotcore::Item item;
    item.kind = kind;
    item.points = std::move(points);
    item.stroke = {0x336699, 1.5f, plotcore::Dash::kDashDot};
    return item;
}

// Batches as the plotting layer sends them: a frame with ticks and a label, a styled
// frame with marked text, a clipped curve, filled bars, markers, a colour given as a
// colour value, and a colour bar's strip beside a frame (right of it, and below it).
std::vector<std::pair<const char*, plotcore::Items>> batch_seeds() {
    plotcore::Item frame =
        stroked(plotcore::ItemKind::kPolyline, {{40.5f, 20.5f}, {300, 20.5f}, {300, 200}});
    plotcore::Item ticks = stroked(plotcore::ItemKind::kSegments,
                                   {{50, 200}, {50, 195.5f}, {60.25f, 200}, {60.25f, 195}});
    plotcore::Item label;
    label.kind = plotcore::ItemKind::kText;
    label.points = {{170.5f, 230}};
    label.text = {12.5f,     0.5f, plotcore::HAlign::kCentre, plotcore::VAlign::kTop, 1, 0,
                  "x label", {}};
    plotcore::Item bar = stroked(plotcore::ItemKind::kPolygon,
                                 {{60, 200}, {70.5f, 200}, {70.5f, 120.25f}, {60, 120.25f}});
    bar.filled = true;
    bar.fill_rgb = plotcore::kColourValueFlag | 0x02FF8000;
    plotcore::Item marks;
    marks.kind = plotcore::ItemKind::kMarkers;
    marks.marker = {3, true, 6.5f, 1.25f, 0xCC0000};
    marks.points = {{100, 100}, {120.5f, 90.25f}};
    plotcore::Item clip_on;
    clip_on.kind = plotcore::ItemKind::kClip;
    clip_on.clip_on = true;
    clip_on.clip = {40, 20, 300, 200};
    plotcore::Item clip_off = clip_on;
    clip_off.clip_on = false;
    plotcore::Item dot = stroked(plotcore::ItemKind::kPolyline, {{10, 10}});
    plotcore::Item strip;
    strip.kind = plotcore::ItemKind::kBeside;
    strip.source.frame = 1;
    strip.source.box = {310, 20.5f, 329.25f, 200};
    strip.source.gap = 0.02f;
    strip.source.width = 0.04f;
    // A frame described in a style of its own, with a marked label's runs: a subscript
    // and a symbol sent as UTF-8.
    plotcore::Item styled;
    styled.kind = plotcore::ItemKind::kFrame;
    styled.source.frame = 2;
    styled.source.setup.style = plotcore::named_style(2);
    styled.source.page_width = 640;
    styled.source.page_height = 480;
    plotcore::Item subscript = label;
    subscript.text.height = 8.75f;
    subscript.text.bytes = "kin";
    plotcore::Item symbol = label;
    symbol.text.style = plotcore::kTextUtf8Bytes;
    symbol.text.bytes = "\xCE\xB1";
    // Numbers in formats of their own, a twin y axis and a legend placed below the box in
    // columns with a filled box and a coloured text.
    plotcore::Item formatted = styled;
    formatted.source.frame = 3;
    formatted.source.setup.formats = {"%.2f", "%+g V", "%d %b %H:%M"};
    plotcore::Item twin;
    twin.kind = plotcore::ItemKind::kTwin;
    twin.source.frame = 3;
    twin.source.twin = {false, 1e-2, 1e4, true, "%g%%", "share $\\alpha$"};
    plotcore::Item legend;
    legend.kind = plotcore::ItemKind::kLegend;
    legend.source.frame = 3;
    legend.source.corner = 0;
    legend.source.placement = {plotcore::kLegendOutside | plotcore::kLegendBottom, 0.5, -1, 2, -1};
    plotcore::LegendEntry swatch{"solar", 0x02FF8000, -1, 0, true, 0x02FF8000};
    legend.source.legend = {swatch, {"wind", 3, 0, 12, false, 0}};
    // A scatter whose points have their own sizes and colours (one a colour value).
    plotcore::Item scatter;
    scatter.kind = plotcore::ItemKind::kColouredMarkers;
    scatter.marker.type = 5;
    scatter.marker.line_width = 1.5f;
    scatter.points = {{100, 100}, {120.5f, 90.25f}, {130, 80}};
    scatter.sizes = {4, 9.5f, 2.25f};
    scatter.colours = {0x440154, 0xFDE725, plotcore::kColourValueFlag | 5};
    // A bar's strip below the box, in the form that carries its side.
    plotcore::Item strip_below = strip;
    strip_below.source.side = plotcore::kSideBelow;
    strip_below.source.box = {40.5f, 240, 300, 259.25f};
    // Hatched fills: a bar with two sets of lines by the nonzero rule, and a legend with a
    // hatched swatch.
    plotcore::Item hatch = stroked(plotcore::ItemKind::kHatch, bar.points);
    hatch.stroke.rgb = plotcore::kColourValueFlag | 5;
    hatch.nonzero = true;
    hatch.hatch = {{0.7853982f, 8}, {-0.7853982f, 12.5f}};
    plotcore::Item hatched_legend = legend;
    hatched_legend.source.legend[0].hatch = {{0.5235988f, 8}};
    // A bar filled with a gradient of three stops, one a colour value, one translucent.
    plotcore::Item gradient;
    gradient.kind = plotcore::ItemKind::kGradient;
    gradient.points = bar.points;
    gradient.gradient = {
        {40.5f, 120},
        {80.25f, 60},
        {{0, 0xFF0000, 255}, {0.5f, plotcore::kColourValueFlag | 5, 128}, {1, 0x0000FF, 0}}};
    // A text in a plane of a 3-D view: turned, foreshortened and sheared by its matrix.
    plotcore::Item in_plane = label;
    in_plane.text.angle = 0;
    in_plane.text.matrix = plotcore::BatchTextMatrix{0.87f, -0.25f, 0.5f, 0.43f};
    return {{"frame", {frame, ticks, label}},
            {"text-in-plane", {frame, in_plane, subscript}},
            {"hatch", {clip_on, hatch, clip_off, formatted, hatched_legend}},
            {"gradient", {clip_on, gradient, clip_off}},
            {"styled-frame", {styled, ticks, label, subscript, symbol}},
            {"formats-twin-legend", {formatted, ticks, twin, label, legend, label}},
            {"strip", {strip, bar, ticks, label}},
            {"strip-below", {strip_below, bar, ticks, label}},
            {"curve",
             {clip_on, stroked(plotcore::ItemKind::kPolyline, {{41, 150}, {90, 60.5f}, {299, 190}}),
              clip_off}},
            {"bars", {bar, bar}},
            {"markers", {marks, dot}},
            {"coloured-markers", {clip_on, scatter, clip_off}},
            {"empty", {}}};
}

int write_batch_seeds(const char* directory) {
    std::filesystem::create_directories(directory);
    for (const auto& [name, items] : batch_seeds()) {
        const plotcore::Bytes data = plotcore::encode_batch(items);
        std::ofstream out(std::filesystem::path(directory) / (std::string("seed-") + name),
                          std::ios::binary);
        out.write(reinterpret_cast<const char*>(data.data()),
                  static_cast<std::streamsize>(data.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <directory>... | --batches <directory>\n", argv[0]);
        return 2;
    }
    if (std::string(argv[1]) == "--batches") return argc == 3 ? write_batch_seeds(argv[2]) : 2;
    const std::vector<std::pair<const char*, std::function<SeedWriter()>>> seeds = {
        {"handshake", handshake},
        {"lines", lines},
        {"figures", figures},
        {"attributes", attributes},
        {"texts", texts},
        {"polyline-chunks", polyline_chunks},
        {"polygon-bezier", polygon_and_bezier},
        {"images", images},
        {"plots", plots},
        {"further", further},
        {"views", views},
        {"dialogs", dialogs},
        {"data-file", data_file},
        {"windows", windows},
        {"mailbox-probes", mailbox_and_probes},
        {"garbage", garbage},
        {"options", options},
        {"big-page", big_page},
    };
    for (int i = 1; i < argc; ++i) {
        std::filesystem::create_directories(argv[i]);
        for (const auto& [name, make] : seeds) {
            std::vector<std::uint8_t> data = make().data();
            std::ofstream out(std::filesystem::path(argv[i]) / (std::string("seed-") + name),
                              std::ios::binary);
            out.write(reinterpret_cast<const char*>(data.data()),
                      static_cast<std::streamsize>(data.size()));
            if (!out) {
                std::fprintf(stderr, "cannot write %s\n", name);
                return 1;
            }
        }
    }
    return 0;
}
