// Fuzz target: the antialiasing painter that draws plot items on Windows' page images,
// given any points (NaN, infinite, huge), pens (widths, dash styles), fill rules and clips,
// into a small page. Input: a run of operations, each a header of 8 bytes (kind, dash,
// rule and clip kind; width as a float) and then points as pairs of floats, a count first.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz_input.h"
#include "server/render/raster/antialiased_painter.h"

namespace {

using namespace luwnd::render;

constexpr int kWidth = 97, kHeight = 61;  // odd sides: rows and bands end unevenly
constexpr std::size_t kMostPoints = 2048;

float f32(luwnd::fuzz::FuzzInput& in) {
    const std::uint32_t bits = in.u32();
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Small values most of the time, so that figures land on the page; any float sometimes.
double coordinate(luwnd::fuzz::FuzzInput& in) {
    const std::uint8_t how = in.u8();
    if (how < 200) return how * 0.5 - 10 + in.u8() / 256.0;
    return f32(in);
}

Clip clip_of(luwnd::fuzz::FuzzInput& in, std::uint8_t kind) {
    Clip clip;
    clip.kind = static_cast<Clip::Kind>(kind % 3);
    clip.box = {coordinate(in), coordinate(in), coordinate(in), coordinate(in)};
    return clip;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    luwnd::fuzz::FuzzInput in(data, size);
    std::vector<std::uint8_t> pixels(std::size_t{kWidth} * kHeight * 4, 0xFF);
    const raster::PixelTarget target{pixels.data(), kWidth * 4, kWidth, kHeight};
    for (int operation = 0; operation < 16 && !in.done(); ++operation) {
        const std::uint8_t kind = in.u8(), dash = in.u8(), rule = in.u8(), clip_kind = in.u8();
        Pen pen;
        pen.exact_width = f32(in);
        pen.width = 1;
        pen.dash = static_cast<DashStyle>(dash % 9);
        pen.rgb = 0x336699;
        raster::AntialiasedPainter painter(target, clip_of(in, clip_kind));
        std::vector<Point> points(std::min<std::size_t>(in.u16(), kMostPoints));
        for (Point& p : points) p = {coordinate(in), coordinate(in)};
        if (kind % 2 == 0) {
            if (raster::paints_pen(pen)) painter.stroke(points, kind % 4 == 2, pen);
        } else {
            painter.fill(points, rule % 2 == 0 ? FillRule::kAlternate : FillRule::kWinding,
                         0x993366);
        }
    }
    return 0;
}
