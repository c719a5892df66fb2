// Pictures the user saves from a window on screen: each save writes a new file
// "luwnd-<pid>-<window>-<k>.<png|svg|pdf>" in the LUMORA_OUTPUT directory (default: the
// current directory), k counting up past the files already there, so that no save
// overwrites an earlier one (nor anything else: see picture_new_file.h).
#pragma once

#include <string>

#include "server/render/output_target.h"
#include "server/render/picture.h"

namespace luwnd::posix {

class SavedPictures {
  public:
    SavedPictures(std::string directory, long pid) : directory_(std::move(directory)), pid_(pid) {}

    // Writes the picture of window n; the file written, or empty (with the reason in
    // error) when it could not be written.
    std::string save(const render::Picture& picture, int window, render::PictureFormat format,
                     std::string& error);

  private:
    std::string directory_;
    long pid_;
};

}  // namespace luwnd::posix
