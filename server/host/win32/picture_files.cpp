#include "picture_files.h"

#include <windows.h>

#include <memory>

#include "emf_file.h"
#include "file_checks.h"
#include "server/render/gdi/page_image.h"
#include "server/render/gdi/png_file.h"
#include "server/render/output_target.h"

namespace luwnd::win32 {
namespace {

bool write_png_file(const render::Picture& picture, const std::string& path, std::string& error) {
    std::unique_ptr<render::PageImage> image = render::render_page(picture);
    if (image != nullptr) return render::write_png(*image, path, error);
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
    std::string reason;
    const bool written = *format == PictureFormat::kPng
                             ? write_png_file(picture->second, path, reason)
                             : write_emf(picture->second, picture->second.title, path, reason);
    if (written) return true;
    // What a full disk leaves behind is no picture.
    DeleteFileA(path.c_str());
    error = "cannot write \"" + path + "\": " + reason;
    return false;
}

}  // namespace luwnd::win32
