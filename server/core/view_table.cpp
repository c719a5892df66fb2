#include "view_table.h"

#include <cstring>

namespace luwnd {

bool ViewTable::save(std::int32_t number, const std::uint8_t* block) {
    auto it = views_.find(number);
    if (it == views_.end()) {
        if (views_.size() >= kMaxViews) return false;
        it = views_.emplace(number, std::array<std::uint8_t, kViewBytes>{}).first;
    }
    std::memcpy(it->second.data(), block, kViewBytes);
    return true;
}

bool ViewTable::restore(std::int32_t number, std::uint8_t* block) const {
    auto it = views_.find(number);
    if (it == views_.end()) return false;
    std::memcpy(block, it->second.data(), kViewBytes);
    return true;
}

}  // namespace luwnd
