#include "display_list.h"

namespace luwnd {

namespace {

std::size_t pixels_of(const DrawItem& item) {
    return item.image ? item.image->rgb.size() : 0;
}

}  // namespace

bool DisplayList::has_room_for(std::size_t point_words) const {
    return !full() && point_words <= kMaxPointWords - point_words_;
}

bool DisplayList::has_room_for_image(std::size_t pixels) const {
    return !full() && pixels <= kMaxImagePixels - image_pixels_;
}

bool DisplayList::add(DrawItem item) {
    if (!has_room_for(item.points.size()) || !has_room_for_image(pixels_of(item))) return false;
    point_words_ += item.points.size();
    image_pixels_ += pixels_of(item);
    items_.push_back(std::move(item));
    return true;
}

void DisplayList::remove_last(std::size_t count) {
    if (count > items_.size()) count = items_.size();
    for (std::size_t i = 0; i < count; ++i) {
        point_words_ -= items_.back().points.size();
        image_pixels_ -= pixels_of(items_.back());
        items_.pop_back();
    }
}

}  // namespace luwnd
