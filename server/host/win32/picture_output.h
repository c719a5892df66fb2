// Pictures of the windows as files: each window is drawn with GDI and written as PNG
// ("luwnd-<process>-<window>.png" in LUMORA_OUTPUT, else the current directory) when it
// closes and, headless, for the windows still open as soon as the client has quit (before
// the quit is answered, so that the pictures are complete once the program has ended),
// else when the process ends. Names as in output_target.h: nothing is overwritten.
// Windows has no SVG or PDF writer here: a window that asked for either with 'B' 34 is
// written as PNG too.
#pragma once

#include "server/core/core.h"
#include "server/render/output_target.h"
#include "server/render/window_pictures.h"

namespace luwnd::win32 {

class PictureOutput {
  public:
    // every_window: headless, every window is written; else only those that asked
    // for a file with 'B' 34.
    PictureOutput(const Core& core, render::WindowPictures& pictures, render::OutputTarget target,
                  bool every_window);

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

}  // namespace luwnd::win32
