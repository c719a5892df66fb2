// Plain names: each calls the operation it stands for and nothing else, so that what it
// sends, draws and answers cannot differ from that operation's.
#include "client/channel/call_lock.h"
#include "client/drawing/binding.h"
#include "client/include/lumora.h"

using namespace lumora;

namespace {

constexpr int kDrawingsHeld = 3;  // lu_query_b1_in_window: items, room left, point words

}  // namespace

extern "C" {

int lu_draw_rectangle(float x1, float y1, float x2, float y2) {
    return lu_draw_box_a21(x1, y1, x2, y2);
}
int lu_draw_rectangle_(int* result, const float* x1, const float* y1, const float* x2,
                       const float* y2) {
    return lu_draw_box_a21_(result, x1, y1, x2, y2);
}
int lu_draw_rectangle_in_window(int window, int x1, int y1, int x2, int y2) {
    return lu_draw_box_a21_in_window(window, x1, y1, x2, y2);
}

int lu_fill_rectangle(float x1, float y1, float x2, float y2, int colour) {
    return lu_draw_box_a22(x1, y1, x2, y2, colour);
}
int lu_fill_rectangle_(int* result, const float* x1, const float* y1, const float* x2,
                       const float* y2, const int* colour) {
    return lu_draw_box_a22_(result, x1, y1, x2, y2, colour);
}
int lu_fill_rectangle_in_window(int window, int x1, int y1, int x2, int y2, int colour) {
    return lu_draw_box_a22_in_window(window, x1, y1, x2, y2, colour);
}

int lu_draw_rounded_rectangle(float x1, float y1, float x2, float y2, float width, float height) {
    return lu_draw_box_a23(x1, y1, x2, y2, width, height);
}
int lu_draw_rounded_rectangle_(int* result, const float* x1, const float* y1, const float* x2,
                               const float* y2, const float* width, const float* height) {
    return lu_draw_box_a23_(result, x1, y1, x2, y2, width, height);
}

int lu_draw_ellipse(float x1, float y1, float x2, float y2) {
    return lu_draw_box_a24(x1, y1, x2, y2);
}
int lu_draw_ellipse_(int* result, const float* x1, const float* y1, const float* x2,
                     const float* y2) {
    return lu_draw_box_a24_(result, x1, y1, x2, y2);
}
int lu_draw_ellipse_in_window(int window, int x1, int y1, int x2, int y2) {
    return lu_draw_box_a24_in_window(window, x1, y1, x2, y2);
}

int lu_draw_arc(float x1, float y1, float x2, float y2, float start, float extent) {
    return lu_draw_arc_a25(x1, y1, x2, y2, start, extent);
}
int lu_draw_arc_(int* result, const float* x1, const float* y1, const float* x2, const float* y2,
                 const float* start, const float* extent) {
    return lu_draw_arc_a25_(result, x1, y1, x2, y2, start, extent);
}
int lu_draw_chord(float x1, float y1, float x2, float y2, float start, float extent) {
    return lu_draw_arc_a26(x1, y1, x2, y2, start, extent);
}
int lu_draw_chord_(int* result, const float* x1, const float* y1, const float* x2, const float* y2,
                   const float* start, const float* extent) {
    return lu_draw_arc_a26_(result, x1, y1, x2, y2, start, extent);
}
int lu_draw_pie_slice(float x1, float y1, float x2, float y2, float start, float extent) {
    return lu_draw_arc_a27(x1, y1, x2, y2, start, extent);
}
int lu_draw_pie_slice_(int* result, const float* x1, const float* y1, const float* x2,
                       const float* y2, const float* start, const float* extent) {
    return lu_draw_arc_a27_(result, x1, y1, x2, y2, start, extent);
}

int lu_erase_window(void) {
    return lu_send_command_b4();
}
int lu_erase_window_(int* result) {
    return lu_send_command_b4_(result);
}
int lu_erase_window_in_window(int window) {
    return lu_send_command_b4_in_window(window);
}

int lu_undo_drawings(int count) {
    return lu_send_command_b26(count);
}
int lu_undo_drawings_(int* result, const int* count) {
    return lu_send_command_b26_(result, count);
}
int lu_undo_drawings_in_window(int window, int count) {
    return lu_send_command_b26_in_window(window, count);
}

int lu_count_drawings_in_window(int window) {
    const CallLock call;
    int held = -1, room = 0, words = 0;
    if (lu_query_b1_in_window(window, &held, &room, &words, kDrawingsHeld) == 0) return -1;
    return held;
}
int lu_count_drawings(void) {
    const CallLock call;
    return lu_count_drawings_in_window(current_window());
}
int lu_count_drawings_(int* result) {
    const CallLock call;
    return store_result(result, lu_count_drawings());
}

int lu_set_background(int colour, int erase) {
    return lu_send_command_b23(colour, erase);
}
int lu_set_background_(int* result, const int* colour, const int* erase) {
    return lu_send_command_b23_(result, colour, erase);
}

int lu_set_end_picture(int format) {
    return lu_send_command_b34(format);
}
int lu_set_end_picture_(int* result, const int* format) {
    return lu_send_command_b34_(result, format);
}
int lu_set_end_picture_in_window(int window, int format) {
    return lu_send_command_b34_in_window(window, format);
}

int lu_keep_on_top(int on) {
    return lu_send_command_b29(on);
}
int lu_keep_on_top_(int* result, const int* on) {
    return lu_send_command_b29_(result, on);
}

}  // extern "C"
