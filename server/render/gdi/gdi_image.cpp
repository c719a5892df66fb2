// Pictures on a GDI device context. Under the plain transform the picture is scaled by
// image_resample.h, as on every raster canvas, and copied in with SetDIBitsToDevice;
// under another transform StretchDIBits scales the picture itself with the world
// transform set. Both keep the DC's clip region.
#include <cmath>

#include "gdi_canvas.h"
#include "gdi_coordinates.h"
#include "server/render/image_resample.h"

namespace luwnd::render {
namespace {

// A top-down 32-bit DIB header: its pixels are exactly packed RGB words.
BITMAPINFO dib_info(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool plain(const XFORM& x) {
    return x.eM11 == 1 && x.eM22 == 1 && x.eM12 == 0 && x.eM21 == 0 && x.eDx == std::floor(x.eDx) &&
           x.eDy == std::floor(x.eDy);
}

}  // namespace

void GdiCanvas::image(const ImagePixels& pixels, Point first, Point last, bool smooth) {
    if (!drawable_ || pixels.width <= 0 || pixels.height <= 0) return;
    if (first.x == last.x || first.y == last.y) return;
    if (plain(xform_)) {
        double dx = xform_.eDx, dy = xform_.eDy;
        Box page{-dx, -dy, width_ - dx, height_ - dy};
        Raster raster = resample(pixels, image_frame(first, last), page, smooth);
        if (raster.rgb.empty()) return;
        BITMAPINFO info = dib_info(raster.width, raster.height);
        SetDIBitsToDevice(dc_, raster.left + static_cast<int>(dx),
                          raster.top + static_cast<int>(dy), raster.width, raster.height, 0, 0, 0,
                          raster.height, raster.rgb.data(), &info, DIB_RGB_COLORS);
        return;
    }
    if (!SetWorldTransform(dc_, &xform_)) return;
    BITMAPINFO info = dib_info(pixels.width, pixels.height);
    int old_mode = SetStretchBltMode(dc_, smooth ? HALFTONE : COLORONCOLOR);
    if (smooth) SetBrushOrgEx(dc_, 0, 0, nullptr);
    StretchDIBits(dc_, gdi_coordinate(first.x), gdi_coordinate(first.y),
                  gdi_coordinate(last.x - first.x), gdi_coordinate(last.y - first.y), 0, 0,
                  pixels.width, pixels.height, pixels.rgb.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc_, old_mode);
    ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
}

}  // namespace luwnd::render
