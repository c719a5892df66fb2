// What the tests see of luwnd's windows on the screen: finding them, their title and
// client area, and the pixels they show.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumora::test {

struct ScreenImage {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // packed RGB, rows top to bottom
    std::uint32_t at(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height
                   ? 0xFFFFFFFFu
                   : pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

// Waits up to timeout_ms until the condition holds; whether it did.
bool wait_until(const std::function<bool()>& condition, DWORD timeout_ms = 10000);

// The visible graphics windows of the process (0: of any process).
std::vector<HWND> graphics_windows(DWORD process_id);
// Waits for the process's first visible graphics window; nullptr when none came.
HWND wait_for_graphics_window(DWORD process_id, DWORD timeout_ms = 20000);

std::string window_title(HWND window);
SIZE client_size(HWND window);
// The client area's pixels as the screen shows them; empty when the window is gone.
ScreenImage capture_client(HWND window);
// Waits until the screen shows the colour at the client point.
bool wait_for_pixel(HWND window, int x, int y, std::uint32_t rgb, DWORD timeout_ms = 10000);

}  // namespace lumora::test
