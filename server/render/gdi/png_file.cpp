#include "png_file.h"

#include <objidl.h>  // before gdiplus.h, which uses its types

#include <gdiplus.h>

#include <vector>

namespace luwnd::render {
namespace {

namespace gp = Gdiplus;
namespace flat = Gdiplus::DllExports;

// GDI+ for the length of one piece of work.
class GdiplusSession {
  public:
    GdiplusSession() {
        gp::GdiplusStartupInput input{};
        input.GdiplusVersion = 1;
        ok_ = gp::GdiplusStartup(&token_, &input, nullptr) == gp::Ok;
    }
    ~GdiplusSession() {
        if (ok_) gp::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool ok() const { return ok_; }

  private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

bool png_encoder(CLSID& clsid) {
    UINT count = 0, size = 0;
    if (flat::GdipGetImageEncodersSize(&count, &size) != gp::Ok || size == 0) return false;
    std::vector<std::uint8_t> buffer(size);
    auto* codecs = reinterpret_cast<gp::ImageCodecInfo*>(buffer.data());
    if (flat::GdipGetImageEncoders(count, size, codecs) != gp::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType != nullptr && lstrcmpiW(codecs[i].MimeType, L"image/png") == 0) {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

std::wstring wide_path(const std::string& path) {
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

}  // namespace

bool write_png(const PageImage& image, const std::string& path, std::string& error) {
    if (!image.valid()) {
        error = "no picture";
        return false;
    }
    GdiplusSession session;
    CLSID encoder{};
    if (!session.ok() || !png_encoder(encoder)) {
        error = "no PNG encoder";
        return false;
    }
    gp::GpBitmap* bitmap = nullptr;
    auto* bits = const_cast<BYTE*>(image.bits());
    if (flat::GdipCreateBitmapFromScan0(image.width(), image.height(), image.width() * 4,
                                        PixelFormat32bppRGB, bits, &bitmap) != gp::Ok) {
        error = "cannot make a bitmap";
        return false;
    }
    gp::GpStatus status =
        flat::GdipSaveImageToFile(bitmap, wide_path(path).c_str(), &encoder, nullptr);
    flat::GdipDisposeImage(bitmap);
    if (status == gp::Ok) return true;
    error = "GDI+ status " + std::to_string(static_cast<int>(status));
    return false;
}

}  // namespace luwnd::render
