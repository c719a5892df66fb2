#include "x11_windows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <cairo-xlib.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "screen_dpi.h"
#include "server/render/cairo/cairo_canvas.h"
#include "server/render/cairo/picture_file.h"
#include "server/render/painter.h"

namespace luwnd::posix {
namespace {

// Around the page when the window is larger than it.
constexpr double kSurround = 0.75;

int side(std::int32_t value) {
    return std::clamp(value, 1, render::kMaxPageSide);
}

void (*g_cleanup)() = nullptr;

// Xlib's own handler ends the process without any cleanup; it must not return either.
int connection_lost(Display*) {
    if (g_cleanup != nullptr) g_cleanup();
    _exit(1);
}

}  // namespace

X11Windows::~X11Windows() {
    for (auto& [n, view] : views_) destroy(view);
    if (display_ != nullptr) XCloseDisplay(display_);
}

bool X11Windows::connect() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') return false;
    display_ = XOpenDisplay(name);
    if (display_ == nullptr) return false;
    delete_window_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    net_wm_name_ = XInternAtom(display_, "_NET_WM_NAME", False);
    utf8_string_ = XInternAtom(display_, "UTF8_STRING", False);
    return true;
}

void X11Windows::on_connection_lost(void (*cleanup)()) {
    g_cleanup = cleanup;
    XSetIOErrorHandler(connection_lost);
}

int X11Windows::fd() const {
    return display_ == nullptr ? -1 : ConnectionNumber(display_);
}

std::int32_t X11Windows::dpi() const {
    return screen_dpi(display_);
}

void X11Windows::update(const std::map<int, render::Picture>& pictures) {
    for (auto it = views_.begin(); it != views_.end();) {
        if (pictures.count(it->first) != 0) {
            ++it;
            continue;
        }
        destroy(it->second);  // the program closed the window
        it = views_.erase(it);
    }
    for (auto it = dismissed_.begin(); it != dismissed_.end();) {
        it = pictures.count(*it) == 0 ? dismissed_.erase(it) : std::next(it);
    }
    pictures_ = &pictures;
    for (const auto& [n, picture] : pictures) {
        if (dismissed_.count(n) != 0) continue;
        if (views_.count(n) == 0) create(n, picture);
        View& view = views_.at(n);
        if (view.title != picture.title) retitle(view, picture.title);
        view.behind = view.progress.needs_new_image(picture, view.image != nullptr) &&
                      std::chrono::steady_clock::now() - view.made < kFrame;
        if (!view.behind) follow(view, picture);
    }
}

// The frame the program ended is shown as soon as its image is made, not a frame later.
void X11Windows::follow(View& view, const render::Picture& picture) {
    draw_new_items(view, picture);
    if (view.progress.take_released() && view.dirty) {
        copy_to_screen(view);
        XFlush(display_);
    }
}

// Makes the images put off, all of them when now is true, else those a frame old.
void X11Windows::catch_up(bool now) {
    if (pictures_ == nullptr) return;
    const auto time = std::chrono::steady_clock::now();
    for (auto& [n, view] : views_) {
        if (!view.behind || (!now && time - view.made < kFrame)) continue;
        view.behind = false;
        auto it = pictures_->find(n);
        if (it != pictures_->end()) follow(view, it->second);
    }
}

void X11Windows::create(int n, const render::Picture& picture) {
    View view;
    int screen = DefaultScreen(display_);
    view.id = XCreateSimpleWindow(display_, RootWindow(display_, screen), picture.x, picture.y,
                                  static_cast<unsigned>(side(picture.width)),
                                  static_cast<unsigned>(side(picture.height)), 0,
                                  BlackPixel(display_, screen), WhitePixel(display_, screen));
    if (picture.x != 0 || picture.y != 0) {
        // A position the program asked for: window managers place windows themselves
        // unless the hints say the position is the user's.
        XSizeHints hints{};
        hints.flags = USPosition | PPosition;
        hints.x = picture.x;
        hints.y = picture.y;
        XSetWMNormalHints(display_, view.id, &hints);
    }
    XSelectInput(display_, view.id,
                 ExposureMask | StructureNotifyMask | KeyPressMask | ButtonPressMask |
                     ButtonReleaseMask | PointerMotionMask);
    view.number = n;
    XSetWMProtocols(display_, view.id, &delete_window_, 1);
    view.screen = cairo_xlib_surface_create(display_, view.id, DefaultVisual(display_, screen),
                                            side(picture.width), side(picture.height));
    view.window_width = side(picture.width);
    view.window_height = side(picture.height);
    retitle(view, picture.title);
    XMapWindow(display_, view.id);
    views_.emplace(n, view);
}

void X11Windows::destroy(View& view) {
    if (view.image != nullptr) cairo_surface_destroy(view.image);
    if (view.screen != nullptr) cairo_surface_destroy(view.screen);
    if (view.id != 0) XDestroyWindow(display_, view.id);
    view = View{};
}

void X11Windows::retitle(View& view, const std::string& title) {
    view.title = title;
    show_title(view);
}

