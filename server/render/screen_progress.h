// How far the image a screen window shows has followed the window's picture, and what it
// takes to follow it now. Items are only ever added or removed at the end: an image that
// holds the picture's first items needs only the new ones drawn, anything else draws the
// picture again. While the picture is held (the program draws a buffered frame) the image
// stays as it is; the items removed meanwhile are remembered, so that when the frame ends
// it is known what the image still has of the picture.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture.h"

namespace luwnd::render {

class ScreenProgress {
  public:
    enum class Step {
        kNone,     // the image is as it should be (or held)
        kDrawNew,  // draw the items from drawn() on onto the image
        kDrawAll,  // make the image anew from the whole picture
    };

    // What the image (has_image: there is one) needs for the picture now. While the
    // picture is held and there is an image: kNone, whatever changed.
    Step step(const Picture& picture, bool has_image);
    // The step was done: the image holds the whole picture.
    void drew(const Picture& picture);
    // The items the image holds.
    std::size_t drawn() const { return drawn_; }
    // True once after a step that let a held picture go: the host shows the image at once.
    bool take_released();

  private:
    std::int32_t width_ = 0, height_ = 0;
    std::uint32_t background_ = 0;
    std::size_t drawn_ = 0;  // items of the picture drawn into the image
    std::size_t kept_ = 0;   // of those, the ones the picture has kept at their place since
    bool held_ = false;
    bool released_ = false;
};

}  // namespace luwnd::render
