// Raster pictures painted while the program is still drawing. Between commands, once a
// command's result has gone back to the program, the window process paints the items each
// window gained since the last time into an image of its own; when the picture is then
// written as PNG only the encoding is left. The client prepares its next command while
// this happens, so painting and drawing overlap instead of adding up. Items are painted
// one after the other on one image, exactly as a whole picture is painted, so the pixels
// are the same either way. The images kept have a budget; a window beyond it is painted
// when it is written.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

#include "cairo_canvas.h"
#include "server/render/picture.h"

namespace luwnd::render {

class PaintAhead {
  public:
    PaintAhead() = default;
    PaintAhead(const PaintAhead&) = delete;
    PaintAhead& operator=(const PaintAhead&) = delete;
    ~PaintAhead();

    // Paints what the picture of the window gained; starts again when its page size,
    // background or revision changed.
    void advance(int window, const Picture& picture);
    // The image of the window when it shows the whole picture as it stands, else nullptr.
    // It stays ours.
    cairo_surface_t* image_of(int window, const Picture& picture) const;
    // Lets go of the images of windows for which keep is false.
    template <typename Keep>
    void keep_only(Keep keep) {
        for (auto it = painted_.begin(); it != painted_.end();) {
            it = keep(it->first) ? std::next(it) : painted_.erase(it);
        }
    }

  private:
    std::int64_t pixels_kept_besides(int window) const;

    struct Painted {
        explicit Painted(const Picture& picture);
        ~Painted();
        Painted(const Painted&) = delete;
        Painted& operator=(const Painted&) = delete;
        bool shows_page_of(const Picture& picture) const;

        std::int32_t width, height;
        std::uint32_t background, revision;
        cairo_surface_t* image;
        CairoCanvas canvas;
        std::size_t count = 0;  // items painted
    };
    std::map<int, std::unique_ptr<Painted>> painted_;
};

}  // namespace luwnd::render
