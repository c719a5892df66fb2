// The gallery's canvas on Windows: GDI page images, PNG through GDI+.
#include <windows.h>

#include "picture_io.h"
#include "server/render/gdi/page_image.h"
#include "server/render/gdi/png_file.h"
#include "tests/integration/support/png_reader.h"

namespace lumora::gallery {

const char* canvas_name() {
    return "gdi";
}

Image render(const luwnd::render::Picture& picture) {
    std::unique_ptr<luwnd::render::PageImage> page = luwnd::render::render_page(picture);
    if (page == nullptr) return {};
    Image image(page->width(), page->height());
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.at(x, y) = page->pixel(x, y);
    return image;
}

bool write_reference(const luwnd::render::Picture& picture, const std::string& path,
                     std::string& error) {
    std::unique_ptr<luwnd::render::PageImage> page = luwnd::render::render_page(picture);
    if (page == nullptr) {
        error = "no page image";
        return false;
    }
    return luwnd::render::write_png(*page, path, error);
}

Image read_png_image(const std::string& path) {
    test::PngImage png = test::read_png(path);
    Image image;
    if (!png.loaded()) return image;
    image.width = png.width;
    image.height = png.height;
    image.pixels = png.pixels;
    return image;
}

bool write_png_image(const Image& image, const std::string& path) {
    luwnd::render::PageImage page(image.width, image.height);
    if (!page.valid()) return false;
    // The page's DIB is top-down with blue, green, red bytes: the same layout as the
    // image's packed pixels on a little-endian machine.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(page.dc(), 0, 0, static_cast<DWORD>(image.width),
                      static_cast<DWORD>(image.height), 0, 0, 0, static_cast<UINT>(image.height),
                      image.pixels.data(), &info, DIB_RGB_COLORS);
    std::string error;
    return luwnd::render::write_png(page, path, error);
}

}  // namespace lumora::gallery
