// The entry points of legends.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "client/include/lumora.h"
#include "entry.h"
#include "fortran_text.h"
#include "page_draw.h"
#include "plotcore/batch_format.h"

using namespace lumora::plot;

namespace {

constexpr std::size_t kMaxEntries = lumora::plotcore::kMaxLegendEntries;

// Why no entry can be added to the current window's legend; empty when one can.
int entry_refused(int window) {
    if (window == 0) return refuse_no_window();
    if (!plot_state(window).frame.set) return refuse_no_frame(window);
    if (plot_state(window).legend.size() >= kMaxEntries)
        return refuse("the legend holds 32 entries, the most: call lu_plot_legend to draw it");
    return -1;
}

void add_entry(WindowPlot& s, LegendEntry e) {
    if (e.colour == -1) lu_get_pen(&e.colour, nullptr, nullptr, nullptr);
    // Unless told otherwise, texts take the colour of the frame's labels.
    const int told = s.legend_text_colour;
    e.text_colour = told == kFrameLabels ? s.frame.setup.style.labels
                    : told == -1         ? e.colour
                                         : told;
    s.legend.push_back(std::move(e));
}

int add_swatch(const char* text, int colour) {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (const int refused = entry_refused(window); refused != -1) return refused;
    if (!colour_or_minus_one(colour))
        return refuse(std::to_string(colour) + " is no colour value (-1: the pen's)");
    WindowPlot& s = plot_state(window);
    LegendEntry e;
    e.text = text != nullptr ? text : "";
    e.colour = colour;
    e.swatch = true;
    // The k-th swatch takes hatch k, as the k-th slice or series does.
    const auto swatches = std::count_if(s.legend.begin(), s.legend.end(),
                                        [](const LegendEntry& entry) { return entry.swatch; });
    e.hatch = hatch_of(s, static_cast<std::size_t>(swatches));
    add_entry(s, std::move(e));
    return window;
}

int set_text_colour(int colour) {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (window == 0) return refuse_no_window();
    if (!colour_or_minus_one(colour))
        return refuse(std::to_string(colour) + " is no colour value (-1: each entry's own)");
    plot_state(window).legend_text_colour = colour;
    return window;
}

int add_legend_entry(const char* text, int colour, int line_style, int marker) {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (const int refused = entry_refused(window); refused != -1) return refused;
    WindowPlot& s = plot_state(window);
    if (line_style < -1 || line_style > 9) {
        return refuse("line style " + std::to_string(line_style) +
                      " is not -1 (no line) or 0 ... 9");
    }
    if (marker < 0 || marker % 10 > 6 || marker > 16) {
        return refuse("marker " + std::to_string(marker) +
                      " is not 0 (none), 1 ... 6, or 11 ... 16 filled");
    }
    LegendEntry e;
    e.text = text != nullptr ? text : "";
    e.colour = colour;
    e.line_style = line_style;
    e.marker = marker;
    add_entry(s, std::move(e));
    return window;
}

// Entries of the kinds and colours a place of lu_plot_legend has always drawn.
bool plain_entries(const std::vector<LegendEntry>& entries) {
    return std::all_of(entries.begin(), entries.end(), [](const LegendEntry& e) {
        return !e.swatch && e.text_colour == lumora::plotcore::kBlack;
    });
}

// Draws the gathered entries at a place (1 ... kLegendPlaces), or placed (place 0).
int draw_gathered_legend(int place, const LegendPlacement& placement) {
    const Page page = current_page();
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    WindowPlot& s = plot_state(window);
    if (!page.ok) return refuse_no_window();
    if (!s.frame.set) return refuse_no_frame(window);
    if (s.legend.empty())
        return refuse("the legend has no entries: call lu_plot_legend_entry first");
    Item description;
    description.kind = ItemKind::kLegend;
    description.source.frame = s.frame.id;
    description.source.corner = place != 0 && plain_entries(s.legend) ? place : 0;
    description.source.placement = placement;
    description.source.legend = s.legend;
    {
        PenScope pen;
        use_page_world(page);
        describe(description);
        draw_legend(page_canvas(), s.frame, placement, s.legend);
        end_description();
        use_frame_world(page, s.frame);
    }
    s.legend.clear();
    return window;
}

int draw_at_place(int place) {
    if (place < 1 || place > kLegendPlaces) {
        return refuse("place " + std::to_string(place) +
                      " is not 1 ... 4 (corners), 5 ... 8 (edges) or 9 ... 11 (outside right)");
    }
    LegendPlacement p;
    p.position = position_of_place(place);
    return draw_gathered_legend(place, p);
}

int draw_placed(int position, float dx, float dy, int columns, int background) {
    if (!valid_legend_position(position)) {
        return refuse("position " + std::to_string(position) +
                      " is none of the sixteen: a side (LU_PLOT_LEGEND_RIGHT or _LEFT) and/or an "
                      "edge (_TOP or _BOTTOM), with or without _OUTSIDE");
    }
    const float most = lumora::plotcore::kMaxLegendOffset;
    if (!(std::fabs(dx) <= most) || !(std::fabs(dy) <= most))
        return refuse("the offset " + number_text(dx) + ", " + number_text(dy) +
                      " is not within -100 ... 100 text heights");
    if (columns < 1 || columns > static_cast<int>(kMaxEntries))
        return refuse(std::to_string(columns) + " columns: there must be 1 ... 32");
    if (!colour_or_minus_one(background))
        return refuse(std::to_string(background) + " is no colour value (-1: no background)");
    const int alpha = plot_state(lu_get_viewport(nullptr, nullptr, nullptr, nullptr)).legend_alpha;
    return draw_gathered_legend(0, {position, dx, dy, columns, background, alpha});
}

int set_legend_opacity(float opacity) {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    if (window == 0) return refuse_no_window();
    if (!(opacity >= 0.0f && opacity <= 1.0f))
        return refuse("the opacity " + number_text(opacity) + " is not within 0 ... 1");
    plot_state(window).legend_alpha = static_cast<int>(std::lround(opacity * 255.0f));
    return window;
}

}  // namespace

