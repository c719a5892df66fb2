// Pictures saved at the program's request ('B' 50): the window's picture as it stands,
// written with Cairo to the file named, as PNG, SVG or PDF after its extension.
#pragma once

#include "server/core/picture_saver.h"
#include "server/render/window_pictures.h"

namespace luwnd::posix {

class PictureFiles : public PictureSaver {
  public:
    explicit PictureFiles(const render::WindowPictures& pictures) : pictures_(pictures) {}
    bool save(int window, const std::string& path, std::string& error) override;

  private:
    const render::WindowPictures& pictures_;
};

}  // namespace luwnd::posix
