// The pointer and the plot keys in the desktop windows: turned into PlotGestures' calls,
// with the band being dragged and the help painted over the page on the screen (never into
// it), and the place under the pointer read out in the title.
#include <algorithm>

#include "screen_windows.h"

namespace luwnd::win32 {
namespace {

std::int32_t x_of(LPARAM lparam) {
    return static_cast<short>(LOWORD(lparam));
}
std::int32_t y_of(LPARAM lparam) {
    return static_cast<short>(HIWORD(lparam));
}

constexpr int kHelpText = 13;  // pixels

}  // namespace

bool ScreenWindows::gesture(View& view, int n, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_MOUSEWHEEL: {
            POINT at{x_of(lparam), y_of(lparam)};  // on the screen
            ScreenToClient(view.window, &at);
            gestures_.wheel(n, at.x, at.y, GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA);
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            SetCapture(view.window);
            gestures_.press(
                n,
                message == WM_LBUTTONDOWN ? PlotGestures::Drag::kPan : PlotGestures::Drag::kZoomBox,
                x_of(lparam), y_of(lparam));
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            ReleaseCapture();
            gestures_.release(n, x_of(lparam), y_of(lparam));
            break;
        case WM_MOUSEMOVE:
            gestures_.move(n, x_of(lparam), y_of(lparam));
            break;
        case WM_KEYDOWN:
            if (wparam == VK_HOME) gestures_.key(n, 'r');
            if (wparam == VK_F1) gestures_.toggle_help(n);
            if (wparam != VK_HOME && wparam != VK_F1) return false;
            break;
        case WM_CHAR:
            if (wparam == '+' || wparam == '=' || wparam == '-')
                gestures_.key(n, wparam == '-' ? '-' : '+');
            else if (wparam == 'r' || wparam == 'R')
                gestures_.key(n, 'r');
            else if (wparam == '?' || wparam == 'h' || wparam == 'H')
                gestures_.toggle_help(n);
            else
                return false;
            break;
        default:
            return false;
    }
    // The band and the help are painted over the page: the window paints them again
    // while the band is dragged, when it ends and when the help comes or goes.
    const bool overlay =
        gestures_.band(n) || message == WM_RBUTTONUP || message == WM_CHAR || message == WM_KEYDOWN;
    apply_gestures(view, n);
    if (overlay) InvalidateRect(view.window, nullptr, FALSE);
    return true;
}

void ScreenWindows::apply_gestures(View& view, int n) {
    const bool changed = !gestures_.apply().empty();
    const std::string readout = gestures_.readout(n);
    if (readout != view.readout) {
        view.readout = readout;
        show_title(view);
    }
    if (changed && on_resized) on_resized();
}

// The program's title, and after it where the pointer is in the plot under it.
void ScreenWindows::show_title(View& view) {
    const std::string title = view.readout.empty() ? view.title : view.title + "   " + view.readout;
    SetWindowTextA(view.window, title.c_str());
}

void ScreenWindows::paint_overlays(int n, HDC dc) const {
    if (const auto band = gestures_.band(n)) {
        const RECT r{std::min(band->x0, band->x1), std::min(band->y0, band->y1),
                     std::max(band->x0, band->x1) + 1, std::max(band->y0, band->y1) + 1};
        DrawFocusRect(dc, &r);
    }
    if (!gestures_.help(n)) return;
    const std::vector<std::string>& lines = PlotGestures::help_lines();
    HFONT font = CreateFontA(-kHelpText, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, "Arial");
    HGDIOBJ old_font = SelectObject(dc, font);
    LONG widest = 0;
    for (const std::string& line : lines) {
        SIZE size{};
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &size);
        widest = std::max(widest, size.cx);
    }
    const int pad = kHelpText * 6 / 10, step = kHelpText * 14 / 10;
    const RECT box{8, 8, 8 + widest + 2 * pad, 8 + static_cast<LONG>(lines.size()) * step + pad};
    HBRUSH paper = CreateSolidBrush(RGB(255, 255, 217));
    FillRect(dc, &box, paper);
    DeleteObject(paper);
    FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        TextOutA(dc, 8 + pad, 8 + pad / 2 + static_cast<int>(i) * step, line.c_str(),
                 static_cast<int>(line.size()));
    }
    SelectObject(dc, old_font);
    DeleteObject(font);
}

}  // namespace luwnd::win32
