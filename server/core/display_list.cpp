#include "display_list.h"

#include <utility>

namespace luwnd {

namespace {

std::size_t pixels_of(const DrawItem& item) {
    return item.image ? item.image->rgb.size() : 0;
}

}  // namespace

std::size_t item_cost(std::size_t point_words) {
    return sizeof(DrawItem) + point_words * sizeof(std::int32_t);
}

std::size_t item_cost(const DrawItem& item) {
    return item_cost(item.points.size()) + item.text.size() +
           pixels_of(item) * sizeof(std::uint32_t);
}

DisplayList& DisplayList::operator=(DisplayList&& other) noexcept {
    if (this == &other) return *this;
    clear();
    limit_ = other.limit_;
    budget_ = std::exchange(other.budget_, nullptr);
    point_words_ = std::exchange(other.point_words_, 0);
    charged_ = std::exchange(other.charged_, 0);
    image_pixels_ = std::exchange(other.image_pixels_, 0);
    items_ = std::move(other.items_);
    other.items_.clear();
    return *this;
}

bool DisplayList::has_room_for(std::size_t point_words) const {
    return !full() && point_words <= kMaxPointWords - point_words_ &&
           (budget_ == nullptr || budget_->has(item_cost(point_words)));
}

bool DisplayList::has_room_for_image(std::size_t pixels) const {
    return !full() && pixels <= kMaxImagePixels - image_pixels_;
}

bool DisplayList::add(DrawItem item) {
    if (!has_room_for(item.points.size()) || !has_room_for_image(pixels_of(item))) return false;
    const std::size_t cost = item_cost(item);
    if (budget_ != nullptr && !budget_->take(cost)) return false;
    const std::size_t point_words = item.points.size();
    const std::size_t pixels = pixels_of(item);
    try {
        items_.push_back(std::move(item));
    } catch (...) {
        if (budget_ != nullptr) budget_->give_back(cost);
        throw;
    }
    point_words_ += point_words;
    image_pixels_ += pixels;
    charged_ += cost;
    return true;
}

void DisplayList::remove_last(std::size_t count) {
    if (count > items_.size()) count = items_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t cost = item_cost(items_.back());
        point_words_ -= items_.back().points.size();
        charged_ -= cost < charged_ ? cost : charged_;
        if (budget_ != nullptr) budget_->give_back(cost);
        image_pixels_ -= pixels_of(items_.back());
        items_.pop_back();
    }
}

}  // namespace luwnd
