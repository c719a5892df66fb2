#include "picture_output.h"

#include <cstdio>
#include <utility>

#include "file_checks.h"
#include "picture_new_file.h"
#include "server/render/gdi/page_image.h"
#include "server/render/gdi/png_file.h"

namespace luwnd::win32 {

PictureOutput::PictureOutput(const Core& core, render::WindowPictures& pictures,
                             render::OutputTarget target, bool every_window)
    : core_(core), pictures_(pictures), target_(std::move(target)), every_window_(every_window) {
    target_.format = render::PictureFormat::kPng;
}

void PictureOutput::after_command() {
    for (const auto& [window, picture] : pictures_.take_closed()) write(picture, window);
    // Before the answer to the quit goes back: once the program has ended, its pictures
    // are complete. Offered windows may still be joined and drawn in: they wait.
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
    const render::OutputTarget target = render::usable_target(target_, is_directory, warning);
    if (!warning.empty()) std::fprintf(stderr, "luwnd: %s\n", warning.c_str());
    std::unique_ptr<render::PageImage> image = render::render_page(picture);
    std::vector<std::uint8_t> png;
    std::string error = "the page is too large";
    std::string path;
    if (image != nullptr && render::encode_png(*image, png, error)) {
        path = write_new_file(
            [&](const render::PathExists& taken) {
                return render::free_picture_path(target, core_.process_number(), window, taken);
            },
            bytes_content(png), error);
    }
    if (path.empty())
        std::fprintf(stderr, "luwnd: the picture of window %d is not written: %s\n", window,
                     error.c_str());
}

}  // namespace luwnd::win32
