#include "frame_views.h"

#include <iterator>

namespace luwnd {

namespace plotcore = lumora::plotcore;

namespace {

// A view of a frame no longer shown, made for the setup; end when there is none.
FrameViews::iterator outlived(FrameViews& views, const plotcore::FrameSetup& setup,
                              const std::set<std::uint32_t>& present) {
    for (auto it = views.begin(); it != views.end(); ++it) {
        if (!present.contains(it->first) && it->second.program == setup) return it;
    }
    return views.end();
}

}  // namespace

bool take_over_views(FrameViews& views, const plotcore::Items& batch,
                     const std::set<std::uint32_t>& present) {
    bool taken = false;
    for (const plotcore::Item& part : batch) {
        if (part.kind != plotcore::ItemKind::kFrame || views.contains(part.source.frame)) continue;
        const auto old = outlived(views, part.source.setup, present);
        if (old == views.end()) continue;
        FrameView view = old->second;
        view.left_behind = false;
        views.erase(old);
        views.emplace(part.source.frame, view);
        taken = true;
    }
    return taken;
}

void leave_views_behind(FrameViews& views) {
    for (auto it = views.begin(); it != views.end();) {
        if (it->second.left_behind) {
            it = views.erase(it);
        } else {
            it->second.left_behind = true;
            ++it;
        }
    }
}

}  // namespace luwnd
