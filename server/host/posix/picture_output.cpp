#include "picture_output.h"

#include <cstdio>

#include "file_checks.h"
#include "picture_new_file.h"
#include "server/render/cairo/picture_file.h"

namespace luwnd::posix {

void PictureOutput::after_command() {
    for (const auto& [window, picture] : pictures_.take_closed()) write(picture, window);
    // Offered windows may still be joined and drawn in: they are written at the end.
    if (every_window_ && core_.quit_requested() && !core_.offers_join()) write_open();
}

void PictureOutput::write_open() {
    if (written_at_quit_) return;
    for (const auto& [window, picture] : pictures_.open()) write(picture, window);
    written_at_quit_ = every_window_ && core_.quit_requested() && !core_.offers_join();
}

void PictureOutput::write(const render::Picture& picture, int window) const {
    if (!render::written_at_end(target_, picture.format, every_window_)) return;
    std::string warning;
    render::OutputTarget target = render::usable_target(target_, is_directory, warning);
    if (!warning.empty()) std::fprintf(stderr, "luwnd: %s\n", warning.c_str());
    if (picture.format >= 1 && picture.format <= 3 && warning.empty())
        target.format = static_cast<render::PictureFormat>(picture.format - 1);
    std::string error;
    const std::string path = write_new_file(
        [&](const render::PathExists& taken) {
            return render::free_picture_path(target, core_.process_number(), window, taken);
        },
        [&](std::FILE* file, std::string& reason) {
            return render::write_picture(picture, file, target.format, reason);
        },
        error);
    if (path.empty())
        std::fprintf(stderr, "luwnd: the picture of window %d is not written: %s\n", window,
                     error.c_str());
}

}  // namespace luwnd::posix
