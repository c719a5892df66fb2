#include "gdi_pen.h"

#include <algorithm>
#include <cmath>

#include "gdi_canvas.h"
#include "server/render/dash_pattern.h"

namespace luwnd::render {

std::vector<DWORD> dashes_of(const Pen& pen) {
    std::vector<DWORD> dashes;
    if (pen.exact()) {
        // GDI dashes are whole pixels: each as near its length as it can be, none empty.
        for (double length : dash_pattern(pen.dash))
            dashes.push_back(
                static_cast<DWORD>(std::max(1L, std::lround(length * pen.exact_width))));
        return dashes;
    }
    auto u = static_cast<DWORD>(pen.width < 1 ? 1 : pen.width);
    for (double length : dash_pattern(pen.dash)) dashes.push_back(static_cast<DWORD>(length) * u);
    return dashes;
}

HPEN create_pen(const Pen& pen) {
    LOGBRUSH brush{BS_SOLID, colour_of(pen.rgb), 0};
    auto width = static_cast<DWORD>(pen.width < 1 ? 1 : pen.width);
    if (pen.dash == DashStyle::kAlternate)
        return ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
    std::vector<DWORD> dashes = dashes_of(pen);
    if (dashes.empty()) {
        if (width == 1) return ExtCreatePen(PS_COSMETIC | PS_SOLID, 1, &brush, 0, nullptr);
        return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, width,
                            &brush, 0, nullptr);
    }
    // Geometric even at width 1: cosmetic user styles count in the device's style units,
    // which are not pixels everywhere, and the dashes must match the other canvases.
    DWORD kind = PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER;
    return ExtCreatePen(kind | PS_USERSTYLE, width, &brush, static_cast<DWORD>(dashes.size()),
                        dashes.data());
}

}  // namespace luwnd::render
