// Polygons, Bezier curves, polylines and value plots: one announce command, the array in
// chunks through the data area, and a completion command, instead of one command per
// point. The world forms convert each value straight into the shared block.
#include "array_chunks.h"
#include "binding.h"
#include "client/channel/call_lock.h"
#include "client/channel/primitives.h"
#include "client/include/lumora.h"
#include "coordinates.h"
#include "float_to_int.h"

using namespace lumora;

namespace {

constexpr std::int32_t kPolygon = 28;
constexpr std::int32_t kBezier = 29;
constexpr std::int32_t kPolyline = 30;
constexpr std::int32_t kPlot = 32;

// Fill rule argument 0 and 1 become the window's rules 1 and 2; others keep the rule.
void apply_fill_rule(std::uint8_t* block, int rule) {
    if (rule == 0 || rule == 1) layout::write_i32(block, layout::kFillRule, rule + 1);
}

bool refused_bezier_world(int count) {
    return count <= 3 || count % 3 != 1;
}

// Announces a world point array with 'N' and sends its 2 * count converted values, x
// at even and y at odd positions.
int send_world_points(int window, std::int32_t kind, const float* points, int count) {
    if (command_with_2int(window, 'N', kind, count) == 0) return 0;
    return send_computed_values(window, 2 * static_cast<std::int64_t>(count),
                                [points](const std::uint8_t* block, std::int64_t j) {
                                    return j % 2 == 0 ? device_x(block, points[j])
                                                      : device_y(block, points[j]);
                                });
}

// The device-level body shared by the three figures: slot 2 = count, then the points.
int send_device_points(int window, std::int32_t kind, const int* points, int count) {
    std::uint8_t* block = window_block(window);
    if (block == nullptr) return 0;
    layout::write_i32(block, layout::kParam2, count);
    return command_with_data(window, kind, points, 8 * static_cast<std::int64_t>(count));
}

// The plot words 240 ... 252 of a world plot, in device units.
struct PlotWords {
    std::int32_t p1, p2, size, base;
};

PlotWords plot_words(const std::uint8_t* block, int mode, int n, float p1, float p2, float size,
                     float base) {
    const bool along_x = n > 0;
    PlotWords w{};
    w.p1 = along_x ? device_x(block, p1) : device_y(block, p1);
    w.p2 = along_x ? device_x(block, p2) : device_y(block, p2);
    if (mode == -1 || mode > 0) {
        w.size = truncate_to_int(size);
        w.base = truncate_to_int(base);
    } else {
        w.size = along_x ? device_width(block, size) : device_height(block, size);
        w.base = along_x ? device_y(block, base) : device_x(block, base);
    }
    return w;
}

void write_plot_words(std::uint8_t* block, const PlotWords& w) {
    layout::write_i32(block, layout::kResult1, w.p1);
    layout::write_i32(block, layout::kResult2, w.p2);
    layout::write_i32(block, layout::kResult3, w.size);
    layout::write_i32(block, layout::kResult4, w.base);
}

std::int64_t magnitude(int n) {
    const auto v = static_cast<std::int64_t>(n);
    return v < 0 ? -v : v;
}

}  // namespace

extern "C" {

int lu_draw_polygon_in_window(int window, const int* points, int count, int rule) {
    const CallLock call;
    std::uint8_t* block = window_block(window);
    if (count <= 2 || points == nullptr || block == nullptr) return 0;
    apply_fill_rule(block, rule);
    return send_device_points(window, kPolygon, points, count);
}

int lu_draw_bezier_in_window(int window, const int* points, int count) {
    const CallLock call;
    if (count <= 3 || points == nullptr) return 0;
    return send_device_points(window, kBezier, points, count);
}

int lu_draw_polyline_in_window(int window, const int* points, int count) {
    const CallLock call;
    if (count <= 1 || points == nullptr) return 0;
    return send_device_points(window, kPolyline, points, count);
}

int lu_draw_polygon(const float* points, int count, int rule) {
    const CallLock call;
    std::uint8_t* block = current_window_block();
    if (count <= 2 || points == nullptr || block == nullptr) return 0;
    apply_fill_rule(block, rule);
    return send_world_points(current_window(), kPolygon, points, count);
}

int lu_draw_polygon_(int* result, const float* points, const int* count, const int* rule) {
    const CallLock call;
    return store_result(result, lu_draw_polygon(points, value_at(count), value_at(rule)));
}

int lu_draw_bezier(const float* points, int count) {
    const CallLock call;
    if (refused_bezier_world(count) || points == nullptr) return 0;
    if (current_window_block() == nullptr) return 0;
    return send_world_points(current_window(), kBezier, points, count);
}

int lu_draw_bezier_(int* result, const float* points, const int* count) {
    const CallLock call;
    return store_result(result, lu_draw_bezier(points, value_at(count)));
}

int lu_draw_polyline(const float* points, int count) {
    const CallLock call;
    if (count <= 1 || points == nullptr || current_window_block() == nullptr) return 0;
    return send_world_points(current_window(), kPolyline, points, count);
}

int lu_draw_polyline_(int* result, const float* points, const int* count) {
    const CallLock call;
    return store_result(result, lu_draw_polyline(points, value_at(count)));
}

int lu_plot_array_in_window(int window, int mode, int n, int p1, int p2, int size, int base,
                            const int* values) {
    const CallLock call;
    std::uint8_t* block = window_block(window);
    if (n == 0 || values == nullptr || block == nullptr) return 0;
    write_plot_words(block, {p1, p2, size, base});
    layout::write_i32(block, layout::kParam2, n);
    layout::write_i32(block, layout::kParam3, mode);
    return command_with_data(window, kPlot, values, 4 * magnitude(n));
}

int lu_plot_array(int mode, int n, float p1, float p2, float size, float base, float scale,
                  float offset, const float* values) {
    const CallLock call;
    std::uint8_t* block = current_window_block();
    if (n == 0 || values == nullptr || block == nullptr) return 0;
    const int window = current_window();
    write_plot_words(block, plot_words(block, mode, n, p1, p2, size, base));
    if (command_with_3int(window, 'N', kPlot, n, mode) == 0) return 0;
    const bool along_x = n > 0;
    return send_computed_values(window, magnitude(n), [=](const std::uint8_t* b, std::int64_t i) {
        const float v = scale * values[i] + offset;
        return along_x ? device_y(b, v) : device_x(b, v);
    });
}

int lu_plot_array_(int* result, const int* mode, const int* n, const float* p1, const float* p2,
                   const float* size, const float* base, const float* scale, const float* offset,
                   const float* values) {
    const CallLock call;
    return store_result(result, lu_plot_array(value_at(mode), value_at(n), value_at(p1),
                                              value_at(p2), value_at(size), value_at(base),
                                              value_at(scale), value_at(offset), values));
}

}  // extern "C"
