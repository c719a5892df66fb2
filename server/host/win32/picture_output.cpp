#include "picture_output.h"

#include <cstdio>
#include <utility>

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
}

void PictureOutput::write_open() const {
    for (const auto& [window, picture] : pictures_.open()) write(picture, window);
}

void PictureOutput::write(const render::Picture& picture, int window) const {
    if (!every_window_ && (picture.format < 1 || picture.format > 3)) return;
    std::string path = render::picture_path(target_, core_.process_number(), window);
    std::unique_ptr<render::PageImage> image = render::render_page(picture);
    std::string error = "the page is too large";
    if (image == nullptr || !render::write_png(*image, path, error))
        std::fprintf(stderr, "luwnd: cannot write %s: %s\n", path.c_str(), error.c_str());
}

}  // namespace luwnd::win32
