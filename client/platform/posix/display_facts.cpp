#include "display_facts.h"

#include <dlfcn.h>

#include <cstdlib>
#include <iterator>

namespace lumora::platform::posix {

namespace {

// The few Xlib entry points needed, looked up at run time.
struct Xlib {
    using OpenDisplay = void* (*)(const char*);
    using CloseDisplay = int (*)(void*);
    using DefaultScreen = int (*)(void*);
    using DisplaySize = int (*)(void*, int);
    OpenDisplay open = nullptr;
    CloseDisplay close = nullptr;
    DefaultScreen screen = nullptr;
    DisplaySize width = nullptr;
    DisplaySize height = nullptr;
};

template <class F>
F symbol(void* library, const char* name) {
    return reinterpret_cast<F>(dlsym(library, name));
}

bool load_xlib(void* library, Xlib& x) {
    x.open = symbol<Xlib::OpenDisplay>(library, "XOpenDisplay");
    x.close = symbol<Xlib::CloseDisplay>(library, "XCloseDisplay");
    x.screen = symbol<Xlib::DefaultScreen>(library, "XDefaultScreen");
    x.width = symbol<Xlib::DisplaySize>(library, "XDisplayWidth");
    x.height = symbol<Xlib::DisplaySize>(library, "XDisplayHeight");
    return x.open && x.close && x.screen && x.width && x.height;
}

// COLORREF values 0x00bbggrr, from COLOR_SCROLLBAR (0) to COLOR_BTNHIGHLIGHT (20).
constexpr std::uint32_t kClassicColours[] = {
    0xC0C0C0,  // scroll bar
    0x808000,  // desktop
    0x800000,  // active caption
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x800000,  // highlight
    0xFFFFFF,  // highlighted text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
};

}  // namespace

bool x_screen_size(int& width, int& height) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') return false;
    void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    Xlib x;
    if (library == nullptr || !load_xlib(library, x)) return false;
    void* connection = x.open(nullptr);
    if (connection == nullptr) return false;
    const int screen = x.screen(connection);
    width = x.width(connection, screen);
    height = x.height(connection, screen);
    x.close(connection);
    return true;  // Xlib stays loaded: its exit handlers may still run
}

std::uint32_t classic_system_colour(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kClassicColours))) return 0;
    return kClassicColours[index];
}

}  // namespace lumora::platform::posix