// The program's title, and after it where the pointer is in the plot under it.
void X11Windows::show_title(View& view) {
    const std::string title = view.readout.empty() ? view.title : view.title + "   " + view.readout;
    XStoreName(display_, view.id, title.c_str());
    XChangeProperty(display_, view.id, net_wm_name_, utf8_string_, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
    XFlush(display_);
}

// The image follows the picture as far as its progress says; a held picture leaves it
// as it is (and a resize then shows it with the surround, never a half-drawn frame).
void X11Windows::draw_new_items(View& view, const render::Picture& picture) {
    using Step = render::ScreenProgress::Step;
    const Step step = view.progress.step(picture, view.image != nullptr);
    if (step == Step::kNone) return;
    if (step == Step::kDrawAll) {
        if (view.image != nullptr) cairo_surface_destroy(view.image);
        view.image = render::render_image(picture);
        view.made = std::chrono::steady_clock::now();
    } else {
        render::CairoCanvas canvas(view.image, side(picture.width), side(picture.height), true);
        for (std::size_t i = view.progress.drawn(); i < picture.items.size(); ++i)
            render::paint(picture.items[i], picture.width, picture.height, canvas,
                          picture.background);
        cairo_surface_flush(view.image);
    }
    view.progress.drew(picture);
    view.dirty = true;
}

// The page, then the surround where the window is larger than the page (the page is
// opaque, so each pixel of the window is sent once).
void X11Windows::copy_to_screen(View& view) {
    const int width = cairo_image_surface_get_width(view.image);
    const int height = cairo_image_surface_get_height(view.image);
    cairo_t* cr = cairo_create(view.screen);
    cairo_set_source_surface(cr, view.image, 0, 0);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, kSurround, kSurround, kSurround);
    if (view.window_width > width)
        cairo_rectangle(cr, width, 0, view.window_width - width, view.window_height);
    if (view.window_height > height)
        cairo_rectangle(cr, 0, height, width, view.window_height - height);
    cairo_fill(cr);
    paint_overlays(view, cr);
    draw_band(view, cr);
    cairo_destroy(cr);
    cairo_surface_flush(view.screen);
    view.dirty = false;
}

bool X11Windows::any_dirty() const {
    return std::any_of(views_.begin(), views_.end(), [](const auto& entry) {
        return entry.second.dirty && entry.second.image != nullptr;
    });
}

void X11Windows::copy_all_dirty() {
    for (auto& [n, view] : views_) {
        if (view.dirty && view.image != nullptr) copy_to_screen(view);
    }
}

bool X11Windows::any_behind() const {
    return std::any_of(views_.begin(), views_.end(),
                       [](const auto& entry) { return entry.second.behind; });
}

void X11Windows::show() {
    if (display_ == nullptr) return;
    catch_up(false);
    if (!any_dirty()) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_shown_ < kFrame) return;
    copy_all_dirty();
    XFlush(display_);
    last_shown_ = now;
}

void X11Windows::show_now() {
    if (display_ == nullptr) return;
    catch_up(true);
    copy_all_dirty();
    XSync(display_, False);
    last_shown_ = std::chrono::steady_clock::now();
}

int X11Windows::show_due_within_ms() const {
    if (display_ == nullptr) return -1;
    auto due_at = last_shown_ + kFrame;
    if (!any_dirty()) {
        if (!any_behind()) return -1;
        due_at = std::chrono::steady_clock::time_point::max();
    }
    for (const auto& [n, view] : views_)
        if (view.behind) due_at = std::min(due_at, view.made + kFrame);
    const auto due = due_at - std::chrono::steady_clock::now();
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(due).count();
    return static_cast<int>(std::clamp<long long>(ms, 0, kFrame.count()));
}

X11Windows::View* X11Windows::find(::Window id, int* number) {
    for (auto& [n, view] : views_) {
        if (view.id != id) continue;
        *number = n;
        return &view;
    }
    return nullptr;
}

void X11Windows::note_size(View& view, const XConfigureEvent& event) {
    int width = std::max(event.width, 1), height = std::max(event.height, 1);
    if (width == view.window_width && height == view.window_height) return;
    cairo_xlib_surface_set_size(view.screen, width, height);
    view.window_width = width;
    view.window_height = height;
    view.resized = true;
    view.dirty = true;
}

void X11Windows::save_asked() {
    const auto asked = std::move(saves_);
    saves_.clear();
    if (!events.save) return;
    for (const auto& [n, format] : asked) events.save(n, format);
}

void X11Windows::close_by_user(int n) {
    if (gestures != nullptr) gestures->forget(n);
    destroy(views_.at(n));
    views_.erase(n);
    dismissed_.insert(n);
    if (events.closed) events.closed(n);
}

bool X11Windows::events_queued() const {
    return display_ != nullptr && XEventsQueued(display_, QueuedAlready) > 0;
}

bool X11Windows::handle_events() {
    if (display_ == nullptr) return false;
    bool changed = false;
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        int n = 0;
        View* view = find(event.xany.window, &n);
        if (view == nullptr) continue;
        if (event.type == Expose && event.xexpose.count == 0) view->dirty = true;
        if (event.type == ConfigureNotify) note_size(*view, event.xconfigure);
        if (event.type == KeyPress) key_pressed(n, event.xkey);
        if (event.type == ButtonPress) button_pressed(n, event.xbutton);
        if (event.type == MotionNotify) view->pointer = Pixel{event.xmotion.x, event.xmotion.y};
        if (event.type == ButtonPress || event.type == ButtonRelease || event.type == MotionNotify)
            pointer_event(n, event);
        if (event.type == ClientMessage && event.xclient.format == 32 &&
            static_cast<Atom>(event.xclient.data.l[0]) == delete_window_) {
            close_by_user(n);
            changed = true;
        }
    }
    for (auto& [n, view] : views_) follow_band(n, view);
    changed |= apply_gestures();
    // A drag sends many sizes; the page follows the last one only.
    for (auto& [n, view] : views_) {
        if (!view.resized) continue;
        view.resized = false;
        changed = true;
        if (events.resized) events.resized(n, view.window_width, view.window_height);
    }
    return changed;
}

}  // namespace luwnd::posix
