#include "cursor_position.h"

#include <cmath>

#include "client/channel/block_layout.h"

namespace luwnd {

namespace layout = lumora::layout;
using lumora::plotcore::Frame;
using lumora::plotcore::Rect;

namespace {

// Pixels of a page lie within this much of it; further is no pixel at all.
constexpr double kMaxPixel = 1 << 20;

double page_height(const std::uint8_t* words) {
    return layout::read_i32(words, layout::kPageHeight);
}

}  // namespace

bool holds(const Rect& r, double x, double y) {
    return r.width() > 0 && r.height() > 0 && x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1;
}

const Frame* frame_under(const Frames& frames, double x, double y) {
    for (auto it = frames.rbegin(); it != frames.rend(); ++it)
        if (holds(it->box, x, y)) return &*it;
    for (auto it = frames.rbegin(); it != frames.rend(); ++it)
        if (holds(it->panel, x, y)) return &*it;
    return nullptr;
}

namespace {

double from_world(double w, bool log) {
    return log ? std::pow(10.0, w) : w;
}

// The window's own world, as the library converts back from device pixels (single
// precision on the block's words, so that both agree).
CursorPoint window_point(const std::uint8_t* words, Pixel pixel) {
    if (layout::read_i32(words, layout::kPixelMode) != 0)
        return {double(pixel.x), double(pixel.y), 0};
    const auto dx = static_cast<float>(pixel.x - layout::read_i32(words, layout::kOriginX));
    const auto dy = static_cast<float>(pixel.y - layout::read_i32(words, layout::kOriginY));
    const float x =
        dx / layout::read_f32(words, layout::kXScale) + layout::read_f32(words, layout::kWorldX1);
    const float y =
        layout::read_f32(words, layout::kWorldY1) - dy / layout::read_f32(words, layout::kYScale);
    return {x, y, 0};
}

std::optional<Pixel> pixel_of(double x, double y) {
    if (!(std::fabs(x) < kMaxPixel) || !(std::fabs(y) < kMaxPixel)) return std::nullopt;
    return Pixel{static_cast<std::int32_t>(std::lround(x)),
                 static_cast<std::int32_t>(std::lround(y))};
}

std::optional<Pixel> window_pixel(const std::uint8_t* words, double x, double y) {
    if (layout::read_i32(words, layout::kPixelMode) != 0) return pixel_of(x, y);
    const double dx =
        (x - layout::read_f32(words, layout::kWorldX1)) * layout::read_f32(words, layout::kXScale);
    const double dy =
        (y - layout::read_f32(words, layout::kWorldY1)) * layout::read_f32(words, layout::kYScale);
    return pixel_of(layout::read_i32(words, layout::kOriginX) + dx,
                    layout::read_i32(words, layout::kOriginY) - dy);
}

double to_world(double v, bool log) {
    return log ? (v > 0 ? std::log10(v) : NAN) : v;
}

}  // namespace

CursorPoint cursor_point(const Frames& frames, const std::uint8_t* words, Pixel pixel) {
    // Page points of the plotting layer count upward from the bottom edge.
    const double x = pixel.x, y = page_height(words) - pixel.y;
    const Frame* f = frame_under(frames, x, y);
    if (f == nullptr) return window_point(words, pixel);
    const double wx = f->wx1 + (x - f->box.x0) / f->box.width() * (f->wx2 - f->wx1);
    const double wy = f->wy1 + (y - f->box.y0) / f->box.height() * (f->wy2 - f->wy1);
    return {from_world(wx, f->log_x), from_world(wy, f->log_y), f->id};
}

std::optional<Pixel> cursor_pixel(const Frames& frames, const std::uint8_t* words,
                                  std::uint32_t frame, double x, double y) {
    for (const Frame& f : frames) {
        if (frame == 0 || f.id != frame) continue;
        return pixel_of(f.px(to_world(x, f.log_x)),
                        page_height(words) - f.py(to_world(y, f.log_y)));
    }
    return window_pixel(words, x, y);
}

}  // namespace luwnd
