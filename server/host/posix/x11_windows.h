// The graphics windows on an X display: one X window per open window, titled from its
// open command, showing its picture (drawn into an image as commands arrive and copied to
// the screen when the process is idle, on expose and on resize). A window closed by the
// program goes away; one the user closes stays closed while its window is open.
#pragma once

#include <X11/Xlib.h>
#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "server/render/picture.h"

namespace luwnd::posix {

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
    // Brings the windows in line with the pictures of the open windows.
    void update(const std::map<int, render::Picture>& pictures);
    // Handles the events that arrived and shows what changed.
    void handle_events();
    // Copies changed pictures to the screen.
    void show();
    // True while any X window is still shown.
    bool any_shown() const { return !views_.empty(); }

  private:
    struct View {
        ::Window id = 0;
        cairo_surface_t* screen = nullptr;  // the X window
        cairo_surface_t* image = nullptr;   // the picture, page-sized
        std::size_t drawn = 0;
        std::int32_t width = 0, height = 0;
        std::uint32_t background = 0;
        std::string title;
        bool dirty = true;
    };

    void create(int n, const render::Picture& picture);
    void destroy(View& view);
    void retitle(View& view, const std::string& title);
    void draw_new_items(View& view, const render::Picture& picture);
    void copy_to_screen(View& view);
    View* find(::Window id, int* number);

    Display* display_ = nullptr;
    Atom delete_window_ = 0, net_wm_name_ = 0, utf8_string_ = 0;
    std::map<int, View> views_;
    std::set<int> dismissed_;  // windows the user closed
};

}  // namespace luwnd::posix
