// Keys, mouse buttons and the pointer in the desktop windows: Ctrl+S saves, the events go
// to the core for the program to read, and a waiting program's rubber band follows the
// pointer (the same lines as on X, from cursor_band.h).
#include "screen_windows.h"

namespace luwnd::win32 {
namespace {

// The character Ctrl+S types.
constexpr WPARAM kControlS = 0x13;

// The pointer's pixel in the window's client area.
Pixel pointer_in(HWND window) {
    POINT p{0, 0};
    if (GetCursorPos(&p)) ScreenToClient(window, &p);
    return {static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)};
}

}  // namespace

// A program waiting for a key gets every character, Ctrl+S too; at other times Ctrl+S
// saves the picture as it always did.
void ScreenWindows::typed(View& view, int n, WPARAM character) {
    if (character == kControlS && !core_.cursor_wait(n)) {
        save(n, kSavePng);
        return;
    }
    if (character == 0 || character > 255) return;
    const Pixel p = pointer_in(view.window);
    core_.window_event(n, {EventKind::kKey, static_cast<std::int32_t>(character), p.x, p.y});
}

void ScreenWindows::button_pressed(int n, UINT message, LPARAM position) {
    const std::int32_t key = message == WM_LBUTTONDOWN   ? kButtonLeft
                             : message == WM_MBUTTONDOWN ? kButtonMiddle
                                                         : kButtonRight;
    const auto x = static_cast<std::int32_t>(static_cast<short>(LOWORD(position)));
    const auto y = static_cast<std::int32_t>(static_cast<short>(HIWORD(position)));
    core_.window_event(n, {EventKind::kButton, key, x, y});
}

// The band follows the pointer while a program waits, and goes when it stops waiting.
void ScreenWindows::follow_band(View& view, int n) {
    const std::optional<CursorWait> wait = core_.cursor_wait(n);
    if (wait && wait->mode != 0 && !view.pointer) view.pointer = pointer_in(view.window);
    std::vector<BandLine> band;
    if (wait && view.pointer) {
        RECT client{0, 0, 0, 0};
        GetClientRect(view.window, &client);
        band = band_lines(*wait, *view.pointer, client.right, client.bottom);
    }
    if (band == view.band) return;
    view.band = std::move(band);
    InvalidateRect(view.window, nullptr, FALSE);
}

// Inverted, so that the band shows on any colour.
void ScreenWindows::draw_band(const View& view, HDC dc) {
    if (view.band.empty()) return;
    const int mode = SetROP2(dc, R2_NOT);
    HGDIOBJ pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    for (const BandLine& line : view.band) {
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
    SelectObject(dc, pen);
    SetROP2(dc, mode);
}

}  // namespace luwnd::win32
