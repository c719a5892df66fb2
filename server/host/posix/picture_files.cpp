#include "picture_files.h"

#include "file_checks.h"
#include "picture_new_file.h"
#include "server/render/cairo/picture_file.h"

namespace luwnd::posix {

bool PictureFiles::save(int window, const std::string& path, std::string& error) {
    using render::PictureFormat;
    auto picture = pictures_.open().find(window);
    if (picture == pictures_.open().end()) {
        error = "the window has no picture";
        return false;
    }
    std::optional<PictureFormat> format = render::save_format(
        path, {PictureFormat::kPng, PictureFormat::kSvg, PictureFormat::kPdf}, is_directory, error);
    if (!format) return false;
    return replace_file(
        path,
        [&](std::FILE* file, std::string& reason) {
            return render::write_picture(picture->second, file, *format, reason);
        },
        error);
}

}  // namespace luwnd::posix
