// The entry points of legends.
#include <string>

#include "client/include/lumora.h"
#include "entry.h"
#include "fortran_text.h"
#include "page_draw.h"
#include "plotcore/batch_format.h"

using namespace lumora::plot;

namespace {

constexpr std::size_t kMaxEntries = lumora::plotcore::kMaxLegendEntries;

int add_legend_entry(const char* text, int colour, int line_style, int marker) {
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    WindowPlot& s = plot_state(window);
    if (window == 0) return refuse_no_window();
    if (!s.frame.set) return refuse_no_frame(window);
    if (s.legend.size() >= kMaxEntries)
        return refuse("the legend holds 32 entries, the most: call lu_plot_legend to draw it");
    if (line_style < -1 || line_style > 9) {
        return refuse("line style " + std::to_string(line_style) +
                      " is not -1 (no line) or 0 ... 9");
    }
    if (marker < 0 || marker % 10 > 6 || marker > 16) {
        return refuse("marker " + std::to_string(marker) +
                      " is not 0 (none), 1 ... 6, or 11 ... 16 filled");
    }
    if (colour == -1) lu_get_pen(&colour, nullptr, nullptr, nullptr);
    s.legend.push_back({text != nullptr ? text : "", colour, line_style, marker});
    return window;
}

int draw_gathered_legend(int corner) {
    const Page page = current_page();
    const int window = lu_get_viewport(nullptr, nullptr, nullptr, nullptr);
    WindowPlot& s = plot_state(window);
    if (!page.ok) return refuse_no_window();
    if (!s.frame.set) return refuse_no_frame(window);
    if (corner < 1 || corner > kLegendPlaces) {
        return refuse("place " + std::to_string(corner) +
                      " is not 1 ... 4 (corners), 5 ... 8 (edges) or 9 ... 11 (outside right)");
    }
    if (s.legend.empty())
        return refuse("the legend has no entries: call lu_plot_legend_entry first");
    Item description;
    description.kind = ItemKind::kLegend;
    description.source.frame = s.frame.id;
    description.source.corner = corner;
    description.source.legend = s.legend;
    {
        PenScope pen;
        use_page_world(page);
        describe(description);
        draw_legend(page_canvas(), s.frame, corner, s.legend);
        end_description();
        use_frame_world(page, s.frame);
    }
    s.legend.clear();
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
    return guarded(__func__, [&] { return draw_gathered_legend(corner); });
}

int lu_plot_legend_(int* result, const int* corner) {
    return guarded(__func__, [&] { return store(result, lu_plot_legend(at(corner))); });
}

}  // extern "C"
