#include "x11_dialogs.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <cairo-xlib.h>
#include <poll.h>

#include <algorithm>
#include <cmath>

#include "server/core/answer_script.h"
#include "server/render/cairo/cairo_text.h"
#include "server/render/text_bytes.h"

namespace luwnd::posix {
namespace {

constexpr int kMargin = 16, kButtonWidth = 84, kButtonHeight = 28, kGap = 8;
constexpr int kMinWidth = 260, kWrapWidth = 560;
constexpr double kTextHeight = 15;
constexpr long kEvents = ExposureMask | ButtonPressMask | KeyPressMask;

PangoLayout* message_layout(cairo_t* cr, const std::string& utf8) {
    render::TextStyle style;
    style.height = kTextHeight;
    PangoLayout* layout = render::text_layout(cr, utf8, style);
    pango_layout_set_width(layout, kWrapWidth * PANGO_SCALE);
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    return layout;
}

// The size of the text as laid out, in whole pixels.
void measure(const std::string& utf8, int& width, int& height) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t* cr = cairo_create(surface);
    PangoLayout* layout = message_layout(cr, utf8);
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

void paint(cairo_surface_t* surface, const std::string& utf8,
           const std::vector<X11Dialogs::Button>& buttons) {
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0.96, 0.96, 0.96);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    PangoLayout* layout = message_layout(cr, utf8);
    cairo_move_to(cr, kMargin, kMargin);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
    for (const auto& button : buttons) {
        cairo_rectangle(cr, button.x + 0.5, button.y + 0.5, button.width - 1, button.height - 1);
        cairo_set_source_rgb(cr, 0.88, 0.88, 0.88);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.4, 0.4, 0.4);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        PangoLayout* label = message_layout(cr, button.label);
        int w = 0, h = 0;
        pango_layout_get_pixel_size(label, &w, &h);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_move_to(cr, button.x + (button.width - w) / 2.0,
                      button.y + (button.height - h) / 2.0);
        pango_cairo_show_layout(cr, label);
        g_object_unref(label);
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);
}

// The answer of a key, if it chooses one.
std::optional<std::int32_t> key_answer(XKeyEvent& key,
                                       const std::vector<X11Dialogs::Button>& buttons,
                                       std::int32_t cancel_answer) {
    KeySym symbol = NoSymbol;
    char text[8];
    XLookupString(&key, text, sizeof text, &symbol, nullptr);
    auto with = [&](std::int32_t answer) -> std::optional<std::int32_t> {
        for (const auto& button : buttons)
            if (button.answer == answer) return answer;
        return std::nullopt;
    };
    switch (symbol) {
        case XK_y:
        case XK_Y:
            return with(kAnswerYes);
        case XK_n:
        case XK_N:
            return with(kAnswerNo);
        case XK_Escape:
            return cancel_answer;
        case XK_Return:
        case XK_KP_Enter:
            return buttons.front().answer;
        default:
            return std::nullopt;
    }
}

std::optional<std::int32_t> click_answer(const XButtonEvent& click,
                                         const std::vector<X11Dialogs::Button>& buttons) {
    for (const auto& button : buttons) {
        if (click.x >= button.x && click.x < button.x + button.width && click.y >= button.y &&
            click.y < button.y + button.height)
            return button.answer;
    }
    return std::nullopt;
}

}  // namespace

bool X11Dialogs::show_message(std::string_view text) {
    return run(text, {{"OK", 1}}, 1).has_value();
}

std::optional<std::int32_t> X11Dialogs::ask_yes_no(std::string_view text) {
    return run(text, {{"Yes", kAnswerYes}, {"No", kAnswerNo}, {"Cancel", kAnswerCancel}},
               kAnswerCancel);
}

std::optional<std::int32_t> X11Dialogs::run(std::string_view text, std::vector<Button> buttons,
                                            std::int32_t cancel_answer) {
    if (display_ == nullptr || buttons.empty()) return std::nullopt;
    const std::string utf8 = render::utf8_from_bytes(std::string(text));
    int text_width = 0, text_height = 0;
    measure(utf8, text_width, text_height);
    const int row = static_cast<int>(buttons.size()) * (kButtonWidth + kGap) - kGap;
    const int width = std::max({kMinWidth, text_width + 2 * kMargin, row + 2 * kMargin});
    const int height = text_height + 3 * kMargin + kButtonHeight;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i].x = width - kMargin - row + static_cast<int>(i) * (kButtonWidth + kGap);
        buttons[i].y = height - kMargin - kButtonHeight;
        buttons[i].width = kButtonWidth;
        buttons[i].height = kButtonHeight;
    }

    const int screen = DefaultScreen(display_);
    ::Window window =
        XCreateSimpleWindow(display_, RootWindow(display_, screen), 100, 100,
                            static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
                            BlackPixel(display_, screen), WhitePixel(display_, screen));
    if (window == 0) return std::nullopt;
    Atom close = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display_, window, &close, 1);
    XStoreName(display_, window, "Lumora");
    XSelectInput(display_, window, kEvents);
    XMapRaised(display_, window);
    cairo_surface_t* surface =
        cairo_xlib_surface_create(display_, window, DefaultVisual(display_, screen), width, height);

    std::optional<std::int32_t> answer;
    while (!answer) {
        XEvent event;
        while (!answer && XCheckWindowEvent(display_, window, kEvents, &event)) {
            if (event.type == Expose && event.xexpose.count == 0) paint(surface, utf8, buttons);
            if (event.type == KeyPress) answer = key_answer(event.xkey, buttons, cancel_answer);
            if (event.type == ButtonPress) answer = click_answer(event.xbutton, buttons);
        }
        while (!answer && XCheckTypedWindowEvent(display_, window, ClientMessage, &event)) {
            if (static_cast<Atom>(event.xclient.data.l[0]) == close) answer = cancel_answer;
        }
        if (answer) break;
        XFlush(display_);
        pollfd wait{ConnectionNumber(display_), POLLIN, 0};
        poll(&wait, 1, 200);
    }
    cairo_surface_destroy(surface);
    XDestroyWindow(display_, window);
    XFlush(display_);
    return answer;
}

}  // namespace luwnd::posix
