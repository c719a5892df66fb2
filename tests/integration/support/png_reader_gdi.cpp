#include "png_reader.h"

#include <windows.h>

#include <objidl.h>  // before gdiplus.h, which uses its types

#include <gdiplus.h>

namespace lumora::test {

PngImage read_png(const std::string& path) {
    namespace flat = Gdiplus::DllExports;
    PngImage image;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input{};
    input.GdiplusVersion = 1;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return image;
    std::wstring wide(path.begin(), path.end());
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (flat::GdipCreateBitmapFromFile(wide.c_str(), &bitmap) == Gdiplus::Ok) {
        UINT width = 0, height = 0;
        flat::GdipGetImageWidth(bitmap, &width);
        flat::GdipGetImageHeight(bitmap, &height);
        image.pixels.reserve(std::size_t(width) * height);
        for (UINT y = 0; y < height; ++y) {
            for (UINT x = 0; x < width; ++x) {
                Gdiplus::ARGB argb = 0;
                flat::GdipBitmapGetPixel(bitmap, static_cast<INT>(x), static_cast<INT>(y), &argb);
                image.pixels.push_back(argb & 0xFFFFFF);
            }
        }
        image.width = static_cast<int>(width);
        image.height = static_cast<int>(height);
        flat::GdipDisposeImage(bitmap);
    }
    Gdiplus::GdiplusShutdown(token);
    return image;
}

}  // namespace lumora::test
