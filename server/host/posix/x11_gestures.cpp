// The pointer and the plot keys in the X windows: turned into PlotGestures' calls, with the
// band being dragged and the help painted over the picture on the screen (never into it).
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>

#include "x11_windows.h"

namespace luwnd::posix {
namespace {

// X's buttons: 1 left, 3 right, 4 and 5 the wheel turned away from the user and towards.
constexpr unsigned kPanButton = Button1, kBoxButton = Button3;
constexpr unsigned kWheelAway = Button4, kWheelTowards = Button5;

constexpr double kHelpText = 13;  // pixels

}  // namespace

// While a program waits for a click, the buttons are its alone.
void X11Windows::pointer_event(int n, const XEvent& event) {
    if (gestures == nullptr || waited_for(n)) return;
    if (event.type == MotionNotify) {
        gestures->move(n, event.xmotion.x, event.xmotion.y);
        return;
    }
    const XButtonEvent& b = event.xbutton;
    if (event.type == ButtonPress) {
        if (b.button == kWheelAway || b.button == kWheelTowards) {
            gestures->wheel(n, b.x, b.y, b.button == kWheelAway ? 1 : -1);
        } else if (b.button == kPanButton || b.button == kBoxButton) {
            gestures->press(
                n, b.button == kPanButton ? PlotGestures::Drag::kPan : PlotGestures::Drag::kZoomBox,
                b.x, b.y);
        }
    } else if (b.button == kPanButton || b.button == kBoxButton) {
        gestures->release(n, b.x, b.y);
    }
}

bool X11Windows::plot_key(int n, XKeyEvent& event) {
    if (gestures == nullptr) return false;
    char typed[8] = {};
    KeySym key = 0;
    const int length = XLookupString(&event, typed, sizeof typed - 1, &key, nullptr);
    const char c = length == 1 ? typed[0] : '\0';
    if (key == XK_F1 || c == '?' || c == 'h' || c == 'H') {
        gestures->toggle_help(n);
        views_.at(n).dirty = true;
    } else if (c == '+' || c == '=' || key == XK_KP_Add) {
        gestures->key(n, '+');
    } else if (c == '-' || key == XK_KP_Subtract) {
        gestures->key(n, '-');
    } else if (c == 'r' || c == 'R' || key == XK_Home) {
        gestures->key(n, 'r');
    } else {
        return false;
    }
    return true;
}

// True when a plot was laid out anew: the host then brings the pictures up to date.
bool X11Windows::apply_gestures() {
    if (gestures == nullptr) return false;
    const bool changed = !gestures->apply().empty();
    for (auto& [n, view] : views_) {
        // A band being dragged moves with the pointer on the screen.
        if (gestures->band(n)) view.dirty = true;
        const std::string readout = gestures->readout(n);
        if (readout == view.readout) continue;
        view.readout = readout;
        show_title(view);
    }
    return changed;
}

void X11Windows::paint_overlays(const View& view, cairo_t* cr) const {
    if (gestures == nullptr) return;
    if (const auto band = gestures->band(view.number)) {
        const double x = std::min(band->x0, band->x1) + 0.5, y = std::min(band->y0, band->y1) + 0.5;
        cairo_rectangle(cr, x, y, std::abs(band->x1 - band->x0), std::abs(band->y1 - band->y0));
        cairo_set_line_width(cr, 1);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_stroke_preserve(cr);
        const double dash = 4;
        cairo_set_dash(cr, &dash, 1, 0);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
    if (!gestures->help(view.number)) return;
    const std::vector<std::string>& lines = PlotGestures::help_lines();
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, kHelpText);
    double widest = 0;
    for (const std::string& line : lines) {
        cairo_text_extents_t extents;
        cairo_text_extents(cr, line.c_str(), &extents);
        widest = std::max(widest, extents.x_advance);
    }
    const double pad = kHelpText * 0.6, step = kHelpText * 1.4;
    cairo_rectangle(cr, 8, 8, widest + 2 * pad, static_cast<double>(lines.size()) * step + pad);
    cairo_set_source_rgba(cr, 1, 1, 0.85, 0.92);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        cairo_move_to(cr, 8 + pad, 8 + static_cast<double>(i + 1) * step);
        cairo_show_text(cr, lines[i].c_str());
    }
}

}  // namespace luwnd::posix
