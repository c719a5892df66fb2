// An X server of the test's own (Xvfb on a display number it picks itself), and what the
// tests do on it through a connection of their own: find the windows luwnd shows, read
// their pixels, resize and close them as a window manager would, press keys in them.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct _XDisplay;

namespace lumora::test {

struct Screenshot {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;  // packed 0xRRGGBB, row by row
    std::uint32_t at(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height
                   ? 0xFFFFFFFFu
                   : rgb[static_cast<std::size_t>(y * width + x)];
    }
};

class VirtualDisplay {
  public:
    // screen: Xvfb's "WxHxD"; dpi: its -dpi option, 0 for its default.
    explicit VirtualDisplay(const std::string& screen = "640x480x24", int dpi = 0);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // False when Xvfb is not installed or did not start.
    bool ready() const { return display_ != nullptr; }
    const std::string& name() const { return name_; }

    // The screen pixel as packed RGB.
    std::uint32_t pixel(int x, int y);
    // Waits up to 5 s for the screen pixel to become the colour.
    bool wait_for(int x, int y, std::uint32_t rgb);

    // The shown top-level window with that title (any, when the title is empty), waiting
    // up to 10 s for it; 0 when there is none.
    unsigned long wait_for_window(const std::string& title = {});
    // Whether that window still exists.
    bool exists(unsigned long window);
    // Waits up to 10 s for the window to be destroyed; false when it is still there.
    bool wait_until_gone(unsigned long window);
    // What the window shows, as far as it is on the screen.
    Screenshot capture(unsigned long window);
    // Waits up to 5 s until the window's pixel has the colour.
    bool wait_for_window_pixel(unsigned long window, int x, int y, std::uint32_t rgb);
    // The window's size, {0, 0} when it is gone.
    std::pair<int, int> size_of(unsigned long window);
    // Where the window's top left corner is on the screen.
    std::pair<int, int> position_of(unsigned long window);

    // What a window manager does for the user.
    void resize(unsigned long window, int width, int height);
    void close(unsigned long window);  // WM_DELETE_WINDOW
    void press_key(unsigned long window, const char* key, bool control = false);
    // Presses and releases a pointer button at the window's pixel (x, y): 1 left, 3 right,
    // 4 and 5 the wheel turned away from the user and towards.
    void click(unsigned long window, int x, int y, unsigned button);
    // Moves the pointer to the window's pixel (x, y), as the user would.
    void move_pointer(unsigned long window, int x, int y);
    // Waits up to 5 s for the window's title to hold the text; the title as it is then.
    std::string wait_for_title(unsigned long window, const std::string& part);
    // Drags with the button held from (x0, y0) to (x1, y1) in a few moves.
    void drag(unsigned long window, int x0, int y0, int x1, int y1, unsigned button);
    // Covers the window with a green one of the test's own and takes that away again:
    // the window has to paint what was covered anew.
    void cover_and_uncover(unsigned long window);
    // Sets the resource database of the screen (RESOURCE_MANAGER), e.g. "Xft.dpi:\t144\n".
    void set_resources(const std::string& text);

  private:
    std::string name_;
    pid_t pid_ = -1;
    _XDisplay* display_ = nullptr;
};

}  // namespace lumora::test
