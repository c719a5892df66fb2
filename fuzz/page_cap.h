// Keeps a fuzz iteration fast: a picture whose page is larger than the side given is
// painted on a page of at most that side (the drawings stay as they are).
#pragma once

#include <algorithm>
#include <cstdint>

#include "server/render/picture.h"

namespace luwnd::fuzz {

// The picture itself when it fits, else a copy in storage with the page cut to side.
inline const render::Picture& within_page(const render::Picture& picture, std::int32_t side,
                                          render::Picture& storage) {
    if (side <= 0 || (picture.width <= side && picture.height <= side)) return picture;
    storage = picture;
    storage.width = std::min(picture.width, side);
    storage.height = std::min(picture.height, side);
    return storage;
}

}  // namespace luwnd::fuzz
