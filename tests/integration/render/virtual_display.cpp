#include "virtual_display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

extern char** environ;

namespace lumora::test {
namespace {

constexpr const char* kXvfb = "/usr/bin/Xvfb";

// A window luwnd has just closed gives errors; they must not end the test.
int ignore_error(Display*, XErrorEvent*) {
    return 0;
}

void pause_briefly() {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

// The display number Xvfb writes to the pipe once it takes connections.
std::string read_display_number(int fd) {
    std::string number;
    pollfd wait{fd, POLLIN, 0};
    while (number.find('\n') == std::string::npos && poll(&wait, 1, 10000) == 1) {
        char c = 0;
        if (read(fd, &c, 1) != 1) break;
        number += c;
    }
    if (number.empty() || number.back() != '\n') return {};
    number.pop_back();
    return number;
}

}  // namespace

VirtualDisplay::VirtualDisplay(const std::string& screen, int dpi) {
    if (access(kXvfb, X_OK) != 0) return;
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0) return;
    std::vector<std::string> args = {"Xvfb",      "-displayfd", std::to_string(pipe_fds[1]),
                                     "-screen",   "0",          screen,
                                     "-nolisten", "tcp"};
    if (dpi > 0) args.insert(args.end(), {"-dpi", std::to_string(dpi)});
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    int spawned = posix_spawn(&pid_, kXvfb, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe_fds[1]);
    if (spawned != 0) {
        pid_ = -1;
        ::close(pipe_fds[0]);
        return;
    }
    std::string number = read_display_number(pipe_fds[0]);
    ::close(pipe_fds[0]);
    if (number.empty()) return;
    name_ = ":" + number;
    XSetErrorHandler(ignore_error);
    display_ = XOpenDisplay(name_.c_str());
}

VirtualDisplay::~VirtualDisplay() {
    if (display_ != nullptr) XCloseDisplay(display_);
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

std::uint32_t VirtualDisplay::pixel(int x, int y) {
    XImage* image =
        XGetImage(display_, DefaultRootWindow(display_), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return 0xFFFFFFFFu;
    auto value = static_cast<std::uint32_t>(XGetPixel(image, 0, 0)) & 0xFFFFFF;
    XDestroyImage(image);
    return value;
}

bool VirtualDisplay::wait_for(int x, int y, std::uint32_t rgb) {
    for (int i = 0; i < 500; ++i) {
        if (pixel(x, y) == rgb) return true;
        pause_briefly();
    }
    return false;
}

unsigned long VirtualDisplay::wait_for_window(const std::string& title) {
    for (int i = 0; i < 1000; ++i) {
        ::Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        ::Window found = 0;
        XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count);
        for (unsigned k = 0; k < count && found == 0; ++k) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display_, children[k], &attributes) ||
                attributes.map_state != IsViewable)
                continue;
            char* name = nullptr;
            if (title.empty()) {
                found = children[k];
            } else if (XFetchName(display_, children[k], &name) && name != nullptr) {
                if (title == name) found = children[k];
                XFree(name);
            }
        }
        if (children != nullptr) XFree(children);
        if (found != 0) return found;
        pause_briefly();
    }
    return 0;
}

bool VirtualDisplay::exists(unsigned long window) {
    return size_of(window).first != 0;
}

bool VirtualDisplay::wait_until_gone(unsigned long window) {
    for (int i = 0; i < 1000; ++i) {
        if (!exists(window)) return true;
        pause_briefly();
    }
    return false;
}

std::pair<int, int> VirtualDisplay::size_of(unsigned long window) {
    ::Window root = 0;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    if (!XGetGeometry(display_, window, &root, &x, &y, &width, &height, &border, &depth))
        return {0, 0};
    return {static_cast<int>(width), static_cast<int>(height)};
}

std::pair<int, int> VirtualDisplay::position_of(unsigned long window) {
    int x = 0, y = 0;
    ::Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return {x, y};
}

Screenshot VirtualDisplay::capture(unsigned long window) {
    Screenshot shot;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes)) return shot;
    // Only what is on the screen can be read.
    const int screen = DefaultScreen(display_);
    const int width = std::min(attributes.width, DisplayWidth(display_, screen) - attributes.x);
    const int height = std::min(attributes.height, DisplayHeight(display_, screen) - attributes.y);
    if (width <= 0 || height <= 0) return shot;
    XImage* image = XGetImage(display_, window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) return shot;
    shot.width = width;
    shot.height = height;
    shot.rgb.reserve(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            shot.rgb.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
    XDestroyImage(image);
    return shot;
}

