// A window's page as a GDI picture: a 32-bit top-down DIB section selected into a memory
// DC, which a GdiCanvas draws on and the PNG writer and the screen window read.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "server/render/picture.h"
#include "server/render/raster/pixel_blend.h"

namespace luwnd::render {

// Largest page side drawn; larger pages are drawn at this size.
inline constexpr int kMaxGdiPageSide = 16384;

class PageImage {
  public:
    // A page of the size (each side clamped to 1 .. kMaxGdiPageSide), its pixels not yet
    // set; valid() says whether GDI could make it.
    PageImage(int width, int height);
    ~PageImage();
    PageImage(const PageImage&) = delete;
    PageImage& operator=(const PageImage&) = delete;

    bool valid() const { return bits_ != nullptr; }
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixel as packed RGB (0 outside the page). Finishes pending GDI drawing first.
    std::uint32_t pixel(int x, int y) const;
    // Rows top to bottom, 4 bytes a pixel (blue, green, red, unused).
    const std::uint8_t* bits() const;
    // The same rows for drawing into (pending GDI drawing not finished).
    raster::PixelTarget pixels() const;

  private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

// A new page image of the picture with the picture drawn; nullptr when GDI could not
// make one of that size.
std::unique_ptr<PageImage> render_page(const Picture& picture);
// Draws the picture's items from `first` on over what the image shows.
void paint_items(PageImage& image, const Picture& picture, std::size_t first);

}  // namespace luwnd::render
