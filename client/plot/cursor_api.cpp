// Cursor input: waiting for a click or a key (with a rubber band), and looking for what
// the user did in passing. The window process queues the events; a waiting program asks
// again every few milliseconds, so that the window process never stops for it.
#include <cmath>
#include <string>

#include "client/drawing/binding.h"
#include "client/include/lumora_cursor.h"
#include "client/platform/platform.h"
#include "cursor_events.h"
#include "entry.h"

using namespace lumora;
using namespace lumora::plot;

namespace {

// Between two asks of a waiting program: well within a frame of the screen.
constexpr int kAskAgainMs = 4;

// An ask the window process did not answer: an older one that keeps no events, unless the
// window has gone meanwhile.
int unanswered(int window) {
    return is_open_window(window) ? refuse("the window process keeps no events") : 0;
}

template <typename T, typename V>
void put(T* out, V v) {
    if (out != nullptr) *out = static_cast<T>(v);
}

template <typename Real>
int wait_for_cursor(int window, int mode, double xref, double yref, Real* x, Real* y, int* key) {
    put(key, 0);
    if (!is_open_window(window)) return refuse_closed_window(window);
    if (mode < LU_BAND_NONE || mode > LU_BAND_CROSS_HAIR)
        return refuse("band " + std::to_string(mode) +
                      " is none of LU_BAND_NONE ... LU_BAND_CROSS_HAIR (0 ... 7)");
    const bool anchored = mode != LU_BAND_NONE && mode < LU_BAND_HORIZONTAL_LINE;
    if (anchored && (!std::isfinite(xref) || !std::isfinite(yref)))
        return refuse("the anchor " + number_text(xref) + ", " + number_text(yref) +
                      " is not a point");
    while (true) {
        const std::optional<CursorEvent> event = next_cursor_event(window, mode, xref, yref, true);
        if (!event) return unanswered(window);
        if (event->kind == LU_EVENT_CLOSE) return 0;
        if (event->kind == LU_EVENT_KEY || event->kind == LU_EVENT_BUTTON) {
            put(x, event->x);
            put(y, event->y);
            put(key, event->key);
            return window;
        }
        if (event->kind == LU_EVENT_NONE && !event->more)
            return refuse("no event can come: there is no screen and no scripted event left");
        if (event->kind == LU_EVENT_NONE) platform::current().pause(kAskAgainMs);
    }
}

int poll_event(int window, int* kind, float* x, float* y, int* key) {
    put(kind, LU_EVENT_NONE);
    put(key, 0);
    put(x, 0);
    put(y, 0);
    if (!is_open_window(window)) return refuse_closed_window(window);
    const std::optional<CursorEvent> event = next_cursor_event(window, LU_BAND_NONE, 0, 0, false);
    if (!event) return unanswered(window);
    put(kind, event->kind);
    const bool resized = event->kind == LU_EVENT_RESIZE;
    put(x, resized ? event->pixel_x : event->x);
    put(y, resized ? event->pixel_y : event->y);
    put(key, event->key);
    return window;
}

}  // namespace

extern "C" {

int lu_get_cursor_band_in_window(int window, int mode, float xref, float yref, float* x, float* y,
                                 int* key) {
    return guarded(__func__, [&] { return wait_for_cursor(window, mode, xref, yref, x, y, key); });
}
int lu_get_cursor_band(int mode, float xref, float yref, float* x, float* y, int* key) {
    return guarded(__func__, [&] {
        return lu_get_cursor_band_in_window(current_window(), mode, xref, yref, x, y, key);
    });
}
int lu_get_cursor_band_(int* result, const int* mode, const float* xref, const float* yref,
                        float* x, float* y, int* key) {
    return guarded(__func__, [&] {
        return store(result, lu_get_cursor_band(at(mode), at(xref), at(yref), x, y, key));
    });
}
int lu_get_cursor_band_double(int mode, double xref, double yref, double* x, double* y, int* key) {
    return guarded(__func__,
                   [&] { return wait_for_cursor(current_window(), mode, xref, yref, x, y, key); });
}
int lu_get_cursor_band_double_(int* result, const int* mode, const double* xref, const double* yref,
                               double* x, double* y, int* key) {
    return guarded(__func__, [&] {
        return store(result, lu_get_cursor_band_double(at(mode), at(xref), at(yref), x, y, key));
    });
}

int lu_get_cursor_in_window(int window, float* x, float* y, int* key) {
    return guarded(__func__,
                   [&] { return wait_for_cursor(window, LU_BAND_NONE, 0, 0, x, y, key); });
}
int lu_get_cursor(float* x, float* y, int* key) {
    return guarded(__func__, [&] { return lu_get_cursor_in_window(current_window(), x, y, key); });
}
int lu_get_cursor_(int* result, float* x, float* y, int* key) {
    return guarded(__func__, [&] { return store(result, lu_get_cursor(x, y, key)); });
}
int lu_get_cursor_double(double* x, double* y, int* key) {
    return guarded(
        __func__, [&] { return wait_for_cursor(current_window(), LU_BAND_NONE, 0, 0, x, y, key); });
}
int lu_get_cursor_double_(int* result, double* x, double* y, int* key) {
    return guarded(__func__, [&] { return store(result, lu_get_cursor_double(x, y, key)); });
}

int lu_poll_event_in_window(int window, int* kind, float* x, float* y, int* key) {
    return guarded(__func__, [&] { return poll_event(window, kind, x, y, key); });
}
int lu_poll_event(int* kind, float* x, float* y, int* key) {
    return guarded(__func__,
                   [&] { return lu_poll_event_in_window(current_window(), kind, x, y, key); });
}
int lu_poll_event_(int* result, int* kind, float* x, float* y, int* key) {
    return guarded(__func__, [&] { return store(result, lu_poll_event(kind, x, y, key)); });
}

}  // extern "C"
