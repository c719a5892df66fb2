// Box and arc figures: the corners (and for arcs two ray points) go into the words from
// result1 on, the sub-code names the figure.
#include <cmath>

#include "binding.h"
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/include/lumora.h"
#include "coordinates.h"
#include "float_to_int.h"

using namespace lumora;

namespace {

constexpr std::int32_t kBoxA21 = 21;
constexpr std::int32_t kBoxA22 = 22;
constexpr std::int32_t kBoxA23 = 23;
constexpr std::int32_t kBoxA24 = 24;
constexpr std::int32_t kArcA25 = 25;
constexpr std::int32_t kArcA26 = 26;
constexpr std::int32_t kArcA27 = 27;

// One full turn in radians, exactly this 32-bit real: results depend on it bit for bit.
constexpr float kTurn = 6.283184f;

// Writes the figure words result1 ... (and on into the text area); false when the window
// is not open.
bool put_words(int window, const std::int32_t* words, std::size_t count) {
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return false;
    for (std::size_t i = 0; i < count; ++i) {
        layout::write_i32(block, layout::kResult1 + 4 * i, words[i]);
    }
    return true;
}

int box(int window, std::int32_t code, int x1, int y1, int x2, int y2) {
    const std::int32_t corners[] = {x1, y1, x2, y2};
    if (!put_words(window, corners, 4)) return 0;
    return command_with_int(window, 'A', code);
}

int arc(int window, std::int32_t code, int x1, int y1, int x2, int y2, int xs, int ys, int xe,
        int ye) {
    const std::int32_t words[] = {x1, y1, x2, y2, xs, ys, xe, ye};
    if (!put_words(window, words, 8)) return 0;
    return command_with_int(window, 'A', code);
}

struct DeviceBox {
    std::int32_t x1, y1, x2, y2;
};

DeviceBox device_box(const std::uint8_t* block, float x1, float y1, float x2, float y2) {
    return {device_x(block, x1), device_y(block, y1), device_x(block, x2), device_y(block, y2)};
}

// The device point one unit length from the centre in the direction of angle (radians).
void ray_point(const std::uint8_t* block, float cx, float cy, float angle, std::int32_t& x,
               std::int32_t& y) {
    const double unit = layout::read_i32(block, layout::kUnitLength);
    const double wx = cx + std::cos(static_cast<double>(angle)) * unit;
    const double wy = cy + std::sin(static_cast<double>(angle)) * unit;
    if (is_pixel_mode(block)) {  // already device values, taken as they are
        x = truncate_to_int(wx + 0.5);
        y = truncate_to_int(wy + 0.5);
    } else {
        x = device_x(block, static_cast<float>(wx));
        y = device_y(block, static_cast<float>(wy));
    }
}

int world_arc(std::int32_t code, float x1, float y1, float x2, float y2, float start,
              float extent) {
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    const float cx = (x1 + x2) / 2.0f;
    const float cy = (y1 + y2) / 2.0f;
    const float a0 = start * kTurn;
    const float a1 = (start + extent) * kTurn;
    std::int32_t xs = 0, ys = 0, xe = 0, ye = 0;
    ray_point(block, cx, cy, a0, xs, ys);
    ray_point(block, cx, cy, a1, xe, ye);
    const DeviceBox b = device_box(block, x1, y1, x2, y2);
    return arc(current_window(), code, b.x1, b.y1, b.x2, b.y2, xs, ys, xe, ye);
}

int world_box(std::int32_t code, float x1, float y1, float x2, float y2) {
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    const DeviceBox b = device_box(block, x1, y1, x2, y2);
    return box(current_window(), code, b.x1, b.y1, b.x2, b.y2);
}

}  // namespace

extern "C" {

int lu_draw_box_a21_in_window(int window, int x1, int y1, int x2, int y2) {
    const CallLock call;
    return box(window, kBoxA21, x1, y1, x2, y2);
}

int lu_draw_box_a21(float x1, float y1, float x2, float y2) {
    const CallLock call;
    return world_box(kBoxA21, x1, y1, x2, y2);
}

int lu_draw_box_a21_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2) {
    const CallLock call;
    return store_result(result,
                        lu_draw_box_a21(value_at(x1), value_at(y1), value_at(x2), value_at(y2)));
}

int lu_draw_box_a22_in_window(int window, int x1, int y1, int x2, int y2, int k) {
    const CallLock call;
    const std::int32_t corners[] = {x1, y1, x2, y2};
    if (!put_words(window, corners, 4)) return 0;
    return command_with_2int(window, 'A', kBoxA22, k);
}

