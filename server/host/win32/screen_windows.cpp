#include "screen_windows.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "emf_file.h"
#include "save_path.h"
#include "server/render/gdi/gdi_canvas.h"
#include "server/render/gdi/png_file.h"
#include "server/render/painter.h"

namespace luwnd::win32 {
namespace {

constexpr char kClassName[] = "LumoraGraphicsWindow";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
// Around the page when the window is larger than it.
constexpr COLORREF kSurround = RGB(191, 191, 191);

int side(std::int32_t value) {
    return std::clamp(value, 1, render::kMaxGdiPageSide);
}

HMENU file_menu() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kSavePng, "Save as &PNG\tCtrl+S");
    AppendMenuA(file, MF_STRING, kSaveEmf, "Save as &EMF");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, kCloseWindow, "&Close");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    return bar;
}

void fill(HDC dc, const RECT& area, HBRUSH brush) {
    if (area.right > area.left && area.bottom > area.top) FillRect(dc, &area, brush);
}

}  // namespace

ScreenWindows::ScreenWindows(Core& core, const render::WindowPictures& pictures,
                             std::string save_directory)
    : core_(core), pictures_(pictures), save_directory_(std::move(save_directory)) {}

ScreenWindows::~ScreenWindows() {
    auto views = std::exchange(views_, {});
    for (auto& [n, view] : views) DestroyWindow(view.window);
}

bool ScreenWindows::create(HINSTANCE instance) {
    instance_ = instance;
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.cbWndExtra = sizeof(LONG_PTR);  // the window number
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    window_class.lpszClassName = kClassName;
    return RegisterClassA(&window_class) != 0;
}

std::string ScreenWindows::title_of(int n) const {
    const WindowState* state = core_.window_state(n);
    if (state == nullptr) return {};
    return state->title.substr(0, state->title.find('\0'));
}

void ScreenWindows::update() {
    const auto& pictures = pictures_.open();
    for (auto it = views_.begin(); it != views_.end();) {
        if (pictures.count(it->first) != 0) {
            ++it;
            continue;
        }
        HWND window = it->second.window;  // the program closed the window
        it = views_.erase(it);
        DestroyWindow(window);
    }
    for (auto it = dismissed_.begin(); it != dismissed_.end();)
        it = pictures.count(*it) == 0 ? dismissed_.erase(it) : std::next(it);
    for (const auto& [n, picture] : pictures) {
        if (dismissed_.count(n) != 0) continue;
        std::string title = title_of(n);
        auto it = views_.find(n);
        if (it == views_.end()) {
            open_view(n, picture, title);
            it = views_.find(n);
            if (it == views_.end()) continue;
        }
        View& view = it->second;
        follow_band(view, n);  // a program may have begun or ended its wait
        if (view.title != title) {
            view.title = title;
            show_title(view);
        }
        const auto since = std::chrono::steady_clock::now() - view.made;
        if (view.progress.needs_new_image(picture, view.image != nullptr) && since < kFrame) {
            if (!view.behind) {
                const auto wait = std::chrono::ceil<std::chrono::milliseconds>(kFrame - since);
                SetTimer(view.window, kCatchUpTimer, static_cast<UINT>(wait.count()) + 1, nullptr);
            }
            view.behind = true;
            continue;
        }
        follow(view, picture);
    }
}

// The frame the program ended is painted as soon as its image is made, not when the queue
// is next empty.
void ScreenWindows::follow(View& view, const render::Picture& picture) {
    if (view.behind) KillTimer(view.window, kCatchUpTimer);
    view.behind = false;
    draw_new_items(view, picture);
    if (view.progress.take_released()) UpdateWindow(view.window);
}

void ScreenWindows::catch_up(View& view, int n) {
    if (!view.behind) return;
    const auto& pictures = pictures_.open();
    auto it = pictures.find(n);
    if (it != pictures.end()) follow(view, it->second);
}

void ScreenWindows::show_now() {
    for (auto& [n, view] : views_) {
        catch_up(view, n);
        UpdateWindow(view.window);
    }
    GdiFlush();
}

