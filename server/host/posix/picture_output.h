// Headless output: the picture of every window goes to a file in the output target when
// the window closes and, for the windows still open, as soon as the client has quit (a
// program that quits and goes on working finds its pictures written), else when the
// process ends. The format is
// the one the window chose with 'B' 34, else the target's; the names are those of
// output_target.h, so that no earlier picture is overwritten.
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

    // After each command: writes the windows that closed with it, and every open window
    // once the client has quit for good (headless).
    void after_command();
    // At the end: writes every window still open, unless that happened at the quit.
    void write_open();

  private:
    void write(const render::Picture& picture, int window) const;

    const Core& core_;
    render::WindowPictures& pictures_;
    render::OutputTarget target_;
    bool every_window_;
    bool written_at_quit_ = false;
};

}  // namespace luwnd::posix