bool VirtualDisplay::wait_for_window_pixel(unsigned long window, int x, int y, std::uint32_t rgb) {
    for (int i = 0; i < 500; ++i) {
        XImage* image = XGetImage(display_, window, x, y, 1, 1, AllPlanes, ZPixmap);
        if (image != nullptr) {
            auto value = static_cast<std::uint32_t>(XGetPixel(image, 0, 0)) & 0xFFFFFF;
            XDestroyImage(image);
            if (value == rgb) return true;
        }
        pause_briefly();
    }
    return false;
}

void VirtualDisplay::resize(unsigned long window, int width, int height) {
    XResizeWindow(display_, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XSync(display_, False);
}

void VirtualDisplay::close(unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    // With no event mask the message goes to the client that made the window.
    XSendEvent(display_, window, False, NoEventMask, &event);
    XSync(display_, False);
}

namespace {

// A key or button event of the type in the window, as the X server would address it.
template <class InputEvent>
void address(InputEvent& event, int type, Display* display, unsigned long window) {
    event.type = type;
    event.display = display;
    event.window = window;
    event.root = DefaultRootWindow(display);
    event.time = CurrentTime;
    event.same_screen = True;
}

}  // namespace

void VirtualDisplay::press_key(unsigned long window, const char* key, bool control) {
    XEvent event{};
    address(event.xkey, KeyPress, display_, window);
    event.xkey.state = control ? ControlMask : 0;
    event.xkey.keycode = XKeysymToKeycode(display_, XStringToKeysym(key));
    XSendEvent(display_, window, True, KeyPressMask, &event);
    XSync(display_, False);
}

namespace {

XEvent pointer_event(Display* display, unsigned long window, int type, int x, int y) {
    XEvent event{};
    address(event.xbutton, type, display, window);
    event.xbutton.x = x;
    event.xbutton.y = y;
    return event;
}

}  // namespace

void VirtualDisplay::click(unsigned long window, int x, int y, unsigned button) {
    for (int type : {ButtonPress, ButtonRelease}) {
        XEvent event = pointer_event(display_, window, type, x, y);
        event.xbutton.button = button;
        XSendEvent(display_, window, True,
                   type == ButtonPress ? ButtonPressMask : ButtonReleaseMask, &event);
    }
    XSync(display_, False);
}

void VirtualDisplay::move_pointer(unsigned long window, int x, int y) {
    XWarpPointer(display_, None, window, 0, 0, 0, 0, x, y);
    XSync(display_, False);
}

std::string VirtualDisplay::wait_for_title(unsigned long window, const std::string& part) {
    std::string title;
    for (int i = 0; i < 500; ++i) {
        char* name = nullptr;
        title.clear();
        if (XFetchName(display_, window, &name) && name != nullptr) {
            title = name;
            XFree(name);
        }
        if (title.find(part) != std::string::npos) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return title;
}

void VirtualDisplay::drag(unsigned long window, int x0, int y0, int x1, int y1, unsigned button) {
    XEvent press = pointer_event(display_, window, ButtonPress, x0, y0);
    press.xbutton.button = button;
    XSendEvent(display_, window, True, ButtonPressMask, &press);
    constexpr int kMoves = 4;
    for (int i = 1; i <= kMoves; ++i) {
        XEvent move = pointer_event(display_, window, MotionNotify, x0 + (x1 - x0) * i / kMoves,
                                    y0 + (y1 - y0) * i / kMoves);
        XSendEvent(display_, window, True, PointerMotionMask, &move);
    }
    XEvent release = pointer_event(display_, window, ButtonRelease, x1, y1);
    release.xbutton.button = button;
    XSendEvent(display_, window, True, ButtonReleaseMask, &release);
    XSync(display_, False);
}

void VirtualDisplay::cover_and_uncover(unsigned long window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes)) return;
    int x = 0, y = 0;
    ::Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    XSetWindowAttributes cover_attributes{};
    cover_attributes.override_redirect = True;
    cover_attributes.background_pixel = 0x00FF00;
    const ::Window cover = XCreateWindow(
        display_, DefaultRootWindow(display_), x, y, static_cast<unsigned>(attributes.width),
        static_cast<unsigned>(attributes.height), 0, CopyFromParent, InputOutput, CopyFromParent,
        CWOverrideRedirect | CWBackPixel, &cover_attributes);
    XMapRaised(display_, cover);
    XSync(display_, False);
    XDestroyWindow(display_, cover);
    XSync(display_, False);
}

void VirtualDisplay::set_resources(const std::string& text) {
    XChangeProperty(display_, DefaultRootWindow(display_), XA_RESOURCE_MANAGER, XA_STRING, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(text.data()),
                    static_cast<int>(text.size()));
    XSync(display_, False);
}

}  // namespace lumora::test
