// Pictures: one announce with the header in the data area ('B' 60), the pixels in chunks
// of 2048 bytes strictly in order ('B' 61), and a completion ('B' 62) that draws it; a
// refused chunk abandons the transfer ('B' 63). Rows run from the first corner on.
#include "binding.h"
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/include/lumora.h"
#include "coordinates.h"

using namespace lumora;

namespace {

constexpr std::int32_t kAnnounce = 60, kChunk = 61, kComplete = 62, kAbandon = 63;
constexpr std::int32_t kRgb = 1, kIndexed = 2;
constexpr int kMaxColours = 256;

struct Corners {
    std::int32_t x1, y1, x2, y2;
};

void write_header(std::uint8_t* block, std::int32_t format, int smooth, const Corners& c,
                  const int* colours, int count) {
    const std::int32_t words[8] = {format, smooth != 0 ? 1 : 0, c.x1, c.y1, c.x2, c.y2, count, 0};
    for (std::size_t i = 0; i < 8; ++i) layout::write_i32(block, layout::kText + 4 * i, words[i]);
    for (int i = 0; i < count; ++i)
        layout::write_i32(block, layout::kText + 32 + 4 * static_cast<std::size_t>(i), colours[i]);
}

// The bytes of `count` pixels from pixel `first` on: three (red, green, blue) of an RGB
// colour value each, or the low byte of an index.
void fill_bytes(std::uint8_t* out, const int* pixels, std::int64_t first, std::int64_t count,
                bool rgb) {
    for (std::int64_t k = 0; k < count; ++k) {
        const auto v = static_cast<std::uint32_t>(pixels[first + k]);
        if (!rgb) {
            out[k] = static_cast<std::uint8_t>(v & 0xFF);
            continue;
        }
        out[3 * k] = static_cast<std::uint8_t>(v & 0xFF);
        out[3 * k + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
        out[3 * k + 2] = static_cast<std::uint8_t>((v >> 16) & 0xFF);
    }
}

// Sends the pixels after an accepted announce, converted straight into the data area;
// the answer of the completion, or 0.
int send_pixels(int window, const int* pixels, std::int64_t count, bool rgb) {
    const std::int64_t per_chunk = rgb ? layout::kTextSize / 3 : layout::kTextSize;
    const std::int64_t size = rgb ? 3 : 1;
    for (std::int64_t sent = 0; sent < count;) {
        // Looked up per chunk: an answer may have ended the connection and unmapped it.
        std::uint8_t* block = window_block(window);
        if (block == nullptr) return 0;
        const std::int64_t n = count - sent < per_chunk ? count - sent : per_chunk;
        fill_bytes(block + layout::kText, pixels, sent, n, rgb);
        if (command_with_3int(window, 'B', kChunk, static_cast<std::int32_t>(size * sent),
                              static_cast<std::int32_t>(size * n)) == 0) {
            command_with_int(window, 'B', kAbandon);
            return 0;
        }
        sent += n;
    }
    return command_with_int(window, 'B', kComplete);
}

int send_image(int window, std::int32_t format, int width, int height, const int* pixels,
               const int* colours, int count, const Corners& corners, int smooth) {
    std::uint8_t* block = window_block(window);
    if (block == nullptr || pixels == nullptr || width <= 0 || height <= 0) return 0;
    write_header(block, format, smooth, corners, colours, count);
    if (command_with_3int(window, 'B', kAnnounce, width, height) == 0) return 0;
    return send_pixels(window, pixels, std::int64_t{width} * height, format == kRgb);
}

Corners world_corners(const std::uint8_t* block, float x1, float y1, float x2, float y2) {
    return {device_x(block, x1), device_y(block, y1), device_x(block, x2), device_y(block, y2)};
}

bool colours_fit(const int* colours, int count) {
    return colours != nullptr && count >= 1 && count <= kMaxColours;
}

}  // namespace

extern "C" {

int lu_draw_image_rgb_in_window(int window, int width, int height, const int* pixels, int x1,
                                int y1, int x2, int y2, int smooth) {
    const CallLock call;
    return send_image(window, kRgb, width, height, pixels, nullptr, 0, {x1, y1, x2, y2}, smooth);
}

int lu_draw_image_rgb(int width, int height, const int* pixels, float x1, float y1, float x2,
                      float y2, int smooth) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    return send_image(current_window(), kRgb, width, height, pixels, nullptr, 0,
                      world_corners(block, x1, y1, x2, y2), smooth);
}

int lu_draw_image_rgb_(int* result, const int* width, const int* height, const int* pixels,
                       const float* x1, const float* y1, const float* x2, const float* y2,
                       const int* smooth) {
    const CallLock call;
    return store_result(
        result, lu_draw_image_rgb(value_at(width), value_at(height), pixels, value_at(x1),
                                  value_at(y1), value_at(x2), value_at(y2), logical_at(smooth)));
}

int lu_draw_image_indexed_in_window(int window, int width, int height, const int* indices,
                                    const int* colours, int count, int x1, int y1, int x2, int y2,
                                    int smooth) {
    const CallLock call;
    if (!colours_fit(colours, count)) return 0;
    return send_image(window, kIndexed, width, height, indices, colours, count, {x1, y1, x2, y2},
                      smooth);
}

int lu_draw_image_indexed(int width, int height, const int* indices, const int* colours, int count,
                          float x1, float y1, float x2, float y2, int smooth) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr || !colours_fit(colours, count)) return 0;
    return send_image(current_window(), kIndexed, width, height, indices, colours, count,
                      world_corners(block, x1, y1, x2, y2), smooth);
}

int lu_draw_image_indexed_(int* result, const int* width, const int* height, const int* indices,
                           const int* colours, const int* count, const float* x1, const float* y1,
                           const float* x2, const float* y2, const int* smooth) {
    const CallLock call;
    return store_result(
        result, lu_draw_image_indexed(value_at(width), value_at(height), indices, colours,
                                      value_at(count), value_at(x1), value_at(y1), value_at(x2),
                                      value_at(y2), logical_at(smooth)));
}

}  // extern "C"
