#include "display_list.h"

#include <algorithm>
#include <utility>

namespace luwnd {

namespace {

std::size_t pixels_of(const DrawItem& item) {
    return item.image ? item.image->rgb.size() : 0;
}

// What the decoded plot items hold: each item, its points, its text bytes and its
// gradient's stops.
std::size_t batch_bytes(const DrawItem& item) {
    if (!item.batch) return 0;
    std::size_t bytes = 0;
    for (const lumora::plotcore::Item& plot : *item.batch) {
        bytes += sizeof plot + plot.points.size() * sizeof(lumora::plotcore::PointF) +
                 plot.text.bytes.size() +
                 plot.gradient.stops.size() * sizeof(lumora::plotcore::GradientStop);
    }
    return bytes;
}

}  // namespace

std::size_t item_cost(std::size_t point_words) {
    return sizeof(DrawItem) + point_words * sizeof(std::int32_t);
}

std::size_t item_cost(const DrawItem& item) {
    return item_cost(item.points.size()) + item.text.size() +
           pixels_of(item) * sizeof(std::uint32_t) + batch_bytes(item);
}

DisplayList& DisplayList::operator=(DisplayList&& other) noexcept {
    if (this == &other) return *this;
    clear();
    limit_ = other.limit_;
    budget_ = std::exchange(other.budget_, nullptr);
    point_words_ = std::exchange(other.point_words_, 0);
    charged_ = std::exchange(other.charged_, 0);
    image_pixels_ = std::exchange(other.image_pixels_, 0);
    serials_ = other.serials_;
    edits_ = other.edits_;
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

bool DisplayList::take_room(const DrawItem& item, std::size_t cost, std::size_t freed_words,
                            std::size_t freed_pixels, std::size_t freed_cost) {
    if (item.points.size() > kMaxPointWords - (point_words_ - freed_words)) return false;
    if (pixels_of(item) > kMaxImagePixels - (image_pixels_ - freed_pixels)) return false;
    if (budget_ == nullptr) return true;
    if (cost <= freed_cost) {
        budget_->give_back(freed_cost - cost);
        return true;
    }
    return budget_->take(cost - freed_cost);
}

void DisplayList::tally(const DrawItem& item, std::size_t cost, int sign) {
    if (sign > 0) {
        point_words_ += item.points.size();
        image_pixels_ += pixels_of(item);
        charged_ += cost;
        return;
    }
    point_words_ -= item.points.size();
    image_pixels_ -= pixels_of(item);
    charged_ -= cost < charged_ ? cost : charged_;
}

bool DisplayList::add(DrawItem item) {
    return insert(items_.size(), std::move(item));
}

bool DisplayList::insert(std::size_t at, DrawItem item) {
    if (at > items_.size() || full()) return false;
    const std::size_t cost = item_cost(item);
    if (!take_room(item, cost, 0, 0, 0)) return false;
    item.serial = ++serials_;
    try {
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    } catch (...) {
        if (budget_ != nullptr) budget_->give_back(cost);
        throw;
    }
    tally(items_[at], cost, 1);
    if (at + 1 != items_.size()) ++edits_;
    return true;
}

bool DisplayList::replace_element(DrawItem item) {
    if (item.element <= 0) return add(std::move(item));
    const auto of_element = [h = item.element](const DrawItem& i) { return i.element == h; };
    const auto first = std::find_if(items_.begin(), items_.end(), of_element);
    if (first == items_.end()) return add(std::move(item));
    std::size_t words = 0, pixels = 0, freed = 0;
    for (auto it = first; it != items_.end(); ++it) {
        if (!of_element(*it)) continue;
        words += it->points.size();
        pixels += pixels_of(*it);
        freed += item_cost(*it);
    }
    const std::size_t cost = item_cost(item);
    if (!take_room(item, cost, words, pixels, freed)) return false;
    // Nothing below can fail: the first item is overwritten, the others moved out.
    item.serial = ++serials_;
    const std::size_t at = static_cast<std::size_t>(first - items_.begin());
    point_words_ -= words;
    image_pixels_ -= pixels;
    charged_ -= freed < charged_ ? freed : charged_;
    tally(item, cost, 1);
    items_[at] = std::move(item);
    const auto next = items_.begin() + static_cast<std::ptrdiff_t>(at) + 1;
    items_.erase(std::remove_if(next, items_.end(), of_element), items_.end());
    ++edits_;
    return true;
}

bool DisplayList::replace_batch(std::size_t at,
                                std::shared_ptr<const lumora::plotcore::Items> batch) {
    if (at >= items_.size() || items_[at].kind != ItemKind::kBatch) return false;
    DrawItem item = items_[at];
    item.batch = std::move(batch);
    const std::size_t freed = item_cost(items_[at]), cost = item_cost(item);
    if (!take_room(item, cost, items_[at].points.size(), 0, freed)) return false;
    charged_ -= freed < charged_ ? freed : charged_;
    charged_ += cost;
    item.serial = ++serials_;
    items_[at] = std::move(item);
    ++edits_;
    return true;
}

std::size_t DisplayList::remove_element(std::int32_t element) {
    if (element <= 0) return 0;
    const auto of_element = [element](const DrawItem& i) { return i.element == element; };
    std::size_t removed = 0;
    for (const DrawItem& item : items_) {
        if (!of_element(item)) continue;
        const std::size_t cost = item_cost(item);
        tally(item, cost, -1);
        if (budget_ != nullptr) budget_->give_back(cost);
        ++removed;
    }
    if (removed == 0) return 0;
    items_.erase(std::remove_if(items_.begin(), items_.end(), of_element), items_.end());
    ++edits_;
    return removed;
}

std::optional<std::size_t> DisplayList::element_end(std::int32_t element) const {
    if (element <= 0) return std::nullopt;
    for (std::size_t i = items_.size(); i > 0; --i) {
        if (items_[i - 1].element == element) return i;
    }
    return std::nullopt;
}

void DisplayList::remove_last(std::size_t count) {
    if (count > items_.size()) count = items_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t cost = item_cost(items_.back());
        tally(items_.back(), cost, -1);
        if (budget_ != nullptr) budget_->give_back(cost);
        items_.pop_back();
    }
}

}  // namespace luwnd
