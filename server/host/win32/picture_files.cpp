#include "picture_files.h"

#include <memory>

#include "emf_file.h"
#include "file_checks.h"
#include "picture_new_file.h"
#include "server/render/gdi/page_image.h"
#include "server/render/gdi/png_file.h"
#include "server/render/output_target.h"

namespace luwnd::win32 {
namespace {

bool png_bytes(const render::Picture& picture, std::vector<std::uint8_t>& bytes,
               std::string& error) {
    std::unique_ptr<render::PageImage> image = render::render_page(picture);
    if (image != nullptr) return render::encode_png(*image, bytes, error);
    error = "the page is too large";
    return false;
}

}  // namespace

bool PictureFiles::save(int window, const std::string& path, std::string& error) {
    using render::PictureFormat;
    auto picture = pictures_.open().find(window);
    if (picture == pictures_.open().end()) {
        error = "the window has no picture";
        return false;
    }
    std::optional<PictureFormat> format =
        render::save_format(path, {PictureFormat::kPng, PictureFormat::kEmf}, is_directory, error);
    if (!format) return false;
    std::vector<std::uint8_t> bytes;
    std::string reason;
    const bool made = *format == PictureFormat::kPng
                          ? png_bytes(picture->second, bytes, reason)
                          : emf_bytes(picture->second, picture->second.title, bytes, reason);
    if (made) return replace_file(path, bytes_content(bytes), error);
    error = "cannot write \"" + path + "\": " + reason;
    return false;
}

}  // namespace luwnd::win32
