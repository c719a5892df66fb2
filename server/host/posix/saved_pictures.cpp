#include "saved_pictures.h"

#include "picture_new_file.h"
#include "server/render/cairo/picture_file.h"

namespace luwnd::posix {

std::string SavedPictures::save(const render::Picture& picture, int window,
                                render::PictureFormat format, std::string& error) {
    return write_new_file(
        [&](const render::PathExists& taken) {
            return render::free_numbered_path(directory_, pid_, window, render::suffix_of(format),
                                              taken);
        },
        [&](std::FILE* file, std::string& reason) {
            return render::write_picture(picture, file, format, reason);
        },
        error);
}

}  // namespace luwnd::posix
