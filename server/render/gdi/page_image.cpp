#include "page_image.h"

#include <algorithm>

#include "gdi_canvas.h"
#include "server/render/painter.h"

namespace luwnd::render {

PageImage::PageImage(int width, int height)
    : width_(std::clamp(width, 1, kMaxGdiPageSide)),
      height_(std::clamp(height, 1, kMaxGdiPageSide)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_ == nullptr) return;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (bitmap_ == nullptr) {
        bits_ = nullptr;
        return;
    }
    previous_ = SelectObject(dc_, bitmap_);
}

PageImage::~PageImage() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    if (dc_ != nullptr) DeleteDC(dc_);
}

std::uint32_t PageImage::pixel(int x, int y) const {
    if (!valid() || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    GdiFlush();
    const auto* row = static_cast<const std::uint32_t*>(bits_) + std::size_t(y) * width_;
    return row[x] & 0xFFFFFF;
}

const std::uint8_t* PageImage::bits() const {
    GdiFlush();
    return static_cast<const std::uint8_t*>(bits_);
}

raster::PixelTarget PageImage::pixels() const {
    return {static_cast<std::uint8_t*>(bits_), std::ptrdiff_t(width_) * 4, valid() ? width_ : 0,
            valid() ? height_ : 0};
}

std::unique_ptr<PageImage> render_page(const Picture& picture) {
    auto image = std::make_unique<PageImage>(picture.width, picture.height);
    if (!image->valid()) return nullptr;
    {
        GdiCanvas canvas(image->dc(), image->width(), image->height(), image->pixels());
        paint(picture, canvas);
    }
    GdiFlush();
    return image;
}

}  // namespace luwnd::render
