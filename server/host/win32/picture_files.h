// Pictures saved at the program's request ('B' 50): the window's picture as it stands,
// drawn with GDI and written as PNG (GDI+) or as an enhanced metafile, after the file
// name's extension. SVG and PDF are not written here: such a save fails with a reason.
#pragma once

#include "server/core/picture_saver.h"
#include "server/render/window_pictures.h"

namespace luwnd::win32 {

class PictureFiles : public PictureSaver {
  public:
    explicit PictureFiles(const render::WindowPictures& pictures) : pictures_(pictures) {}
    bool save(int window, const std::string& path, std::string& error) override;

  private:
    const render::WindowPictures& pictures_;
};

}  // namespace luwnd::win32
