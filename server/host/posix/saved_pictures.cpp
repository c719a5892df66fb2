#include "saved_pictures.h"

#include <sys/stat.h>

#include "server/render/cairo/picture_file.h"

namespace luwnd::posix {
namespace {

// Far more saves than anyone makes of one window; past it the last name is reused.
constexpr int kMaxSaves = 100000;

bool exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

}  // namespace

std::string SavedPictures::free_path(int window, render::PictureFormat format) const {
    std::string stem = directory_.empty() ? std::string(".") : directory_;
    if (stem.back() != '/') stem += '/';
    stem += "luwnd-" + std::to_string(pid_) + "-" + std::to_string(window) + "-";
    const std::string suffix = std::string(".") + render::suffix_of(format);
    std::string path;
    for (int k = 1; k <= kMaxSaves; ++k) {
        path = stem + std::to_string(k) + suffix;
        if (!exists(path)) break;
    }
    return path;
}

std::string SavedPictures::save(const render::Picture& picture, int window,
                                render::PictureFormat format, std::string& error) {
    std::string path = free_path(window, format);
    if (!render::write_picture(picture, path, format, error)) return {};
    return path;
}

}  // namespace luwnd::posix
