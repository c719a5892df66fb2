#include "saved_pictures.h"

#include "file_checks.h"
#include "server/render/cairo/picture_file.h"

namespace luwnd::posix {

std::string SavedPictures::free_path(int window, render::PictureFormat format) const {
    return render::free_numbered_path(directory_, pid_, window, render::suffix_of(format),
                                      path_exists);
}

std::string SavedPictures::save(const render::Picture& picture, int window,
                                render::PictureFormat format, std::string& error) {
    std::string path = free_path(window, format);
    if (path.empty()) {
        error = "no free file name is left";
        return {};
    }
    if (!render::write_picture(picture, path, format, error)) return {};
    return path;
}

}  // namespace luwnd::posix
