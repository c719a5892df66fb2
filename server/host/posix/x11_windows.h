// The graphics windows on an X display: one X window per open window, titled from its
// open command, showing its picture (drawn into an image as commands arrive and copied to
// the screen when the process is idle, on expose and on resize). While the program draws
// a buffered frame the image stays as it was, and when the frame ends it is drawn and
// shown at once. A window closed by the program goes away; one the user closes stays
// closed while its window is open (and the core tells a program still drawing in it to
// end).
//
// What the user does in a window is handed to the host through WindowEvents:
//   resizing it         resized(n, width, height) with the new drawing area, once the
//                       events that arrived together are handled (only the last size counts)
//   closing it          closed(n), after the X window went away
//   the keys            Ctrl+S or S: save as PNG; V: save as SVG; P: save as PDF
//                       (save(n, format); Shift and Ctrl do not matter); every other key
//                       that gives a character goes to input(n, event), for the program
//                       to read; while a program waits in the window for a click or a
//                       key (cursor_wait), every key goes to it and none saves
//   mouse buttons       left, middle, right: input(n, event) at the pointer's pixel
//   the pointer         while a program waits, its rubber band (cursor_band.h) follows
//                       the pointer, drawn over the picture; while none waits, the wheel,
//                       the buttons and the plot keys zoom and pan plots as PlotGestures
//                       (server/core/plot_gestures.h) says, when the host gives it gestures
#pragma once

#include <X11/Xlib.h>
#include <cairo.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "server/core/cursor_band.h"
#include "server/core/plot_gestures.h"
#include "server/core/window_events.h"
#include "server/render/output_target.h"
#include "server/render/picture.h"
#include "server/render/screen_progress.h"

namespace luwnd::posix {

struct WindowEvents {
    std::function<void(int window, std::int32_t width, std::int32_t height)> resized;
    std::function<void(int window)> closed;
    std::function<void(int window, render::PictureFormat format)> save;
    std::function<void(int window, const WindowEvent& event)> input;
    std::function<std::optional<CursorWait>(int window)> cursor_wait;
};

class X11Windows {
  public:
    X11Windows() = default;
    ~X11Windows();
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;

    // Connects to the display that DISPLAY names; false when there is none.
    bool connect();
    // The connection's descriptor, to wait on.
    int fd() const;
    // The connection, for the dialogs (nullptr when not connected).
    Display* display() const { return display_; }
    // The screen's resolution in dots per inch (see screen_dpi.h).
    std::int32_t dpi() const;
    // Brings the windows in line with the pictures of the open windows.
    void update(const std::map<int, render::Picture>& pictures);
    // Handles the events that arrived, telling `events` what the user did. True when a
    // window was resized or closed: the host then brings the pictures up to date.
    bool handle_events();
    // Saves what the keys asked for since the last call (after handle_events, once the
    // host has brought the pictures up to date).
    void save_asked();
    // Copies changed pictures to the screen, at most once a frame: while commands keep
    // changing them, a copy due sooner is held back (see show_due_within_ms).
    void show();
    // The milliseconds until a held-back copy is due, -1 when nothing is held back: the
    // caller comes back to show() by then, so that the last picture is always shown.
    int show_due_within_ms() const;
    // Copies every changed picture to the screen now and waits until the X server has
    // done it: what was drawn is on the screen before a dialog comes up.
    void show_now();
    // True while any X window is still shown.
    bool any_shown() const { return !views_.empty(); }
    // True when events already read from the connection wait in Xlib's queue.
    bool events_queued() const;
    // When the connection to the display breaks (the X server went away), Xlib ends the
    // process: cleanup runs first, then the process ends with status 1.
    static void on_connection_lost(void (*cleanup)());

    WindowEvents events;
    // What the pointer and the plot keys do; nullptr: nothing.
    PlotGestures* gestures = nullptr;

  private:
    struct View {
        ::Window id = 0;
        cairo_surface_t* screen = nullptr;        // the X window
        cairo_surface_t* image = nullptr;         // the picture, page-sized
        render::ScreenProgress progress;          // what the image holds of the picture
        int window_width = 0, window_height = 0;  // the X window, as last reported
        bool resized = false;                     // its size changed since last handled
        int number = 0;
        std::string title;
        std::string readout;  // shown after the title
        bool dirty = true;
        // The picture was rewritten but the image not yet made anew (see kFrame).
        bool behind = false;
        std::chrono::steady_clock::time_point made{};  // when the image was last made anew
        // The pointer's pixel, once known, and the band drawn over the picture there.
        std::optional<Pixel> pointer;
        std::vector<BandLine> band;
    };

    void create(int n, const render::Picture& picture);
    void destroy(View& view);
    void retitle(View& view, const std::string& title);
    void follow(View& view, const render::Picture& picture);
    void catch_up(bool now);
    void draw_new_items(View& view, const render::Picture& picture);
    void copy_to_screen(View& view);
    void copy_all_dirty();
    bool any_dirty() const;
    bool any_behind() const;
    View* find(::Window id, int* number);
    void note_size(View& view, const XConfigureEvent& event);
    // What the user does with keys, buttons and pointer (x11_input.cpp).
    void key_pressed(int n, XKeyEvent& event);
    bool save_key(int n, KeySym key);
    void button_pressed(int n, const XButtonEvent& event);
    void follow_band(int n, View& view);
    void draw_band(const View& view, cairo_t* cr) const;
    // Pointer events and the plot keys while no program waits (x11_gestures.cpp).
    bool waited_for(int n) const;
    void pointer_event(int n, const XEvent& event);
    bool plot_key(int n, XKeyEvent& event);
    bool apply_gestures();
    void paint_overlays(const View& view, cairo_t* cr) const;
    void show_title(View& view);
    void close_by_user(int n);

    // A whole window costs milliseconds to copy, and a rewritten picture as much again to
    // draw: while drawing goes on, a window is copied, and its image made anew, at most
    // this often (60 times a second), where every command or every buffered frame of a
    // live view would otherwise pay for it. Only whole frames are ever drawn, so the ones
    // passed over are never seen; the last one always is.
    static constexpr std::chrono::milliseconds kFrame{16};

    Display* display_ = nullptr;
    const std::map<int, render::Picture>* pictures_ = nullptr;  // as of the last update
    std::chrono::steady_clock::time_point last_shown_{};
    Atom delete_window_ = 0, net_wm_name_ = 0, utf8_string_ = 0;
    std::map<int, View> views_;
    std::set<int> dismissed_;                                   // windows the user closed
    std::vector<std::pair<int, render::PictureFormat>> saves_;  // asked for, not yet done
};

}  // namespace luwnd::posix