extern "C" {

int lu_plot_legend_entry(const char* text, int colour, int line_style, int marker) {
    return guarded(__func__, [&] { return add_legend_entry(text, colour, line_style, marker); });
}

int lu_plot_legend_entry_(int* result, const char* text, const int* colour, const int* line_style,
                          const int* marker, size_t text_length) {
    return guarded(__func__, [&] {
        const std::string t = fortran_text(text, text_length);
        return store(result,
                     lu_plot_legend_entry(t.c_str(), at(colour), at(line_style), at(marker)));
    });
}

int lu_plot_legend(int corner) {
    return guarded(__func__, [&] { return draw_at_place(corner); });
}

int lu_plot_legend_(int* result, const int* corner) {
    return guarded(__func__, [&] { return store(result, lu_plot_legend(at(corner))); });
}

int lu_plot_legend_swatch(const char* text, int colour) {
    return guarded(__func__, [&] { return add_swatch(text, colour); });
}

int lu_plot_legend_swatch_(int* result, const char* text, const int* colour, size_t text_length) {
    return guarded(__func__, [&] {
        const std::string t = fortran_text(text, text_length);
        return store(result, add_swatch(t.c_str(), at(colour)));
    });
}

int lu_plot_legend_text_colour(int colour) {
    return guarded(__func__, [&] { return set_text_colour(colour); });
}

int lu_plot_legend_text_colour_(int* result, const int* colour) {
    return guarded(__func__, [&] { return store(result, set_text_colour(at(colour))); });
}

int lu_plot_legend_at(int position, float dx, float dy, int columns, int background) {
    return guarded(__func__, [&] { return draw_placed(position, dx, dy, columns, background); });
}

int lu_plot_legend_at_(int* result, const int* position, const float* dx, const float* dy,
                       const int* columns, const int* background) {
    return guarded(__func__, [&] {
        return store(result,
                     draw_placed(at(position), at(dx), at(dy), at(columns), at(background)));
    });
}

int lu_plot_legend_opacity(float opacity) {
    return guarded(__func__, [&] { return set_legend_opacity(opacity); });
}

int lu_plot_legend_opacity_(int* result, const float* opacity) {
    return guarded(__func__, [&] { return store(result, set_legend_opacity(at(opacity))); });
}

}  // extern "C"