// The client area starts at the page's size; the view is registered only once the
// window is shown, so that the sizes Windows reports while making it are not taken as the
// user's resizing.
void ScreenWindows::open_view(int n, const render::Picture& picture, const std::string& title) {
    RECT frame{0, 0, side(picture.width), side(picture.height)};
    AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
    HMENU menu = file_menu();
    Creation creation{this, n};
    const bool placed = picture.x != 0 || picture.y != 0;
    HWND window =
        CreateWindowExA(0, kClassName, title.c_str(), kStyle, placed ? picture.x : CW_USEDEFAULT,
                        placed ? picture.y : CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, menu, instance_, &creation);
    if (window == nullptr) {
        DestroyMenu(menu);
        dismissed_.insert(n);  // not tried again while the window is open
        return;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    View view;
    view.window = window;
    view.title = title;
    views_.emplace(n, std::move(view));
}

// The image follows the picture as far as its progress says; a held picture leaves it
// as it is (and a resize then paints it with the surround, never a half-drawn frame).
void ScreenWindows::draw_new_items(View& view, const render::Picture& picture) {
    using Step = render::ScreenProgress::Step;
    const Step step = view.progress.step(picture, view.image != nullptr);
    if (step == Step::kNone) return;
    if (step == Step::kDrawAll) {
        view.image = render::render_page(picture);
        view.made = std::chrono::steady_clock::now();
    } else {
        render::paint_items(*view.image, picture, view.progress.drawn());
    }
    GdiFlush();
    view.progress.drew(picture);
    InvalidateRect(view.window, nullptr, FALSE);
}

void ScreenWindows::paint(View& view) {
    PAINTSTRUCT paint_info;
    HDC dc = BeginPaint(view.window, &paint_info);
    if (dc == nullptr) return;
    RECT client;
    GetClientRect(view.window, &client);
    int width = 0, height = 0;
    if (view.image != nullptr) {
        width = view.image->width();
        height = view.image->height();
        BitBlt(dc, 0, 0, width, height, view.image->dc(), 0, 0, SRCCOPY);
    }
    HBRUSH surround = CreateSolidBrush(kSurround);
    fill(dc, RECT{width, 0, client.right, client.bottom}, surround);
    fill(dc, RECT{0, height, std::min<LONG>(width, client.right), client.bottom}, surround);
    DeleteObject(surround);
    paint_overlays(static_cast<int>(GetWindowLongPtrA(view.window, 0)), dc);
    draw_band(view, dc);
    EndPaint(view.window, &paint_info);
}

void ScreenWindows::resized(int n, int width, int height) {
    const WindowState* state = core_.window_state(n);
    if (width <= 0 || height <= 0 || state == nullptr) return;
    if (state->page_width == width && state->page_height == height) return;
    if (core_.resize_window(n, width, height) && on_resized) on_resized();
}

void ScreenWindows::closed_by_user(int n) {
    auto it = views_.find(n);
    if (it == views_.end()) return;
    core_.window_closed_by_user(n);
    gestures_.forget(n);
    HWND window = it->second.window;
    views_.erase(it);
    dismissed_.insert(n);
    DestroyWindow(window);
    if (on_closed) on_closed();
}

void ScreenWindows::save(int n, MenuCommand format) {
    auto view = views_.find(n);
    auto picture = pictures_.open().find(n);
    if (view == views_.end() || picture == pictures_.open().end()) return;
    const bool png = format == kSavePng;
    std::vector<std::uint8_t> bytes;
    std::string error = "the page is too large";
    const bool made =
        png ? view->second.image != nullptr && render::encode_png(*view->second.image, bytes, error)
            : emf_bytes(picture->second, view->second.title, bytes, error);
    if (!made || save_new_picture(save_directory_, GetCurrentProcessId(), n, png ? "png" : "emf",
                                  bytes, error)
                     .empty()) {
        std::fprintf(stderr, "luwnd: cannot save window %d: %s\n", n, error.c_str());
        MessageBeep(MB_ICONWARNING);
    }
}

LRESULT ScreenWindows::handle(View& view, int n, UINT message, WPARAM wparam, LPARAM lparam) {
    // While a program waits for a click or a key, the pointer and the keys are its alone.
    if (!core_.cursor_wait(n)) gesture(view, n, message, wparam, lparam);
    switch (message) {
        case WM_PAINT:
            paint(view);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painting covers the whole client area
        case WM_SIZE:
            if (wparam != SIZE_MINIMIZED) resized(n, LOWORD(lparam), HIWORD(lparam));
            return 0;
        case WM_TIMER:
            if (wparam != kCatchUpTimer) break;
            KillTimer(view.window, kCatchUpTimer);
            catch_up(view, n);
            return 0;
        case WM_CLOSE:
            closed_by_user(n);
            return 0;
        case WM_CHAR:
            typed(view, n, wparam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDOWN:
            button_pressed(n, message, lparam);
            return 0;
        case WM_MOUSEMOVE:
            view.pointer = Pixel{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            follow_band(view, n);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wparam) == kSavePng || LOWORD(wparam) == kSaveEmf)
                save(n, static_cast<MenuCommand>(LOWORD(wparam)));
            if (LOWORD(wparam) == kCloseWindow) closed_by_user(n);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(view.window, message, wparam, lparam);
}

LRESULT CALLBACK ScreenWindows::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* creation = static_cast<const Creation*>(
            reinterpret_cast<const CREATESTRUCTA*>(lparam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->self));
        SetWindowLongPtrA(window, 0, creation->window);
    }
    auto* self = reinterpret_cast<ScreenWindows*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr) {
        int n = static_cast<int>(GetWindowLongPtrA(window, 0));
        auto it = self->views_.find(n);
        // Before it is registered and once it is going, the window gets the defaults.
        if (it != self->views_.end() && it->second.window == window)
            return self->handle(it->second, n, message, wparam, lparam);
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace luwnd::win32
