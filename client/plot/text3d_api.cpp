// The entry points of texts in a 3-D view: a text in a plane through a data point, and a
// text beside an edge of the box. Both in the pen's colour at the frame's text height,
// with markup.
#include <cctype>
#include <cmath>
#include <string>

#include "client/include/lumora.h"
#include "entry.h"
#include "fortran_text.h"
#include "plotcore/box3d.h"
#include "plotcore/marked_text.h"
#include "plotcore/text3d.h"
#include "view3d_target.h"

using namespace lumora::plot;

namespace {

bool justification_known(float justification) {
    if (std::isfinite(justification)) return true;
    return refuse("the justification " + number_text(justification) + " is not finite") != 0;
}

int text3d(const lumora::plotcore::Text3d& where, float justification, const std::string& text) {
    if (!justification_known(justification)) return 0;
    const DataTarget t = view_target();
    if (t.window == 0) return 0;
    const Frame& f = t.frame();
    const lumora::plotcore::Text3dPlacement placed = place_text3d(f, *t.state->view3d, where);
    if (!placed.problem.empty()) return refuse(placed.problem);
    if (text.empty() || !placed.seen) return t.window;
    {
        PenScope pen;
        use_page_world(t.page);
        move_with_frame(f);
        lumora::plotcore::LayoutCanvas& c = page_canvas();
        const double h = f.text_height;
        const double width = lumora::plotcore::marked_text_size(c, text, h).width;
        const lumora::plotcore::Point2 at = text3d_start(placed, width, h, justification);
        draw_marked_text(c, at.x, at.y, text, {h, 0, lumora::plotcore::kLeftBase, pen.colour()},
                         placed.matrix);
    }
    use_frame_world(t.page, f);
    return t.window;
}

// An edge as "xp" ... "zs": the axis, then p (primary) or s (secondary), in either case.
bool edge_of(const std::string& edge, lumora::plotcore::EdgeText& out) {
    const std::string axes = "xyz";
    if (edge.size() == 2) {
        const std::size_t axis = axes.find(static_cast<char>(std::tolower(edge[0])));
        const char side = static_cast<char>(std::tolower(edge[1]));
        if (axis != std::string::npos && (side == 'p' || side == 's')) {
            out.axis = static_cast<int>(axis);
            out.secondary = side == 's';
            return true;
        }
    }
    return refuse("the edge \"" + edge + "\" is not one of xp, xs, yp, ys, zp, zs") != 0;
}

int edge_text3d(const std::string& edge, float displacement, float position, float justification,
                const std::string& text) {
    lumora::plotcore::EdgeText e;
    if (!edge_of(edge, e)) return 0;
    for (float v : {displacement, position, justification}) {
        if (!std::isfinite(v))
            return refuse("the displacement, position and justification " +
                          number_text(displacement) + ", " + number_text(position) + ", " +
                          number_text(justification) + " are not all finite");
    }
    const DataTarget t = view_target();
    if (t.window == 0) return 0;
    e.displacement = displacement;
    e.position = position;
    e.justification = justification;
    e.text = text;
    {
        PenScope pen;
        use_page_world(t.page);
        move_with_frame(t.frame());
        e.colour = pen.colour();
        draw_edge_text(page_canvas(), t.frame(), *t.state->view3d, e);
    }
    use_frame_world(t.page, t.frame());
    return t.window;
}

}  // namespace

extern "C" {

int lu_plot_text3d(float x, float y, float z, float dx, float dy, float dz, float sx, float sy,
                   float sz, float justification, const char* text) {
    return guarded(__func__, [&] {
        return text3d({{x, y, z}, {dx, dy, dz}, {sx, sy, sz}}, justification, text_of(text));
    });
}

int lu_plot_text3d_(int* result, const float* x, const float* y, const float* z, const float* dx,
                    const float* dy, const float* dz, const float* sx, const float* sy,
                    const float* sz, const float* justification, const char* text,
                    size_t text_length) {
    return guarded(__func__, [&] {
        const lumora::plotcore::Text3d where{
            {at(x), at(y), at(z)}, {at(dx), at(dy), at(dz)}, {at(sx), at(sy), at(sz)}};
        return store(result, text3d(where, at(justification), fortran_text(text, text_length)));
    });
}

int lu_plot_edge_text3d(const char* edge, float displacement, float position, float justification,
                        const char* text) {
    return guarded(__func__, [&] {
        return edge_text3d(text_of(edge), displacement, position, justification, text_of(text));
    });
}

int lu_plot_edge_text3d_(int* result, const char* edge, const float* displacement,
                         const float* position, const float* justification, const char* text,
                         size_t edge_length, size_t text_length) {
    return guarded(__func__, [&] {
        return store(result,
                     edge_text3d(fortran_text(edge, edge_length), at(displacement), at(position),
                                 at(justification), fortran_text(text, text_length)));
    });
}

}  // extern "C"
