#include "display_list.h"

namespace luwnd {

bool DisplayList::has_room_for(std::size_t point_words) const {
    return !full() && point_words <= kMaxPointWords - point_words_;
}

bool DisplayList::add(DrawItem item) {
    if (!has_room_for(item.points.size())) return false;
    point_words_ += item.points.size();
    items_.push_back(std::move(item));
    return true;
}

void DisplayList::remove_last(std::size_t count) {
    if (count > items_.size()) count = items_.size();
    for (std::size_t i = 0; i < count; ++i) {
        point_words_ -= items_.back().points.size();
        items_.pop_back();
    }
}

}  // namespace luwnd
