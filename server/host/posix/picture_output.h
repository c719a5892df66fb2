// Headless output: the picture of every window goes to a file in the output target when
// the window closes and, for the windows still open, when the process ends. The format is
// the one the window chose with 'B' 34, else the target's.
#pragma once

#include <cstdint>

#include "server/core/core.h"
#include "server/render/output_target.h"
#include "server/render/window_pictures.h"

namespace luwnd::posix {

class PictureOutput {
  public:
    PictureOutput(const Core& core, render::WindowPictures& pictures, render::OutputTarget target,
                  bool every_window)
        : core_(core),
          pictures_(pictures),
          target_(std::move(target)),
          every_window_(every_window) {}

    // After each command: writes the windows that closed with it.
    void after_command();
    // At the end: writes every window still open.
    void write_open() const;

  private:
    void write(const render::Picture& picture, int window) const;

    const Core& core_;
    render::WindowPictures& pictures_;
    render::OutputTarget target_;
    bool every_window_;
};

}  // namespace luwnd::posix
