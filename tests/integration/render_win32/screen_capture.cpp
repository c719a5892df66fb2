#include "screen_capture.h"

namespace lumora::test {
namespace {

constexpr char kGraphicsClass[] = "LumoraGraphicsWindow";

struct Search {
    DWORD process_id;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (std::string(name) == kGraphicsClass && IsWindowVisible(window) &&
        (search->process_id == 0 || owner == search->process_id))
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

bool wait_until(const std::function<bool()>& condition, DWORD timeout_ms) {
    const ULONGLONG end = GetTickCount64() + timeout_ms;
    while (!condition()) {
        if (GetTickCount64() > end) return false;
        Sleep(50);
    }
    return true;
}

std::vector<HWND> graphics_windows(DWORD process_id) {
    Search search{process_id, {}};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND wait_for_graphics_window(DWORD process_id, DWORD timeout_ms) {
    HWND window = nullptr;
    wait_until(
        [&] {
            std::vector<HWND> found = graphics_windows(process_id);
            window = found.empty() ? nullptr : found.front();
            return window != nullptr;
        },
        timeout_ms);
    return window;
}

std::string window_title(HWND window) {
    char title[512] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

SIZE client_size(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client)) return {0, 0};
    return {client.right - client.left, client.bottom - client.top};
}

// Copied from the screen where the client area lies: what the user sees.
ScreenImage capture_client(HWND window) {
    ScreenImage image;
    SIZE size = client_size(window);
    POINT origin{0, 0};
    if (size.cx <= 0 || size.cy <= 0 || !ClientToScreen(window, &origin)) return image;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, size.cx, size.cy, screen, origin.x, origin.y, SRCCOPY)) {
            GdiFlush();
            image.width = size.cx;
            image.height = size.cy;
            const auto* pixels = static_cast<const std::uint32_t*>(bits);
            image.pixels.assign(pixels, pixels + std::size_t(size.cx) * std::size_t(size.cy));
            for (std::uint32_t& p : image.pixels) p &= 0xFFFFFF;
        }
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

bool wait_for_pixel(HWND window, int x, int y, std::uint32_t rgb, DWORD timeout_ms) {
    return wait_until([&] { return capture_client(window).at(x, y) == rgb; }, timeout_ms);
}

}  // namespace lumora::test
