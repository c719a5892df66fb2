// Keys, mouse buttons and the pointer in the X windows: the picture saves, the events a
// program reads, and the rubber band of a program that waits for a click or a key.
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include "x11_windows.h"

namespace luwnd::posix {

// A save waits until the events that came with it are handled and the pictures follow
// them (save_asked): it saves what the user sees after everything done before the key.
bool X11Windows::save_key(int n, KeySym key) {
    switch (key) {
        case XK_s:
            saves_.emplace_back(n, render::PictureFormat::kPng);
            return true;
        case XK_v:
            saves_.emplace_back(n, render::PictureFormat::kSvg);
            return true;
        case XK_p:
            saves_.emplace_back(n, render::PictureFormat::kPdf);
            return true;
        default:
            return false;
    }
}

bool X11Windows::waited_for(int n) const {
    return events.cursor_wait && events.cursor_wait(n).has_value();
}

// A program waiting for a key gets every key, the save keys too; at other times those
// save the picture as they always did, and the plot keys zoom and pan (the program can
// still read them).
void X11Windows::key_pressed(int n, XKeyEvent& event) {
    const bool waited = waited_for(n);
    if (!waited && save_key(n, XLookupKeysym(&event, 0))) return;
    if (!waited) plot_key(n, event);
    char text[8];
    KeySym key = 0;
    if (XLookupString(&event, text, sizeof text, &key, nullptr) != 1 || !events.input) return;
    events.input(n, {EventKind::kKey, static_cast<unsigned char>(text[0]), event.x, event.y});
}

void X11Windows::button_pressed(int n, const XButtonEvent& event) {
    static constexpr std::int32_t kCodes[] = {kButtonLeft, kButtonMiddle, kButtonRight};
    if (event.button < Button1 || event.button > Button3 || !events.input) return;
    events.input(n, {EventKind::kButton, kCodes[event.button - Button1], event.x, event.y});
}

// The band follows the pointer while a program waits, and goes when it stops waiting:
// the window is copied again with the band over it (at most once a frame, see show()).
void X11Windows::follow_band(int n, View& view) {
    const std::optional<CursorWait> wait =
        events.cursor_wait ? events.cursor_wait(n) : std::nullopt;
    if (wait && wait->mode != 0 && !view.pointer) {
        ::Window root = 0, child = 0;
        int root_x = 0, root_y = 0, x = 0, y = 0;
        unsigned mask = 0;
        if (XQueryPointer(display_, view.id, &root, &child, &root_x, &root_y, &x, &y, &mask))
            view.pointer = Pixel{x, y};
    }
    std::vector<BandLine> band;
    if (wait && view.pointer)
        band = band_lines(*wait, *view.pointer, view.window_width, view.window_height);
    if (band == view.band) return;
    view.band = std::move(band);
    view.dirty = true;
}

// Inverted, so that the band shows on any colour.
void X11Windows::draw_band(const View& view, cairo_t* cr) const {
    if (view.band.empty()) return;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 1);
    for (const BandLine& line : view.band) {
        cairo_move_to(cr, line.from.x + 0.5, line.from.y + 0.5);
        cairo_line_to(cr, line.to.x + 0.5, line.to.y + 0.5);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace luwnd::posix