int lu_draw_box_a22(float x1, float y1, float x2, float y2, int k) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    const DeviceBox b = device_box(block, x1, y1, x2, y2);
    return lu_draw_box_a22_in_window(current_window(), b.x1, b.y1, b.x2, b.y2, k);
}

int lu_draw_box_a22_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2, const int* k) {
    const CallLock call;
    return store_result(result, lu_draw_box_a22(value_at(x1), value_at(y1), value_at(x2),
                                                value_at(y2), value_at(k)));
}

int lu_draw_box_a23_in_window(int window, int x1, int y1, int x2, int y2, int width, int height) {
    const CallLock call;
    const std::int32_t corners[] = {x1, y1, x2, y2};
    if (!put_words(window, corners, 4)) return 0;
    return command_with_3int(window, 'A', kBoxA23, width, height);
}

int lu_draw_box_a23(float x1, float y1, float x2, float y2, float width, float height) {
    const CallLock call;
    const std::uint8_t* block = current_window_block();
    if (block == nullptr) return 0;
    const DeviceBox b = device_box(block, x1, y1, x2, y2);
    return lu_draw_box_a23_in_window(current_window(), b.x1, b.y1, b.x2, b.y2,
                                     device_width(block, width), device_height(block, height));
}

int lu_draw_box_a23_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2, const float* width, const float* height) {
    const CallLock call;
    return store_result(result, lu_draw_box_a23(value_at(x1), value_at(y1), value_at(x2),
                                                value_at(y2), value_at(width), value_at(height)));
}

int lu_draw_box_a24_in_window(int window, int x1, int y1, int x2, int y2) {
    const CallLock call;
    return box(window, kBoxA24, x1, y1, x2, y2);
}

int lu_draw_box_a24(float x1, float y1, float x2, float y2) {
    const CallLock call;
    return world_box(kBoxA24, x1, y1, x2, y2);
}

int lu_draw_box_a24_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2) {
    const CallLock call;
    return store_result(result,
                        lu_draw_box_a24(value_at(x1), value_at(y1), value_at(x2), value_at(y2)));
}

int lu_draw_arc_a25_in_window(int window, int x1, int y1, int x2, int y2, int xs, int ys, int xe,
                              int ye) {
    const CallLock call;
    return arc(window, kArcA25, x1, y1, x2, y2, xs, ys, xe, ye);
}

int lu_draw_arc_a25(float x1, float y1, float x2, float y2, float start, float extent) {
    const CallLock call;
    return world_arc(kArcA25, x1, y1, x2, y2, start, extent);
}

int lu_draw_arc_a25_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2, const float* start, const float* extent) {
    const CallLock call;
    return store_result(result, lu_draw_arc_a25(value_at(x1), value_at(y1), value_at(x2),
                                                value_at(y2), value_at(start), value_at(extent)));
}

int lu_draw_arc_a26_in_window(int window, int x1, int y1, int x2, int y2, int xs, int ys, int xe,
                              int ye) {
    const CallLock call;
    return arc(window, kArcA26, x1, y1, x2, y2, xs, ys, xe, ye);
}

int lu_draw_arc_a26(float x1, float y1, float x2, float y2, float start, float extent) {
    const CallLock call;
    return world_arc(kArcA26, x1, y1, x2, y2, start, extent);
}

int lu_draw_arc_a26_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2, const float* start, const float* extent) {
    const CallLock call;
    return store_result(result, lu_draw_arc_a26(value_at(x1), value_at(y1), value_at(x2),
                                                value_at(y2), value_at(start), value_at(extent)));
}

int lu_draw_arc_a27_in_window(int window, int x1, int y1, int x2, int y2, int xs, int ys, int xe,
                              int ye) {
    const CallLock call;
    return arc(window, kArcA27, x1, y1, x2, y2, xs, ys, xe, ye);
}

int lu_draw_arc_a27(float x1, float y1, float x2, float y2, float start, float extent) {
    const CallLock call;
    return world_arc(kArcA27, x1, y1, x2, y2, start, extent);
}

int lu_draw_arc_a27_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2, const float* start, const float* extent) {
    const CallLock call;
    return store_result(result, lu_draw_arc_a27(value_at(x1), value_at(y1), value_at(x2),
                                                value_at(y2), value_at(start), value_at(extent)));
}

}  // extern "C"
