#include "frame.h"

#include <cmath>
#include <string>

#include "client/include/lumora.h"
#include "entry.h"
#include "plot_lane.h"
#include "plotcore/item_canvas.h"
#include "plotcore/layout_items.h"

namespace lumora::plot {
namespace {

constexpr bool kUtf8Texts =
#ifdef _WIN32
    false;
#else
    true;
#endif

Item frame_description(const Frame& f) {
    Item item;
    item.kind = ItemKind::kFrame;
    item.source.frame = f.id;
    item.source.setup = f.setup;
    item.source.page_width = static_cast<float>(f.page_width);
    item.source.page_height = static_cast<float>(f.page_height);
    return item;
}

int refuse_ranges(const FrameSetup& s) {
    std::string why = axis_problem("x", s.x1, s.x2, (s.options & LU_PLOT_LOG_X) != 0);
    if (why.empty()) why = axis_problem("y", s.y1, s.y2, (s.options & LU_PLOT_LOG_Y) != 0);
    return refuse(why.empty() ? "the ranges cannot be shown" : why);
}

}  // namespace

std::string axis_problem(const char* axis, double a, double b, bool log) {
    const std::string range = number_text(a) + " ... " + number_text(b);
    if (!std::isfinite(a) || !std::isfinite(b))
        return std::string("the ") + axis + " range " + range + " is not two finite numbers";
    if (log && !(a > 0 && b > 0)) {
        return std::string("the ") + axis + " axis is logarithmic but its range " + range +
               " does not lie above 0";
    }
    return {};
}

int take_panel(WindowPlot& s) {
    const int count = s.nx * s.ny;
    if (!s.panel_fresh || s.panel < 1 || s.panel > count) s.panel = s.panel % count + 1;
    s.panel_fresh = false;
    return s.panel;
}

namespace {

// Whether the setup's ranges can be shown; refused with the reason when not.
bool ranges_shown(const FrameSetup& setup) {
    Frame probe;
    switch (frame_world(setup, probe)) {
        case Ends::kOk:
            return true;
        case Ends::kNotNumbers:
            return refuse_ranges(setup) != 0;
        case Ends::kTooLarge:
            return refuse("the frame's ranges reach beyond single precision (3.4e38)") != 0;
    }
    return false;
}

// Lays out and draws the frame of a checked setup on the page; it becomes the window's frame.
int draw_frame(const Page& page, FrameSetup setup) {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    WindowPlot& s = plot_state(window);
    setup.resolution = page.resolution;
    Frame f;
    {
        PenScope pen;
        use_page_world(page);
        f.id = ++s.frames;
        f.setup = setup;
        f.page_width = page.width;
        f.page_height = page.height;
        describe(frame_description(f));
        const std::uint32_t id = f.id;
        f = lay_out_frame(page_canvas(), setup, page.width, page.height);
        f.id = id;
        end_description();
    }
    s.frame = f;
    s.own_box = false;
    s.twin_x.reset();
    s.twin_y.reset();
    s.next_colour = 0;
    s.legend.clear();
    use_frame_world(page, f);
    return window;
}

}  // namespace

int make_frame(const FrameRequest& r) {
    const Page page = current_page();
    if (!page.ok) return refuse_no_window();
    WindowPlot& s = plot_state(lu_get_viewport(nullptr, nullptr, nullptr, nullptr));
    // Options the layout does not know mean nothing to it.
    FrameSetup setup;
    setup.x1 = r.x1;
    setup.x2 = r.x2;
    setup.y1 = r.y1;
    setup.y2 = r.y2;
    setup.options = r.options & kFrameOptionBits;
    if (!ranges_shown(setup)) return 0;
    setup.nx = s.nx;
    setup.ny = s.ny;
    setup.panel = take_panel(s);
    setup.text_scale = s.text_scale;
    setup.style = s.style;
    setup.label_colours = s.label_colours;
    setup.title_size = s.title_size;
    setup.formats = s.formats;
    setup.time_origin = s.time_origin;
    return draw_frame(page, setup);
}

int remake_frame(const FrameSetup& setup) {
    const Page page = current_page();
    if (!page.ok) return refuse_no_window();
    if (!ranges_shown(setup)) return 0;
    return draw_frame(page, setup);
}

void follow_page(WindowPlot& s, const Page& page) {
    const Frame& old = s.frame;
    if (!old.set || (old.page_width == page.width && old.page_height == page.height)) return;
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (!plot_lane_open(window)) return;  // a window process that keeps the picture as it was
    // Measured as the window process measures; what is drawn here is not sent.
    ItemCanvas measuring(plot_style_widths(window), kUtf8Texts, page.height, page.resolution);
    Frame f = lay_out_frame(measuring, old.setup, page.width, page.height);
    f.id = old.id;
    if (s.own_box) draw_box(measuring, f, s.box_x, s.box_y, f.setup.time_origin);
    for (const std::optional<TwinAxis>* twin : {&s.twin_x, &s.twin_y})
        if (twin->has_value()) draw_twin(measuring, f, **twin);
    s.frame = f;
}

}  // namespace lumora::plot
