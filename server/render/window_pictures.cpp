#include "window_pictures.h"

#include <algorithm>

#include "client/channel/block_layout.h"
#include "text_bytes.h"

namespace luwnd::render {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

PaintItem paint_item(const DrawItem& item, const ColourTable& colours) {
    PaintItem op{item, std::nullopt};
    if (item.kind == ItemKind::kBox22) op.extra_rgb = colours.resolve(item.arg1);
    return op;
}

}  // namespace

std::vector<std::pair<int, Picture>> WindowPictures::take_closed() {
    return std::exchange(closed_, {});
}

// Most commands open and close nothing: then only the windows with a picture can have
// changed, and the other numbers are not looked at.
void WindowPictures::after_command(const Core& core) {
    if (scanned_ && core.window_changes() == window_changes_) {
        for (auto it = open_.begin(); it != open_.end();) sync_window(core, (it++)->first);
        return;
    }
    for (int n = 1; n <= lumora::layout::kMaxWindows; ++n) sync_window(core, n);
    window_changes_ = core.window_changes();
    scanned_ = true;
}

void WindowPictures::sync_window(const Core& core, int n) {
    const WindowState* state = core.window_state(n);
    const auto slot = static_cast<std::size_t>(n);
    if (state == nullptr && !known_[slot]) return;
    auto it = open_.find(n);
    if (state == nullptr) {
        known_[slot] = false;
        if (it == open_.end()) return;
        closed_.emplace_back(n, std::move(it->second));
        open_.erase(it);
        return;
    }
    if (it == open_.end()) {
        it = open_.emplace(n, Picture{}).first;
        known_[slot] = true;
        title_bytes_[slot] = state->title;
        it->second.title = utf8_from_bytes(state->title);
        edits_[slot] = state->display.edits();
    }
    Picture& picture = it->second;
    picture.width = state->page_width;
    picture.height = state->page_height;
    picture.x = state->x;
    picture.y = state->y;
    picture.background =
        state->background ? state->colours.resolve(*state->background).value_or(kWhite) : kWhite;
    if (state->title != title_bytes_[slot]) {
        title_bytes_[slot] = state->title;
        picture.title = utf8_from_bytes(state->title);
    }
    picture.format = state->picture_format;
    picture.dpi = core.resolution();
    picture.held = state->frame_depth > 0;
    sync_items(*state, slot, picture);
}

// Mostly items were added or dropped at the end; after any other change the items are
// kept up to the first one that differs.
void WindowPictures::sync_items(const WindowState& state, std::size_t slot, Picture& picture) {
    const auto& items = state.display.items();
    std::size_t keep = std::min(items.size(), picture.items.size());
    if (state.display.edits() != edits_[slot]) {
        edits_[slot] = state.display.edits();
        for (std::size_t i = 0; i < keep; ++i) {
            if (picture.items[i].item.serial != items[i].serial) keep = i;
        }
    }
    if (keep < picture.items.size()) {
        picture.items.resize(keep);
        ++picture.rewrites;
    }
    for (std::size_t i = picture.items.size(); i < items.size(); ++i)
        picture.items.push_back(paint_item(items[i], state.colours));
}

}  // namespace luwnd::render
