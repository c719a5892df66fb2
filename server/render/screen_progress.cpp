#include "screen_progress.h"

#include <utility>

namespace luwnd::render {

ScreenProgress::Step ScreenProgress::step(const Picture& picture, bool has_image) {
    if (picture.held && has_image) {
        held_ = true;
        return Step::kNone;
    }
    if (held_) {
        held_ = false;
        released_ = true;
    }
    if (!same_page(picture, has_image)) return Step::kDrawAll;
    return drawn_ < picture.items.size() ? Step::kDrawNew : Step::kNone;
}

bool ScreenProgress::needs_new_image(const Picture& picture, bool has_image) const {
    if (picture.held && has_image) return false;
    return !same_page(picture, has_image);
}

bool ScreenProgress::same_page(const Picture& picture, bool has_image) const {
    return has_image && width_ == picture.width && height_ == picture.height &&
           background_ == picture.background && rewrites_ == picture.rewrites &&
           drawn_ <= picture.items.size();
}

void ScreenProgress::drew(const Picture& picture) {
    width_ = picture.width;
    height_ = picture.height;
    background_ = picture.background;
    drawn_ = picture.items.size();
    rewrites_ = picture.rewrites;
}

bool ScreenProgress::take_released() {
    return std::exchange(released_, false);
}

}  // namespace luwnd::render
