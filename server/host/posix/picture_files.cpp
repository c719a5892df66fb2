#include "picture_files.h"

#include <cstdio>

#include "file_checks.h"
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
    std::string reason;
    if (render::write_picture(picture->second, path, *format, reason)) return true;
    // What a full disk leaves behind is no picture.
    std::remove(path.c_str());
    error = "cannot write \"" + path + "\": " + reason;
    return false;
}

}  // namespace luwnd::posix
