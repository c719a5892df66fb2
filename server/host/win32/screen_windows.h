// The graphics windows on the desktop: one top-level window per open window, titled from
// its open command (the bytes in the ANSI code page, as the program sent them), showing
// its page, which is drawn into an image as commands arrive and copied to the screen when
// the window paints. While the program draws a buffered frame the image stays as it was;
// when the frame ends it is drawn and painted at once (at most once a frame, see kFrame). Resizing
// a window resizes its page; a window the program closes goes away; one the user closes tells the
// core, which ends the drawing program, and stays closed. Each window's File menu and Ctrl+S save
// its picture without asking anything: see save_path.h for the names. Typed characters and
// the mouse buttons go to the core for the program to read; while a program waits in a
// window for a click or a key, Ctrl+S goes to it too, and its rubber band follows the
// pointer over the picture (screen_input.cpp). While none waits, the pointer and the plot
// keys zoom and pan plots as PlotGestures (server/core/plot_gestures.h) says, and the
// title reads out the place under the pointer (screen_gestures.cpp).
#pragma once

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "server/core/core.h"
#include "server/core/cursor_band.h"
#include "server/core/plot_gestures.h"
#include "server/render/gdi/page_image.h"
#include "server/render/screen_progress.h"
#include "server/render/window_pictures.h"

namespace luwnd::win32 {

// The commands of each window's File menu.
enum MenuCommand : WORD {
    kSavePng = 101,  // also Ctrl+S
    kSaveEmf = 102,
    kCloseWindow = 103,
};

class ScreenWindows {
  public:
    // Saves go to the directory.
    ScreenWindows(Core& core, const render::WindowPictures& pictures, std::string save_directory);
    ~ScreenWindows();
    ScreenWindows(const ScreenWindows&) = delete;
    ScreenWindows& operator=(const ScreenWindows&) = delete;

    // Registers the window class; false on failure.
    bool create(HINSTANCE instance);
    // Brings the windows in line with the pictures of the open windows: after each
    // command and after on_resized.
    void update();
    // Paints every window whose image changed now: what was drawn is on the screen before
    // a dialog comes up.
    void show_now();
    // True while any window is still on the screen.
    bool any_shown() const { return !views_.empty(); }

    // After the user resized a window and the core changed its page: the pictures are to
    // be synchronised and update() called.
    std::function<void()> on_resized;
    // After the user closed a window and it is gone.
    std::function<void()> on_closed;

  private:
    struct View {
        HWND window = nullptr;
        std::unique_ptr<render::PageImage> image;
        render::ScreenProgress progress;  // what the image holds of the picture
        std::string title;
        std::string readout;  // shown after the title
        // The picture was rewritten but the image not yet made anew (see kFrame); a
        // timer brings it up to date.
        bool behind = false;
        std::chrono::steady_clock::time_point made{};  // when the image was last made anew
        // The pointer's pixel, once known, and the band drawn over the picture there.
        std::optional<Pixel> pointer;
        std::vector<BandLine> band;
    };
    struct Creation {
        ScreenWindows* self;
        int window;
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(View& view, int n, UINT message, WPARAM wparam, LPARAM lparam);
    void open_view(int n, const render::Picture& picture, const std::string& title);
    void follow(View& view, const render::Picture& picture);
    void catch_up(View& view, int n);
    void draw_new_items(View& view, const render::Picture& picture);
    void paint(View& view);
    void resized(int n, int width, int height);
    void closed_by_user(int n);
    void save(int n, MenuCommand format);
    // Keys, buttons and the pointer (screen_input.cpp).
    void typed(View& view, int n, WPARAM character);
    void button_pressed(int n, UINT message, LPARAM position);
    void follow_band(View& view, int n);
    static void draw_band(const View& view, HDC dc);
    std::string title_of(int n) const;
    // The pointer and the plot keys (screen_gestures.cpp): true when the message was one.
    bool gesture(View& view, int n, UINT message, WPARAM wparam, LPARAM lparam);
    void apply_gestures(View& view, int n);
    void show_title(View& view);
    void paint_overlays(int n, HDC dc) const;

    // A rewritten picture costs a whole page to draw: while a program rewrites it faster
    // than that (a live view), its image is made anew at most this often (60 times a
    // second). Only whole frames are drawn, so the ones passed over are never seen; the
    // last one always is.
    static constexpr std::chrono::milliseconds kFrame{16};
    static constexpr UINT_PTR kCatchUpTimer = 1;

    Core& core_;
    const render::WindowPictures& pictures_;
    std::string save_directory_;
    HINSTANCE instance_ = nullptr;
    std::map<int, View> views_;
    std::set<int> dismissed_;  // windows the user closed, or that could not be made
    PlotGestures gestures_{core_};
};

}  // namespace luwnd::win32
