#include "display_list.h"

namespace luwnd {

bool DisplayList::add(DrawItem item) {
    if (full()) return false;
    items_.push_back(std::move(item));
    return true;
}

}  // namespace luwnd
