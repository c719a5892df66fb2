#include "page_image.h"

#include <algorithm>

#include "gdi_canvas.h"
#include "server/render/painter.h"
#include "server/render/raster/opacity_canvas.h"

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

namespace {

// GDI draws opaquely: translucent items go through a layer over the image's pixels.
template <class Drawing>
void on_canvas(PageImage& image, Drawing&& drawing) {
    GdiCanvas gdi(image.dc(), image.width(), image.height(), image.pixels());
    raster::OpacityCanvas canvas(gdi, image.pixels(), [] { GdiFlush(); });
    drawing(canvas);
}

}  // namespace

std::unique_ptr<PageImage> render_page(const Picture& picture) {
    auto image = std::make_unique<PageImage>(picture.width, picture.height);
    if (!image->valid()) return nullptr;
    on_canvas(*image, [&](Canvas& canvas) { paint(picture, canvas); });
    GdiFlush();
    return image;
}

void paint_items(PageImage& image, const Picture& picture, std::size_t first) {
    on_canvas(image, [&](Canvas& canvas) {
        for (std::size_t i = first; i < picture.items.size(); ++i)
            paint(picture.items[i], picture.width, picture.height, canvas, picture.background);
    });
}

}  // namespace luwnd::render
