#include "paint_ahead.h"

#include "picture_file.h"
#include "server/render/painter.h"

namespace luwnd::render {

PaintAhead::Painted::Painted(const Picture& picture)
    : width(picture.width),
      height(picture.height),
      background(picture.background),
      revision(picture.revision),
      image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, page_side(picture.width),
                                       page_side(picture.height))),
      canvas(image, page_side(picture.width), page_side(picture.height), true) {
    canvas.clear(background);
}

PaintAhead::Painted::~Painted() {
    cairo_surface_destroy(image);
}

bool PaintAhead::Painted::shows_page_of(const Picture& picture) const {
    return width == picture.width && height == picture.height && background == picture.background &&
           revision == picture.revision;
}

PaintAhead::~PaintAhead() = default;

namespace {

// The images kept at once stay within this many pixels (128 MB); windows beyond it are
// painted when they are written, as without painting ahead.
constexpr std::int64_t kMostPixels = std::int64_t{32} << 20;

std::int64_t pixels_of(const Picture& picture) {
    return std::int64_t{page_side(picture.width)} * page_side(picture.height);
}

}  // namespace

std::int64_t PaintAhead::pixels_kept_besides(int window) const {
    std::int64_t pixels = 0;
    for (const auto& [n, painted] : painted_) {
        if (n != window)
            pixels += std::int64_t{page_side(painted->width)} * page_side(painted->height);
    }
    return pixels;
}

void PaintAhead::advance(int window, const Picture& picture) {
    auto it = painted_.find(window);
    if (it == painted_.end() || !it->second->shows_page_of(picture) ||
        it->second->count > picture.items.size()) {
        if (it != painted_.end()) painted_.erase(it);
        if (pixels_kept_besides(window) + pixels_of(picture) > kMostPixels) return;
        it = painted_.emplace(window, std::make_unique<Painted>(picture)).first;
    }
    auto& painted = it->second;
    if (cairo_surface_status(painted->image) != CAIRO_STATUS_SUCCESS) return;
    for (; painted->count < picture.items.size(); ++painted->count)
        paint(picture.items[painted->count], picture.width, picture.height, painted->canvas);
}

cairo_surface_t* PaintAhead::image_of(int window, const Picture& picture) const {
    auto it = painted_.find(window);
    if (it == painted_.end()) return nullptr;
    const Painted& painted = *it->second;
    if (!painted.shows_page_of(picture) || painted.count != picture.items.size()) return nullptr;
    if (cairo_surface_status(painted.image) != CAIRO_STATUS_SUCCESS) return nullptr;
    cairo_surface_flush(painted.image);
    return painted.image;
}

}  // namespace luwnd::render
