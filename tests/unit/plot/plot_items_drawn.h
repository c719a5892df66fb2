// The plot items of a batch as the window commands' items that draw the same, so that
// tests can look at both roads' drawing alike.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "plotcore/hatch.h"
#include "plotcore/items.h"
#include "server/core/display_list.h"
#include "server/render/picture.h"

namespace lumora::plot {

inline int rounded(float v) {
    return static_cast<int>(std::lround(v));
}

// A plot item as the window commands' items that draw the same (coordinates rounded); a
// clip item becomes the clip rectangle of the items after it.
inline void add_plot_item(const plotcore::Item& plot, luwnd::RectangleMode& clip,
                          std::vector<luwnd::DrawItem>& out) {
    luwnd::DrawItem item;
    item.rectangle = clip;
    switch (plot.kind) {
        case plotcore::ItemKind::kClip:
            clip =
                plot.clip_on
                    ? luwnd::RectangleMode{rounded(plot.clip.left), rounded(plot.clip.top),
                                           rounded(plot.clip.right), rounded(plot.clip.bottom), 1}
                    : luwnd::RectangleMode{};
            return;
        case plotcore::ItemKind::kAnchor:  // zoomed on screen: its part keeps to the box
            if (plot.clip_on) {
                clip = {rounded(plot.clip.left), rounded(plot.clip.top), rounded(plot.clip.right),
                        rounded(plot.clip.bottom), 1};
                return;
            }
            item.kind = luwnd::ItemKind::kPolyline;
            break;
        case plotcore::ItemKind::kText:
            item.kind = luwnd::ItemKind::kText;
            item.coords[0] = rounded(plot.points[0].x);
            item.coords[1] = rounded(plot.points[0].y);
            item.font.size = rounded(plot.text.height);
            item.font.align =
                static_cast<int>(plot.text.v_align) * 3 + static_cast<int>(plot.text.h_align);
            item.text = plot.text.bytes;
            out.push_back(item);
            return;
        case plotcore::ItemKind::kMarkers:
            item.kind = luwnd::ItemKind::kMarker;
            for (plotcore::PointF p : plot.points) {
                item.coords[0] = rounded(p.x);
                item.coords[1] = rounded(p.y);
                out.push_back(item);
            }
            return;
        case plotcore::ItemKind::kColouredMarkers:
            item.kind = luwnd::ItemKind::kMarker;
            for (std::size_t i = 0; i < plot.points.size(); ++i) {
                item.coords[0] = rounded(plot.points[i].x);
                item.coords[1] = rounded(plot.points[i].y);
                item.rgb = plot.colours[i] & 0xFFFFFFu;
                out.push_back(item);
            }
            return;
        case plotcore::ItemKind::kHatch: {  // its lines, as lu_draw_line draws them
            const std::vector<plotcore::PointF> ends =
                plotcore::hatch_segments(plot.points, plot.nonzero, plot.hatch);
            item.kind = luwnd::ItemKind::kLine;
            for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
                item.coords = {rounded(ends[i].x), rounded(ends[i].y), rounded(ends[i + 1].x),
                               rounded(ends[i + 1].y)};
                out.push_back(item);
            }
            return;
        }
        case plotcore::ItemKind::kPolygon:
            if (plot.filled && plot.points.size() == 4) {
                // A filled box.
                item.kind = luwnd::ItemKind::kBox22;
                item.coords = {rounded(plot.points[0].x), rounded(plot.points[0].y),
                               rounded(plot.points[2].x), rounded(plot.points[2].y)};
                out.push_back(item);
                return;
            }
            item.kind = luwnd::ItemKind::kPolygon;
            break;
        default:
            item.kind = luwnd::ItemKind::kPolyline;
            break;
    }
    for (plotcore::PointF p : plot.points) {
        item.points.push_back(rounded(p.x));
        item.points.push_back(rounded(p.y));
    }
    out.push_back(item);
}

// Packed RGB of a colour value (0x02bbggrr).
inline std::uint32_t rgb_of(int value) {
    const auto v = static_cast<std::uint32_t>(value);
    return (v & 0xFFu) << 16 | (v & 0xFF00u) | (v >> 16 & 0xFFu);
}

// The mean of an item's points.
inline plotcore::PointF middle(const plotcore::Item& item) {
    plotcore::PointF m{0, 0};
    for (plotcore::PointF p : item.points)
        m.x += p.x / float(item.points.size()), m.y += p.y / float(item.points.size());
    return m;
}

// The plot items of one kind in the picture's batches, in order.
inline std::vector<plotcore::Item> batch_items_of(const luwnd::render::Picture& picture,
                                                  plotcore::ItemKind kind) {
    std::vector<plotcore::Item> out;
    for (const auto& op : picture.items) {
        if (op.item.kind != luwnd::ItemKind::kBatch || !op.item.batch) continue;
        for (const plotcore::Item& item : *op.item.batch)
            if (item.kind == kind) out.push_back(item);
    }
    return out;
}

// The picture's items, with each batch's plot items as the items that draw the same.
inline std::vector<luwnd::DrawItem> items_drawn(const luwnd::render::Picture& picture) {
    std::vector<luwnd::DrawItem> out;
    for (const auto& op : picture.items) {
        if (op.item.kind != luwnd::ItemKind::kBatch) {
            out.push_back(op.item);
            continue;
        }
        luwnd::RectangleMode clip = op.item.rectangle;
        for (const plotcore::Item& plot : *op.item.batch) add_plot_item(plot, clip, out);
    }
    return out;
}

}  // namespace lumora::plot
