#include "png_file.h"

#include <objidl.h>  // before gdiplus.h, which uses its types

#include <gdiplus.h>

#include <functional>
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

// Hands the image to save as a GDI+ bitmap; false, with the reason, when it cannot.
bool save_bitmap(const PageImage& image, std::string& error,
                 const std::function<gp::GpStatus(gp::GpBitmap*, const CLSID&)>& save) {
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
    gp::GpStatus status = save(bitmap, encoder);
    flat::GdipDisposeImage(bitmap);
    if (status == gp::Ok) return true;
    error = "GDI+ status " + std::to_string(static_cast<int>(status));
    return false;
}

// The bytes a memory stream holds.
bool stream_bytes(IStream* stream, std::vector<std::uint8_t>& bytes) {
    STATSTG info{};
    if (stream->Stat(&info, STATFLAG_NONAME) != S_OK || info.cbSize.HighPart != 0) return false;
    bytes.resize(info.cbSize.LowPart);
    const LARGE_INTEGER start{};
    ULONG read = 0;
    return stream->Seek(start, STREAM_SEEK_SET, nullptr) == S_OK &&
           (bytes.empty() || stream->Read(bytes.data(), info.cbSize.LowPart, &read) == S_OK) &&
           read == bytes.size();
}

}  // namespace

bool encode_png(const PageImage& image, std::vector<std::uint8_t>& png, std::string& error) {
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(nullptr, TRUE, &stream) != S_OK) {
        error = "no memory for the picture";
        return false;
    }
    bool made = save_bitmap(image, error, [stream](gp::GpBitmap* bitmap, const CLSID& encoder) {
        return flat::GdipSaveImageToStream(bitmap, stream, &encoder, nullptr);
    });
    if (made && !stream_bytes(stream, png)) {
        error = "no memory for the picture";
        made = false;
    }
    stream->Release();
    return made;
}

bool write_png(const PageImage& image, const std::string& path, std::string& error) {
    const std::wstring wide = wide_path(path);
    return save_bitmap(image, error, [&wide](gp::GpBitmap* bitmap, const CLSID& encoder) {
        return flat::GdipSaveImageToFile(bitmap, wide.c_str(), &encoder, nullptr);
    });
}

}  // namespace luwnd::render
