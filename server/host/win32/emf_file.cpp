#include "emf_file.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "server/render/gdi/gdi_canvas.h"
#include "server/render/gdi/page_image.h"
#include "server/render/painter.h"

namespace luwnd::win32 {
namespace {

// The page's frame in hundredths of a millimetre, as the reference device's pixels
// measure: the metafile keeps the size the page had on the screen.
RECT frame_of(HDC reference, int width, int height) {
    const int pixels_x = GetDeviceCaps(reference, HORZRES),
              pixels_y = GetDeviceCaps(reference, VERTRES);
    const int mm_x = GetDeviceCaps(reference, HORZSIZE), mm_y = GetDeviceCaps(reference, VERTSIZE);
    if (pixels_x <= 0 || pixels_y <= 0 || mm_x <= 0 || mm_y <= 0) {
        // 96 dots per inch
        return {0, 0, static_cast<LONG>(std::lround(width * 2540.0 / 96)),
                static_cast<LONG>(std::lround(height * 2540.0 / 96))};
    }
    return {0, 0, static_cast<LONG>(std::lround(width * 100.0 * mm_x / pixels_x)),
            static_cast<LONG>(std::lround(height * 100.0 * mm_y / pixels_y))};
}

// "application\0title\0\0", the description a metafile carries.
std::string description_of(const std::string& title) {
    return std::string("luwnd") + '\0' + title.substr(0, title.find('\0')) + '\0' + '\0';
}

}  // namespace

bool emf_bytes(const render::Picture& picture, const std::string& title,
               std::vector<std::uint8_t>& bytes, std::string& error) {
    const int width = std::clamp(picture.width, 1, render::kMaxGdiPageSide);
    const int height = std::clamp(picture.height, 1, render::kMaxGdiPageSide);
    HDC reference = GetDC(nullptr);
    RECT frame = frame_of(reference, width, height);
    std::string description = description_of(title);
    // In memory: the file is written by whoever made it (see picture_new_file.h).
    HDC dc = CreateEnhMetaFileA(reference, nullptr, &frame, description.c_str());
    if (reference != nullptr) ReleaseDC(nullptr, reference);
    if (dc == nullptr) {
        error = "the metafile cannot be made";
        return false;
    }
    {
        render::GdiCanvas canvas(dc, width, height);
        render::paint(picture, canvas);
    }
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    const UINT size = metafile == nullptr ? 0 : GetEnhMetaFileBits(metafile, 0, nullptr);
    bytes.resize(size);
    const bool made = size != 0 && GetEnhMetaFileBits(metafile, size, bytes.data()) == size;
    if (metafile != nullptr) DeleteEnhMetaFile(metafile);
    if (!made) error = "the metafile cannot be completed";
    return made;
}

}  // namespace luwnd::win32
